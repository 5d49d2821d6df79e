#!/bin/sh
# Makes the README's pictures under docs/pictures/ from the real program in a
# private Xvfb of 1024 x 768: a photograph of the slideshow, the next one
# halfway through its transition, each page of the configuration dialog, and
# the dialog at 144 dpi (150 %), which its test at that DPI takes.
# Run it again after a change that shows; the pictures are never edited by hand.
. "$(dirname "$0")/prepare.sh"
build win64 Solquera win_tests

seconds=${SOLQUERA_PICTURE_SECONDS:-40}
pictures=docs/pictures
work=build/win64/pictures
frames=$work/frames
rm -rf "$frames"
mkdir -p "$frames" "$pictures"

# Always a display of our own, so the pictures have the same size everywhere.
unset DISPLAY
. ./scripts/wine-session.sh
export SOLQUERA_WINEPREFIX="$PWD/$work/prefix"
export WINEPREFIX="$SOLQUERA_WINEPREFIX"
wine() { build/win64/wine-run "$@"; }
# "Circle out": halfway through, both photographs are plain to see.
wine reg add 'HKCU\Software\Orvandel\Orvandel - Solquera' /v Effect /t REG_DWORD /d 3 /f >/dev/null 2>&1

# The slideshow: screenshots as fast as they come for a while, then the
# photograph before a transition and the frame of that transition furthest
# from both the still frame before it and the one after.
wine build/win64/Solquera.scr /s &
saver=$!
end=$(($(date +%s) + seconds))
n=0
while [ "$(date +%s)" -lt "$end" ] && kill -0 "$saver" 2>/dev/null; do
  frame=$frames/$(printf %04d $n)
  import -window root "$frame.png"
  convert "$frame.png" -resize 64x48! "$frame.thumb.png"
  n=$((n + 1))
done
xdotool key space
wait "$saver" || true

# distance A B: how far apart two frames look, from 0 (the same) to 1.
distance() {
  compare -metric RMSE "$frames/$1.thumb.png" "$frames/$2.thumb.png" null: 2>&1 |
    sed 's/.*(\(.*\))/\1/'
}
is_dark() { [ "$(convert "$frames/$1.thumb.png" -format '%[fx:mean < 0.02]' info:)" = 1 ]; }
# A still frame looks like the next one (the last like the one before).
still=""
previous=""
for frame in $(cd "$frames" && ls *.thumb.png | sed 's/\.thumb\.png$//'); do
  if [ -n "$previous" ] && awk "BEGIN { exit !($(distance "$previous" "$frame") < 0.01) }"; then
    still="$still $previous $frame"
  fi
  previous=$frame
done
still=$(echo "$still" | tr ' ' '\n' | sort -u | grep .)

best="" best_score=0 before=""
last_still=""
for frame in $(cd "$frames" && ls *.thumb.png | sed 's/\.thumb\.png$//'); do
  if echo "$still" | grep -qx "$frame"; then last_still=$frame; continue; fi
  next_still=$(echo "$still" | awk -v f="$frame" '$0 > f' | head -n 1)
  [ -n "$last_still" ] && [ -n "$next_still" ] || continue
  # Only between two photographs: not from the black start page.
  is_dark "$last_still" && continue
  # Halfway: as far from both as can be, yet made of the two alone (a frame
  # of a third photograph that never stood still is as far from both).
  score=$(awk "BEGIN { a = $(distance "$frame" "$last_still"); b = $(distance "$frame" "$next_still");
    ab = $(distance "$last_still" "$next_still"); print (a * a + b * b > 1.25 * ab * ab) ? 0 : (a < b ? a : b) }")
  if awk "BEGIN { exit !($score > $best_score) }"; then
    best=$frame best_score=$score before=$last_still
  fi
done
[ -n "$best" ] || { echo "no transition between two photographs in $seconds s of slideshow" >&2; exit 1; }
convert "$frames/$before.png" -resize 640x480 "$pictures/slideshow.png"
convert "$frames/$best.png" -resize 640x480 "$pictures/transition.png"

# The dialog opens on its last page; the arrow keys move through the tabs.
wine build/win64/Solquera.scr /c &
dialog=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Orvandel - Solquera$' | head -n 1)
# settled NAME: the dialog's picture once two screenshots in a row agree.
settled() {
  import -window "$window" "$work/$1.png"
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    sleep 0.3
    import -window "$window" "$work/again.png"
    [ "$(compare -metric AE "$work/$1.png" "$work/again.png" null: 2>&1)" = 0 ] && break
    mv "$work/again.png" "$work/$1.png"
  done
  mv "$work/$1.png" "$pictures/dialog-$1.png"
}
settled tips
for page in about links options; do
  xdotool key Left
  settled "$page"
done
xdotool key Return
wait "$dialog" || true

unset SOLQUERA_WINEPREFIX
ctest --preset win64 -R '^ConfigDialogAt144Dpi$' >/dev/null
convert build/win64/tests/config-dialog/dialog-144dpi.bmp -strip "$pictures/dialog-144dpi.png"
ls -l "$pictures"
