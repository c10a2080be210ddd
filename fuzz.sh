#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers of every reader with clang and runs each for the given number of
# seconds (default 600), two at a time: ./fuzz.sh [seconds] [decoder...]
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh clang
# The sanitizer and libFuzzer runtimes come in a package named after clang's
# major version (14 on Debian 12, 18 on Ubuntu 24.04).
clang_major=$(clang -dumpversion | cut -d. -f1)
./scripts/install-deps.sh "libclang-rt-$clang_major-dev"

seconds=${1:-600}
shift || true
decoders=("$@")
[ ${#decoders[@]} -gt 0 ] || decoders=(jpeg gif bitmap icon metafile png webp tiff svg album_art
                                       cover_document cue_sheet playlist text_list helper_messages)

CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DSLEEVIX_FUZZ=ON -DSLEEVIX_TESTS=OFF -DSLEEVIX_BENCH=OFF >/dev/null
cmake --build build/fuzz

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
corpus=build/fuzz/corpus
build/fuzz/fuzz/sleevix_fuzz_seeds "$corpus"
# The metafile player starts from the reference files beside the clone.
mkdir -p "$corpus/metafile"
cp -n ../shared/testdata/metafiles/*.?mf "$corpus/metafile/" 2>/dev/null || true

run() {
  local decoder=$1
  mkdir -p "$corpus/$decoder" build/fuzz/findings/$decoder
  build/fuzz/fuzz/fuzz_$decoder "$corpus/$decoder" -max_total_time="$seconds" \
    -rss_limit_mb=2048 -timeout=10 -max_len=262144 -print_final_stats=1 \
    -artifact_prefix=build/fuzz/findings/$decoder/ > "build/fuzz/$decoder.log" 2>&1
  echo "$decoder: $(grep -E 'stat::number_of_executed_units' "build/fuzz/$decoder.log" || echo 'see log')"
}

status=0
for ((i = 0; i < ${#decoders[@]}; i += 2)); do
  run "${decoders[i]}" & first=$!
  if ((i + 1 < ${#decoders[@]})); then run "${decoders[i + 1]}" & second=$!; else second=; fi
  wait $first || status=1
  [ -z "$second" ] || wait $second || status=1
done
ls build/fuzz/findings/*/ 2>/dev/null | grep -E 'crash|leak|timeout|oom' && status=1
exit $status
