#!/bin/sh
# Installs what is missing, builds all three builds and runs every test: the
# pure logic natively under sanitizers, and in an X display the Windows tests
# and the package's install of both Windows builds, the 64-bit build under
# wine64, the 32-bit build under the project's own 32-bit Wine (where this
# kernel cannot run 32-bit programs, its files are only inspected, and said so).
. "$(dirname "$0")/prepare.sh"
for preset in native win32 win64; do build "$preset"; done

ctest --preset native

. ./scripts/wine-session.sh
ctest --preset win64
if [ -f build/wine32.unavailable ]; then
  echo "i686 tests skipped: $(cat build/wine32.unavailable); the 32-bit files were only inspected"
fi
ctest --preset win32
