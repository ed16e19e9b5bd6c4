#!/usr/bin/env bash
# A window resized: interference's window on a 1280x800 screen, after a run, resized by
# the window manager to 800x600, 700x450 and 1280x800 shows Start, Konec and the whole
# picture each time, and the screen shows the picture the surface holds at the new scale.
probe=$1
export SCREEN=1280x800
source "$(dirname "$0")/common.sh" "${2:-92}"
openbox --sm-disable >"$work/wm.log" 2>&1 &
pids+=("$!")
"$probe" interference refit >"$work/out" 2>&1 &
pids+=("$!")
wait_for 'grep -q "^ready" "$work/out"' 60 || fail "the probe did not run"
wait_for 'xdotool search --onlyvisible --name "^Interference" >"$work/wid"' 30 || fail "no window"
wid=$(head -n1 "$work/wid")
wmctrl -i -r "$wid" -b remove,maximized_vert,maximized_horz
checked=0
fits() { grep -c "^fit " "$work/out"; }
for size in 800x600 700x450 1280x800; do
  before=$(fits)
  xdotool windowsize --sync "$wid" "${size%x*}" "${size#*x}"
  # the window as the probe reports it once it settled at its new size (the window
  # manager may round a size by a pixel)
  wait_for '[ "$(fits)" -gt "$before" ] && grep "^fit " "$work/out" | tail -n1 |
            awk -v w="${size%x*}" -v h="${size#*x}" "{ exit !(\$2 - w <= 2 && w - \$2 <= 2 && \$3 - h <= 2 && h - \$3 <= 2) }"' 20 ||
    fail "no fit at $size: $(tail -n3 "$work/out")"
  read -r _ width height scale start konec picture shown < <(grep "^fit " "$work/out" | tail -n1)
  [ "$start $konec $picture" = "1 1 1" ] || fail "at $size: Start $start, Konec $konec, whole picture $picture (scale $scale)"
  awk -v s="$shown" 'BEGIN { exit !(s >= 0.999) }' || fail "at $size the screen shows $shown of the picture"
  echo "at ${width}x$height: scale $scale, Start, Konec and the picture whole, $shown of it shown as drawn"
  checked=$((checked + 1))
done
echo "$checked passed, 0 failed"
