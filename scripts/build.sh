#!/usr/bin/env bash
# Builds the suite into build/ (or into the folder given, with extra CMake options).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_INSTALL_PREFIX=/usr "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
