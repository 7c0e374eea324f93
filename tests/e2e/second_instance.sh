#!/usr/bin/env bash
# A second Normal start brings the first window forward and ends; the first
# keeps running.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
start_morvik
first=$MORVIK_PID
probe wait-window Morvik 20000 >/dev/null || fail "the Morvik window did not appear"

for case in "6 minimized" "0 hidden"; do
  read -r show label <<<"$case"
  probe show Morvik "$show" >/dev/null
  sleep 0.5
  start_morvik
  wait_exit "$MORVIK_PID" 20
  kill -0 "$first" 2>/dev/null || fail "the first instance ended ($label)"
  assert_eq "$(probe count Morvik)" "1" "windows of class Morvik ($label)"
  sleep 0.5
  info=$(probe window Morvik)
  assert_eq "$(field visible <<<"$info")" "1" "first window visible again ($label)"
  assert_eq "$(field minimized <<<"$info")" "0" "first window restored ($label)"
  assert_eq "$(field foreground <<<"$info")" "1" "first window in front ($label)"
done
screenshot second_instance-forwarded

probe close Morvik >/dev/null
wait_exit "$first" 15
echo "second start forwarded to the first, twice"
