# Shared by the real-window tests: an Xvfb display of their own, and clean-up.
# usage: source common.sh [DISPLAY_NUMBER]; the X server picks a free display itself
# (the number is only a hint to read logs by) and says when it is ready. It does not
# reset when its last client leaves, so a program started next always finds it.
set -u
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 "${SCREEN:-800x600}x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 300); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
if [ ! -s "$work/display" ]; then
  echo "FAIL: the X server did not start"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

fail() { echo "FAIL: $*"; [ -f "$work/out" ] && cat "$work/out"; exit 1; }

# wait_for CONDITION-COMMAND SECONDS: polls until the command succeeds.
wait_for() {
  local deadline=$((SECONDS + $2))
  until eval "$1"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.1
  done
}

click() { xdotool mousemove --sync "$1" "$2" click 1; }

# The wall clock in milliseconds, as the programs under test print it.
now() { date +%s%3N; }

# open_window PROGRAM TITLE: starts the program, waits for its window and checks that
# the window fills the screen at (0, 0); sets pid and wid.
open_window() {
  local title=$2
  "$1" >"$work/out" 2>&1 &
  pid=$!
  pids+=("$pid")
  wait_for 'xdotool search --onlyvisible --name "^$title" >"$work/wid"' 30 || fail "no window titled '$title...'"
  wid=$(head -n1 "$work/wid")
  local screen=${SCREEN:-800x600}
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  [ "$X" = 0 ] && [ "$Y" = 0 ] && [ "${WIDTH}x$HEIGHT" = "$screen" ] ||
    fail "window at $X,$Y size ${WIDTH}x$HEIGHT, expected $screen at 0,0"
}

# read_programs: the suite's programs from programs.list, in the launcher's order, into
# the arrays programs (their folders and executables) and titles (their windows' titles).
read_programs() {
  programs=() titles=()
  local folder class title rest
  while IFS='|' read -r folder class title rest; do
    case $folder in ''|'#'*) continue ;; esac
    programs+=("$folder") titles+=("$title")
  done <"$(dirname "${BASH_SOURCE[0]}")/../../programs.list"
  [ "${#programs[@]}" -gt 0 ] || fail "programs.list lists no program"
}
