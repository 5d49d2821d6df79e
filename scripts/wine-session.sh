# Sourced by the scripts that run the Windows builds: an X display (a private
# Xvfb where there is none) and the builds' own Wine prefixes (the 64-bit
# build's main one in WINEPREFIX, the one at 144 dpi and the two monitors'
# one, and those of the i686 build), all taken down again when the script ends.
. ./scripts/with-display.sh
export WINEPREFIX="$PWD/build/win64/wineprefix"
end_wine_session() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$WINEPREFIX-144dpi" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$WINEPREFIX-two-monitors" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  # The i686 build's prefixes, whose 32-bit servers the system's wineserver stops too.
  for prefix in "$PWD"/build/win32/wineprefix*; do
    [ ! -d "$prefix" ] || WINEPREFIX="$prefix" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  done
  stop_display
}
trap end_wine_session EXIT
