#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times rsvg-convert drawing each SVG at the back insert's printed size
# (1200 dpi), exports a cover with the same file as its back picture, and
# prints a Markdown table of how the export drew it (full, 1/2, 1/4, 1/8,
# left out, failed) with both processor times, then a summary. Drawings come
# from Debian packages downloaded and unpacked (never installed), plus any
# folders given (.svg, .svgz, .wmf, .emf; a metafile only goes through the
# export, rsvg-convert cannot draw it).
#   tools/drawing_comparison/compare.sh [-o OUT.md] [-p SLEEVIX] [-w WORKDIR] [FOLDER...]
# -o: also write table and summary there (default /tmp/drawing-comparison.md)
# -p: the program (default build/release/src/sleevix of this checkout)
# -w: keep downloads and results in WORKDIR instead of a temporary folder
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=/tmp/drawing-comparison.md
sleevix=$here/../../build/release/src/sleevix
work=
while getopts o:p:w: option; do
  case $option in
    o) out=$OPTARG ;;
    p) sleevix=$OPTARG ;;
    w) work=$OPTARG ;;
    *) sed -n 10,13p "$0" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
sleevix=$(realpath "$sleevix")
folders=()
for folder in "$@"; do folders+=("$(realpath "$folder")"); done

# The back insert, 150 x 117.5 mm, at 1200 dpi.
width=7087 height=5551
# A drawing rsvg-convert draws within this many seconds must print at 600 dpi or more.
fast=2
# Every Nth of breeze's ~8000 SVG files by sorted path: about 100, always the same.
breeze_step=80
# Wall-clock limits, so that one pathological drawing cannot stall the run.
rsvg_limit=60 export_limit=120

need=()
command -v rsvg-convert >/dev/null || need+=(librsvg2-bin)
command -v python3 >/dev/null || need+=(python3)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq && apt-get install -y -qq "${need[@]}" >/dev/null || exit 1
fi

