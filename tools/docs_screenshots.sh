#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the window screenshots in docs/ anew from the built program, on a
# fresh Xvfb display under openbox, driven with xdotool:
#   tools/docs_screenshots.sh [sleevix executable]
# The executable defaults to build/release/src/sleevix (./scripts/build.sh release).
# docs/wm-*.png show the window in its openbox frame, the others the window
# alone; main-window-de.png and its kin show it in German, French and Spanish. The covers, pictures and FLAC files they show are made here, in
# /tmp/sleevix-demo and a temporary folder, both removed at the end.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  cd "$(dirname "$0")/.."
  exe=$(realpath "${1:-build/release/src/sleevix}")
  [ -x "$exe" ] || { echo "no program at $exe: build it with ./scripts/build.sh release" >&2; exit 1; }
  # Xvfb, openbox, xdotool and ImageMagick come with the test packages;
  # flac encodes the album the track editor imports.
  ./scripts/install-deps.sh flac >/dev/null
  exec tests/wm/under_openbox.sh "$PWD/tools/docs_screenshots.sh" --inside "$exe" "$PWD/docs"
fi
exe=$2 docs=$3

# The picture dialog shows the folder it starts in, and the home folder in
# its side bar: a fixed name keeps the picture the same from run to run.
# The program's home is there too, so no settings of the user's are read or
# written.
demo=/tmp/sleevix-demo
mkdir "$demo" || { echo "$demo is left from an earlier run: remove it first" >&2; exit 1; }
work=$(mktemp -d)
mkdir -m 700 "$work/runtime"
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true; fi
  rm -rf "$demo" "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# --- Inputs --------------------------------------------------------------

convert -size 884x706 -seed 7 plasma:fractal -blur 0x2 -normalize +level 45%,100% -quality 90 "$demo/back.jpg"
convert -size 706x706 -seed 3 plasma:yellow-orange -blur 0x2 -swirl 200 -quality 90 "$demo/front.jpg"

# cover NAME LAYOUT ARTIST TITLE BACK-PICTURE FRONT-PICTURE TRACK...
# writes $work/NAME.sleevix; a picture is a JSON value (a path or null).
cover() {
  local name=$1 layout=$2 artist=$3 title=$4 back=$5 front=$6 tracks="" i=0
  shift 6
  for track in "$@"; do
    i=$((i + 1))
    tracks+="${tracks:+, }\"$i. $track\""
  done
  cat >"$work/$name.sleevix" <<EOF
{
    "format": "sleevix-cover",
    "version": 1,
    "tracks": [$tracks],
    "artist": "$artist",
    "title": "$title",
    "layout": "$layout",
    "back": {"picture": $back},
    "front": {"picture": $front}
}
EOF
}

four=("Intro" "Walking on the long road home" "Song for a friend" "Outro")
cover left left "The Examples" "Sample Sounds" null null "${four[@]}"
cover centred centred "The Examples" "Sample Sounds" null null "${four[@]}"
cover pictures left "The Examples" "Sample Sounds" "\"$demo/back.jpg\"" "\"$demo/front.jpg\"" \
  "Morning Light" "The Long Road Home" "Paper Boats" "Harbour Lights" "Slow Tide" "Goodnight"

# A full cover, with lines in several scripts.
scripts=("Morning Light" "שלום עולם" "夜の散歩" "The Long Road Home" "مرحبا بالعالم" "한밤의 노래"
         "Paper Boats" "gypsy quay jig")
many=()
for i in $(seq 0 40); do many+=("${scripts[i % 8]}"); done
cover "41 tracks" left "The Examples" "夜 Sample Sounds" null null "${many[@]}"

# An album of silent FLAC files with tags and lengths, in track order.
album="$work/The Examples - Coastal Songs"
mkdir "$album"
n=0
while IFS=: read -r seconds title; do
  n=$((n + 1))
  head -c $((seconds * 8000 * 2)) /dev/zero |
    flac --silent --force-raw-format --endian=little --sign=signed --channels=1 --bps=16 \
      --sample-rate=8000 -T "TITLE=$title" -T "ARTIST=The Examples" -T "ALBUM=Coastal Songs" \
      -T "TRACKNUMBER=$n" -o "$album/$(printf %02d "$n") $title.flac" -
done <<'EOF'
214:Harbour Lights
187:Paper Boats
245:Morning Tide
199:Salt and Cedar
302:The Lighthouse Keeper
176:Undertow
228:Gulls Over Leith
193:North Wind
265:Low Water
207:Ferry at Dawn
281:Long Way Home
236:Evening Star
EOF

# --- Driving the program ---------------------------------------------------

# shellcheck source=tests/e2e/window_search.sh
source "$(dirname "$0")/../tests/e2e/window_search.sh"

# The program places a new window again while openbox settles it (up to two
# seconds), and a picture is drawn after the window shows.
settle() { sleep 2.5; }

root=$(xwininfo -root | awk '/Window id:/ { print $4 }')
# The window openbox framed the client in: the client's ancestor just below
# the root.
frame_of() {
  local id=$1 parent
  while parent=$(xwininfo -id "$id" -tree | awk '/Parent window id:/ { print $4 }') &&
        [ "$((parent))" != "$((root))" ]; do
    id=$parent
  done
  echo "$id"
}

