#!/bin/sh
# Checks what Windows and its users expect of the built screen saver without
# running it: a GUI-subsystem PE of the right machine, no DLLs of ours beside
# it, the display name in string 1, the project version in the version
# resource and the manifest, and the DPI awareness the manifest declares.
#   inspect-scr.sh SCR ARCH VERSION [PHOTOS_DIR]
# With PHOTOS_DIR the file is the one we ship: no debug information, and no
# more than 2.5 MB beyond the photographs it carries.
set -eu
scr=$1 arch=$2 version=$3 photos=${4:-}
fail() { echo "FAIL: $*"; exit 1; }

case $arch in
  i686) want="PE32 executable (GUI) Intel 80386" ;;
  x86_64) want="PE32+ executable (GUI) x86-64" ;;
  *) fail "unknown machine $arch" ;;
esac
file -b "$scr" | grep -q "^$want" || fail "not a $want: $(file -b "$scr")"

# Only system DLLs may be imported: the runtime is linked statically.
dlls=$(objdump -p "$scr" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for dll in $dlls; do
  case $dll in
    kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll|oleaut32.dll|comctl32.dll|msvcrt.dll|msimg32.dll|api-ms-win-*) ;;
    *) fail "imports $dll" ;;
  esac
done

# An executable packer would leave its own section names behind.
objdump -h "$scr" | grep -qiE 'UPX|\.aspack|\.petite' && fail "packed executable"

strings=$(wrestool -x --raw -t 6 -n 1 "$scr" | iconv -f UTF-16LE -t UTF-8 | tr -d '\000')
echo "$strings" | grep -q "Solquera" || fail "string 1 lacks the display name: $strings"

# Windows shows four numbers where the project may give fewer.
dotted=$(echo "$version.0.0.0" | cut -d. -f1-4)
# The version resource's texts, one UTF-16 string a line: each value follows its name.
info=$(wrestool -x --raw -t 16 "$scr" | strings -el -n 1)
value_of() { echo "$info" | sed -n "/^$1\$/{n;p;q}"; }
[ "$(value_of ProductName)" = "Orvandel - Solquera" ] || fail "product name: $(value_of ProductName)"
[ "$(value_of ProductVersion)" = "$version" ] || fail "product version: $(value_of ProductVersion), not $version"
[ "$(value_of FileVersion)" = "$dotted" ] || fail "file version: $(value_of FileVersion), not $dotted"
wrestool -x --raw -t 24 "$scr" | grep -q "name=\"Orvandel.Solquera\" version=\"$dotted\"" ||
  fail "the manifest's identity lacks version $dotted"

if [ -n "$photos" ]; then
  sections=$(objdump -h "$scr" | awk '$1 ~ /^[0-9]+$/ {print $2}')
  echo "$sections" | grep -qE '^\.(debug|zdebug|stab)' && fail "debug sections: $(echo $sections)"
  objdump -t "$scr" | grep -q '^\[' && fail "carries a symbol table"
  size=$(stat -c %s "$scr")
  photo_bytes=$(cat "$photos"/*.jpg | wc -c)
  limit=$((photo_bytes + 5 * 1024 * 1024 / 2))
  [ "$size" -le "$limit" ] || fail "$size bytes, more than 2.5 MB beyond the photographs' $photo_bytes"
fi

# Drawn in physical pixels on every monitor: Windows must not stretch it.
manifest=$(wrestool -x --raw -t 24 "$scr" | tr -d '\n')
echo "$manifest" | grep -q '<dpiAwareness[^>]*>PerMonitorV2, PerMonitor</dpiAwareness>' ||
  fail "the manifest does not declare per-monitor DPI awareness"
echo "$manifest" | grep -q '<dpiAware[^>]*>true/pm</dpiAware>' || fail "the manifest lacks the older DPI declaration"
echo "ok: $scr"
