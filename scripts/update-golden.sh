#!/usr/bin/env bash
# Draws the golden pictures anew into tests/golden/. Look at every one before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
drawn=$(mktemp -d)
trap 'rm -rf "$drawn"' EXIT
for t in build/bin/*_tests; do
  # A picture that differs from its golden one fails its test: that is why it is drawn anew.
  SUITE_PICTURES_DRAWN=$drawn QT_QPA_PLATFORM=offscreen "$t" --gtest_filter='*Golden*' >/dev/null || true
done
[ -n "$(ls "$drawn")" ] || { echo "no test drew a golden picture" >&2; exit 1; }
cp "$drawn"/*.png tests/golden/
git status --short tests/golden
