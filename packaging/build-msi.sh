#!/bin/sh
# Builds the MSI package of one architecture from Solquera.wxs:
#   build-msi.sh x64|x86 VERSION SOLQUERA.SCR ICON OUTPUT.msi
# wixl takes the files a package holds by paths relative to where it runs,
# so it runs beside the screen saver.
set -eu
arch=$1 version=$2 scr=$3 icon=$4 output=$5
wxs="$(cd "$(dirname "$0")" && pwd)/Solquera.wxs"
output=$(realpath "$output") icon=$(realpath "$icon")
cd "$(dirname "$scr")"
wixl -a "$arch" -D Arch="$arch" -D Version="$version" -D ScreenSaver="$(basename "$scr")" \
  -D Icon="$(realpath --relative-to=. "$icon")" -o "$output" "$wxs"
