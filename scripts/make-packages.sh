#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages of a build tree:
#   make-packages.sh <build directory> [<output folder>, default the build directory]
# sleevix_VERSION_ARCH.deb, the program, and sleevix-dbgsym_VERSION_ARCH.deb,
# its debugging symbols. A commit packaged twice gives the same bytes: the
# time stamps are the last commit's unless SOURCE_DATE_EPOCH is set, and the
# modes are the same whatever the caller's umask (CPack takes them from it).
set -euo pipefail
build=$(cd "$1" && pwd)
output=${2:-$build}

umask 022
(cd "$output" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
ls "$output"/sleevix_*.deb "$output"/sleevix-dbgsym_*.deb
