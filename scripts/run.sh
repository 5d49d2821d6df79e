#!/bin/sh
# Installs what is missing, builds the 64-bit screen saver and runs the
# full-screen slideshow. Without a display it runs in a private Xvfb for
# SOLQUERA_RUN_SECONDS (30 by default), saves a screenshot every few seconds
# under out/run/, then ends the saver with a key press, as a user would.
. "$(dirname "$0")/prepare.sh"
build win64 Solquera

seconds=${SOLQUERA_RUN_SECONDS:-30}
interval=${SOLQUERA_SHOT_SECONDS:-5}
shots=out/run
mkdir -p "$shots"
rm -f "$shots"/*.png

. ./scripts/wine-session.sh

build/win64/wine-run build/win64/Solquera.scr /s &
saver=$!
elapsed=0
while [ "$elapsed" -lt "$seconds" ] && kill -0 "$saver" 2>/dev/null; do
  sleep "$interval"
  elapsed=$((elapsed + interval))
  import -window root "$shots/screen-$(printf %03d "$elapsed")s.png" 2>/dev/null || true
done
if kill -0 "$saver" 2>/dev/null; then
  xdotool key space
fi
status=0
wait "$saver" || status=$?
echo "saver ended with exit code $status; screenshots in $shots/"
exit "$status"
