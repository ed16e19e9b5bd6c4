#!/usr/bin/env bash
# Clicks made during a run are served after it, in order; a second Start runs
# again after the first run; "Konec" clicked during a run ends the program after it.
harness=$1
source "$(dirname "$0")/common.sh" "${2:-91}"

"$harness" >"$work/out" 2>"$work/err" &
pid=$!
pids+=("$pid")
wait_for 'grep -q ready "$work/out"' 30 || fail "the window did not open"
grep -q '^geometry 0 0 800 600$' "$work/out" || fail "the window is not 800x600 at (0,0): $(grep geometry "$work/out")"
wait_for 'xdotool search --onlyvisible --name "^Harness - " >/dev/null' 30 || fail "no window titled 'Harness - ...'"

click 550 35           # Start
wait_for 'grep -q begin "$work/out"' 10 || fail "Start was not served"
click 150 125          # A, during the run
click 350 125          # B, during the run
click 550 35           # Start again, during the run
click 700 35           # Konec, during the run
wait_for '! kill -0 $pid 2>/dev/null' 30 || fail "the program did not end"
wait $pid || fail "the program ended with an error"

sequence=$(awk '{print $2}' "$work/out" | grep -v -e ready -e '^0$' | tr '\n' ' ')
expected="begin end A B begin end closed "
[ "$sequence" = "$expected" ] || fail "served '$sequence', expected '$expected'"
echo "deferral: $sequence"
echo "1 passed, 0 failed"
