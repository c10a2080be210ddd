# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the program's windows with xdotool.

# The first visible window whose name matches, within `seconds`. xdotool's
# own waiting search gives up with an X error when a window it looks at
# closes under it (a dialog going away), so the search is simply repeated.
window() {
  local pattern=$1 seconds=$2 found
  for _ in $(seq $((seconds * 10))); do
    found=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}
