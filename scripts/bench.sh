#!/bin/sh
# Builds the 64-bit build and prints the built-in page view's figures:
# photograph decode times, a new photograph's set-up step by step and the
# frame time of each transition effect. A minute of the real saver per
# effect is scripts/saver-bench.sh.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target transition_bench
. ./scripts/wine-session.sh
build/win64/wine-run build/win64/tests/bench/transition_bench.exe "$@"
