#!/bin/sh
# Fuzzes the parsers that take bytes others can shape: builds the libFuzzer
# targets (clang, ASan and UBSan) and runs each for SECONDS (default 600), one
# after the other, from its committed seeds. Prints one line per target and
# exits non-zero when any target found an input that fails; such inputs are
# kept under out/fuzz/<name>/ (add them to tests/fuzz/regressions/<name>/ once
# fixed).
. "$(dirname "$0")/prepare.sh"
seconds="${1:-600}"
build fuzz

status=0
for seeds in build/fuzz/fuzz-seeds-*.txt; do
  name="${seeds#build/fuzz/fuzz-seeds-}"
  name="${name%.txt}"
  work="build/fuzz/corpus/$name"
  findings="out/fuzz/$name"
  rm -rf "$findings"
  mkdir -p "$work" "$findings"
  # New inputs go to the work corpus; the committed seeds are only read.
  # -timeout: an input that takes seconds is a hang; the memory limit is
  # libFuzzer's default, made explicit.
  log="build/fuzz/$name.log"
  set +e
  "build/fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$findings/" "$work" $(cat "$seeds") >"$log" 2>&1
  rc=$?
  set -e
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  found=$(find "$findings" -type f | wc -l)
  echo "fuzz $name: ${runs:-0} runs, $found findings"
  if [ "$found" -ne 0 ] || [ "$rc" -ne 0 ]; then
    status=1
    echo "  see $log and $findings/" >&2
  fi
done
exit $status
