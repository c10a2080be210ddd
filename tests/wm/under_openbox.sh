#!/usr/bin/env bash
# Runs a command on a fresh Xvfb display managed by openbox, so that windows
# get real frames, placement and titles:
#   under_openbox.sh <command> [arguments...]
# Exits with the command's status; 77 (skipped) when Xvfb or openbox is missing.
set -uo pipefail

for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "needs $tool (./test.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the given fd.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 400); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$(cat "$work/display")"

openbox --sm-disable >/dev/null 2>"$work/openbox.log" &
wm=$!
# openbox announces on the root window what it supports once it manages the
# screen; Qt reads that list once, at its start, to learn how to find frames.
managing() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_FRAME_EXTENTS; }
for _ in $(seq 1200); do managing && break; kill -0 "$wm" 2>/dev/null || break; sleep 0.05; done
managing || { echo "openbox did not start (running: $(kill -0 "$wm" 2>/dev/null && echo yes || echo no)):"; cat "$work/openbox.log"; exit 1; }

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
"$@"
