#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Feeds every reader of user files each hazard through the command line of
# an optimised build, and prints a table: what the program said, how long it
# took and the most memory it held. tools/hostile_inputs/measure.sh [sleevix]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
sleevix=${1:-$here/../../build/release/src/sleevix}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 "$here/make_inputs.py" "$work/in" >/dev/null
cd "$work/in"
export QT_QPA_PLATFORM=offscreen

# A picture reaches the program inside a cover that names it.
as_picture() {
  printf '{"format":"sleevix-cover","version":1,"committed":true,"tracks":["1. A"],"back":{"picture":"%s"}}' \
    "$1" > "pic-$1.sleevix"
  echo "pic-$1.sleevix"
}

hazards() {  # makes pipe.EXT, zero.EXT, sparse.EXT, wrong.EXT
  local ext=$1
  rm -f "pipe.$ext"; mkfifo "pipe.$ext"
  ln -sf /dev/zero "zero.$ext"
  truncate -s 2G "sparse.$ext"
  head -c 4096 /dev/urandom > "wrong.$ext"
}

# Processor time counts the decode helper's too (the program waits for
# it); the peak is of the program or its helper, whichever held more.
run() {  # reader, case, file
  local start end status message peak cpu
  start=$(date +%s.%N)
  message=$( { /usr/bin/time -f 'PEAK %M CPU %U %S' timeout 60 "$sleevix" --export "$work/out.pdf" "$3"; } 2>&1 )
  status=$?
  end=$(date +%s.%N)
  peak=$(grep -o 'PEAK [0-9]*' <<<"$message" | cut -d' ' -f2)
  cpu=$(grep -o 'CPU [0-9.]* [0-9.]*' <<<"$message" | awk '{ printf "%.2f", $2 + $3 }')
  message=$(grep -v '^PEAK' <<<"$message" | grep -v '^Command exited' | head -1 | sed 's/^sleevix: //')
  [ $status -eq 124 ] && message="(killed after 60 s)"
  [ $status -gt 128 ] && [ $status -ne 124 ] && message="(ended by signal $((status - 128))) $message"
  printf '| %s | %s | %s | %s s | %s s | %d MB |\n' "$1" "$2" "${message:-(exported)}" \
    "$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.2f", b - a }')" "${cpu:-?}" \
    "$(( ${peak:-0} / 1024 ))"
}

echo "| reader | case | result | time | processor time | peak memory |"
echo "|---|---|---|---|---|---|"
run "baseline" "a small cover" short-texts.sleevix
for kind in "document:sleevix" "CUE sheet:cue" "playlist:m3u" "text list:txt" "audio (import):flac"; do
  reader=${kind%%:*}; ext=${kind##*:}
  hazards "$ext"
  for case in pipe zero sparse wrong; do run "$reader" "$case" "$case.$ext"; done
done
for ext in jpg png gif bmp ico webp tif svg svgz wmf emf mp3; do
  hazards "$ext"
  reader="picture .$ext"; [ "$ext" = mp3 ] && reader="album art .mp3"
  for case in pipe zero sparse wrong; do run "$reader" "$case" "$(as_picture "$case.$ext")"; done
done
run "document" "10 MB artist, 1 MB track line" long-texts.sleevix
run "text list" "one line of 1 MB" one-line.txt
run "playlist" "lengths past int and 1e300" lengths.m3u
run "audio (import)" "200 blocks of 16 MB (3.2 GB sparse)" blocks.flac
run "album art .flac" "200 blocks of 16 MB" "$(as_picture blocks.flac)"
run "audio (import)" "Ogg comment of 1.2 GB (81 MB on disk)" comment.ogg
run "album art .ogg" "Ogg comment of 1.2 GB" "$(as_picture comment.ogg)"
run "picture .svgz" "one path of 5.5 million segments" "$(as_picture segments.svgz)"
run "picture .svgz" "a million rectangles" "$(as_picture rects.svgz)"
run "picture .svg" "4,000 filled edges crossing every row" "$(as_picture crossing-fill.svg)"
run "picture .svg" "20,000 wide-stroked edges crossing every row" "$(as_picture crossing-stroke.svg)"
run "picture .svg" "1,000 full-page rectangles" "$(as_picture page-rects.svg)"
run "picture .bmp" "top-down 16384 x 11000 RLE" "$(as_picture topdown-rle.bmp)"
run "picture .bmp" "top-down 20000 x 5000 RLE" "$(as_picture topdown-wide.bmp)"
run "album art .m4a" "100,000 nested atoms" "$(as_picture nested-atoms.m4a)"
run "audio (import)" "100,000 nested atoms" nested-atoms.m4a
run "album art .mp3" "40,000 nested chapter frames" "$(as_picture nested-chapters.mp3)"
run "audio (import)" "40,000 nested chapter frames" nested-chapters.mp3
run "picture .jpg" "8000 x 6000, last scan 20,000 times" "$(as_picture repeated-scan.jpg)"
run "picture .svg" "199 circles dashed every 0.002" "$(as_picture dashed-circles.svg)"
