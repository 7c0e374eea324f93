#!/usr/bin/env bash
# An empty registry gives every default, and stored values out of range are
# normalised; both are seen in what the program saves at exit.
. "$(dirname "$0")/lib.sh"

run_and_close() {
  start_morvik
  probe wait-window Morvik 20000 >/dev/null || fail "the Morvik window did not appear"
  probe close Morvik >/dev/null
  wait_exit "$MORVIK_PID" 15
}

check_values() {  # pairs of name and expected data
  local values
  values=$(reg_values)
  while [ $# -gt 0 ]; do
    assert_eq "$(awk -v n="$1" '$1 == n { print $3 }' <<<"$values")" "$2" "$1"
    shift 2
  done
}

reg_delete_morvik
run_and_close
reg_values >"$ARTIFACTS/registry_defaults.txt"
check_values Speed 0x2 Repeats 0x1 Continuous 0x0 FactorFast 0xf FactorSlow 0x4 RandomMin 0x3e8 \
  RandomMax 0x270f Log 0x0 'Logfile' 'C:\Morvik.log' RecentListSize 0x8 GOTOWait 0x2 PromptForSave 0x1 \
  ShowTabs 0x1 ShowTrayIcon 0x0 KeyboardService 0x0 ExcludeMorvikAction 0x1 InterruptWarning 0x1 \
  LastFileType 0x1 PlayUpdate 0x1 LastOptionsTab 0x1 LastTab 0x1 Topmost 0x0 Minimize 0x0

reg_delete_morvik
for pair in Speed:7 Repeats:0 GOTOWait:300 RecentListSize:20; do
  "$WINE" reg add "$MORVIK_KEY" /v "${pair%%:*}" /t REG_DWORD /d "${pair#*:}" /f >/dev/null 2>&1
done
run_and_close
check_values Speed 0x2 Repeats 0x1 GOTOWait 0x2c RecentListSize 0x8
echo "defaults and normalisation as expected"
