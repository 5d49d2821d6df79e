#!/bin/bash
# Plants the faults of a list (scripts/faults.tsv unless one is named) one at
# a time in a scratch copy of the tree, builds the native tests and runs them:
# a fault the tests miss is a survivor. The tree itself is never touched.
#   plant-faults.sh [--at REVISION] [LIST] [NAME-REGEX]
# --at measures the tests of a commit (the list still comes from the tree).
# A row is "name<TAB>file<TAB>exact text<TAB>replacement" (the replacement may
# be empty); the text must occur exactly once in the file, else the row is
# stale and reported as such, not counted. '#' starts a comment line.
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
revision=""
if [ "${1:-}" = --at ]; then
  revision=$2
  shift 2
fi
list="$(realpath "${1:-$root/scripts/faults.tsv}")"
only="${2:-}"
scratch="$root/build/plant"
# The native tests take seconds: a planted endless loop fails the run
# instead of holding it.
timeout=120

# Only the files that differ are replaced, and they get a new time: the
# build stays incremental, and nothing planted by an interrupted run stays in it.
echo "copying the tree${revision:+ at $revision} to $scratch/src"
rm -rf "$scratch/incoming"
mkdir -p "$scratch/incoming" "$scratch/src"
if [ -n "$revision" ]; then
  git -C "$root" archive "$revision" | tar -xmf - -C "$scratch/incoming"
else
  (cd "$root" && tar --exclude=./build --exclude=./.git -cf - .) | tar -xmf - -C "$scratch/incoming"
fi
(cd "$scratch/src" && find . -type f) | while read -r f; do
  [ -f "$scratch/incoming/$f" ] || rm "$scratch/src/$f"
done
(cd "$scratch/incoming" && find . -type f) | while read -r f; do
  cmp -s "$scratch/incoming/$f" "$scratch/src/$f" ||
    { mkdir -p "$(dirname "$scratch/src/$f")" && cp "$scratch/incoming/$f" "$scratch/src/$f"; }
done
rm -rf "$scratch/incoming"
cmake -S "$scratch/src" -B "$scratch/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
# The unit tests in one process, stopping at the first failure, then the
# parsers' fuzz inputs: much faster than a process for each test.
run_tests() {
  # In a subshell, whose report of a test killed by a signal goes to the log.
  (timeout -k 5 "$timeout" "$scratch/native/tests/native_tests" --gtest_fail_fast; exit $?) >"$scratch/test.log" 2>&1 &&
    ctest --test-dir "$scratch/native" -R '^fuzz[.]replay[.]' --timeout "$timeout" >"$scratch/test.log" 2>&1
}
# What caught the fault: the first failed test, a sanitizer, an assertion,
# else the time limit.
catcher() {
  found=$(grep -m1 -oE '^\[  FAILED  \] [^ ]+|AddressSanitizer|runtime error|Assertion .* failed|[^ ]+ [.*]+\*\*\*(Failed|Timeout)' \
    "$scratch/test.log" | sed 's/^\[  FAILED  \] //; s/ [.*]*\*\*\*/ /')
  echo "${found:-the time limit}"
}
echo "building the unchanged tests"
cmake --build "$scratch/native" -j2 >/dev/null
run_tests || {
  echo "the unchanged tests fail: nothing to measure" >&2
  exit 1
}

planted=""
restore() {
  # A new time, so that the build compiles the file again.
  if [ -n "$planted" ]; then cp "$scratch/original" "$scratch/src/$planted"; fi
  planted=""
}
trap restore EXIT
trap 'restore; exit 130' INT TERM

caught=0 survived=0 stale=0 broken=0
survivors="" stale_rows="" broken_rows=""
# The list comes on its own descriptor: the builds and tests read no row.
while IFS=$'\t' read -r name file text replacement <&3; do
  case "$name" in '' | '#'*) continue ;; esac
  [[ -z "$only" || "$name" =~ $only ]] || continue
  path="$scratch/src/$file"
  content=""
  [ -f "$path" ] && content="$(cat "$path"; printf x)"
  rest="${content#*"$text"}"
  if [ -z "$text" ] || [ "$rest" = "$content" ] || [[ "$rest" == *"$text"* ]]; then
    stale=$((stale + 1))
    stale_rows="$stale_rows  $name ($file)"$'\n'
    echo "STALE    $name: its text is not found once in $file" >&2
    continue
  fi
  cp "$path" "$scratch/original"
  planted="$file"
  content="${content%x}"
  printf '%s' "${content/"$text"/"$replacement"}" >"$path"
  if ! cmake --build "$scratch/native" -j2 >"$scratch/build.log" 2>&1; then
    broken=$((broken + 1))
    broken_rows="$broken_rows  $name ($file)"$'\n'
    echo "BROKEN   $name: does not compile" >&2
  elif run_tests; then
    survived=$((survived + 1))
    survivors="$survivors  $name ($file)"$'\n'
    echo "SURVIVED $name"
  else
    caught=$((caught + 1))
    echo "caught   $name (by $(catcher))"
  fi
  restore
done 3<"$list" </dev/null
cmake --build "$scratch/native" -j2 >/dev/null

counted=$((caught + survived))
echo
echo "caught $caught of $counted planted faults ($((counted ? 100 * caught / counted : 0)) %)"
[ -z "$survivors" ] || printf 'survivors:\n%s' "$survivors"
[ -z "$stale_rows" ] || printf '\n*** %d STALE ROWS (text not found once; fix the list):\n%s' "$stale" "$stale_rows"
[ -z "$broken_rows" ] || printf '\n*** %d ROWS THAT DO NOT COMPILE (fix the list):\n%s' "$broken" "$broken_rows"
[ "$stale" -eq 0 ] && [ "$broken" -eq 0 ]
