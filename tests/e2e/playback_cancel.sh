#!/usr/bin/env bash
# Ctrl+Esc, pressed as a person would during a long playback, cancels it:
# the warning box names the passes completed, no key stays down, the log
# holds the cancellation line and the run ends.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
"$WINE" reg add "$MORVIK_KEY" /v Log /t REG_DWORD /d 1 /f >/dev/null 2>&1
"$WINE" reg add "$MORVIK_KEY" /v Logfile /t REG_SZ /d 'C:\cancel-morvik.log' /f >/dev/null 2>&1
rm -f "$DRIVE_C/cancel.log" "$DRIVE_C/cancel-morvik.log"
"$WINE" "$TARGET_EXE" target "Cancel Target" 'C:\cancel.log' 300 200 420 300 >/dev/null 2>&1 &
started_pids+=($!)
probe wait-window MorvikProbeTarget 20000 >/dev/null || fail "no target window"

script=$(write_c_file cancel.mvx <<'MVX'
GOTO Cancel Target
TYPE {shiftdown}
TYPE ab
WAIT 60
TYPE never typed
MVX
)
start_morvik "$script"
for _ in $(seq 1 100); do
  [ "$(target_text cancel.log)" = "AB" ] && break
  sleep 0.1
done
assert_eq "$(target_text cancel.log)" "AB" "typed with Shift held"
xdotool key ctrl+Escape
box=$(probe msgbox 10000 1) || fail "no interrupt warning"
assert_eq "$(field caption <<<"$box")" "0 Playbacks Completed" "warning caption"
wait_exit "$MORVIK_PID" 15
screenshot playback_cancel-after
assert_eq "$(probe keys-down | tr '\n' ' ')" "" "keys held down after the cancellation"
grep -q "CANCELLED RECORDING: Forced by Windows Operating System" "$DRIVE_C/cancel-morvik.log" ||
  fail "no cancellation line in the log"
assert_eq "$(target_text cancel.log)" "AB" "nothing typed after the cancellation"
probe close MorvikProbeTarget >/dev/null
echo "Ctrl+Esc cancelled the playback and released Shift"
