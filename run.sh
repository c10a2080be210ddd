#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Sleevix and starts it.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh --program
./scripts/build.sh program

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Sleevix needs a desktop display and none is set (DISPLAY is empty); on a machine without one, run: ./scripts/install-deps.sh --program xvfb xauth && xvfb-run -a -s '-screen 0 1024x768x24' ./run.sh" >&2
  exit 1
fi
exec build/program/src/sleevix "$@"
