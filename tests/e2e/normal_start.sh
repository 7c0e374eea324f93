#!/usr/bin/env bash
# A Normal start shows the window "Morvik", 251 x 235, with its full menu.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
start_morvik
info=$(probe wait-window Morvik 20000) || fail "the Morvik window did not appear"
assert_eq "$(field title <<<"$info")" "Morvik" "window title"
IFS=, read -r left top right bottom <<<"$(field rect <<<"$info")"
assert_eq "$((right - left))x$((bottom - top))" "251x235" "window size"

probe menu Morvik >"$ARTIFACTS/main_menu.txt" || fail "no menu"
diff -u "$(dirname "$0")/expected/main_menu.txt" "$ARTIFACTS/main_menu.txt" || fail "menu differs"

sleep 0.5
screenshot normal_start-window
# Open the File menu as a person would, for a picture of it.
xdotool key alt+f
sleep 0.5
screenshot normal_start-file-menu
xdotool key Escape Escape

probe close Morvik >/dev/null
wait_exit "$MORVIK_PID" 15
echo "window and menu as expected"
