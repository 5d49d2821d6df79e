#!/bin/sh
# Checks what Windows and its users expect of the built screen saver without
# running it: a GUI-subsystem PE of the right machine, no DLLs of ours beside
# it, the display name in string 1, the version resource and the DPI awareness
# the manifest declares.
set -eu
scr=$1 arch=$2
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

version=$(wrestool -x --raw -t 16 "$scr" | iconv -f UTF-16LE -t UTF-8 -c | tr -d '\000')
echo "$version" | grep -q "Orvandel - Solquera" || fail "version resource lacks the product name"
echo "$version" | grep -q "ProductVersion.*2\.0" || fail "version resource lacks version 2.0"
# Drawn in physical pixels on every monitor: Windows must not stretch it.
manifest=$(wrestool -x --raw -t 24 "$scr" | tr -d '\n')
echo "$manifest" | grep -q '<dpiAwareness[^>]*>PerMonitorV2, PerMonitor</dpiAwareness>' ||
  fail "the manifest does not declare per-monitor DPI awareness"
echo "$manifest" | grep -q '<dpiAware[^>]*>true/pm</dpiAware>' || fail "the manifest lacks the older DPI declaration"
echo "ok: $scr"
