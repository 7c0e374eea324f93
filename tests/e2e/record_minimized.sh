#!/usr/bin/env bash
# With Minimize on, recording minimises the window under the title "CLICK
# TO STOP RECORDING"; bringing it back, as a click on its taskbar button
# does, stops the recording.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
"$WINE" reg add "$MORVIK_KEY" /v Minimize /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$WINE" "$TARGET_EXE" target "Minimized Target" 'C:\minimized.log' 300 200 420 300 >/dev/null 2>&1 &
started_pids+=($!)
probe wait-window MorvikProbeTarget 20000 >/dev/null || fail "no target window"
start_morvik
probe wait-window Morvik 20000 >/dev/null || fail "the Morvik window did not appear"
probe command Morvik 1054 >/dev/null
wait_until 5 morvik_title_is "CLICK TO STOP RECORDING"
info=$(probe window Morvik)
assert_eq "$(field title <<<"$info")" "CLICK TO STOP RECORDING" "title while recording"
assert_eq "$(field minimized <<<"$info")" "1" "minimised while recording"
screenshot record_minimized-recording
xdotool mousemove 500 350 click 1
sleep 0.3
xdotool search --name 'CLICK TO STOP RECORDING' windowactivate >/dev/null 2>&1
wait_until 5 morvik_title_is "Morvik - (Untitled)"
info=$(probe window Morvik)
assert_eq "$(field title <<<"$info")" "Morvik - (Untitled)" "title after the click"
probe menu Morvik | grep -q "^  &Playback \[1056\]$" || fail "Playback not available after the stop"
probe menu Morvik | grep -q "^  S&top Recording \[1058\] grayed$" || fail "Stop Recording still available"
screenshot record_minimized-stopped
probe command Morvik 1065 >/dev/null
box=$(probe msgbox 5000 1) || fail "no action count"
assert_eq "$(field caption <<<"$box")" "Total Commands" "action count caption"
grep -qE "^text=Total number of actions in the current recording: [2-9]" <<<"$box" || fail "action count: $box"
probe close Morvik >/dev/null
probe msgbox 5000 7 >/dev/null  # "Save changes to (Untitled)?": No
wait_exit "$MORVIK_PID" 15
probe close MorvikProbeTarget >/dev/null
echo "minimised recording stopped by bringing the window back"