# shot WINDOW FILE: the window as the screen shows it; without the pointer
# over a control, and without the time of taking in the file, so that an
# unchanged window gives the same file.
shot() {
  xdotool mousemove 1023 767
  sleep 0.3
  import -window "$1" "$work/shot.png"
  convert "$work/shot.png" +repage -strip -define png:exclude-chunks=date,time "$docs/$2"
  echo "docs/$2"
}

# Each start is one on a desktop in `language` (de_DE.UTF-8, ...), English
# unless set: LANG alone says it.
language=C.UTF-8
start() {
  (cd "$demo" && HOME=$demo XDG_RUNTIME_DIR=$work/runtime \
     exec env -u LC_ALL -u LC_MESSAGES -u LANGUAGE "LANG=$language" "$exe" "$@") &
  pid=$!
  main=$(window 'Sleevix v2\.0$' 20) || fail "the main window did not appear for $*"
  settle
}
stop() { kill "$pid"; wait "$pid" 2>/dev/null || true; pid=; }

# The height of the main window's menu bar: the first row, going down
# through the client area beside the menus, that is not the menu bar's own
# colour is the toolbar's top edge.
menu_height() {
  import -window "$main" "$work/menu.png"
  convert "$work/menu.png" -crop 1x100+150+0 +repage -depth 8 txt:- |
    awk 'NR == 2 { bar = $3 } NR > 2 && $3 != bar && !found { split($1, at, /[,:]/); print at[2]; found = 1 }'
}

# A click at a point of a window's client area, below its menu bar if it has
# one. xwininfo gives where the client lies on the screen; xdotool's own
# window geometry counts openbox's title bar twice.
click_in() {
  local x y
  read -r x y < <(xwininfo -id "$1" |
    awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 } END { print x, y }')
  xdotool mousemove "$((x + $2))" "$((y + $3))" click 1
  sleep 0.5
}
click_main() { click_in "$main" "$1" "$((menu + $2))"; }

# A new cover; then the track editor, filled from the album folder with
# "Add track lengths" ticked.
start
menu=$(menu_height)
[ "${menu:-0}" -gt 10 ] || fail "no menu bar found over the main window"
shot "$main" main-window.png
shot "$(frame_of "$main")" wm-main-window.png
xdotool key ctrl+e
editor=$(window 'Edit Tracks$' 10) || fail "the track editor did not open"
settle
click_in "$editor" 53 404             # "Import...": its menu
xdotool key Down Down Down Return     # "Add track lengths"
sleep 0.5
click_in "$editor" 53 404
xdotool key Down Down Return          # "Tracks from a folder..."
window '^Import tracks$' 10 >/dev/null || fail "the folder dialog did not open"
sleep 1
xdotool key ctrl+a type --delay 5 "$album"
xdotool key Return
sleep 2
shot "$(frame_of "$editor")" wm-track-editor-import.png
stop

# The cover laid out flush left, and centred.
start "$work/left.sleevix"
shot "$main" cover-left.png
stop
start "$work/centred.sleevix"
shot "$main" cover-centred.png
stop

# Pictures behind the back and the front, and the picture dialog showing
# the back one.
start "$work/pictures.sleevix"
shot "$main" cover-picture-back.png
click_main 75 76                      # the "Front" tab
sleep 1
shot "$main" cover-picture-front.png
xdotool key ctrl+i
sleep 2
dialog=$(xdotool getactivewindow)
[ "$dialog" != "$main" ] || fail "the picture dialog did not open"
# A click on the first row, back.jpg, as a user picks it; a typed name
# would leave the name box's completion list over the dialog.
click_in "$dialog" 150 70
sleep 2
shot "$dialog" picture-dialog.png
xdotool key Escape
stop

# A full cover in several scripts, and its track editor.
start "$work/41 tracks.sleevix"
shot "$(frame_of "$main")" wm-cover-41-tracks.png
xdotool key ctrl+e
editor=$(window 'Edit Tracks$' 10) || fail "the track editor did not open"
settle
click_in "$editor" 384 266            # the title
xdotool key End
sleep 0.5
shot "$(frame_of "$editor")" wm-track-editor.png
stop

# The main window with a cover, in each language it speaks beside English.
for language in de_DE.UTF-8 fr_FR.UTF-8 es_ES.UTF-8; do
  start "$work/pictures.sleevix"
  shot "$main" "main-window-${language%%_*}.png"
  stop
done

# The other kinds of cover, with pictures behind them.
for kind in slim dvd disc; do
  cover "case-$kind" centred "The Examples" "Sample Sounds" "\"$demo/back.jpg\"" "\"$demo/front.jpg\"" \
    "Morning Light" "The Long Road Home" "Paper Boats" "Harbour Lights" "Slow Tide" "Goodnight"
  sed -i "s/\"version\": 1,/\"version\": 1, \"case\": \"$kind\",/" "$work/case-$kind.sleevix"
  start "$work/case-$kind.sleevix"
  shot "$main" "case-$kind.png"
  stop
done
