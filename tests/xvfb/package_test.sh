#!/usr/bin/env bash
# The .deb as a person gets it: it installs with its dependencies, its menu entries
# and metainfo validate, the launcher starts from its menu entry and opens every
# program, and the package removes cleanly. Needs root (apt-get).
deb=$1
source "$(dirname "$0")/common.sh" "${2:-88}"
export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$deb" >"$work/apt" 2>&1 || { cat "$work/apt"; fail "the package did not install"; }
trap 'apt-get remove -y -qq svetlo-a-sipky >/dev/null 2>&1; cleanup' EXIT

# A clean package: lintian finds no error and no warning, the validators nothing to say.
lintian --pedantic "$deb" >"$work/lintian" 2>&1
! grep -E '^(E|W):' "$work/lintian" || fail "lintian: $(grep -E '^(E|W):' "$work/lintian")"
said=$(desktop-file-validate /usr/share/applications/org.example.svetloasipky*.desktop 2>&1)
[ -z "$said" ] || fail "desktop entries: $said"
[ "$(ls /usr/share/applications/org.example.svetloasipky*.desktop | wc -l)" = 9 ] || fail "nine menu entries expected"
[ "$(ls /usr/share/icons/hicolor/scalable/apps/org.example.svetloasipky*.svg | wc -l)" = 9 ] || fail "nine icons expected"
said=$(appstreamcli validate --pedantic --no-net /usr/share/metainfo/org.example.svetloasipky.metainfo.xml 2>&1)
[ "$said" = "✔ Validation was successful." ] || fail "metainfo: $said"

entry=/usr/share/applications/org.example.svetloasipky.desktop
grep -q '^Categories=Education;Physics;$' "$entry" || fail "categories"
command=$(sed -n 's/^Exec=//p' "$entry")
$command >"$work/out" 2>&1 &
pids+=($!)
wait_for 'xdotool search --onlyvisible --name "^Světlo a šipky$" >"$work/launcher"' 30 || fail "the menu entry did not start the launcher"
launcher=$(head -n1 "$work/launcher")

read_programs
for i in "${!titles[@]}"; do
  xdotool windowfocus --sync "$launcher"
  xdotool key --clearmodifiers Home
  # the cards stand four in a row: Down to the row, Right to the column
  for _ in $(seq $((i / 4))); do xdotool key Down; done
  for _ in $(seq $((i % 4))); do xdotool key Right; done
  xdotool key Return
  wait_for 'xdotool search --onlyvisible --name "^${titles[$i]} -" >"$work/wid"' 30 ||
    fail "the launcher did not open '${titles[$i]}'"
  # The window belongs to its menu entry: its class is the entry's StartupWMClass, and it has its icon.
  program=${programs[$i]}
  class=$(sed -n 's/^StartupWMClass=//p' "/usr/share/applications/org.example.svetloasipky.$program.desktop")
  wm=$(xprop -id "$(head -n1 "$work/wid")" WM_CLASS _NET_WM_ICON)
  echo "$wm" | grep -q "^WM_CLASS(STRING) = \"$program\", \"$class\"$" || fail "$program: $(echo "$wm" | head -n1), entry $class"
  echo "$wm" | grep -q "^_NET_WM_ICON(CARDINAL) = " || fail "$program has no window icon"
  xdotool windowclose "$(head -n1 "$work/wid")" 2>/dev/null || xdotool windowkill "$(head -n1 "$work/wid")"
  wait_for '! xdotool search --onlyvisible --name "^${titles[$i]} -" >/dev/null' 30 || fail "'${titles[$i]}' did not close"
done
echo "package: installed, validated, the launcher opened all ${#programs[@]} programs"
echo "1 passed, 0 failed"
