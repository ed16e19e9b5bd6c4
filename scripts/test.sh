#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build, then the tests again
# built with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure -j 2)
bash scripts/build.sh build-sanitize -DSUITE_SANITIZE=ON -DSUITE_BENCH=OFF
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j 2 -E '^xvfb\.')
