#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, plus any named on the
# command line. Only packages that are missing are installed; re-running is
# cheap.
#   install-deps.sh [--program] [package...]
# --program: only what building and running the program needs; without it,
# also what the tests, benchmarks and package checks use.
set -euo pipefail

program_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libxcb1-dev
  libjpeg-dev libpng-dev libgif-dev libcups2-dev libtag1-dev libtag1v5 libseccomp-dev
  qt6-image-formats-plugins qt6-svg-dev librsvg2-dev zlib1g-dev
  qt6-l10n-tools qt6-translations-l10n
  fonts-liberation fontconfig fonts-wqy-microhei fonts-noto-color-emoji
  fonts-crosextra-carlito fonts-crosextra-caladea
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps x11-utils openbox imagemagick liblcms2-utils xdotool poppler-utils
  dpkg-dev file desktop-file-utils appstream lintian shared-mime-info libglib2.0-bin gdb
)

packages=("${program_packages[@]}")
if [ "${1:-}" = --program ]; then
  shift
else
  packages+=("${test_packages[@]}")
fi
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || {
      echo "Installing needs root and sudo is missing: run as root: apt-get install ${missing[*]}" >&2
      exit 1
    }
    sudo_cmd=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
