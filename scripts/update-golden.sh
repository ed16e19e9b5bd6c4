#!/usr/bin/env bash
# Draws the golden pictures anew into tests/golden/. Look at every one before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
for t in build/bin/*_tests; do
  SUITE_UPDATE_GOLDEN=1 QT_QPA_PLATFORM=offscreen "$t" --gtest_filter='*Golden*' >/dev/null
done
git status --short tests/golden
