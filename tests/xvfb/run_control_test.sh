#!/usr/bin/env bash
# The run in the user's hands, in real windows at 800x600: the designed pace of
# vidivizur and fringeworks, the speed bar's steps and keys, the speed bar acting
# during a run, Esc stopping a run and cancelling the runs Start clicks before it asked
# for, a close from the window manager ending the program at once, and what
# rozavezavu's action options erase shown at once.
observer=$1
close_request=$2
source "$(dirname "$0")/common.sh" "${3:-87}"

# time WHAT [AFTER]: the time the observer printed WHAT (the first at or after AFTER).
time_of() { awk -v what="$1" -v after="${2:-0}" '$0 ~ "^" what " " && $NF >= after { print $NF; exit }' "$work/out"; }
seen() { [ -n "$(time_of "$@")" ]; }

observe() {
  local title=$2
  "$observer" "$1" >"$work/out" 2>&1 &
  pid=$!
  pids+=("$pid")
  wait_for 'grep -q "^ready" "$work/out"' 30 || fail "$1 did not open"
  wait_for 'xdotool search --onlyvisible --name "^$title" >"$work/wid"' 30 || fail "no window titled '$title'"
  wid=$(head -n1 "$work/wid")
}

# A run from Start to its end, in milliseconds.
timed_run() {
  local from; from=$(now)
  click "$1" "$2"
  wait_for 'seen run $from' 10 || fail "Start did not begin a run"
  wait_for 'seen idle $from' 60 || fail "the run did not end"
  echo $(($(time_of idle "$from") - $(time_of run "$from")))
}

within() { [ "$2" -le "$1" ] && [ "$1" -le "$3" ]; }

# vidivizur's Start at (600, 24) begins a run.
begin_run() {
  local from; from=$(now)
  click 600 24
  wait_for 'seen run $from' 10 || fail "Start did not begin $1"
}
# Esc: sets escape to the time of the key and stopped to the milliseconds until idle.
escape_run() {
  escape=$(now)
  xdotool key Escape
  wait_for 'seen idle $escape' 5 || fail "Esc did not stop $1"
  stopped=$(($(time_of idle "$escape") - escape))
}

# vidivizur: Start at (600, 24); the speed bar spans 408..545 x 24..41, its
# thumb at the left end when the value is 1.
observe vidivizur "Vidivizur - "
took=$(timed_run 600 24)
within "$took" 1000 2000 || fail "vidivizur's run at the start-up speed took $took ms, expected 1 to 2 s"
echo "vidivizur at the start-up speed: $took ms"

click 500 32
wait_for 'seen "HScroll1 3001"' 5 || fail "a trough click did not move the bar from 1 to 3001: $(grep HScroll1 "$work/out")"

# A close from the window manager during a run (before any key is typed: this Qt's
# X11 connection can drop a close request that follows synthetic key events, in any
# program).
from=$(now)
click 600 24
wait_for 'seen run $from' 10 || fail "Start did not begin a run"
closing=$(now)
"$close_request" "$wid"
wait_for '! kill -0 $pid 2>/dev/null' 5 || fail "a close from the window manager did not end the program"
ended=$(($(now) - closing))
[ "$ended" -le 500 ] || fail "the program ended $ended ms after the close request, expected within 500 ms"
echo "a close from the window manager during a run: the program ended within $ended ms"

observe vidivizur "Vidivizur - "
click 500 32
wait_for 'seen "HScroll1 3001"' 5 || fail "the trough click did not move the bar"
xdotool key Right
wait_for 'seen "HScroll1 3301"' 5 || fail "Right did not raise the bar by a hundredth"
xdotool key Left
wait_for 'seen "HScroll1 3001" $(time_of "HScroll1 3301")' 5 || fail "Left did not lower the bar"
xdotool key End
wait_for 'seen "HScroll1 30000"' 5 || fail "End did not move the bar to its slowest end"
echo "speed bar: trough 1 -> 3001, Right +300, Left -300, End 30000"

begin_run "the slowest run"
began=$(now)
click 460 32           # the trough left of the thumb, during the run: the speed acts at once
wait_for 'seen "HScroll1 27000" $began' 2 || fail "a trough click during the run did not move the speed bar at once"
! seen idle "$began" || fail "the run had ended before the speed bar moved"
escape_run "the run"
[ "$stopped" -le 200 ] || fail "Esc stopped the run after $stopped ms, expected within 200 ms"
echo "the speed bar moved during the slowest run, at once; Esc stopped the run $stopped ms after the key"

# A storm of Start clicks during a slow run, then Esc: the runs they would start are
# cancelled; the trough click among them moves the speed bar at once.
begin_run "the slow run"
xdotool click --repeat 10 --delay 30 1  # the pointer still on Start
stormed=$(now)
click 460 32
click 600 24
xdotool click --repeat 9 --delay 30 1
wait_for 'seen "HScroll1 24000" $stormed' 5 || fail "the trough click within the storm did not act during the run"
escape_run "the run of the storm"
[ "$stopped" -le 500 ] || fail "idle $stopped ms after Esc, expected within 500 ms"
click 460 32  # served at once when no run of the storm holds it
wait_for 'seen "HScroll1 21000" $escape' 2 || fail "a click after Esc was held: a run of the storm began"
! seen run "$escape" || fail "a Start of the storm began a run after Esc"
echo "20 Start clicks during a slow run, then Esc: idle $stopped ms after the key, no run after it, the trough click among them acted at once"
click 688 24
wait_for '! kill -0 $pid 2>/dev/null' 40 || fail "Konec did not end vidivizur"


# fringeworks: N = 50 and "Rychlá" at start-up; Start at (620, 20).
observe fringeworks "fringeworks - "
took=$(timed_run 620 20)
within "$took" 2000 6000 || fail "fringeworks' run at N = 50, Rychlá took $took ms, expected 2 to 6 s"
echo "fringeworks at N = 50, Rychlá: $took ms"
click 728 20
wait_for '! kill -0 $pid 2>/dev/null' 10 || fail "Konec did not end fringeworks"

# rozavezavu: after a run of the frame, "Rámec animace" at (47, 56) erases the whole
# picture; the scene's routes lie in 230..560 x 240..560, away from every caption.
observe rozavezavu "Rozavezavu -  "
timed_run 672 20 >/dev/null
scene() { xwd -root -silent | convert xwd:- -crop 330x320+230+240 +repage -format '%k %[hex:p{0,0}]' info:; }
[ "$(scene)" != "1 C0C0C0" ] || fail "the run of the frame drew nothing in the scene"
clicked=$(now)
click 47 56
erased=""
while looked=$(($(now) - clicked)) && [ "$looked" -le 200 ]; do  # the screen as it stood when looked at
  [ "$(scene)" = "1 C0C0C0" ] && { erased=$looked; break; }
done
[ -n "$erased" ] || fail "200 ms after 'Rámec animace' the picture was not erased: $(scene)"
echo "rozavezavu: 'Rámec animace' erased the picture within $erased ms"
click 752 20
wait_for '! kill -0 $pid 2>/dev/null' 10 || fail "Konec did not end rozavezavu"
echo "1 passed, 0 failed"
