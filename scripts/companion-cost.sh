#!/bin/sh
# Prints what a companion costs: the full-screen saver for a minute on one
# monitor (1280 x 1024) and on two (plus 1024 x 768), on the nested X servers
# of the two-monitor tests. CPU is utime + stime of the saver, wineserver and
# both X servers; the peak working set is the saver's VmHWM.
#   ./scripts/companion-cost.sh [seconds]
set -eu
cd "$(dirname "$0")/.."
. ./scripts/cpu-ticks.sh
build=build/win64
prefix=$build/wineprefix-two-monitors

if [ "${1:-}" = "--measure" ]; then
  seconds=$2
  "$build/wine-run-two-monitors" "$build/Solquera.scr" /s &
  saver=$!
  sleep 5  # start-up and the first photograph are not the steady state
  server_dir=$(printf '/tmp/.wine-%s/server-%x-%x' "$(id -u)" "$(stat -c %d "$prefix")" "$(stat -c %i "$prefix")")
  server=""
  for pid in $(pgrep -x wineserver); do
    [ "$(readlink "/proc/$pid/cwd")" = "$server_dir" ] && server=$pid
  done
  # shellcheck disable=SC2086 # a list of ids
  before=$(cpu_ticks $saver $server $SOLQUERA_X_PIDS)
  sleep "$seconds"
  # shellcheck disable=SC2086
  after=$(cpu_ticks $saver $server $SOLQUERA_X_PIDS)
  peak=$(awk '/VmHWM/ { print $2 }' "/proc/$saver/status")
  now=$(awk '/VmRSS/ { print $2 }' "/proc/$saver/status")
  xdotool key Escape 2>/dev/null
  wait $saver
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v peak="$peak" -v now="$now" \
    'BEGIN { printf "%.2f CPU s per minute, working set %.1f MB at the end, peak %.1f MB\n",
             t / hz * 60 / s, now / 1024, peak / 1024 }'
  exit 0
fi

. ./scripts/prepare.sh
build win64 Solquera
seconds=${1:-60}
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf "one monitor:  "
SOLQUERA_XEPHYR_SCREENS="-screen 1280x1024" \
  tests/two-monitors.sh "$prefix" "$0" --measure "$seconds"
printf "two monitors: "
tests/two-monitors.sh "$prefix" "$0" --measure "$seconds"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
