#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program icon's PNG sizes from resources/sleevix.svg; run it
# after changing the SVG and commit the PNGs.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh librsvg2-bin
for size in 48 256; do
  rsvg-convert -w "$size" -h "$size" resources/sleevix.svg -o "resources/sleevix-$size.png"
done
