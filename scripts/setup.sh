#!/usr/bin/env bash
# Installs what the suite needs (Debian 12, as root or with sudo): with no argument, to
# build, run and test it on the desktop; `web`, to build the web version; `browser`, to
# test the web version in headless Chromium.
set -euo pipefail
case "${1:-desktop}" in
desktop)
  packages=(build-essential cmake ninja-build qt6-base-dev libgl-dev libgtest-dev
            fonts-liberation2 xvfb xdotool x11-utils x11-apps imagemagick
            appstream desktop-file-utils dpkg-dev file libxcb1-dev
            lintian qt6-svg-dev python3-pyatspi at-spi2-core dbus
            openbox wmctrl python3-xlib locales python3-pil) ;;
web) packages=(emscripten cmake ninja-build fonts-liberation2 python3-fonttools python3-brotli) ;;
browser) packages=(chromium chromium-driver python3-selenium python3-pil) ;;
*) echo "usage: setup.sh [desktop|web|browser]" >&2; exit 2 ;;
esac
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
# The number tests run once in a locale with a decimal comma: the Czech one.
if [ "${1:-desktop}" = desktop ] && ! locale -a 2>/dev/null | grep -qix 'cs_CZ.utf8'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi
