#!/usr/bin/env bash
# Files opened through the Open dialog appear at the end of the File menu,
# most recent first; choosing one opens it; Reset Recent Files empties the
# list after its question.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
for name in first second third; do
  printf 'message=WM_MOUSEMOVE paramH=10 paramL=10 time=0\r\n' >"$DRIVE_C/$name.mvx"
done
start_morvik
probe wait-window Morvik 20000 >/dev/null || fail "the Morvik window did not appear"

open_file() {
  probe command Morvik 1051 >/dev/null
  wait_dialog Open >/dev/null
  xdotool type --delay 20 "$1"
  xdotool key Return
  wait_until 5 morvik_title_is "Morvik - $1"
}

recent_entries() { probe menu Morvik | sed -n 's/^  \(C:.*\) \[\(174[1-8]\)\]$/\2 \1/p' | tr '\n' ';'; }

open_file 'C:\first.mvx'
open_file 'C:\second.mvx'
open_file 'C:\third.mvx'
assert_eq "$(recent_entries)" '1741 C:\third.mvx;1742 C:\second.mvx;1743 C:\first.mvx;' "recent files in the menu"
xdotool search --name '^Morvik' windowactivate --sync >/dev/null 2>&1
xdotool key alt+f
sleep 0.4
screenshot recent_files-menu
xdotool key Escape Escape

# Choosing the third entry opens that file and moves it to the top.
probe command Morvik 1743 >/dev/null
wait_until 5 morvik_title_is 'Morvik - C:\first.mvx'
assert_eq "$(probe window Morvik | field title)" 'Morvik - C:\first.mvx' "title after opening a recent file"
assert_eq "$(recent_entries)" '1741 C:\first.mvx;1742 C:\third.mvx;1743 C:\second.mvx;' "order after opening a recent file"

probe command Morvik 1068 >/dev/null
box=$(probe msgbox 5000 6) || fail "no question before the reset"
assert_eq "$(field caption <<<"$box")" "Reset Recent Files" "reset question"
sleep 0.5
assert_eq "$(recent_entries)" "" "recent files after the reset"
assert_eq "$("$WINE" reg query "$MORVIK_KEY" /v File1 2>/dev/null | grep -c File1)" "0" "File1 in the registry"
probe close Morvik >/dev/null
wait_exit "$MORVIK_PID" 15
echo "recent files listed in order and reset"
