#!/bin/sh
# Installs what a fresh Debian 12 machine lacks to build and test the saver.
# Safe to run again: it only installs what is missing.
set -eu

packages="g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine64 xvfb xauth \
  x11-apps imagemagick cmake ninja-build nasm g++ googletest libjpeg62-turbo-dev \
  dpkg-dev icoutils file util-linux xdotool x11-utils wixl msitools xserver-xephyr \
  clang libclang-rt-14-dev mmdebstrap libc6-i386 gcovr"

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done

# The libjpeg source comes from Debian's source package, so deb-src must be on.
sources=/etc/apt/sources.list.d/debian.sources
need_update=""
if [ -f "$sources" ] && ! grep -q "deb-src" "$sources"; then
  sed -i 's/^Types: deb$/Types: deb deb-src/' "$sources"
  need_update=1
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/retry.sh"
mkdir -p "$root/build"
log="$root/build/setup.log"
export DEBIAN_FRONTEND=noninteractive
# A suite whose index stays broken (a mirror in mid-sync) is left out with its
# old list or none; the install below fails and says so if it needed it.
if [ -n "$missing" ] || [ -n "$need_update" ]; then
  echo "updating the package lists"
  if ! retry "$log" apt-get update -q; then
    grep -q "Some index files failed to download" "$log" || {
      echo "cannot update the package lists: $(failure_cause "$log")" >&2; exit 1; }
    echo "going on without $(broken_suites "$log" | tr '\n' ' ')($(failure_cause "$log"))" >&2
  fi
fi
if [ -n "$missing" ]; then
  echo "installing$missing"
  retry "$log" apt-get install -y -q --no-install-recommends $missing || {
    echo "cannot install$missing: $(failure_cause "$log") (the full output is in $log)" >&2; exit 1; }
fi

# libjpeg-turbo for the Windows builds comes from Debian's source package,
# unpacked once into the build tree.
deps="$root/build/deps"
if ! ls -d "$deps"/libjpeg-turbo-[0-9]* >/dev/null 2>&1; then
  mkdir -p "$deps"
  (cd "$deps" && retry "$log" apt-get source -q libjpeg-turbo) || {
    echo "cannot fetch the libjpeg-turbo source package: $(failure_cause "$log")" >&2; exit 1; }
fi
rm -f "$log"

# The i686 build's tests run under a 32-bit Wine of their own, where this
# kernel runs 32-bit programs.
"$root/scripts/install-wine32.sh" "$root/build/wine32"
