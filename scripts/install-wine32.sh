#!/bin/sh
# Unpacks Debian's 32-bit Wine into a private folder, for the i686 build's
# tests, where this kernel runs 32-bit programs; the system's wine64 stays as
# it is. Where the kernel cannot, writes why into DIR.unavailable instead.
# Safe to run again: it does nothing once the folder is complete.
#   install-wine32.sh DIR
set -eu
dir=$1
ready="$dir/.ready"
unavailable="$dir.unavailable"
[ ! -f "$ready" ] || exit 0
rm -f "$unavailable"

# A static program that returns its code segment: 0x23 where the kernel runs
# 32-bit code beside 64-bit code.
probe=$(mktemp -d)
printf '.globl _start\n_start:\n movl %%cs, %%ebx\n movl $1, %%eax\n int $0x80\n' >"$probe/cs.s"
as --32 -o "$probe/cs.o" "$probe/cs.s" && ld -m elf_i386 -o "$probe/cs" "$probe/cs.o"
code=0
"$probe/cs" 2>/dev/null || code=$?
rm -rf "$probe"
if [ "$code" != 35 ]; then
  echo "this kernel does not run 32-bit programs (a 32-bit test program ended with $code)" >"$unavailable"
  exit 0
fi

# The host's libc6-i386 provides the loader (/lib/ld-linux.so.2) of the
# unpacked programs: the unpacked glibc must be the same version.
mkdir -p "$(dirname "$dir")"
. "$(dirname "$0")/retry.sh"
mirror=http://deb.debian.org/debian
suites="bookworm bookworm-updates bookworm-security"
log="$dir.log"
# Wine loads the X libraries at run time (they are only recommended); without
# them it would see the two monitors' Xinerama screens as one monitor.
unpack_wine32() {
  rm -rf "$dir"
  set --
  for suite in $suites; do
    case $suite in
      *-security) set -- "$@" "deb $mirror-security $suite main" ;;
      *) set -- "$@" "deb $mirror $suite main" ;;
    esac
  done
  mmdebstrap --variant=extract --arch=i386 \
    --include=wine32,libwine,libxinerama1,libxrandr2,libxcursor1,libxi6,libxcomposite1,libxrender1,libxext6,libxfixes3,libfreetype6,libfontconfig1 \
    bookworm "$dir" "$@"
}
# The updates and security suites only bring fixes: where one stays broken
# (a mirror in mid-sync), the main suite alone still gives a working Wine,
# and the glibc check below keeps it matched to the host.
while ! retry "$log" unpack_wine32; do
  broken=$(broken_suites "$log" | grep -E -e '-(updates|security)$' || true)
  if [ -z "$broken" ]; then
    echo "cannot unpack the 32-bit Wine: $(failure_cause "$log") (the full output is in $log)" >&2
    exit 1
  fi
  echo "going on without $(echo $broken): $(failure_cause "$log")" >&2
  suites=$(for suite in $suites; do echo "$broken" | grep -qx "$suite" || echo "$suite"; done)
done
rm -f "$log"
glibc_version() { zcat "$1" | head -1 | sed 's/.*(\(.*\)).*/\1/'; }
unpacked=$(glibc_version "$dir/usr/share/doc/libc6/changelog.Debian.gz")
host=$(glibc_version /usr/share/doc/libc6-i386/changelog.Debian.gz)
[ "$unpacked" = "$host" ] || {
  echo "the unpacked 32-bit glibc $unpacked differs from the host's libc6-i386 $host" >&2; exit 1; }

# Debian's wineserver wrapper starts the system's 64-bit server; the 32-bit
# Wine talks to its own.
ln -sf wineserver32 "$dir/usr/lib/wine/wineserver"
# libwine's install script, which an unpacked tree never ran, marks the
# MinGW zlib as a Wine builtin; without it user32 fails to load.
zlib="$dir/usr/lib/i386-linux-gnu/wine/i386-windows/zlib1.dll"
cp "$dir/usr/i686-w64-mingw32/lib/zlib1.dll" "$zlib"
printf 'Wine builtin DLL\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0' | dd of="$zlib" bs=1 seek=64 conv=notrunc status=none
touch "$ready"
