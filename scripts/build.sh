#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds one build tree: scripts/build.sh <program|release|asan>
#   program: the optimised program alone, without tests, benchmarks or tools
set -euo pipefail
cd "$(dirname "$0")/.."

targets=()
case "${1:-release}" in
  program) dir=build/program; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DSLEEVIX_TESTS=OFF -DSLEEVIX_BENCH=OFF)
           targets=(--target sleevix) ;;
  release) dir=build/release; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)    dir=build/asan;    flags=(-DCMAKE_BUILD_TYPE=Debug -DSLEEVIX_SANITIZE=ON -DSLEEVIX_BENCH=OFF) ;;
  *) echo "usage: $0 program|release|asan" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir" "${targets[@]}"
