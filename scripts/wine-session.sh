# Sourced by the scripts that run the 64-bit build: an X display (a private
# Xvfb where there is none) and the build's own Wine prefixes (the main one,
# the one at 144 dpi and the two monitors' one), all taken down again when the
# script ends.
. ./scripts/with-display.sh
export WINEPREFIX="$PWD/build/win64/wineprefix"
end_wine_session() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$WINEPREFIX-144dpi" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$WINEPREFIX-two-monitors" /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  stop_display
}
trap end_wine_session EXIT
