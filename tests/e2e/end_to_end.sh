#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program under Xvfb, driven with xdotool: tracks, artist and
# title, "Continue", "Center", the "Back" outline off, a look at the screen, and
# "Close", which must end the process with status 0.
#   end_to_end.sh <sleevix executable>
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  for tool in xvfb-run xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "end-to-end test needs $tool"; exit 1; }
  done
  # -noreset: the server would start over each time its last client leaves, and
  # a program started in that moment could not reach it.
  exec xvfb-run -a -s '-screen 0 1024x768x24 -noreset' bash "$0" --inside "$1"
fi
exe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset QT_QPA_PLATFORM  # a real X window this time
# The captions looked for are the English ones, whatever the desktop's language.
unset LANGUAGE LC_MESSAGES
export LC_ALL=C.UTF-8

fail() { echo "FAIL: $*"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

# shellcheck source=tests/e2e/window_search.sh
source "$(dirname "$0")/window_search.sh"

"$exe" & pid=$!
main=$(window '^Sleevix v2\.0$' 20) \
  || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
# No window manager here, so no frame: the window is its designed 545 pixels
# and the menu bar above them; the controls keep their places under it.
menu=$((HEIGHT - 545))
[ "$menu" -gt 10 ] || fail "no menu bar over the window ($HEIGHT pixels high)"
wx=$X wy=$((Y + menu))
click() { xdotool mousemove "$((wx + $1))" "$((wy + $2))" click 1; sleep 0.3; }

# "Edit Tracks", then type into the editor, which takes the focus itself.
click 40 28
editor=$(window 'Edit Tracks' 10) \
  || fail "the track editor did not open"
eval "$(xdotool getwindowgeometry --shell "$editor")"
ex=$X ey=$Y
for track in "Morning Light" "The Long Road Home" "Paper Boats"; do
  xdotool type --delay 5 "$track"; xdotool key Return
done
xdotool mousemove $((ex + 384)) $((ey + 74)) click 1 key ctrl+a type --delay 5 "The Examples"
xdotool mousemove $((ex + 384)) $((ey + 266)) click 1 key ctrl+a type --delay 5 "Sample Sounds"
xdotool mousemove $((ex + 255)) $((ey + 404)) click 1   # "Continue"
sleep 0.5
xdotool search --onlyvisible --name 'Edit Tracks' >/dev/null 2>&1 && fail "the editor stayed open"

click 304 28   # "Center"
click 574 142  # "Back" outline off
sleep 0.5
import -window root "$work/back.png"

# Darkness of a window region: 1 is white, lower means ink.
mean() { convert "$work/$1" -crop "$4x$5+$((wx + $2))+$((wy + $3))" -colorspace gray \
           -format '%[fx:mean]' info:; }
inked() { awk -v m="$1" -v limit="$2" 'BEGIN { exit !(m < limit) }'; }

# The back page's surfaces start near (41, 107) in the window.
track_area=$(mean back.png 150 130 220 120)
left_spine=$(mean back.png 42 200 20 160)
right_spine=$(mean back.png 462 200 20 160)
back_frame=$(mean back.png 120 103 300 8)
spine_top=$(mean back.png 44 103 14 8)
inked "$track_area" 0.97 || fail "no track lines on the back ($track_area)"
inked "$left_spine" 0.97 || fail "no text on the left spine ($left_spine)"
inked "$right_spine" 0.97 || fail "no text on the right spine ($right_spine)"
# The centred render frames the back itself; the spines' top rows belong to
# the back outline alone, which is now off.
inked "$back_frame" 0.93 || fail "no frame on the back ($back_frame)"
inked "$spine_top" 0.97 && fail "the back outline is still drawn on the spine ($spine_top)"

click 75 76    # the "Front" tab
sleep 0.5
import -window root "$work/front.png"
front_text=$(mean front.png 100 230 320 120)
front_edge=$(mean front.png 120 103 300 8)
inked "$front_text" 0.97 || fail "no artist and title on the front ($front_text)"
inked "$front_edge" 0.93 || fail "no front outline ($front_edge)"

# Ctrl+S on a new cover asks for a name; the title then carries it.
xdotool key ctrl+s
window '^Save As$' 10 >/dev/null \
  || fail "Save did not ask for a name"
sleep 0.5
xdotool key ctrl+a type --delay 5 "$work/e2e.sleevix"
xdotool key Return
window '^e2e\.sleevix - Sleevix v2\.0$' 10 >/dev/null \
  || fail "the title does not name the saved document"
grep -q '"1. Morning Light"' "$work/e2e.sleevix" || fail "the document does not hold the tracks"

ends() {  # the program ends by itself, with status 0
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$pid" 2>/dev/null && fail "the program is still running after $1"
  wait "$pid"; status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status after $1"
  pid=
}
click 568 28   # "Close": nothing unsaved, so no question
ends Close

# The picture dialog previews a photo whose decode never ends by itself
# (its last scan repeated 20,000 times); Cancel, then Quit, end the program
# and its decode helpers without waiting for the decode.
convert -size 3000x2000 xc:gray -interlace Plane "$work/progressive.jpg"
perl -e 'local $/; my $j = <STDIN>; my $i = rindex($j, "\xff\xda");
         print substr($j, 0, $i), substr($j, $i, length($j) - 2 - $i) x 20000, "\xff\xd9"' \
  < "$work/progressive.jpg" > "$work/endless.jpg"
"$exe" & pid=$!
main=$(window '^Sleevix v2\.0$' 20) || fail "the main window did not appear again"
click 380 28   # "Image"
window '^Open$' 10 >/dev/null || fail "the picture dialog did not open"
sleep 0.5
xdotool type --delay 5 "$work/endless.jpg"
helpers=
for _ in $(seq 100); do
  helpers=$(pgrep -P "$pid" -x sleevix-decode || true)
  [ -n "$helpers" ] && break
  sleep 0.1
done
[ -n "$helpers" ] || fail "the preview started no decode helper"
# The first Escape may close the name field's completions instead.
for _ in 1 2 3; do
  xdotool key Escape
  sleep 0.3
  window '^Open$' 1 >/dev/null || break
done
window '^Open$' 1 >/dev/null && fail "Escape did not close the picture dialog"
xdotool windowfocus --sync "$main" key ctrl+q
ends "Quit while a preview decodes"
for helper in $helpers; do
  kill -0 "$helper" 2>/dev/null && fail "a decode helper ($helper) outlived the program"
done

# Started with the document, the program opens it.
"$exe" "$work/e2e.sleevix" & pid=$!
main=$(window '^e2e\.sleevix - Sleevix v2\.0$' 20) || fail "the document did not open from the command line"
xdotool windowfocus --sync "$main" key ctrl+q
ends Ctrl+Q
echo "end-to-end: tracks, spines, outlines, Save, Close, Quit while a preview decodes and opening a document all as expected"
