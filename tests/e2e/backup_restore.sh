#!/usr/bin/env bash
# "Backup All Settings" from the menu, saved through the real Save dialog,
# writes a REGEDIT4 file that recreates the same registry values when it
# is imported into a fresh prefix.
. "$(dirname "$0")/lib.sh"
reg_delete_morvik
add() { "$WINE" reg add "$MORVIK_KEY\\$1" /v "$2" /t "$3" /d "$4" /f >/dev/null 2>&1 || fail "reg add $*"; }
add Mappings\\118 Action REG_DWORD 1; add Mappings\\118 Control REG_DWORD 1; add Mappings\\118 Shift REG_DWORD 1
add Mappings\\118 Alt REG_DWORD 0; add Mappings\\118 Text REG_SZ ""
add Mappings\\119 Action REG_DWORD 2; add Mappings\\119 Control REG_DWORD 0; add Mappings\\119 Shift REG_DWORD 0
add Mappings\\119 Alt REG_DWORD 0; add Mappings\\119 Text REG_SZ ""
add Mappings\\65 Action REG_DWORD 6; add Mappings\\65 Control REG_DWORD 1; add Mappings\\65 Shift REG_DWORD 0
add Mappings\\65 Alt REG_DWORD 1; add Mappings\\65 Text REG_EXPAND_SZ 'C:\Tools\run.exe "%USERPROFILE%\notes.txt"'
add ShortType\\sig Text REG_SZ 'Best regards, "The Team" \ Support'
add ShortType\\ty Text REG_SZ 'thank you'
add . Speed REG_DWORD 3
add . Logfile REG_SZ 'C:\Logs\morvik run.log'

start_morvik
probe wait-window Morvik 20000 >/dev/null || fail "the Morvik window did not appear"
probe command Morvik 1142 >/dev/null
dialog=$(wait_dialog Save) || exit 1
assert_eq "$(field title <<<"$dialog")" "Save As" "dialog title"
screenshot backup_restore-save-dialog
xdotool type --delay 20 'C:\morvik-backup.reg'
xdotool key Return
box=$(probe msgbox 10000 1) || fail "no completion message"
assert_eq "$(field caption <<<"$box")" "Export Complete" "completion caption"
probe close Morvik >/dev/null
wait_exit "$MORVIK_PID" 15
backup=$DRIVE_C/morvik-backup.reg
[ -s "$backup" ] || fail "no backup file"
cp "$backup" "$ARTIFACTS/morvik-backup.reg"
head -n 1 "$backup" | grep -q '^REGEDIT4' || fail "not a REGEDIT4 file"

# Texts come back as REG_EXPAND_SZ (a backup writes every Text as hex(2),
# which Morvik reads the same way, never expanded): compare their data.
query() {
  "$WINE" reg query "$1" /s 2>/dev/null < /dev/null | tr -d '\r' | sed 's/^\(    Text    \)REG_SZ/\1REG_EXPAND_SZ/'
}
original_mappings=$(query "$MORVIK_KEY\\Mappings")
original_shorttypes=$(query "$MORVIK_KEY\\ShortType")
original_values=$(reg_values)

# Import into a prefix of its own, as on another machine.
export WINEPREFIX=$E2E_DIR/import-prefix
rm -rf "$WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1 < /dev/null
cp "$backup" "$WINEPREFIX/drive_c/morvik-backup.reg"
"$WINE" regedit /S 'C:\morvik-backup.reg' >/dev/null 2>&1 < /dev/null
imported_values=$(reg_values)
assert_eq "$(query "$MORVIK_KEY\\Mappings")" "$original_mappings" "Mappings after import"
assert_eq "$(query "$MORVIK_KEY\\ShortType")" "$original_shorttypes" "ShortTypes after import"
# Every value of the main key that the backup holds comes back as it was.
restored=0
while read -r name rest; do
  grep -q "^\"$name\"=" "$backup" || continue
  grep -qxF "$name $rest" <<<"$imported_values" || fail "value not restored: $name $rest"
  restored=$((restored + 1))
done <<<"$original_values"
[ "$restored" -ge 30 ] || fail "only $restored values compared"
"$WINESERVER" -k >/dev/null 2>&1
echo "backup written from the menu and restored into a fresh prefix"
