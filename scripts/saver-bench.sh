#!/bin/sh
# Measures what a minute of slideshow costs: the real saver (/s) at 1920 x 1080
# under Wine in a private Xvfb, one row per effect, beside a bare full-screen
# window with a 100 ms timer and the 152 x 112 preview. Per row it prints the
# CPU seconds per minute of the measured process, Xvfb and the wineserver
# (and of the process alone), its peak working set, and from the saver's own
# debug lines (one per page change) the frames per transition, the longest
# gap between two frames of a transition and each page's set-up time. The
# row "dark" is the fading saver with the display turned off from its start.
#
# Usage: scripts/saver-bench.sh [ROW...]   rows: bare cut box circle dissolve fade random preview dark
# SOLQUERA_BENCH_SECONDS (60) is the measured time per row, after 5 s of warm-up;
# SOLQUERA_BENCH_PREVIEW_EFFECT (23, the fade) the effect of the preview row;
# SOLQUERA_BENCH_BUILDS (win64) the builds measured, one after the other in
# this run ("win32 win64" compares the i686 build, under the 32-bit Wine);
# a build named with "-scalar" ("win32-scalar") runs its mixes without SSE2,
# as on a processor that lacks it.
. "$(dirname "$0")/prepare.sh"
. ./scripts/cpu-ticks.sh
builds=${SOLQUERA_BENCH_BUILDS:-win64}
for name in $builds; do build "${name%-scalar}" Solquera bench_window >/dev/null; done

seconds=${SOLQUERA_BENCH_SECONDS:-60}
warmup=5
rows=${*:-bare cut box circle dissolve fade random preview}
tick=$(getconf CLK_TCK)
settings='HKCU\Software\Orvandel\Orvandel - Solquera'
out=$(mktemp -d)

# A display of its own at the measured size, from the numbers kept for this bench.
unset DISPLAY
SOLQUERA_SCREEN=1920x1080x24 SOLQUERA_FIRST_DISPLAY=110
. ./scripts/with-display.sh
xvfb=$xvfb_pid

# Measures with one build: its prefix, its Wine's server, its Effect setting
# put back afterwards.
use_build() {
  build=build/${1%-scalar}
  case $1 in *-scalar) export SOLQUERA_BLEND=scalar ;; *) unset SOLQUERA_BLEND ;; esac
  export WINEPREFIX="$PWD/$build/wineprefix"
  # Debian's wrapper starts wineserver64; the 32-bit Wine's server runs under its link's name.
  server_name=wineserver64
  [ "$build" = build/win64 ] || server_name=wineserver
  old_effect=$($build/wine-run reg query "$settings" /v Effect 2>/dev/null | awk '/Effect/ {print $3}' | tr -d '\r')
}
leave_build() {
  if [ -n "$old_effect" ]; then
    $build/wine-run reg add "$settings" /v Effect /t REG_DWORD /d "$((old_effect))" /f >/dev/null 2>&1 || true
  else
    $build/wine-run reg delete "$settings" /v Effect /f >/dev/null 2>&1 || true
  fi
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
}
build=""
finish() {
  [ -z "$build" ] || leave_build
  stop_display
  rm -rf "$out"
}
trap finish EXIT

# The process of this prefix whose name is $1 (Wine names a process after its executable).
prefix_pid() {
  for dir in /proc/[0-9]*; do
    [ "$(cat "$dir/comm" 2>/dev/null)" = "$1" ] || continue
    { tr '\0' '\n' <"$dir/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && { echo "${dir#/proc/}"; return; }
  done
}

wait_for_pid() {
  i=0
  until pid=$(prefix_pid "$1") && [ -n "$pid" ]; do
    [ $i -ge 200 ] && { echo "no process $1" >&2; return 1; }
    sleep 0.1
    i=$((i + 1))
  done
  echo "$pid"
}

effect_of() {
  case $1 in
    cut) echo 25 ;; box) echo 0 ;; circle) echo 2 ;; dissolve) echo 12 ;; random) echo 24 ;; *) echo 23 ;;
  esac
}

