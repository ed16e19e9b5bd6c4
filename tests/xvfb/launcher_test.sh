#!/usr/bin/env bash
# The launcher opens a demonstration as a program of its own: a click on the first
# entry opens vidivizur, which goes on when the launcher closes.
launcher=$1
source "$(dirname "$0")/common.sh" "${2:-89}"

"$launcher" >"$work/out" 2>&1 &
pids+=($!)
wait_for 'xdotool search --onlyvisible --name "^Světlo a šipky$" >/dev/null' 30 || fail "no launcher window"
sleep 0.5
click 100 180            # the first card, top left
wait_for 'xdotool search --onlyvisible --name "^Vidivizur - " >"$work/wid"' 30 || fail "a click did not open vidivizur"
kill "${pids[0]}"
wait_for '! kill -0 ${pids[0]} 2>/dev/null' 10 || fail "the launcher did not end"
xdotool search --onlyvisible --name "^Vidivizur - " >/dev/null || fail "vidivizur ended with the launcher"
kill "$(xdotool getwindowpid "$(head -n1 "$work/wid")")"
echo "launcher: a click opened vidivizur as its own program"
echo "1 passed, 0 failed"
