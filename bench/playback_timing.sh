#!/usr/bin/env bash
# Playback timing under Wine: plays recordings whose events (keys and mouse
# moves, alternating) lie a fixed gap apart into the probe's window, and
# reports, per speed and gap, the error of every gap as the window saw it
# (median, 99th percentile, maximum, in ms) and the drift of the whole run
# against the recorded total.
#   bench/playback_timing.sh [EVENTS] [GAPS] [SPEEDS]
# Defaults: 1000 events, gaps "2 10 50 200", speeds "1 2 3 4".
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-1000}
gaps=${2:-"2 10 50 200"}
speeds=${3:-"1 2 3 4"}
build=$root/build/win64
[ -x "$build/Morvik.exe" ] || { echo "build the win64 preset first" >&2; exit 1; }
dir=$(mktemp -d /tmp/morvik-bench.XXXXXX)
"$root/tests/e2e/session.sh" start "$dir" >/dev/null
trap '"$root/tests/e2e/session.sh" stop "$dir" >/dev/null; rm -rf "$dir"' EXIT
. "$dir/session.env"
wine=/usr/lib/wine/wine64
c=$WINEPREFIX/drive_c
"$wine" reg add 'HKCU\Software\Morvik' /v RestartLog /t REG_DWORD /d 0 /f >/dev/null 2>&1

"$wine" "$build/probe_target.exe" target "Timing Target" 'C:\timing.log' 200 150 600 400 >/dev/null 2>&1 &
"$wine" "$build/probe.exe" wait-window MorvikProbeTarget 20000 >/dev/null

# FactorSlow 4, FactorFast 15 are the defaults.
scaled() {  # speed gap
  case $1 in 1) echo $(($2 * 4)) ;; 2) echo "$2" ;; 3) echo $(($2 / 15)) ;; 4) echo 0 ;; esac
}

# Median, 99th percentile and maximum of the gap errors, and the drift.
report() {  # log expected events
  local times
  # A move to where the pointer already is, which the system adds after a
  # run of moves, is no event of the recording; nor is the release of a key
  # still held at the end, which playback sends when it stops.
  times=$(awk '$2 == "down" || $2 == "up" { print $1 }
               $2 == "move" && $3 " " $4 != last { print $1; last = $3 " " $4 }' "$1" | head -n "$3")
  local seen
  seen=$(wc -l <<<"$times")
  [ "$seen" -eq "$3" ] || echo "(saw $seen of $3 events)" >&2
  awk -v e="$2" 'NR > 1 { d = ($1 - p) / 1000 - e; print (d < 0 ? -d : d) } { p = $1 }' <<<"$times" | sort -n |
    awk '{ v[NR] = $1 } END { i = int(NR * 0.99); if (i < 1) i = 1; printf "%.2f %.2f %.2f ", v[int((NR + 1) / 2)], v[i], v[NR] }'
  awk -v e="$2" 'NR == 1 { f = $1 } { l = $1 } END { printf "%.2f\n", (l - f) / 1000 - e * (NR - 1) }' <<<"$times"
}

printf '%-6s %6s %9s %10s %10s %10s %10s\n' speed gap expected median p99 max drift
for gap in $gaps; do
  awk -v n="$events" -v gap="$gap" 'BEGIN {
      printf "GOTO Timing Target\r\n"
      for (i = 0; i < n; i++) {
        t = 1000 + i * gap; k = int(i / 3) % 26 + 65
        if (i % 3 == 0) printf "message=WM_KEYDOWN paramH=0 paramL=%d time=%d\r\n", k, t
        else if (i % 3 == 1) printf "message=WM_KEYUP paramH=0 paramL=%d time=%d\r\n", k, t
        else printf "message=WM_MOUSEMOVE paramH=%d paramL=%d time=%d\r\n", 300 + (i % 2) * 40, 400 + (i % 7) * 20, t
      }
    }' >"$c/timing.mvx"
  for speed in $speeds; do
    : >"$c/timing.log"
    "$wine" "$build/Morvik.exe" 'C:\timing.mvx' "/SPEED=$speed" >/dev/null 2>&1
    sleep 0.5
    expected=$(scaled "$speed" "$gap")
    report "$c/timing.log" "$expected" "$events" |
      xargs printf '%-6s %6s %9s %10s %10s %10s %10s\n' "$speed" "$gap" "$expected"
  done
done
