# Shared by the real-window tests: an Xvfb display of their own, and clean-up.
# usage: source common.sh DISPLAY_NUMBER
set -u
display_number=$1
export DISPLAY=":$display_number"
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
rm -f "/tmp/.X${display_number}-lock" "/tmp/.X11-unix/X${display_number}" 2>/dev/null
Xvfb "$DISPLAY" -screen 0 "${SCREEN:-800x600}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  xdpyinfo >/dev/null 2>&1 && break
  xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done

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
