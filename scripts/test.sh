#!/bin/sh
# Installs what is missing, builds all three builds and runs every test:
# the pure logic natively under sanitizers, the 32-bit executable and its MSI
# package by inspection, and the Windows tests and the x64 package's install
# under wine64 in an X display.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh

for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

ctest --preset native
ctest --preset win32

. ./scripts/wine-session.sh
ctest --preset win64
