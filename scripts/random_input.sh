#!/usr/bin/env bash
# Seeded random input for every program and the launcher, longer than the tests send, on
# both front ends: sets up, builds the sanitizer build with EVENTS and SEED for its
# random-input tests and runs them, two at a time, with leak detection on; then builds
# the web version and sends every page the same number of events in headless Chromium.
# usage: scripts/random_input.sh [EVENTS (10000)] [SEED (a new one, printed)]
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-10000}
seed=${2:-$(( $(date +%s) % 100000 ))}
bash scripts/setup.sh
bash scripts/build.sh build-sanitize -DSUITE_SANITIZE=ON -DSUITE_BENCH=OFF \
  -DSUITE_RANDOM_EVENTS="$events" -DSUITE_RANDOM_SEED="$seed"
echo "random input: $events events a program, seed $seed"
log=$(mktemp)
code=0
(cd build-sanitize && ctest -V -j 2 -R '^random_input\.') >"$log" 2>&1 || code=$?
# Each program's line of counts, and what failed with the events before it.
grep -E '^[0-9]+: [a-z]+: seed ' "$log" | sed 's/^[0-9]*: //' || true
grep -E -A 20 '^[0-9]+: FAIL' "$log" | sed 's/^[0-9]*: //' | head -n 200 || true
echo "the whole output: $log"
# The browser's pages: each page's line and what failed, the events before it included.
bash scripts/web.sh
bash scripts/setup.sh browser
/usr/bin/python3 tests/web/random_input.py build-web/site "$events" "$seed" || code=1
exit $code
