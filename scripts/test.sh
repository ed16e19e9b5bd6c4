#!/usr/bin/env bash
# Sets up, builds and runs every test: the normal build with the package test, the
# web version in headless Chromium (also under random input), then the tests again built with the address and
# undefined-behaviour sanitizers, and random input for every program in a real window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
(cd build && ctest --output-on-failure -j 2)
# The package as a person gets it: build the .deb, install it, open every program
# from the launcher's menu entry, remove it.
(cd build && cpack -G DEB >/dev/null)
bash tests/xvfb/package_test.sh "$PWD"/build/svetlo-a-sipky_*.deb 88
# The web version in a real browser: built from the same sources, each page's canvas
# compared with the golden pictures in headless Chromium.
bash scripts/web.sh
bash scripts/setup.sh browser
/usr/bin/python3 tests/web/web_test.py build-web/site
# Seeded random input for every page in headless Chromium, 1000 events each.
/usr/bin/python3 tests/web/random_input.py build-web/site 1000 1
bash scripts/build.sh build-sanitize -DSUITE_SANITIZE=ON -DSUITE_BENCH=OFF -DSUITE_RANDOM_EVENTS=1000 \
  -DSUITE_RANDOM_SEED=1
# With leak detection; what Qt and the libraries under it keep to the end is suppressed.
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1
(cd build-sanitize && ctest --output-on-failure -j 2 -E '^(xvfb|random_input)\.')
# Seeded random input for every program and the launcher in a real window, 1000 events
# each, two programs at a time (scripts/random_input.sh sends more).
(cd build-sanitize && ctest --output-on-failure -j 2 -R '^random_input\.')
