#!/usr/bin/env bash
# On a 1600x1200 screen vidivizur's window fills the screen at scale 2: its controls
# and its picture stand at twice their designed coordinates.
program=$1
export SCREEN=1600x1200
source "$(dirname "$0")/common.sh" "${2:-90}"

open_window "$program" "Vidivizur - "
click 1200 48            # Start, designed at (600, 24)
shoot() { xwd -root -silent | convert xwd:- "$work/shot.png"; }
colour() { convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c1-6; }
# The run takes about a second: it has ended when the sine wave's last point is in place
# and its last steps have drawn the middle circle's axis again over the swept disc.
wait_for 'shoot && [ "$(colour 1378 298)" = 000000 ] && [ "$(colour 600 280)" = 000000 ]' 30 ||
  fail "the run did not reach its last step"
expect() {
  local got; got=$(colour "$1" "$2")
  [ "$got" = "$3" ] || fail "pixel ($1,$2) is $got, expected $3 ($4)"
}
expect 600 280 000000 "the middle circle's vertical axis, x = 300"
expect 601 280 000000 "a 1-pixel pen is 2 pixels wide"
expect 510 500 FFFFFF "the white disc at (255, 250)"
expect 1378 298 000000 "near the last point of the sine wave (689, 149)"
expect 900 402 000000 "the phi axis at y = 200.5"
expect 880 402 C0C0C0 "the gap between the axes at x = 440"
# controls at twice their places: the Start button spans 1152..1281 x 16..81
expect 1160 60 "$(colour 1270 60)" "inside the Start button"
[ "$(colour 1140 60)" = C0C0C0 ] || fail "left of the Start button is not the window's grey"
click 1376 48            # Konec, designed at (688, 24)
wait_for '! kill -0 $pid 2>/dev/null' 30 || fail "Konec did not end the program"
echo "scaled window: 1600x1200 at scale 2"
echo "1 passed, 0 failed"
