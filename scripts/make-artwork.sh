#!/usr/bin/env bash
# Draws the programs' own artwork with ImageMagick: the application icon at
# 64, 128, 256 and 512 pixels and the eleven language flags (48x32). The PNGs
# are committed; run this only to redraw them.
set -euo pipefail
R="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/resources"

# Application icon: a dark rounded tile with a lightning bolt over a wave.
for s in 64 128 256 512; do
  k=$(python3 -c "print($s/512)")
  sc() { python3 -c "import sys;k=$k;print(' '.join(str(round(float(v)*k,1)) for v in sys.argv[1:]))" "$@"; }
  convert -size ${s}x${s} xc:none \
    -fill '#12324a' -draw "roundrectangle $(sc 16 16 496 496 96 96)" \
    -fill '#1f6fa3' -draw "roundrectangle $(sc 40 40 472 472 76 76)" \
    -fill '#ffd23f' -stroke '#7a5800' -strokewidth $(python3 -c "print(max(1,round(8*$k)))") \
    -draw "polygon $(sc 292 64 132 292 240 292 196 448 380 204 268 204 332 64)" \
    -fill none -stroke '#e8f4ff' -strokewidth $(python3 -c "print(max(2,round(18*$k)))") \
    -draw "bezier $(sc 72 408 150 360 210 456 290 408)" \
    -draw "bezier $(sc 290 408 370 360 420 440 450 400)" \
    "$R/icons/appicon-$s.png"
done

W=48; H=32
flag() { convert -size ${W}x${H} xc:white "$@"; }
hstripes() { # top..bottom colours
  local n=$# i=0 args=() c
  for c in "$@"; do
    args+=(-fill "$c" -draw "rectangle 0,$((i*H/n)) $W,$(((i+1)*H/n))"); i=$((i+1))
  done
  printf '%s\n' "${args[@]}"
}
vstripes() {
  local n=$# i=0 args=() c
  for c in "$@"; do
    args+=(-fill "$c" -draw "rectangle $((i*W/n)),0 $(((i+1)*W/n)),$H"); i=$((i+1))
  done
  printf '%s\n' "${args[@]}"
}
mapfile -t a < <(hstripes white '#0039a6' '#d52b1e'); flag "${a[@]}" "$R/flags/ru.png"
mapfile -t a < <(hstripes black '#dd0000' '#ffce00'); flag "${a[@]}" "$R/flags/de.png"
mapfile -t a < <(vstripes '#009246' white '#ce2b37'); flag "${a[@]}" "$R/flags/it.png"
mapfile -t a < <(vstripes '#0055a4' white '#ef4135'); flag "${a[@]}" "$R/flags/fr.png"
mapfile -t a < <(vstripes '#002b7f' '#fcd116' '#ce1126'); flag "${a[@]}" "$R/flags/ro.png"
mapfile -t a < <(hstripes white '#dc143c'); flag "${a[@]}" "$R/flags/pl.png"
flag -fill '#aa151b' -draw "rectangle 0,0 $W,8" -draw "rectangle 0,24 $W,$H" \
     -fill '#f1bf00' -draw "rectangle 0,8 $W,24" "$R/flags/es.png"
flag -fill '#bc002d' -draw "circle 24,16 24,6" "$R/flags/ja.png"
flag -fill '#d7141a' -draw "rectangle 0,16 $W,$H" \
     -fill '#11457e' -draw "polygon 0,0 24,16 0,32" "$R/flags/cs.png"
flag -fill '#fe0000' -draw "rectangle 0,0 $W,$H" \
     -fill '#000095' -draw "rectangle 0,0 24,16" \
     -fill white -draw "circle 12,8 12,3" "$R/flags/zh_TW.png"
flag -fill '#012169' -draw "rectangle 0,0 $W,$H" \
     -stroke white -strokewidth 6 -draw "line 0,0 $W,$H" -draw "line 0,$H $W,0" \
     -stroke '#c8102e' -strokewidth 2 -draw "line 0,0 $W,$H" -draw "line 0,$H $W,0" \
     -stroke none -fill white -draw "rectangle 19,0 29,$H" -draw "rectangle 0,11 $W,21" \
     -fill '#c8102e' -draw "rectangle 21,0 27,$H" -draw "rectangle 0,13 $W,19" "$R/flags/en.png"
echo "artwork written to $R"
