#!/bin/sh
# Installs, upgrades and removes a package (x64 or x86) under the Wine of its
# build in a fresh prefix of its own, silently, as a deployment tool would; a
# package of a higher version, built here from the same files, plays the next
# release. The x86 package is also tried on 64-bit Windows, under the runner
# WINE64_RUN: it must refuse and install nothing.
#   install-msi.sh PACKAGE SHIPPED_SCR VERSION WORK_DIR WINE_RUN BUILD_MSI ICON [WINE64_RUN]
set -eu
msi=$1 scr=$2 version=$3 work=$4 wine_run=$5 build_msi=$6 icon=$7 wine64_run=${8:-}
arch=${msi##*-} arch=${arch%.msi}
fail() { echo "FAIL: $*"; exit 1; }

# The prefixes' servers and their helper processes, gone before the prefixes
# go. (The system's wineserver stops a 32-bit server as well.)
stop_wine() {
  for prefix in "$work/prefix" "$work/prefix-64"; do
    WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
    WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w >/dev/null 2>&1 || true
  done
}
stop_wine
rm -rf "$work"
mkdir -p "$work"
trap stop_wine EXIT
# Wine with the runner and the prefix of the moment.
runner=$wine_run
wine() { "$runner" "$@" </dev/null; }
export SOLQUERA_WINEPREFIX="$work/prefix"
windows_path() { echo "Z:$1" | tr / '\\'; }
system_file="$SOLQUERA_WINEPREFIX/drive_c/windows/system32/Solquera.scr"
settings='HKCU\Software\Orvandel\Orvandel - Solquera'
installed_anywhere() {
  [ -e "$SOLQUERA_WINEPREFIX/drive_c/windows/system32/Solquera.scr" ] ||
    [ -e "$SOLQUERA_WINEPREFIX/drive_c/windows/syswow64/Solquera.scr" ]
}

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

if [ -n "$wine64_run" ]; then
  runner=$wine64_run SOLQUERA_WINEPREFIX="$work/prefix-64"
  msiexec /i "$msi"
  # Wine's log lacks the launch condition's message (the tables' test reads
  # it): in a fresh prefix only the 64-bit condition can end the launch
  # conditions with a failure.
  [ "$code" != 0 ] || fail "the $arch package installed on 64-bit Windows"
  grep -q "^Property(S): VersionNT64 = " "$log" || fail "wine64 did not say it is 64-bit Windows (log: $log)"
  grep -q "Action ended .*: LaunchConditions. Return value 0." "$log" ||
    fail "the launch conditions did not refuse 64-bit Windows (log: $log)"
  ! grep -q "Action start .*: InstallFiles" "$log" || fail "the refused package installed files (log: $log)"
  ! installed_anywhere || fail "the refused package left Solquera.scr behind"
  [ -z "$(entries)" ] || fail "the refused package left entries: $(entries)"
  runner=$wine_run SOLQUERA_WINEPREFIX="$work/prefix"
fi

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
rebuilt="$work/rebuilt/Solquera-$version-$arch.msi"
mkdir -p "$work/rebuilt"
"$build_msi" "$arch" "$version" "$scr" "$icon" "$rebuilt"
msiexec /i "$rebuilt"
expect_one_entry "$version" "installing a rebuilt package of the same version"

higher="$((${version%%.*} + 1)).0"
newer="$work/Solquera-$higher-$arch.msi"
"$build_msi" "$arch" "$higher" "$scr" "$icon" "$newer"
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
