#!/usr/bin/env bash
# The suite in a browser. `bash scripts/web.sh` installs what the web build needs
# (Debian 12, as root or with sudo), compiles the core and the eight programs to
# WebAssembly and writes the static site to build-web/site/; `bash scripts/web.sh serve`
# builds it if it changed and serves it at http://127.0.0.1:8000/ (PORT=… for another
# port).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh web
# Debian's emscripten runs its JavaScript optimiser on the machine's Node.js, which does
# not look in Debian's module folder by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

if [ ! -f build-web/CMakeCache.txt ]; then
  emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build build-web
if [ "${1:-}" = serve ]; then
  echo "Světlo a šipky: http://127.0.0.1:${PORT:-8000}/"
  exec /usr/bin/python3 -m http.server "${PORT:-8000}" --bind 127.0.0.1 --directory build-web/site
fi
echo "The site is in build-web/site/; bash scripts/web.sh serve serves it."
