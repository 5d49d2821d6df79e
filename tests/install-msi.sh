#!/bin/sh
# Installs, upgrades and removes the x64 package under wine64 in a fresh
# prefix of its own, silently, as a deployment tool would; a package of a
# higher version, built here from the same files, plays the next release.
#   install-msi.sh PACKAGE SHIPPED_SCR VERSION WORK_DIR WINE_RUN BUILD_MSI ICON
set -eu
msi=$1 scr=$2 version=$3 work=$4 wine_run=$5 build_msi=$6 icon=$7
fail() { echo "FAIL: $*"; exit 1; }

export SOLQUERA_WINEPREFIX="$work/prefix"
# The prefix's server and its helper processes, gone before the prefix goes.
stop_wine() {
  WINEPREFIX="$SOLQUERA_WINEPREFIX" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$SOLQUERA_WINEPREFIX" /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
}
stop_wine
rm -rf "$work"
mkdir -p "$work"
trap stop_wine EXIT
wine() { "$wine_run" "$@" </dev/null; }
windows_path() { echo "Z:$1" | tr / '\\'; }
system_file="$SOLQUERA_WINEPREFIX/drive_c/windows/system32/Solquera.scr"
settings='HKCU\Software\Orvandel\Orvandel - Solquera'

# msiexec ACTION PACKAGE: a silent run; its exit code in $code, its log in $log.
runs=0
msiexec() {
  runs=$((runs + 1))
  log="$work/msiexec-$runs-$(basename "$2").log"
  code=0
  wine msiexec "$1" "$(windows_path "$2")" /qn /l*v "$(windows_path "$log")" >/dev/null 2>&1 || code=$?
}

# The Add/Remove Programs entries named Solquera, one "publisher version" a line.
entries() {
  wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s | tr -d '\r' |
    awk '/^HKEY_/ { if (name == "Solquera") print publisher, version; name = publisher = version = "" }
         $1 == "DisplayName" { name = $3 } $1 == "Publisher" { publisher = $3 }
         $1 == "DisplayVersion" { version = $3 }
         END { if (name == "Solquera") print publisher, version }'
}
expect_one_entry() {
  [ "$(entries)" = "Orvandel $1" ] || fail "Add/Remove Programs entries after $2: '$(entries)', not one of version $1"
}
effect() { wine reg query "$settings" /v Effect | tr -d '\r' | awk '$1 == "Effect" { print $3 }'; }

# The user's own setting, which no package may touch.
wine reg add "$settings" /v Effect /t REG_DWORD /d 7 /f >/dev/null || fail "cannot store the Effect setting"

msiexec /i "$msi"
[ "$code" = 0 ] || fail "installing ended with $code (log: $log)"
cmp -s "$system_file" "$scr" || fail "the installed saver differs from $scr"
expect_one_entry "$version" "installing"
product_icon=$(wine reg query 'HKLM\Software\Classes\Installer\Products' /s | tr -d '\r' |
  awk '$1 == "ProductIcon" { print $3 }' | sed 's|^C:|drive_c|; s|\\|/|g')
cmp -s "$SOLQUERA_WINEPREFIX/$product_icon" "$icon" || fail "the entry's icon is not the application icon"
code=0
wine 'C:\windows\system32\Solquera.scr' /a 0 >/dev/null 2>&1 || code=$?
[ "$code" = 0 ] || fail "the installed saver ended /a 0 with $code"

# A package rebuilt for the same version is the same product (Windows
# refuses it, Wine repairs with it): never a second entry.
rebuilt="$work/rebuilt/Solquera-$version-x64.msi"
mkdir -p "$work/rebuilt"
"$build_msi" x64 "$version" "$scr" "$icon" "$rebuilt"
msiexec /i "$rebuilt"
expect_one_entry "$version" "installing a rebuilt package of the same version"

higher="$((${version%%.*} + 1)).0"
newer="$work/Solquera-$higher-x64.msi"
"$build_msi" x64 "$higher" "$scr" "$icon" "$newer"
msiexec /i "$newer"
[ "$code" = 0 ] || fail "upgrading to $higher ended with $code (log: $log)"
expect_one_entry "$higher" "upgrading"
cmp -s "$system_file" "$scr" || fail "the upgrade lost the saver"

# Wine's log lacks the launch condition's message (the x86 and x64 tables'
# test reads it); it shows the newer product found and nothing installed.
msiexec /i "$msi"
[ "$code" != 0 ] || fail "version $version installed over $higher"
grep -q "WIX_DOWNGRADE_DETECTED = {" "$log" || fail "the newer version went unnoticed (log: $log)"
! grep -q "Action start .*: InstallFiles" "$log" || fail "the refused downgrade installed files (log: $log)"
expect_one_entry "$higher" "the refused downgrade"

msiexec /x "$newer"
[ "$code" = 0 ] || fail "uninstalling ended with $code (log: $log)"
[ ! -e "$system_file" ] || fail "uninstalling left the saver behind"
[ -z "$(entries)" ] || fail "uninstalling left entries: $(entries)"
[ "$(effect)" = 0x7 ] || fail "the user's Effect setting is '$(effect)' after uninstalling, not 0x7"

stop_wine
rm -rf "$work"
echo "ok: $msi installs, upgrades, refuses to downgrade and uninstalls"