if [ -z "$work" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
mkdir -p "$work/debs" "$work/run"
work=$(realpath "$work")

# Downloaded, unpacked for their files; installing them would change the machine.
fetch() {
  local package=$1
  if ! compgen -G "$work/debs/${package}_*.deb" >/dev/null; then
    (cd "$work/debs" && { apt-get download "$package" >/dev/null 2>&1 ||
      { apt-get update -qq && apt-get download "$package" >/dev/null; }; }) ||
      { echo "cannot download $package" >&2; exit 1; }
  fi
  if [ ! -d "$work/$package" ]; then
    dpkg-deb -x "$work/debs/${package}"_*.deb "$work/$package"
  fi
}
for package in desktop-base breeze-icon-theme inkscape inkscape-tutorials; do fetch "$package"; done

# One line a drawing: the name shown, a tab, its absolute path.
list=$work/run/drawings.tsv
emit() { while read -r name; do printf '%s\t%s\n' "$name" "$1/$name"; done; }
share=$work/desktop-base/usr/share
(cd "$share" && find desktop-base -path '*/wallpaper*/contents/images/*.svg' -type f | LC_ALL=C sort) |
  emit "$share" > "$list"
share=$work/breeze-icon-theme/usr/share
(cd "$share" && find icons -name '*.svg' -type f | LC_ALL=C sort | awk -v n=$breeze_step 'NR % n == 1') |
  emit "$share" >> "$list"
share=$work/inkscape/usr/share
(cd "$share" && find inkscape/examples -type f \( -name '*.svg' -o -name '*.svgz' \) | LC_ALL=C sort) |
  emit "$share" >> "$list"
# The tutorials once each, not in every translation.
share=$work/inkscape-tutorials/usr/share
(cd "$share" && find inkscape/tutorials -type f -name '*.svg' |
  grep -Ev '\.[a-z]{2,3}(_[A-Z]{2})?\.svg$' | LC_ALL=C sort) | emit "$share" >> "$list"
for folder in "${folders[@]}"; do
  find "$folder" -type f \( -iname '*.svg' -o -iname '*.svgz' -o -iname '*.wmf' -o -iname '*.emf' \) |
    LC_ALL=C sort | while read -r path; do
      printf '%s\t%s\n' "$(basename "$folder")/${path#"$folder"/}" "$path"
    done >> "$list"
done

stamp() { stat -c %y "$sleevix" "$(dirname "$sleevix")/../libexec/sleevix/sleevix-decode" 2>/dev/null; }
stamp_before=$(stamp)
export QT_QPA_PLATFORM=offscreen
results=$work/run/results.tsv
: > "$results"
total=$(wc -l < "$list")
index=0
while IFS=$'\t' read -r name path; do
  index=$((index + 1))
  echo "[$index/$total] $name" >&2
  case ${path,,} in
    *.wmf | *.emf) kind=metafile rsvg=- ;;
    *)
      kind=svg
      python3 "$here/timed.py" $rsvg_limit "$work/run/rsvg.txt" \
        rsvg-convert -a -w $width -h $height "$path" >/dev/null 2>&1 < /dev/null
      read -r status seconds < "$work/run/rsvg.txt"
      case $status in
        0) rsvg=$seconds ;;
        timeout) rsvg=">$rsvg_limit" ;;
        *) rsvg=fails ;;
      esac
      ;;
  esac
  escaped=${path//\\/\\\\}
  escaped=${escaped//\"/\\\"}
  printf '{"format":"sleevix-cover","version":1,"committed":true,"tracks":["1. A"],"back":{"picture":"%s"}}\n' \
    "$escaped" > "$work/run/cover.sleevix"
  rm -f "$work/run/out.pdf"
  python3 "$here/timed.py" $export_limit "$work/run/ours.txt" \
    "$sleevix" --export "$work/run/out.pdf" "$work/run/cover.sleevix" \
    >/dev/null 2>"$work/run/ours.err" < /dev/null
  read -r status ours < "$work/run/ours.txt"
  message=$(grep -m1 . "$work/run/ours.err" | tr '\t' ' ')
  if [ "$status" != 0 ]; then
    result=failed
    [ "$status" = timeout ] && message="no end within $export_limit s"
    [ -n "$message" ] || message="status $status"
  elif [[ $message == warning:*"left out"* ]]; then result="left out"
  elif [[ $message =~ ^warning:.*printed\ at\ (1/[0-9]+) ]]; then result=${BASH_REMATCH[1]}
  else result=full
  fi
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$kind" "$rsvg" "$result" "$ours" "$message" >> "$results"
done < "$list"
stamp_after=$(stamp)

{
  echo "| file | rsvg-convert s | ours | our s |"
  echo "| --- | ---: | --- | ---: |"
  awk -F'\t' '{ printf "| %s | %s | %s | %s |\n", $1, $3, $4, $5 }' "$results"
  echo
  awk -F'\t' -v fast=$fast -v w=$width -v h=$height -v program="$sleevix" '
    $2 == "svg" { svg++ }
    $2 == "metafile" { meta++; metaclass[$4]++ }
    $2 == "svg" && $3 ~ /^[0-9.]+$/ && $3 + 0 < fast {
      quick++
      if ($4 == "full" || $4 == "1/2") good++
      else bad[++nbad] = sprintf("- %s: rsvg-convert %s s; ours %s in %s s%s", $1, $3, $4, $5,
                                 $6 == "" ? "" : " (" $6 ")")
    }
    $2 == "svg" { svgclass[$4]++ }
    $4 == "failed" { failed++; fails[++nfail] = sprintf("- %s: %s", $1, $6) }
    function classes(counts,   c, s) {
      s = ""
      for (c in counts) if (c != "full" && c != "1/2" && c != "1/4" && c != "1/8" && c != "left out" && c != "failed") s = s sprintf(", %s %d", c, counts[c])
      return sprintf("full %d, 1/2 %d, 1/4 %d, 1/8 %d, left out %d, failed %d%s", counts["full"],
                     counts["1/2"], counts["1/4"], counts["1/8"], counts["left out"], counts["failed"], s)
    }
    END {
      printf "Drawings: %d SVG, %d metafiles; exported with %s, drawn by rsvg-convert within %d x %d px.\n", svg, meta, program, w, h
      printf "SVG results: %s.\n", classes(svgclass)
      if (meta) printf "Metafile results: %s.\n", classes(metaclass)
      printf "rsvg-convert draws %d of %d SVG files in under %d s; we print %d of those at 600 dpi or more (full or 1/2).\n", quick, svg, fast, good
      if (nbad) { print "Drawn by rsvg-convert in under " fast " s but printed below 600 dpi, left out or failed:"; for (i = 1; i <= nbad; i++) print bad[i] }
      printf "Exports that failed: %d of %d.\n", failed, svg + meta
      for (i = 1; i <= nfail; i++) print fails[i]
    }' "$results"
  [ "$stamp_before" = "$stamp_after" ] ||
    echo "Note: the program or its helper was rebuilt during the run; rows may come from different builds."
} | tee "$out"
