#!/bin/sh
# Builds the MSI package of one architecture from Solquera.wxs:
#   build-msi.sh x64|x86 VERSION SOLQUERA.SCR ICON OUTPUT.msi
# wixl takes the files a package holds by paths relative to where it runs,
# so it runs beside the screen saver.
set -eu
arch=$1 version=$2 scr=$3 icon=$4 output=$5
wxs="$(cd "$(dirname "$0")" && pwd)/Solquera.wxs"
output=$(realpath "$output") icon=$(realpath "$icon")
# The product code follows from architecture and version, as a name-based
# GUID: a new version is a new product that replaces the old one, while a
# package rebuilt for the same version is the same product, not a second entry.
hash=$(printf 'Orvandel Solquera %s %s' "$arch" "$version" | sha1sum | tr a-f A-F)
product_code=$(echo "$hash" | awk '{ h = $1; printf "%s-%s-5%s-A%s-%s\n",
  substr(h, 1, 8), substr(h, 9, 4), substr(h, 14, 3), substr(h, 18, 3), substr(h, 21, 12) }')
# wixl leaves the File table's Version empty, which would make Windows
# Installer treat the saver as unversioned (a repair or patch would not compare
# versions): it is the version resource's FileVersion, read from the file.
file_version=$(wrestool -x --raw -t 16 "$scr" | strings -el -n 1 | sed -n '/^FileVersion$/{n;p;q}')
[ -n "$file_version" ] || { echo "build-msi: $scr has no FileVersion" >&2; exit 1; }
cd "$(dirname "$scr")"
wixl -a "$arch" -D Arch="$arch" -D Version="$version" -D ProductCode="$product_code" -D ScreenSaver="$(basename "$scr")" \
  -D Icon="$(realpath --relative-to=. "$icon")" -o "$output" "$wxs"
msibuild "$output" -q "UPDATE \`File\` SET \`Version\` = '$file_version' WHERE \`File\` = 'Solquera.scr'"
