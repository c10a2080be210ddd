#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages from this clone and installs the program's,
# as root or, for a user, through sudo: scripts/install-package.sh
# Installs only what building the program and the package needs.
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev and file work out the package's library dependencies.
./scripts/install-deps.sh --program dpkg-dev file
./scripts/build.sh program
# Everything the package holds beside the program: the manual page, the
# changelog.
cmake --build build/program
./scripts/make-packages.sh build/program >/dev/null
package=$(ls build/program/sleevix_*.deb)
echo "Installing $package (its debugging symbols: $(ls build/program/sleevix-dbgsym_*.deb))"
if [ "$(id -u)" -eq 0 ]; then
  apt-get install -y "./$package"
else
  sudo apt-get install -y "./$package"
fi
