#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh <release|asan>
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-release}" in
  release) dir=build/release; flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)    dir=build/asan;    flags=(-DCMAKE_BUILD_TYPE=Debug -DSLEEVIX_SANITIZE=ON -DSLEEVIX_BENCH=OFF) ;;
  *) echo "usage: $0 release|asan" >&2; exit 2 ;;
esac

cmake -S . -B "$dir" -G Ninja "${flags[@]}" >/dev/null
cmake --build "$dir"
