#!/bin/sh
# Rebuilds every picture under resources/ from the source photographs in
# Debian's packages. Not part of the build: the generated files are committed.
# Needs apt-get (with current package lists), dpkg-deb, cmake, ninja, a C++
# compiler and libjpeg's headers (libjpeg62-turbo-dev).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
resources=$(cd "$here/../../resources" && pwd)
work=$(mktemp -d /tmp/make-pictures.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The versions the committed pictures were made from (see resources/CREDITS.md).
packages="lomiri-wallpapers-16.04=20.04.0-2 lomiri-wallpapers-20.04=20.04.0-2 mate-backgrounds=1.26.0-1
  plasma-workspace-wallpapers=4:5.27.5-2 palapeli-data=4:22.12.3-1"

mkdir "$work/debs" "$work/sources"
(cd "$work/debs" && apt-get download $packages)
for deb in "$work"/debs/*.deb; do
  name=$(dpkg-deb -f "$deb" Package)
  dpkg-deb -x "$deb" "$work/sources/$name"
done

cmake -S "$here" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build"
"$work/build/make-pictures" "$work/sources" "$resources"
