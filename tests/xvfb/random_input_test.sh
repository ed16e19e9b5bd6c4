#!/usr/bin/env bash
# Seeded random input for one program of the suite, or the launcher svetlo, in a real
# window: an X server of its own with a window manager (openbox: Alt+F4 closes the
# active window), a private D-Bus session with the accessibility bus, and
# random_input.py sending the events and watching the program (see there). The
# launcher is copied beside stubs named like the programs, which write down that they
# were started and end, so its cards open nothing on the display.
# usage: random_input_test.sh PROGRAM_EXE EVENTS SEED [DISPLAY_HINT]
# (RANDOM_INPUT_KEEP=DIR keeps the output of every program that failed.)
exe=$1
events=${2:-1000}
seed=${3:-1}
export SCREEN=${SCREEN:-1024x768}
source "$(dirname "$0")/common.sh" "${4:-70}"
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "$(dirname "$exe")" && pwd)
exe=$bin/$(basename "$exe")
close_request=$bin/close_request
[ -x "$exe" ] || fail "no program $exe"
[ -x "$close_request" ] || fail "no close_request beside $exe"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The window manager, with its default configuration but for the animation of minimising
# and restoring (a window restored stands where it belongs at once).
mkdir "$work/config"
sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' /etc/xdg/openbox/rc.xml \
  >"$work/openbox.xml"
XDG_CONFIG_HOME=$work/config openbox --sm-disable --config-file "$work/openbox.xml" >"$work/openbox.log" 2>&1 &
wm_pid=$!
pids+=("$wm_pid")
wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' 30 ||
  fail "the window manager did not start: $(cat "$work/openbox.log")"

extra=()
if [ "$(basename "$exe")" = svetlo ]; then
  mkdir "$work/launcher"
  cp "$exe" "$work/launcher/svetlo"
  read_programs
  for program in "${programs[@]}"; do
    printf '#!/bin/sh\necho "%s $(date +%%s.%%N)" >>"%s"\n' "$program" "$work/opened" >"$work/launcher/$program"
    chmod +x "$work/launcher/$program"
  done
  exe=$work/launcher/svetlo
  extra=(--opened-log "$work/opened")
fi

dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  bus=$!
  /usr/bin/python3 "$@"
  code=$?
  kill $bus 2>/dev/null
  wait $bus 2>/dev/null
  exit $code' random-input "$here/random_input.py" "$exe" "$events" "$seed" \
    --close-request "$close_request" --work "$work" "${extra[@]}" 2>"$work/driver.err"
code=$?
grep -v 'Failed to set fd limit' "$work/driver.err" >&2
kill "$wm_pid" 2>/dev/null
wait "$wm_pid" 2>/dev/null
if [ $code -ne 0 ]; then
  echo "random input for $(basename "$exe") failed: replay with seed $seed"
  exit 1
fi
echo "1 passed, 0 failed"
