#!/usr/bin/env bash
# A program made of Morvik.exe with a recording behind it plays that
# recording when started, and ends.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
rm -f "$DRIVE_C/self.log"
"$WINE" "$TARGET_EXE" target "Self Target" 'C:\self.log' 300 200 420 300 >/dev/null 2>&1 &
started_pids+=($!)
probe wait-window MorvikProbeTarget 20000 >/dev/null || fail "no target window"
printf 'GOTO Self Target\r\nTYPE played by itself{enter}\r\n' | cat "$MORVIK_EXE" - >"$DRIVE_C/selfplay.exe"
"$WINE" 'C:\selfplay.exe' >/dev/null 2>&1 < /dev/null &
pid=$!
started_pids+=("$pid")
wait_exit "$pid" 30
sleep 0.3
assert_eq "$(target_text self.log)" "played by itself\\n" "text typed by the self-playing program"
probe close MorvikProbeTarget >/dev/null
echo "self-playing program played its recording"
