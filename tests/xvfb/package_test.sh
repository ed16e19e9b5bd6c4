#!/usr/bin/env bash
# The .deb as a person gets it: it installs with its dependencies, its menu entries
# and metainfo validate, the launcher starts from its menu entry and opens every
# program, and the package removes cleanly. Needs root (apt-get).
deb=$1
source "$(dirname "$0")/common.sh" "${2:-88}"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >"$work/apt" 2>&1 || { cat "$work/apt"; fail "the package did not install"; }
trap 'apt-get remove -y -qq svetlo-a-sipky >/dev/null 2>&1; cleanup' EXIT

desktop-file-validate /usr/share/applications/org.example.SvetloASipky*.desktop || fail "desktop entries"
[ "$(ls /usr/share/applications/org.example.SvetloASipky*.desktop | wc -l)" = 9 ] || fail "nine menu entries expected"
[ "$(ls /usr/share/icons/hicolor/scalable/apps/org.example.SvetloASipky*.svg | wc -l)" = 9 ] || fail "nine icons expected"
appstreamcli validate --no-net /usr/share/metainfo/org.example.SvetloASipky.metainfo.xml || fail "metainfo"

entry=/usr/share/applications/org.example.SvetloASipky.desktop
grep -q '^Categories=Education;Science;Physics;$' "$entry" || fail "categories"
command=$(sed -n 's/^Exec=//p' "$entry")
$command >"$work/out" 2>&1 &
pids+=($!)
wait_for 'xdotool search --onlyvisible --name "^Světlo a šipky$" >"$work/launcher"' 30 || fail "the menu entry did not start the launcher"
launcher=$(head -n1 "$work/launcher")

titles=("Vidivizur - " "Parabola - " "pathways - " "Fokus lupy - " "Interference - " "fringeworks - "
        "glassecho - " "Rozavezavu -  ")
for i in "${!titles[@]}"; do
  xdotool windowfocus --sync "$launcher"
  xdotool key --clearmodifiers Home
  # the cards stand four in a row: Down to the row, Right to the column
  for _ in $(seq $((i / 4))); do xdotool key Down; done
  for _ in $(seq $((i % 4))); do xdotool key Right; done
  xdotool key Return
  wait_for 'xdotool search --onlyvisible --name "^${titles[$i]}" >"$work/wid"' 30 ||
    fail "the launcher did not open '${titles[$i]}'"
  xdotool windowclose "$(head -n1 "$work/wid")" 2>/dev/null || xdotool windowkill "$(head -n1 "$work/wid")"
  wait_for '! xdotool search --onlyvisible --name "^${titles[$i]}" >/dev/null' 30 || fail "'${titles[$i]}' did not close"
done
echo "package: installed, validated, the launcher opened all eight programs"
echo "1 passed, 0 failed"
