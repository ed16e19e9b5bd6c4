#!/usr/bin/env bash
# Seeded random input for every program and the launcher, longer than the tests send:
# sets up, builds the sanitizer build and runs tests/xvfb/random_input_test.sh for each,
# two at a time, with leak detection on.
# usage: scripts/random_input.sh [EVENTS (10000)] [SEED (a new one, printed)]
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-10000}
seed=${2:-$(( $(date +%s) % 100000 ))}
bash scripts/setup.sh
bash scripts/build.sh build-sanitize -DSUITE_SANITIZE=ON -DSUITE_BENCH=OFF
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1
echo "random input: $events events a program, seed $seed"
logs=$(mktemp -d)
programs=(vidivizur parabola pathways lupa interference fringeworks glassecho rozavezavu svetlo)
display=70
running=()
for program in "${programs[@]}"; do
  [ -x "build-sanitize/bin/$program" ] || continue
  if [ ${#running[@]} -ge 2 ]; then
    wait "${running[0]}" || true
    running=("${running[@]:1}")
  fi
  bash tests/xvfb/random_input_test.sh "build-sanitize/bin/$program" "$events" "$seed" "$display" \
    >"$logs/$program.log" 2>&1 &
  running+=($!)
  display=$((display + 1))
done
wait
failed=0
for program in "${programs[@]}"; do
  [ -f "$logs/$program.log" ] || continue
  grep -E "^$program: seed" "$logs/$program.log" || echo "$program: no report"
  if ! tail -n 1 "$logs/$program.log" | grep -q '^1 passed'; then
    failed=1
    echo "--- $program failed (seed $seed):"
    grep -A 20 '^FAIL' "$logs/$program.log" | head -n 80
  fi
done
echo "the whole output: $logs"
exit $failed
