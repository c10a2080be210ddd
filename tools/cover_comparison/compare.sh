#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the same covers with an earlier build of the program and with this
# one, and says where their pixels differ: the cover as the window shows it
# (PNG at scale 1 and 2), the printed page (PDF, rendered) and the print
# shop's pages. Every kind, both layouts, pictures behind, one and 41 tracks,
# long and right-to-left texts. A refactoring of the layout shows none.
#   tools/cover_comparison/compare.sh <earlier sleevix> <this sleevix>
# Builds before the cover value drew a jewel case's --scale 2 on the window
# before opening it, whose glyph edges differ from the window's own export
# at that scale; for those, the earlier picture is the window's export,
# which --thumbnail at exactly twice the cover's size gives. Qt draws a glyph's edges a shade apart (at most 3 of 255)
# the first time a process draws it and later, so an image whose only
# differences are that small is counted as alike, and named.
# Each program finds its decode helper beside it or in ../libexec/sleevix/.
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
earlier=$1 this=$2
"$here/scripts/install-deps.sh" imagemagick poppler-utils >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

convert -size 640x480 -seed 3 plasma:gold-navy "$work/photo.jpg"
convert -size 300x300 gradient:'#fbe59a-#20a0f0' "$work/square.png"

tracks() {  # count: a JSON list of numbered titles
  local list="" i
  for ((i = 1; i <= $1; ++i)); do
    list+="${list:+,}\"$i. Track number $i with a longer name here\""
  done
  printf '[%s]' "$list"
}
long=$(printf 'A very long album title that goes on %.0s' {1..6})
cover() {  # name case layout tracks artist title back-picture front-picture
  printf '{"format":"sleevix-cover","version":1,"tracks":%s,"artist":"%s","title":"%s",'\
'"committed":true,"layout":"%s","case":"%s",'\
'"back":{"picture":%s},"front":{"picture":%s,"color":"#aa0000"}}\n' \
    "$4" "$5" "$6" "$3" "$2" "$7" "$8" >"$work/$1.sleevix"
}
names=()
for kind in jewel slim dvd disc; do
  for layout in left centred; do
    cover "$kind-$layout-1" "$kind" "$layout" "$(tracks 1)" 'The Examples' 'Sample Sounds' null null
    cover "$kind-$layout-41" "$kind" "$layout" "$(tracks 41)" 'The Examples' "$long" \
      "\"$work/photo.jpg\"" "\"$work/square.png\""
    names+=("$kind-$layout-1" "$kind-$layout-41")
  done
  cover "$kind-rtl" "$kind" left '["1. שלום עולם", "2. مرحبا بالعالم"]' 'להקה' 'אלבום' null \
    "\"$work/photo.jpg\""
  names+=("$kind-rtl")
done

# Writes every output of one program for one cover into dir/name.*.
draw() {  # program dir name
  local program=$1 dir=$2 name=$3
  "$program" --export "$dir/$name.1.png" "$work/$name.sleevix" >/dev/null
  local side
  side=$(identify -format '%[fx:2*max(w,h)]' "$dir/$name.1.png")
  if [[ $dir == */earlier && $name == jewel-* ]]; then
    "$program" --thumbnail "$work/$name.sleevix" "$dir/$name.2.png" "$side" >/dev/null
  else
    "$program" --export "$dir/$name.2.png" --scale 2 "$work/$name.sleevix" >/dev/null
  fi
  "$program" --export "$dir/$name.pdf" "$work/$name.sleevix" >/dev/null
  pdftoppm -r 150 -png "$dir/$name.pdf" "$dir/$name.page"
  "$program" --export "$dir/$name.shop.pdf" --bleed 3 "$work/$name.sleevix" >/dev/null
  pdftoppm -r 100 -png "$dir/$name.shop.pdf" "$dir/$name.shop"
  rm "$dir/$name.pdf" "$dir/$name.shop.pdf"
}

mkdir "$work/earlier" "$work/this"
differing=0 compared=0 shades=0
# The largest difference of a channel that is a glyph's edge drawn anew.
shade=$(awk 'BEGIN { print 3 / 255 + 1e-6 }')
for name in "${names[@]}"; do
  draw "$earlier" "$work/earlier" "$name"
  draw "$this" "$work/this" "$name"
done
for before in "$work"/earlier/*.png; do
  after="$work/this/${before##*/}"
  compared=$((compared + 1))
  if [[ ! -f $after ]]; then
    echo "missing: ${before##*/}"; differing=$((differing + 1)); continue
  fi
  pixels=$(compare -metric AE "$before" "$after" null: 2>&1 || true)
  [[ $pixels == 0 ]] && continue
  largest=$(compare -metric PAE "$before" "$after" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true)
  if awk -v l="$largest" -v s="$shade" 'BEGIN { exit !(l <= s) }'; then
    echo "glyph edges a shade apart: ${before##*/} ($pixels pixels, at most $largest)"
    shades=$((shades + 1))
  else
    echo "differs: ${before##*/} ($pixels pixels, up to $largest)"; differing=$((differing + 1))
  fi
done
echo "$compared images compared: $((compared - differing - shades)) identical," \
  "$shades with glyph edges a shade apart, $differing differ"
[[ $differing == 0 ]]
