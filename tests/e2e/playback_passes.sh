#!/usr/bin/env bash
# /REPEATS=3 plays three passes ({playbackloop} types 1, 2, 3); /SPEED=4
# plays recorded gaps without waiting, Normal speed keeps them.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
rm -f "$DRIVE_C/passes.log"
"$WINE" "$TARGET_EXE" target "Passes Target" 'C:\passes.log' 300 200 420 300 >/dev/null 2>&1 &
started_pids+=($!)
probe wait-window MorvikProbeTarget 20000 >/dev/null || fail "no target window"

script=$(write_c_file passes.mvx <<'MVX'
GOTO Passes Target
TYPE {playbackloop}{enter}
MVX
)
start_morvik "$script" /REPEATS=3
wait_exit "$MORVIK_PID" 30
sleep 0.3
assert_eq "$(target_text passes.log)" "1\\n2\\n3\\n" "loop numbers of three passes"

# Five keys recorded one second apart.
keys=$(write_c_file keys.mvx <<'MVX'
GOTO Passes Target
message=WM_KEYDOWN paramH=0 paramL=65 time=1000
message=WM_KEYUP paramH=0 paramL=65 time=1050
message=WM_KEYDOWN paramH=0 paramL=66 time=2050
message=WM_KEYUP paramH=0 paramL=66 time=2100
message=WM_KEYDOWN paramH=0 paramL=67 time=3100
message=WM_KEYUP paramH=0 paramL=67 time=3150
MVX
)
for speed in 4 2; do
  : >"$DRIVE_C/passes.log"
  start_morvik "$keys" "/SPEED=$speed"
  wait_exit "$MORVIK_PID" 30
  sleep 0.3
  assert_eq "$(target_text passes.log)" "abc" "keys at speed $speed"
  # Microseconds between the first and the last key-down.
  span=$(awk '$2 == "down" { if (!first) first = $1; last = $1 } END { print last - first }' "$DRIVE_C/passes.log")
  echo "speed $speed: first to last key ${span} us"
  if [ "$speed" = 4 ]; then
    [ "$span" -lt 300000 ] || fail "As Fast As Possible waited: ${span} us"
  else
    [ "$span" -gt 1950000 ] && [ "$span" -lt 2150000 ] || fail "Normal speed did not keep the 2 s: ${span} us"
  fi
done
probe close MorvikProbeTarget >/dev/null
echo "passes and speeds as expected"
