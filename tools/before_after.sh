#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the rows of docs/before-after.png for pictures on paper: the same
# covers exported by an earlier build of the program and by this one, side
# by side (emoji and a metafile on the printed page, a photo tagged as
# turned, a photo with an Adobe RGB profile).
#   tools/before_after.sh <earlier sleevix> <this sleevix> <rows.png>
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
earlier=$1 this=$2 rows=$3
"$here/scripts/install-deps.sh" imagemagick poppler-utils inkscape >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The pictures: an arrow pointing up, stored turned left with an Exif
# block that tags it to be shown turned right (orientation 6); a colourful
# field stored with the Adobe RGB profile; a clip art of 55 x 54 pixels
# written as EMF by a drawing program.
convert -size 300x400 gradient:'#fbe59a-#f0a020' -fill '#203c8c' \
  -draw 'polygon 150,30 270,170 190,170 190,370 110,370 110,170 30,170' \
  -font DejaVu-Sans -pointsize 40 -annotate +118+395 UP -rotate -90 "$work/stored.jpg"
{
  printf '\xff\xd8\xff\xe1\x00\x22Exif\x00\x00MM\x00\x2a\x00\x00\x00\x08'
  printf '\x00\x01\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00\x00\x00\x00\x00'
  tail -c +3 "$work/stored.jpg"
} >"$work/tagged.jpg"
convert -size 600x400 -seed 7 plasma:lime-magenta "$work/srgb.jpg"
convert "$work/srgb.jpg" -profile /usr/share/color/icc/ghostscript/a98.icc "$work/a98.jpg"
cat >"$work/clip.svg" <<'SVG'
<svg xmlns="http://www.w3.org/2000/svg" width="55" height="54" viewBox="0 0 55 54">
  <rect x="2" y="2" width="51" height="50" rx="8" fill="#f6d743" stroke="#203c8c" stroke-width="2"/>
  <circle cx="20" cy="22" r="5" fill="#203c8c"/><circle cx="36" cy="22" r="5" fill="#203c8c"/>
  <path d="M14 34 Q27 46 41 34" fill="none" stroke="#c0392b" stroke-width="3"/>
  <text x="27.5" y="12" font-family="DejaVu Sans" font-size="7" text-anchor="middle"
        fill="#203c8c">CLIP</text>
</svg>
SVG
inkscape "$work/clip.svg" --export-type=emf --export-filename="$work/clip.emf" 2>/dev/null

cover() {  # name title typeface picture
  printf '{"format":"sleevix-cover","version":1,"tracks":["1. Morning Light","2. Paper Boats"],'\
'"artist":"The Examples","title":"%s","committed":true,"front":{"typeface":"%s","picture":%s}}\n' \
    "$2" "$3" "$4" >"$work/$1.sleevix"
}
cover emoji 'Sea Songs 🌊🐚🎵' 'Noto Color Emoji' null
cover metafile 'Sample Sounds' '' "\"$work/clip.emf\""
cover oriented 'Sample Sounds' '' "\"$work/tagged.jpg\""
cover colour 'Sample Sounds' '' "\"$work/a98.jpg\""

# The front insert as printed: 121 x 120 mm, 20 mm in and 130 mm down on A4.
front() {  # program cover out
  "$1" --export "$work/page.pdf" "$work/$2.sleevix" 2>/dev/null
  pdftoppm -r 200 -x 157 -y 1023 -W 954 -H 946 -png -singlefile "$work/page.pdf" "$work/crop"
  convert "$work/crop.png" -resize 400x400 "$3"
}
tiles=()
for row in 'emoji:emoji on the printed page' 'metafile:metafile on the printed page' \
           'oriented:photo tagged as turned' 'colour:photo with an Adobe RGB profile'; do
  name=${row%%:*}
  front "$earlier" "$name" "$work/$name-before.png"
  front "$this" "$name" "$work/$name-after.png"
  tiles+=(-label "${row#*:} — before" "$work/$name-before.png" -label after "$work/$name-after.png")
done
montage -depth 8 -font DejaVu-Sans -pointsize 14 -geometry 420x420+9+9 -tile 2x -bordercolor '#999' \
  -border 1 "${tiles[@]}" "$rows"
