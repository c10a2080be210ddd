#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a small program with the project's hardening for arm64 with Debian's
# cross compiler, once on the project's defaults and once with the flags
# dpkg-buildflags gives an arm64 package, and prints the compile command of
# each: the defaults must hold only flags the cross compiler accepts, and the
# packager's flags must stand as given. tools/check_hardening_cross.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh" --program g++-aarch64-linux-gnu dpkg-dev
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(hardening_check CXX)
include("$here/cmake/hardening.cmake")
add_executable(check main.cpp)
CMAKE
echo 'int main() { return 0; }' >"$work/main.cpp"

build() {  # name, extra cmake arguments
  local dir="$work/build-$1"; shift
  cmake -S "$work" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_SYSTEM_NAME=Linux \
    -DCMAKE_SYSTEM_PROCESSOR=aarch64 -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@" | grep -i hardening
  cmake --build "$dir" >/dev/null
  grep '"command"' "$dir/compile_commands.json" | sed 's/^ *"command": //'
  file "$dir/check" | cut -d, -f1-2
}
echo "== defaults"
build defaults
echo "== dpkg-buildflags for arm64"
build packager "-DCMAKE_CXX_FLAGS=$(DEB_HOST_ARCH=arm64 dpkg-buildflags --get CXXFLAGS) $(DEB_HOST_ARCH=arm64 dpkg-buildflags --get CPPFLAGS)" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(DEB_HOST_ARCH=arm64 dpkg-buildflags --get LDFLAGS)"
