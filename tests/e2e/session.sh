#!/usr/bin/env bash
# Starts or stops the desktop the end-to-end tests run on: an Xvfb display
# with a window manager and a fresh Wine prefix.
#   session.sh start DIR   writes DIR/session.env for the tests
#   session.sh stop DIR
set -u
action=$1
dir=$2
wine=/usr/lib/wine/wine64

start() {
  rm -rf "$dir"
  mkdir -p "$dir/artifacts"
  # The first display whose server comes up: a lock file or socket of
  # another session, or a display taken elsewhere, makes Xvfb exit at once.
  local n xvfb=0
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$dir/xvfb.log" 2>&1 < /dev/null &
    xvfb=$!
    for _ in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      kill -0 "$xvfb" 2>/dev/null || break
      sleep 0.1
    done
    [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb" 2>/dev/null && break
    xvfb=0
  done
  [ "$xvfb" != 0 ] || { echo "no X display could be started" >&2; exit 1; }
  export DISPLAY=":$n" WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local wm=0
  if command -v openbox >/dev/null; then
    setsid openbox >"$dir/wm.log" 2>&1 < /dev/null &
    wm=$!
  fi
  cat >"$dir/session.env" <<ENV
export DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
XVFB_PID=$xvfb
WM_PID=$wm
ENV
  "$wine" wineboot -i >"$dir/wineboot.log" 2>&1 < /dev/null
  # Keep one wine server for the whole run, so each test starts quickly.
  setsid /usr/lib/wine/wineserver64 -p >/dev/null 2>&1 < /dev/null
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 < /dev/null
  echo "desktop $DISPLAY, prefix $WINEPREFIX"
}

stop() {
  [ -f "$dir/session.env" ] || exit 0
  # shellcheck disable=SC1091
  . "$dir/session.env"
  /usr/lib/wine/wineserver64 -k >/dev/null 2>&1
  [ "$WM_PID" != 0 ] && kill "$WM_PID" 2>/dev/null
  kill "$XVFB_PID" 2>/dev/null
  echo "desktop stopped"
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: session.sh start|stop DIR" >&2; exit 2 ;;
esac