# Runs one row: starts its program, measures from the warm-up's end for $seconds, ends it.
measure() {
  row=$1
  trace="$out/$row.trace"
  case $row in
    bare)
      $build/wine-run $build/tests/bench/bench_window.exe bare $((warmup + seconds + 2)) >"$out/display" 2>/dev/null &
      process=bench_window.ex ;;
    preview)
      $build/wine-run reg add "$settings" /v Effect /t REG_DWORD /d "${SOLQUERA_BENCH_PREVIEW_EFFECT:-23}" /f >/dev/null 2>&1
      WINEDEBUG=-all,+debugstr $build/wine-run $build/tests/bench/bench_window.exe preview $((warmup + seconds + 2)) \
        >/dev/null 2>"$trace" &
      process=Solquera.scr ;;
    dark)
      $build/wine-run reg add "$settings" /v Effect /t REG_DWORD /d 23 /f >/dev/null 2>&1
      WINEDEBUG=-all,+debugstr $build/wine-run $build/tests/bench/bench_window.exe dark $((warmup + seconds + 2)) \
        >/dev/null 2>"$trace" &
      process=Solquera.scr ;;
    *)
      $build/wine-run reg add "$settings" /v Effect /t REG_DWORD /d "$(effect_of "$row")" /f >/dev/null 2>&1
      WINEDEBUG=-all,+debugstr $build/wine-run $build/Solquera.scr /s >/dev/null 2>"$trace" &
      process=Solquera.scr ;;
  esac
  launcher=$!
  pid=$(wait_for_pid "$process")
  server=$(wait_for_pid "$server_name")
  sleep "$warmup"
  p0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$xvfb"); s0=$(cpu_ticks "$server")
  touch "$trace"
  l0=$(wc -l <"$trace")
  sleep "$seconds"
  p1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xvfb"); s1=$(cpu_ticks "$server")
  l1=$(wc -l <"$trace")
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  # The full-screen saver ends on a key, as for a user; the others end by themselves.
  case $row in bare | preview | dark) ;; *) xdotool key space ;; esac
  wait "$launcher" || true
  sed -n "$((l0 + 1)),${l1}p" "$trace" | awk -v row="$row" -v hwm="$hwm" \
    -v own=$((p1 - p0)) -v all=$((p1 - p0 + x1 - x0 + s1 - s0)) -v tick="$tick" -v seconds="$seconds" '
    /Solquera view:/ {
      for (i = 1; i <= NF; i++) {
        if ($i ~ /^frames/) frames += $(i - 1)
        if ($i == "gap" && $(i + 1) > gap) gap = $(i + 1)
        if ($i == "set-up") { setup += $(i + 1); if ($(i + 1) > worst) worst = $(i + 1) }
      }
      n++
    }
    END {
      per = 60 / seconds / tick
      if (n) printf "%-9s %8.2f %8.2f %8.1f %6d %8.1f %8.1f %8.1f %8.1f\n", row, all * per, own * per, hwm / 1024, n, frames / n, gap, setup / n, worst
      else printf "%-9s %8.2f %8.2f %8.1f %6s %8s %8s %8s %8s\n", row, all * per, own * per, hwm / 1024, "-", "-", "-", "-", "-"
    }'
}

echo "Saver benchmark, $(date -u '+%Y-%m-%d %H:%M UTC'), ${seconds} s per row after ${warmup} s warm-up"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'); load: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "CPU s/min: saver (or bare window) + Xvfb + wineserver, and the process alone; WS: peak working set (VmHWM)"
printf "%-9s %8s %8s %8s %6s %8s %8s %8s %8s\n" row "CPU s" "alone" "WS MB" pages frames "gap ms" "set-up" "worst"
for name in $builds; do
  use_build "$name"
  echo "build $name:"
  for row in $rows; do
    measure "$row"
    [ "$row" = bare ] && sed 's/^/  /' "$out/display" | tr -d '\r' >&2
  done
  leave_build
  build=""
done
echo "load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
