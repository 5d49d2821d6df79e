#!/bin/sh
# Line coverage of the pure code by the native tests: builds them with gcc's
# counters in build/coverage, runs them and prints gcovr's summary per file;
# the report of every line is build/coverage/coverage.html. Coverage shows
# what the tests reach; scripts/plant-faults.sh shows whether they look.
. "$(dirname "$0")/prepare.sh"
dir=build/coverage
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_FLAGS=--coverage \
  -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage >/dev/null
cmake --build "$dir" -j2
find "$dir" -name '*.gcda' -delete
ctest --test-dir "$dir" -j2 -Q
gcovr --root . --object-directory "$dir" --exclude 'tests/' --exclude 'build/' \
  --html-details "$dir/coverage.html" --print-summary --txt
