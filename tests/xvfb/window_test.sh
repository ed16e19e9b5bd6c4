#!/usr/bin/env bash
# A program's real window: opens maximised at 800x600 on an 800x600 screen with its
# title, survives Start and ends on "Konec".
program=$1
source "$(dirname "$0")/common.sh" "${2:-92}"
title=${3:-Vidivizur - }
start_x=${4:-600}; start_y=${5:-24}
end_x=${6:-688}; end_y=${7:-24}

open_window "$program" "$title"
click "$start_x" "$start_y"
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the program died after Start"
click "$end_x" "$end_y"
wait_for '! kill -0 $pid 2>/dev/null' 60 || fail "Konec did not end the program"
wait "$pid" || fail "the program ended with an error"
echo "window: $title at 0,0 800x600, Start and Konec served"
echo "1 passed, 0 failed"
