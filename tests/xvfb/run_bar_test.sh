#!/usr/bin/env bash
# Every program's run in the user's hands by the run bar alone, in real windows at
# 800x600, no key pressed, the speed bar at its fastest (where a run is not over too
# soon then): a run left alone; the same run paused with the bar's button
# (the picture still within 50 ms), five steps (exactly five of the run's steps), resumed,
# and its picture that of the run left alone; a run stopped with the bar's button.
# usage: run_bar_test.sh RUN_OBSERVER [DISPLAY]; ONLY=PROGRAM tries that program alone.
observer=$1
source "$(dirname "$0")/common.sh" "${2:-79}"

# line WHAT [AFTER]: the first line the observer printed that begins with WHAT, at or after AFTER.
line() { awk -v what="$1" -v after="${2:-0}" 'index($0, what " ") == 1 && $NF >= after { print; exit }' "$work/out"; }
seen() { [ -n "$(line "$@")" ]; }
field() { line "$1" "${3:-0}" | awk -v n="$2" '{ print $n }'; }
# press NAME: a click at the centre of the control the observer placed (a pointer
# already there is not moved: a move to where it stands never ends).
press() {
  local at x y
  at=$(line "at $1")
  [ -n "$at" ] || fail "$program: no $1 on the screen"
  read -r x y < <(echo "$at" | awk '{ print $3, $4 }')
  if xdotool getmouselocation | grep -q "^x:$x y:$y "; then
    xdotool click 1
  else
    click "$x" "$y"
  fi
}

observe() {
  local speed=fastest
  [ -z "${startup_speed[$program]:-}" ] || speed=start-up
  "$observer" "$program" "$speed" >"$work/out" 2>&1 &
  pid=$!
  pids+=("$pid")
  wait_for 'seen ready' 30 || fail "$program did not open"
  wait_for 'xdotool search --onlyvisible --name "^$title" >/dev/null' 30 || fail "no window titled '$title'"
}
konec() {
  press Konec
  wait_for '! kill -0 $pid 2>/dev/null' 10 || fail "$program: Konec did not end the program"
}

# The option a program's run is chosen by where its default run is over at once, and
# the programs whose runs are over too soon at the fastest speed.
declare -A chosen=([rozavezavu]=opRekonstrukce)
declare -A startup_speed=([rozavezavu]=1)
# start: the chosen option, then Start.
start() {
  [ -z "${chosen[$program]:-}" ] || press "${chosen[$program]}"
  press Start
}

read_programs
for i in "${!programs[@]}"; do
  program=${programs[$i]} title=${titles[$i]}
  [ -z "${ONLY:-}" ] || [ "$ONLY" = "$program" ] || continue
  # Left alone.
  observe
  from=$(now)
  start
  wait_for 'seen idle $from && seen picture $from' 90 || fail "$program: the run did not end"
  alone=$(field picture 2 "$from")
  konec

  # Paused, stepped five times and resumed.
  observe
  from=$(now)
  start
  wait_for 'seen "at runPause"' 10 || fail "$program: no run bar during the run"
  paused=$(now)
  press runPause
  wait_for 'seen "state Paused" $paused' 2 || fail "$program: the bar's pause did not pause the run"
  wait_for 'seen paused300 $paused' 2 || fail "$program: the observer saw no pause"
  [ "$(field paused50 2 "$paused")" = "$(field paused300 2 "$paused")" ] ||
    fail "$program: the picture still changed 50 ms into the pause"
  steps=$(field "state Paused" 3 "$paused")
  for n in 1 2 3 4 5; do
    stepped=$(now)
    press runStep
    wait_for 'seen "state Paused $((steps + n))" $stepped' 20 ||
      fail "$program: step $n did not end one step later: $(line "state Paused" "$stepped")"
  done
  press runPause
  wait_for 'seen picture $from' 90 || fail "$program: the resumed run did not end"
  [ "$(field picture 2 "$from")" = "$alone" ] ||
    fail "$program: paused, stepped and resumed, the run drew another picture than left alone"

  konec

  # Stopped.
  observe
  start
  wait_for 'seen "at runStop"' 10 || fail "$program: no run bar in the run to stop"
  stopped=$(now)
  press runStop
  wait_for 'seen idle $stopped' 2 || fail "$program: the bar's stop did not end the run within 2 s"
  echo "$program: paused (still within 50 ms), five steps, resumed: the picture of the run left alone; stopped in $(( $(field idle 2 "$stopped") - stopped )) ms"
  konec
done
echo "1 passed, 0 failed"
