#!/usr/bin/env bash
# Closing a Normal run writes every option and the window's position; a
# command-line run writes nothing.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
"$WINE" reg add "$MORVIK_KEY" /v Left /t REG_DWORD /d 300 /f >/dev/null 2>&1
"$WINE" reg add "$MORVIK_KEY" /v Top /t REG_DWORD /d 200 /f >/dev/null 2>&1
start_morvik
info=$(probe wait-window Morvik 20000) || fail "the Morvik window did not appear"
IFS=, read -r left top _ _ <<<"$(field rect <<<"$info")"
assert_eq "$left,$top" "300,200" "window placed at the stored position"
probe close Morvik >/dev/null
wait_exit "$MORVIK_PID" 15

values=$(reg_values)
echo "$values" >"$ARTIFACTS/settings_saved.txt"
for name in Left Top ExcludeMorvikAction PlayImmediately QuitWhenDone Reload Topmost PromptForSave \
  Visited ShowTabs Speed Repeats Continuous Minimize FactorFast FactorSlow LastTab RandomMin RandomMax \
  LoopTypeBase Log InterruptWarning LastFileType UserCommand KeyboardService ShowTrayIcon \
  RecentListSize LastOptionsTab PlayUpdate GOTOWait; do
  type=$(awk -v n="$name" '$1 == n { print $2 }' <<<"$values")
  assert_eq "$type" "REG_DWORD" "kind of $name"
done
assert_eq "$(awk '$1 == "Logfile" { print $2 }' <<<"$values")" "REG_SZ" "kind of Logfile"
assert_eq "$(awk '$1 == "Left" || $1 == "Top" { printf "%s ", $3 }' <<<"$values")" "0x12c 0xc8 " "saved position"

# A command-line run never saves, not even after its file failed to load.
reg_delete_morvik
start_morvik 'C:\missing.mvk' /SPEED=4 /REPEATS=3
probe msgbox 20000 1 >/dev/null || fail "no message for the missing file"
wait_exit "$MORVIK_PID" 20
assert_eq "$(reg_values | wc -l)" "0" "values written by a command-line run"
echo "settings written on close, none by a command-line run"
