#!/usr/bin/env bash
# A command-line run whose file cannot be loaded shows the loader's message
# and ends without ever showing its window: a missing file, a script with
# an unknown command, an event line without paramH.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik

# Runs Morvik.exe on $1, reads the box it shows, answers it and checks that
# the program ends with no window shown. Prints the box.
expect_load_error() {
  start_morvik "$1"
  local box
  box=$(probe msgbox 20000) || fail "no message box for $1"
  probe wait-window Morvik 300 >/dev/null && fail "the main window was shown for $1"
  probe msgbox 1000 1 >/dev/null
  wait_exit "$MORVIK_PID" 15
  echo "$box"
}

box=$(expect_load_error 'C:\no such file.mvx')
assert_eq "$(field caption <<<"$box")" "Error" "missing file: caption"
assert_eq "$(field text <<<"$box")" \
  "Unable to open file 'C:\\no such file.mvx'! (-2)\\n\\nPlease verify that the file exists." "missing file: text"

script=$(write_c_file unknown.mvx <<'MVX'
; two good commands, then one that is not a command
WAIT 1
TYPE hello
JUMP somewhere
MVX
)
box=$(expect_load_error "$script")
assert_eq "$(field caption <<<"$box")" "Script Error" "unknown command: caption"
assert_eq "$(field text <<<"$box")" \
  'Unknown or incorrectly formatted command #3:\n\n"JUMP somewhere"' "unknown command: text"

events=$(write_c_file nopath.mvx <<'MVX'
message=WM_KEYDOWN paramH=0 paramL=65 time=10
message=WM_KEYUP	paramH=0	paramL=65	time=20
MVX
)
box=$(expect_load_error "$events")
assert_eq "$(field text <<<"$box")" "Improperly formatted EVENT command (missing paramH)" "missing paramH: text"
assert_eq "$(field caption <<<"$box")" 'message=WM_KEYUP\tparamH=0\tparamL=65\ttime=20\r\n' "missing paramH: caption"
echo "each load error shown once, and no window"
