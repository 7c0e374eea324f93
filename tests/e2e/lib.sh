# Helpers for the end-to-end tests, sourced by each test script. The test
# runs with E2E_DIR (the session folder), MORVIK_EXE and PROBE_EXE set.
set -u
# shellcheck disable=SC1091
. "$E2E_DIR/session.env"
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
ARTIFACTS=$E2E_DIR/artifacts
TEST_NAME=$(basename "$0" .sh)
MORVIK_KEY='HKCU\Software\Morvik'
started_pids=()

fail() {
  echo "FAIL: $*" >&2
  screenshot "${TEST_NAME}-failure"
  exit 1
}

cleanup() {
  local pid
  for pid in "${started_pids[@]}"; do kill "$pid" 2>/dev/null; done
}
trap cleanup EXIT

# Runs the probe and prints its answer without the CRs of the console.
probe() { "$WINE" "$PROBE_EXE" "$@" 2>/dev/null < /dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Starts Morvik.exe in the background with the given arguments; sets MORVIK_PID.
start_morvik() {
  "$WINE" "$MORVIK_EXE" "$@" >/dev/null 2>&1 < /dev/null &
  MORVIK_PID=$!
  started_pids+=("$MORVIK_PID")
}

# Waits up to $2 seconds for process $1 to end; fails if it does not.
wait_exit() {
  local pid=$1 limit=$2 i
  for i in $(seq 1 $((limit * 10))); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  fail "process $pid still running after ${limit}s"
}

screenshot() {
  import -window root "$ARTIFACTS/$1.png" 2>/dev/null || true
}

# The value of a probe answer line "name=value".
field() { sed -n "s/^$1=//p" | head -n 1; }

reg_delete_morvik() { "$WINE" reg delete "$MORVIK_KEY" /f >/dev/null 2>&1 < /dev/null; true; }

# Prints "Name TYPE data" for every value under the Morvik key.
reg_values() {
  "$WINE" reg query "$MORVIK_KEY" 2>/dev/null < /dev/null | tr -d '\r' |
    awk 'NF >= 2 && $2 ~ /^REG_/ { name=$1; type=$2; $1=""; $2=""; sub(/^ +/, ""); print name, type, $0 }'
}

assert_eq() {
  [ "$1" == "$2" ] || fail "$3: expected '$2', got '$1'"
}

# The probe's target window, which logs what it receives to C:\<name>.log.
TARGET_EXE=$(dirname "$PROBE_EXE")/probe_target.exe
DRIVE_C=$WINEPREFIX/drive_c

# Writes a file into C:\ of the prefix with CR LF line ends; prints its
# Windows path.
write_c_file() {
  sed 's/$/\r/' >"$DRIVE_C/$1"
  echo "C:\\$1"
}

# The characters a target log received, as one line (\n for Enter, \t for Tab).
target_text() {
  awk '$2 == "char" { c = $3 + 0; if (c == 13) printf "\\n"; else if (c == 9) printf "\\t"; else printf "%c", c }' \
    "$DRIVE_C/$1"
}

# Windows path of a file of the prefix.
winpath() { echo "C:\\$1"; }

# Runs the command every 0.1 s until it succeeds, for at most $1 seconds;
# returns its last status.
wait_until() {
  local limit=$1 i
  shift
  for i in $(seq 1 $((limit * 10))); do
    "$@" && return 0
    sleep 0.1
  done
  "$@"
}

# True when the Morvik window's title is $1.
morvik_title_is() { [ "$(probe window Morvik | field title)" = "$1" ]; }

dialog_in_front() { [ "$(probe foreground | field class)" = '#32770' ]; }

# Waits for a common dialog to appear and to take the keyboard; prints the
# probe's answer for it. Fails the test, naming $1, when it does not.
wait_dialog() {
  local info
  info=$(probe wait-window '#32770' 10000) || fail "no $1 dialog"
  wait_until 5 dialog_in_front || fail "the $1 dialog is not in front"
  sleep 0.3
  echo "$info"
}
