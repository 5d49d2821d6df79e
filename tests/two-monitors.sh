#!/bin/sh
# Runs a Windows program of this build on two monitors: Wine reports the
# screens of an X display with Xinerama and without RandR as monitors side by
# side, which an Xephyr with two screens, nested in a private Xvfb, provides
# (1280 x 1024 at 0,0, the primary, and 1024 x 768 at 1280,0). The program
# runs through a runner with a Wine prefix of its own: a wine server serves
# one prefix on one display, and the other tests' server stays on theirs.
# SOLQUERA_XEPHYR_SCREENS may give other screens (scripts/companion-cost.sh
# compares with one); the runner finds the X servers' ids in SOLQUERA_X_PIDS.
#   two-monitors.sh <prefix> <runner> <program> [arguments]
set -eu
prefix=$(realpath -m "$1") runner=$2
shift 2
# A server left from an earlier run talks to X servers that are gone, even
# where the new ones got the same numbers.
stop_wine() {
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
}
stop_wine

# Two free display numbers, from SOLQUERA_TWO_MONITOR_DISPLAY (default 170) up.
free_display() {
  n=$1
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}
wait_for_display() {
  i=0
  until DISPLAY=":$1" xdpyinfo >/dev/null 2>&1; do
    i=$((i + 1))
    [ $i -lt 100 ] || { echo "two-monitors: display :$1 did not start" >&2; exit 1; }
    sleep 0.1
  done
}

outer=$(free_display "${SOLQUERA_TWO_MONITOR_DISPLAY:-170}")
Xvfb ":$outer" -screen 0 2400x1200x24 -nolisten tcp >/dev/null 2>&1 &
outer_pid=$!
inner_pid=""
stop() {
  stop_wine
  [ -z "$inner_pid" ] || kill "$inner_pid" 2>/dev/null || true
  kill "$outer_pid" 2>/dev/null || true
}
trap stop EXIT
wait_for_display "$outer"

inner=$(free_display $((outer + 1)))
# shellcheck disable=SC2086 # the screens are separate arguments
DISPLAY=":$outer" Xephyr ":$inner" ${SOLQUERA_XEPHYR_SCREENS:--screen 1280x1024 -screen 1024x768} \
  +xinerama -extension RANDR -nolisten tcp >/dev/null 2>&1 &
inner_pid=$!
wait_for_display "$inner"

export DISPLAY=":$inner" SOLQUERA_X_PIDS="$outer_pid $inner_pid"
unset XAUTHORITY
"$runner" "$@"
