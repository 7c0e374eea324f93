#!/usr/bin/env bash
# Recording from the desktop as a person does it: Start Recording from the
# menu, type and click into a window, stop with the stop key (a Stop
# Recording Mapping), Save As through the real dialog as .mvx and .mvk;
# each file holds the keys and the click, and playing it into a fresh
# window reproduces them. Screenshots show the Empty, Busy and Loaded
# menus.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
"$WINE" reg add "$MORVIK_KEY\\Mappings\\120" /v Action /t REG_DWORD /d 2 /f >/dev/null 2>&1  # F9 stops
rm -f "$DRIVE_C"/rec-*.log "$DRIVE_C"/recorded.mvx "$DRIVE_C"/recorded.mvk

start_target() {  # log name
  "$WINE" "$TARGET_EXE" target "Record Target" "C:\\$1" 300 200 420 300 >/dev/null 2>&1 &
  TARGET_PID=$!
  started_pids+=("$TARGET_PID")
  probe wait-window MorvikProbeTarget 20000 >/dev/null || fail "no target window"
  # The recording types before it clicks, so its keys go to whatever window
  # is in front: bring the target there, as the person did while recording.
  wait_until 5 target_in_front || fail "the target window is not in front"
  sleep 0.3
}

target_in_front() {
  xdotool search --name 'Record Target' windowactivate --sync >/dev/null 2>&1
  [ "$(probe window MorvikProbeTarget | field foreground)" = 1 ]
}

menu_has() { probe menu Morvik | grep -q "$1"; }

close_target() {
  probe close MorvikProbeTarget >/dev/null
  wait_exit "$TARGET_PID" 10
}

morvik_in_front() {
  xdotool search --name '^Morvik' windowactivate --sync >/dev/null 2>&1
  [ "$(probe window Morvik | field foreground)" = 1 ]
}

open_menu_shot() {  # state name, menu key
  wait_until 5 morvik_in_front || fail "the Morvik window is not in front"
  xdotool key "alt+$2"
  sleep 0.4
  screenshot "record-$1-menu-$2"
  xdotool key Escape Escape
  sleep 0.2
}

# In the Save dialog: chooses file type $2 (1 .mvk, 2 .mvx) in "Files of
# type", then types the path $1 and presses Enter.
fill_save_dialog() {
  wait_dialog Save >/dev/null
  xdotool key alt+t Home
  [ "$2" -gt 1 ] && xdotool key Down
  xdotool key alt+n
  xdotool type --delay 20 "$1"
  xdotool key Return
  sleep 1
}

save_as() {  # path, file type
  probe command Morvik 1061 >/dev/null
  fill_save_dialog "$1" "$2"
}

start_morvik
probe wait-window Morvik 20000 >/dev/null || fail "the Morvik window did not appear"
open_menu_shot empty r
open_menu_shot empty f

start_target rec-typed.log
# Start Recording from the Recorder menu, with the keyboard.
wait_until 5 morvik_in_front || fail "the Morvik window is not in front"
xdotool key alt+r r
wait_until 5 menu_has "S&top Recording \[1058\]$" || fail "Stop Recording not enabled while recording"
wait_until 5 target_in_front || fail "the target window is not in front"
sleep 0.3
xdotool type --delay 60 'Hi, Morvik!'
IFS=, read -r left top _ _ <<<"$(probe window MorvikProbeTarget | field rect)"
xdotool mousemove $((left + 90)) $((top + 120)) click 1
sleep 0.3
# The menus while recording; keys in Morvik's own window are not recorded,
# and the stop key works wherever the focus is.
open_menu_shot busy r
open_menu_shot busy f
xdotool key F9
sleep 0.5
open_menu_shot loaded r
open_menu_shot loaded f
typed=$(target_text rec-typed.log)
assert_eq "$typed" "Hi, Morvik!" "typed while recording"
clicked=$(awk '$2 == "ldown" { print $3, $4 }' "$DRIVE_C/rec-typed.log")
close_target

# A .mvx name with the .mvk type still chosen is a conflict: the message,
# then the dialog again, where the person picks the text type.
probe command Morvik 1061 >/dev/null
wait_dialog Save >/dev/null
xdotool type --delay 20 'C:\recorded.mvx'
xdotool key Return
box=$(probe msgbox 5000 1) || fail "no conflict message"
assert_eq "$(field caption <<<"$box")" "File Type Conflict" "conflict caption"
fill_save_dialog 'C:\recorded.mvx' 2
wait_until 5 test -s "$DRIVE_C/recorded.mvx" || fail "no .mvx written"
cp "$DRIVE_C/recorded.mvx" "$ARTIFACTS/recorded.mvx"
grep -q "^message=WM_LBUTTONDOWN paramH=$((top + 120)) paramL=$((left + 90)) " "$DRIVE_C/recorded.mvx" ||
  fail "the click is not in the .mvx"
assert_eq "$(grep -c '^message=WM_KEYDOWN' "$DRIVE_C/recorded.mvx")" "$(grep -c '^message=WM_KEYUP' "$DRIVE_C/recorded.mvx")" \
  "key downs and ups"
grep -q "^message=WM_KEYDOWN paramH=[0-9]* paramL=$((120 + 67 * 256))" "$DRIVE_C/recorded.mvx" &&
  fail "the stop key was recorded"
title=$(probe window Morvik | field title)
assert_eq "$title" 'Morvik - C:\recorded.mvx' "title after Save As"

for file in recorded.mvx recorded.mvk; do
  if [ "$file" = recorded.mvk ]; then
    save_as 'C:\recorded.mvk' 1
    wait_until 5 test -s "$DRIVE_C/recorded.mvk" || fail "no .mvk written"
    # Open it again, as a person would before playing it.
    probe command Morvik 1066 >/dev/null
    box=$(probe msgbox 5000 1) || fail "no hint after New"
    assert_eq "$(field caption <<<"$box")" "New Recording" "hint after New"
    assert_eq "$(probe window Morvik | field title)" "Morvik" "title after New"
    probe command Morvik 1051 >/dev/null
    wait_dialog Open >/dev/null
    xdotool type --delay 20 'C:\recorded.mvk'
    xdotool key Return
    wait_until 5 morvik_title_is 'Morvik - C:\recorded.mvk'
    assert_eq "$(probe window Morvik | field title)" 'Morvik - C:\recorded.mvk' "title after Open"
  fi
  start_target "rec-$file.log"
  probe command Morvik 1056 >/dev/null
  for _ in $(seq 1 100); do
    awk '$2 == "lup"' "$DRIVE_C/rec-$file.log" 2>/dev/null | grep -q . && break
    sleep 0.1
  done
  sleep 0.5
  screenshot "record-played-$file"
  assert_eq "$(target_text "rec-$file.log")" "Hi, Morvik!" "characters played from $file"
  assert_eq "$(awk '$2 == "ldown" { print $3, $4 }' "$DRIVE_C/rec-$file.log")" "$clicked" "click played from $file"
  close_target
done

probe close Morvik >/dev/null
box=$(probe msgbox 3000) && fail "unexpected question on close: $box"
wait_exit "$MORVIK_PID" 15
echo "recorded, saved as .mvx and .mvk, and played back the same"
