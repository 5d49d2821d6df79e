#!/bin/sh
# Reads an MSI package's tables without installing it: what it installs where
# and with which file version, the Add/Remove Programs entry, the launch
# conditions and that no custom action runs code.
#   inspect-msi.sh PACKAGE x64|x86 VERSION SHIPPED_SCR
set -eu
msi=$(realpath "$1") arch=$2 version=$3 scr=$4
fail() { echo "FAIL: $*"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A table's rows, tab-separated, without its three lines of column names and
# types. (msiinfo writes the binary columns to files where it runs.)
rows() { (cd "$scratch" && msiinfo export "$msi" "$1") | tr -d '\r' | tail -n +4; }
property() { rows Property | awk -F '\t' -v name="$1" '$1 == name {print $2}'; }
expect_property() {
  [ "$(property "$1")" = "$2" ] || fail "property $1 is '$(property "$1")', not '$2'"
}

expect_property ProductName Solquera
expect_property Manufacturer Orvandel
expect_property ProductVersion "$version"
expect_property ALLUSERS 1
icon=$(property ARPPRODUCTICON)
rows Icon | cut -f1 | grep -qx "$icon" || fail "the Add/Remove Programs icon '$icon' is not in the package"

case $arch in
  x64) folder=System64Folder platform="x64;1033" ;;
  x86) folder=SystemFolder platform="Intel;1033" ;;
  *) fail "unknown architecture $arch" ;;
esac
msiinfo suminfo "$msi" | grep -qx "Template: $platform" || fail "not a package for $platform"
[ "$(rows File | cut -f1-3)" = "$(printf 'Solquera.scr\tScreenSaver\tSolquera.scr')" ] ||
  fail "files: $(rows File)"
# A versioned file, so that a repair or a patch compares versions.
dotted=$(echo "$version.0.0.0" | cut -d. -f1-4)
[ "$(rows File | cut -f5)" = "$dotted" ] || fail "the File table gives Solquera.scr version '$(rows File | cut -f5)', not $dotted"
[ "$(rows Component | cut -f1,3)" = "$(printf 'ScreenSaver\t%s' "$folder")" ] ||
  fail "components: $(rows Component)"
rows Directory | grep -qx "$(printf '%s\tTARGETDIR\t.' "$folder")" ||
  fail "$folder is not the system folder itself: $(rows Directory)"
# Windows Installer redirects a 32-bit component's system folder to SysWOW64.
bits=$(($(rows Component | cut -f4) & 256))
[ "$bits" -eq "$([ "$arch" = x64 ] && echo 256 || echo 0)" ] || fail "component attributes: $(rows Component)"

msiextract -C "$scratch/files" "$msi" >/dev/null
cmp -s "$scratch/files/Solquera.scr" "$scr" || fail "the packaged Solquera.scr differs from $scr"

[ -z "$(rows CustomAction)" ] || fail "custom actions: $(rows CustomAction)"
conditions=$(rows LaunchCondition)
echo "$conditions" | grep -q "^NOT WIX_DOWNGRADE_DETECTED	A newer version of Solquera is already installed" ||
  fail "no refusal to downgrade: $conditions"
refuses_64=$(echo "$conditions" | grep "^NOT VersionNT64	" || true)
if [ "$arch" = x86 ]; then
  echo "$refuses_64" | grep -qF "Solquera-$version-x64.msi" ||
    fail "the x86 package does not refuse 64-bit Windows naming the x64 package: $conditions"
else
  [ -z "$refuses_64" ] || fail "the x64 package refuses 64-bit Windows"
fi
echo "ok: $msi"
