#!/bin/sh
# Installs what is missing, builds both Windows builds and writes what users
# download to out/dist/: the stripped savers (x86/, x64/), their MSI packages
# and SHA256SUMS over all four.
. "$(dirname "$0")/prepare.sh"

dist=out/dist
rm -rf "$dist"
for preset in win32 win64; do build "$preset" msi; done
for build in win32:x86 win64:x64; do
  preset=${build%:*} arch=${build#*:}
  mkdir -p "$dist/$arch"
  cp "build/$preset/dist/Solquera.scr" "$dist/$arch/"
  cp "build/$preset/dist/Solquera-"*"-$arch.msi" "$dist/"
done
(cd "$dist" && sha256sum x86/Solquera.scr x64/Solquera.scr Solquera-*.msi >SHA256SUMS)
ls -l "$dist" "$dist/x86" "$dist/x64"
