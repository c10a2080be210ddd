#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test,
# plus any named on the command line. Only packages that are missing are
# installed; re-running is cheap.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libjpeg-dev libgif-dev libcups2-dev
  fonts-liberation fontconfig fonts-wqy-microhei fonts-noto-color-emoji
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-apps x11-utils openbox imagemagick xdotool poppler-utils
  dpkg-dev file desktop-file-utils appstream
  "$@"
)

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
