#!/bin/sh
# Builds the 64-bit build and prints the built-in page view's figures:
# photograph decode times, a new photograph's set-up step by step and the
# frame time of each transition effect. A minute of the real saver per
# effect is scripts/saver-bench.sh.
. "$(dirname "$0")/prepare.sh"
build win64 transition_bench
. ./scripts/wine-session.sh
build/win64/wine-run build/win64/tests/bench/transition_bench.exe "$@"
