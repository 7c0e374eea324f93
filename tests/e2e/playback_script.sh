#!/usr/bin/env bash
# A command-line run of a script: START opens the probe's window, GOTO finds
# it, TYPE types into it (Tab, Enter, shifted characters, the date) and
# CLICK clicks at a position relative to it; then the run ends by itself.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
cp "$TARGET_EXE" "$DRIVE_C/probe_target.exe"
rm -f "$DRIVE_C/script.log"
script=$(write_c_file script.mvx <<'MVX'
; typed into the probe's window
START C:\probe_target.exe target "Script Target" C:\script.log 300 200 420 300
WAIT 1 second
GOTO script target
TYPE Hello, World!{tab}Line 1{enter}
TYPE Today is {date}.{enter}
TYPE ~@#$%^&*()_+{}|:"<>?
CLICK 40, 70
MVX
)
start_morvik "$script"
wait_exit "$MORVIK_PID" 30
sleep 0.5
screenshot playback_script-typed

expected="Hello, World!\\tLine 1\\nToday is $(date +%m/%d/%Y).\\n~@#\$%^&*()_+{}|:\"<>?"
assert_eq "$(target_text script.log)" "$expected" "typed text"
IFS=, read -r left top _ _ <<<"$(probe window MorvikProbeTarget | field rect)"
assert_eq "$(awk '$2 == "ldown" { print $3, $4 }' "$DRIVE_C/script.log")" "$((left + 40)) $((top + 70))" "click position"
assert_eq "$(awk '$2 == "lup"' "$DRIVE_C/script.log" | wc -l)" "1" "button released"
probe close MorvikProbeTarget >/dev/null
echo "script typed and clicked as written"
