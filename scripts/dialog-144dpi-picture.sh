#!/bin/sh
# Saves the picture of the configuration dialog at 144 dpi (150 %) for the
# README as docs/dialog-144dpi.png: the dialog's test at that DPI takes it
# from the screen of its own Wine prefix.
set -eu
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
. ./scripts/wine-session.sh
ctest --preset win64 -R '^ConfigDialogAt144Dpi$'
convert build/win64/tests/config-dialog/dialog-144dpi.bmp -strip docs/dialog-144dpi.png
