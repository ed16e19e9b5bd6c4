#!/usr/bin/env bash
# Every screen: on screens of 1024x768, 1366x768, 1920x1080 and 3840x2160 every caption
# of pathways and rozavezavu is drawn as at 800x600, magnified by the window's scale
# (within 5 %, or 1.5 pixels of the design for the smallest, where antialiasing at one
# pixel to a pixel adds one), and every option's indicator grows with it (within 15 %);
# at 1600x1200 every bar of interference's run is twice as long as at 800x600; the
# launcher's eight cards lie wholly on screens of 640x480 and 800x600.
probe=$1
source "$(dirname "$0")/common.sh" "${2:-84}"

# on SIZE OUT ARGS...: the probe's measures on a screen of that size, into OUT.
on() {
  local size=$1 out=$2; shift 2
  local fd; fd=$(mktemp "$work/display.XXXX")
  Xvfb -displayfd 4 -screen 0 "${size}x24" -nolisten tcp 4>"$fd" >/dev/null 2>&1 &
  local server=$!
  pids+=("$server")
  wait_for '[ -s "$fd" ]' 15 || fail "no X server of $size"
  DISPLAY=":$(head -n1 "$fd")" "$probe" "$@" >"$out" 2>"$work/err" || { cat "$work/err"; fail "probe $* on $size"; }
  kill "$server"
  wait "$server" 2>/dev/null
}

# compare BASE OTHER: the lines that differ more than allowed.
compare() {
  awk 'FNR == NR { if ($1 == "caption" || $1 == "indicator") { w[$1 " " $2] = $3; h[$1 " " $2] = $4 }; next }
       ($1 == "caption" || $1 == "indicator") {
         key = $1 " " $2
         if (!(key in w)) { print "missing " key; next }
         share = $1 == "indicator" ? 0.15 : 0.05
         for (i = 3; i <= NF; ++i) {
           base = i == 3 ? w[key] : h[key]
           allowed = base * share > 1.5 ? base * share : 1.5
           d = $i - base; if (d < 0) d = -d
           if (d > allowed) print key " " (i == 3 ? "width" : "height") " " base " -> " $i
         }
       }' "$1" "$2"
}

for program in pathways rozavezavu; do
  on 800x600 "$work/$program.800" "$program" captions
  [ "$(grep -c '^caption' "$work/$program.800")" -ge 10 ] || fail "$program: too few captions measured"
  for size in 1024x768 1366x768 1920x1080 3840x2160; do
    on "$size" "$work/$program.$size" "$program" captions
    scale=$(awk '$1 == "scale" { print $2 }' "$work/$program.$size")
    off=$(compare "$work/$program.800" "$work/$program.$size")
    [ -z "$off" ] || fail "$program on $size (scale $scale): $off"
    echo "$program on $size: $(grep -c '^caption' "$work/$program.$size") captions and $(grep -c '^indicator' "$work/$program.$size") indicators as at 800x600, scale $scale"
  done
done
title800=$(awk '$2 == "labTitul" { print $3 }' "$work/pathways.800")
title4k=$(awk '$2 == "labTitul" { print $3 }' "$work/pathways.3840x2160")
echo "pathways' title: $title800 pixels wide at 800x600, $title4k at 3840x2160 (in pixels of the design)"

on 800x600 "$work/bars.800" interference bars
on 1600x1200 "$work/bars.1600" interference bars
# Rows where the bar's length turns sharply, a row of the design apart, say more of
# rasterising than of scale: each bar is compared where it runs smoothly with its
# neighbours at 800x600, within 2 % or 1.5 pixels of the design.
off=$(awk 'FNR == NR { b[$2] = $3; next }
           { r = $2; if (!((r - 1) in b) || !((r + 1) in b)) next
             if (b[r - 1] - b[r] > 2 || b[r] - b[r - 1] > 2 || b[r + 1] - b[r] > 2 || b[r] - b[r + 1] > 2) next
             ++compared; d = $3 - b[r]; if (d < 0) d = -d
             allowed = b[r] * 0.02 > 1.5 ? b[r] * 0.02 : 1.5
             if (d > allowed) print "row " r ": " b[r] " -> " $3 }
           END { if (compared < 100) print "only " compared " bars compared" }' "$work/bars.800" "$work/bars.1600")
[ -z "$off" ] || fail "interference's bars at 1600x1200 are not twice their 800x600 length: $off"
[ "$(awk '$3 > 20' "$work/bars.800" | wc -l)" -ge 20 ] || fail "interference drew too few bars"
echo "interference at 1600x1200: the bars twice their length at 800x600"

for size in 640x480 800x600; do
  on "$size" "$work/cards.$size" svetlo cards
  outside=$(awk '$1 == "screen" { w = $4; h = $5 } $1 == "card" && ($3 < 0 || $4 < 0 || $3 + $5 > w || $4 + $6 > h) { print }' \
    "$work/cards.$size")
  [ "$(grep -c '^card' "$work/cards.$size")" = 8 ] || fail "the launcher does not show eight cards on $size"
  [ -z "$outside" ] || fail "cards off the $size screen: $outside"
  echo "launcher on $size: all eight cards on the screen"
done
echo "1 passed, 0 failed"
