#!/usr/bin/env bash
# Sets up, builds and opens the suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
exec build/bin/svetlo
