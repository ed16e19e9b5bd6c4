#!/usr/bin/env bash
# A program's real window: opens maximised at 800x600 on an 800x600 screen with its
# title, survives a click on Start and ends on a click on "Konec". The buttons are
# found where assistive technology says they are.
# usage: window_test.sh PROGRAM DISPLAY TITLE
if [ -z "${WINDOW_TEST_SESSION:-}" ]; then
  WINDOW_TEST_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
program=$1 title=$3
source "$(dirname "$0")/common.sh" "${2:-92}"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
pids+=($!)
at_spi() { /usr/bin/python3 "$(dirname "$0")/at_spi.py" "$@"; }
name=$(basename "$program")

open_window "$program" "$title -"
read -r start_x start_y < <(at_spi "$name" centre Start) || fail "no Start button over AT-SPI"
read -r end_x end_y < <(at_spi "$name" centre Konec) || fail "no Konec button over AT-SPI"
click "$start_x" "$start_y"
at_spi "$name" drawn 60 || fail "a click on Start at $start_x,$start_y drew no run"
kill -0 "$pid" 2>/dev/null || fail "the program died after Start"
click "$end_x" "$end_y"
wait_for '! kill -0 $pid 2>/dev/null' 60 || fail "Konec did not end the program"
wait "$pid" || fail "the program ended with an error"
echo "window: $title at 0,0 800x600, Start at $start_x,$start_y and Konec at $end_x,$end_y served"
echo "1 passed, 0 failed"
