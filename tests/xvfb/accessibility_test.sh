#!/usr/bin/env bash
# Every program as a screen reader gets it, over AT-SPI: the drawing area is an image
# named with the program's title and described, the speed bars are named, and no
# control that is hidden is in the tree.
bin=$1
source "$(dirname "$0")/common.sh" "${2:-83}"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
tree=$(dirname "$0")/accessible_tree.py

check() {  # PROGRAM TITLE
  dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    "$1/$2" >"$4.out" 2>&1 &
    program=$!
    /usr/bin/python3 "$3" "$2" >"$4" 2>"$4.err"
    code=$?
    kill $program
    exit $code' check "$bin" "$1" "$tree" "$work/tree.$1" 2>/dev/null || fail "$1: no accessibility tree: $(tail -n 3 "$work/tree.$1.err") $(tail -n 5 "$work/tree.$1.out")"
  local t="$work/tree.$1"
  grep -q "^2|image|$2|.\\+|shown$" "$t" || grep -q "^3|image|$2|.\\+|shown$" "$t" ||
    fail "$1: no drawing area named '$2' with a description: $(grep '|image|' "$t")"
  ! grep -q '|hidden$' "$t" || fail "$1: hidden controls in the tree: $(grep '|hidden$' "$t" | head -5)"
  grep -q '|scroll bar|Rychlost animace' "$t" || fail "$1: a speed bar without its name"
  ! grep -q '|scroll bar||' "$t" || fail "$1: a speed bar without its name"
  echo "$1: $(wc -l <"$t") nodes, the picture '$2' described, every node shown, the speed bars named"
}

read_programs
for i in "${!programs[@]}"; do
  check "${programs[$i]}" "${titles[$i]}"
done
echo "1 passed, 0 failed"
