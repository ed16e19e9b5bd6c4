#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build with the package test,
# then the tests again built with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure -j 2)
# The package as a person gets it: build the .deb, install it, open every program
# from the launcher's menu entry, remove it.
(cd build && cpack -G DEB >/dev/null)
bash tests/xvfb/package_test.sh "$PWD"/build/svetlo-a-sipky_*.deb 88
bash scripts/build.sh build-sanitize -DSUITE_SANITIZE=ON -DSUITE_BENCH=OFF
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j 2 -E '^xvfb\.')
