#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a fresh Xvfb display managed by openbox, so that windows
# get real frames, placement and titles:
#   under_openbox.sh <command> [arguments...]
# Exits with the command's status; 77 (skipped) when Xvfb or openbox is missing.
set -uo pipefail

for tool in Xvfb openbox xprop; do
  command -v "$tool" >/dev/null || { echo "needs $tool (./test.sh installs it)"; exit 77; }
done

# Once in a CI run openbox vanished within a tenth of a second without a word
# on a loaded machine; a fresh display and window manager get another try,
# and each failed try says how its X server and openbox ended.
readonly attempts=3

work=$(mktemp -d)
stop_display() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  wm="" xvfb=""
}
cleanup() { stop_display; rm -rf "$work"; }
trap cleanup EXIT

running() { kill -0 "$1" 2>/dev/null && echo running || { wait "$1"; echo "gone, status $?"; }; }

# openbox announces on the root window what it supports once it manages the
# screen; Qt reads that list once, at its start, to learn how to find frames.
managing() { xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_FRAME_EXTENTS; }

start_display() {
  : >"$work/display"
  # Xvfb picks a free display itself and writes its number to the given fd.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb=$!
  for _ in $(seq 400); do [ -s "$work/display" ] && break; kill -0 "$xvfb" 2>/dev/null || break; sleep 0.05; done
  if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start (Xvfb $(running "$xvfb")):"; cat "$work/xvfb.log"
    return 1
  fi
  export DISPLAY=":$(cat "$work/display")"

  openbox --sm-disable >/dev/null 2>"$work/openbox.log" &
  wm=$!
  for _ in $(seq 1200); do managing && return 0; kill -0 "$wm" 2>/dev/null || break; sleep 0.05; done
  managing && return 0
  echo "openbox did not start on $DISPLAY (openbox $(running "$wm"), Xvfb $(running "$xvfb")):"
  cat "$work/openbox.log" "$work/xvfb.log"
  return 1
}

started=false
for attempt in $(seq "$attempts"); do
  if start_display; then started=true; break; fi
  stop_display
  [ "$attempt" -lt "$attempts" ] && echo "trying a fresh display"
done
$started || exit 1

unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
# The suite waits for frames as long as this window manager runs.
export SLEEVIX_TEST_WINDOW_MANAGER_PID=$wm
"$@"
status=$?
if [ "$status" -ne 0 ] && ! kill -0 "$wm" 2>/dev/null; then
  echo "openbox ended during the suite (Xvfb $(running "$xvfb")):"
  cat "$work/openbox.log" "$work/xvfb.log"
fi
exit "$status"
