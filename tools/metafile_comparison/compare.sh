#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A comparison sheet of metafiles as real programs write them: charts from a
# chart tool and an office suite, an office drawing, half-transparent shapes
# the office suite writes as EMF+ records beside the older ones, a drawing that a
# drawing program and an office suite turned into EMF and WMF, and drawings
# from a figure library that a figure converter and a PostScript converter
# turned into EMF. Each is drawn by the
# program beside two independent renderers' PNG exports of the same file
# (the metafiles of the folders given, beside one).
#   tools/metafile_comparison/compare.sh OUT_DIR [more folders of metafiles...]
# Needs a release build (scripts/build.sh release); installs the writers and
# renderers it uses. Writes the files to OUT_DIR/files, the renderers' PNGs
# to OUT_DIR/references, and the sheets OUT_DIR/real-world.png and, for the
# folders given, OUT_DIR/given.png.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=$(mkdir -p "$1" && cd "$1" && pwd)
shift
sheet_tool=$root/build/release/tools/sleevix_contact_sheet
[ -x "$sheet_tool" ] || { echo "build first: scripts/build.sh release" >&2; exit 1; }

"$root/scripts/install-deps.sh" gnuplot-nox libreoffice-draw libreoffice-calc python3-uno inkscape \
  fig2dev pstoedit xfig-libs

files=$out/files references=$out/references drawn=$out/drawn
rm -rf "$files" "$references" "$drawn"
mkdir -p "$files" "$references" "$drawn"
export QT_QPA_PLATFORM=offscreen

(cd "$files" && gnuplot "$here/charts.gp")
/usr/bin/python3 "$here/office_charts.py" "$files"
cp "$here/drawing.fodg" "$files/office_drawing.fodg"
(cd "$files" && soffice --headless --convert-to emf office_drawing.fodg >/dev/null &&
  soffice --headless --convert-to wmf office_drawing.fodg >/dev/null && rm office_drawing.fodg)
cp "$here/transparent.fodg" "$files/office_transparent.fodg"
(cd "$files" && soffice --headless --convert-to emf office_transparent.fodg >/dev/null &&
  rm office_transparent.fodg)
# The same drawing as a drawing program and an office suite write it.
inkscape "$here/drawing.svg" --export-type=emf --export-filename="$files/drawing_program.emf" 2>/dev/null
inkscape "$here/drawing.svg" --export-type=wmf --export-filename="$files/drawing_program.wmf" 2>/dev/null
cp "$here/drawing.svg" "$files/office_svg_drawing.svg"
(cd "$files" && soffice --headless --convert-to emf office_svg_drawing.svg >/dev/null &&
  rm office_svg_drawing.svg)
cp "$here/text.svg" "$files/office_text.svg"
(cd "$files" && soffice --headless --convert-to wmf office_text.svg >/dev/null &&
  soffice --headless --convert-to emf office_text.svg >/dev/null && rm office_text.svg)

# Library drawings (a house in section, a cartoon, a flowchart, a Smith
# chart, flags) as the figure converter writes them, and through PostScript
# as the PostScript converter writes them for office suites.
library=/usr/share/xfig/Libraries
for figure in Examples/3dhouse Examples/betty Examples/flowchart Examples/clipart Charts/smith \
  Flags/Europe/greatbritain Flags/Asia/japan; do
  name=$(basename "$figure")
  fig2dev -L emf "$library/$figure.fig" "$files/figure_converter_$name.emf"
  fig2dev -L eps "$library/$figure.fig" "$files/$name.eps"
  pstoedit -q -f emf:-OO "$files/$name.eps" "$files/postscript_converter_$name.emf" >/dev/null 2>&1
  rm "$files/$name.eps"
done

# The program's drawings first: their sizes are the size each reference is
# exported at.
"$sheet_tool" --references "$references" --save "$drawn" "$out/unused.png" "$files" "$@"
rm -f "$out/unused.png"
for folder in "$files" "$@"; do
  for file in "$folder"/*.emf "$folder"/*.wmf; do
    [ -e "$file" ] || continue
    name=$(basename "$file")
    own=$drawn/$name.sleevix.png
    [ -e "$own" ] || continue
    size=$(identify -format '%w %h' "$own")
    read -r width height <<<"$size"
    inkscape "$file" --export-type=png --export-filename="$references/$name.inkscape.png" \
      --export-width="$width" --export-height="$height" --export-background=white \
      --export-background-opacity=1 >/dev/null 2>&1 || echo "inkscape could not draw $name"
    # The office suite places the picture on a page; cutting the page away
    # also cuts a picture's own white margins, so only the files written
    # here, which fill their frames, are compared with it.
    [ "$folder" = "$files" ] || continue
    page=$(mktemp -d)
    if soffice --headless --convert-to png --outdir "$page" "$file" >/dev/null 2>&1; then
      convert "$page"/*.png -trim +repage -resize "${width}x${height}!" \
        "$references/$name.libreoffice.png"
    else
      echo "the office suite could not draw $name"
    fi
    rm -rf "$page"
  done
done
"$sheet_tool" --references "$references" --cell 260 "$out/real-world.png" "$files"
[ $# -eq 0 ] || "$sheet_tool" --references "$references" --cell 260 "$out/given.png" "$@"
ls "$out"/*.png
