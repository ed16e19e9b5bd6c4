#!/usr/bin/env bash
# The suite in a browser. `bash scripts/web.sh` installs what the web build needs
# (Debian 12, as root or with sudo), compiles the core and the eight programs to
# WebAssembly and writes the static site to build-web/site/; `bash scripts/web.sh serve`
# then serves it at http://127.0.0.1:8000/ (PORT=… for another port).
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(emscripten cmake ninja-build fonts-liberation2 python3-fonttools python3-brotli)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Debian's emscripten runs its JavaScript optimiser on the machine's Node.js, which does
# not look in Debian's module folder by itself.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

if [ "${1:-}" = serve ]; then
  [ -f build-web/site/index.html ] || { echo "no site yet: run bash scripts/web.sh first" >&2; exit 1; }
  echo "Světlo a šipky: http://127.0.0.1:${PORT:-8000}/"
  exec /usr/bin/python3 -m http.server "${PORT:-8000}" --bind 127.0.0.1 --directory build-web/site
fi
if [ ! -f build-web/CMakeCache.txt ]; then
  emcmake cmake -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build build-web
echo "The site is in build-web/site/; bash scripts/web.sh serve serves it."
