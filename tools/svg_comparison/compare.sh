#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares the program's SVG drawing with rsvg-convert's on the example
# drawings a vector drawing program ships (taken from its Debian package,
# which is unpacked, not installed): for each, the share of pixels that
# differ by more than 10 %. tools/svg_comparison/compare.sh [build dir]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
render=${1:-$here/build/release}/tools/sleevix_picture_render
"$here/scripts/install-deps.sh" librsvg2-bin imagemagick >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && apt-get download inkscape >/dev/null 2>&1 && dpkg-deb -x inkscape_*.deb unpacked)
export QT_QPA_PLATFORM=offscreen
within=0 total=0
for drawing in "$work"/unpacked/usr/share/inkscape/examples/*.svg*; do
  name=$(basename "$drawing")
  if ! timeout 60 rsvg-convert -b white "$drawing" -o "$work/$name.rsvg.png" 2>/dev/null; then
    echo "| $name | rsvg-convert fails |"; continue
  fi
  read -r width height < <(identify -format '%w %h\n' "$work/$name.rsvg.png")
  total=$((total + 1))
  if ! timeout 60 "$render" "$drawing" "$work/$name.ours.png" "$width" "$height" 2>/dev/null; then
    echo "| $name | ours fails |"; continue
  fi
  differing=$(compare -metric AE -fuzz 10% "$work/$name.rsvg.png" "$work/$name.ours.png" null: 2>&1 || true)
  share=$(awk -v d="$differing" -v t=$((width * height)) 'BEGIN { printf "%.2f", 100 * d / t }')
  awk -v s="$share" 'BEGIN { exit !(s <= 1) }' && within=$((within + 1))
  echo "| $name | $width x $height | $share % |"
done
echo "within 1 % of rsvg-convert: $within of $total"
