#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds Sleevix twice (optimised, and with address
# and undefined-behaviour sanitizers) and runs the whole test suite in both.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

export QT_QPA_PLATFORM=offscreen
# Fontconfig keeps its caches until the process ends; those are not our leaks.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# A real print path: a CUPS queue writing PDFs, where the machine allows it.
if queue=$(./scripts/start-test-printer.sh); then
  export SLEEVIX_TEST_PRINTER="$queue"
  export SLEEVIX_TEST_PRINTER_OUTPUT="$HOME/PDF"
else
  export SLEEVIX_TEST_PRINTER_UNAVAILABLE="no CUPS test queue could be set up on this machine"
fi

# A suite passes while single tests in it skip (no CUPS, no ../shared, not
# root): name each of those, with the reason it gave.
list_skipped() {
  awk '/: Skipped$/ {
         reason = ""
         if ((getline line) <= 0) next
         if (line !~ /^\[  SKIPPED \]/) { reason = line; next }
         $0 = line
       }
       /^\[  SKIPPED \] [^ ]+ \([0-9]+ ms\)$/ {
         print "  skipped: " $4 (reason == "" ? "" : " (" reason ")"); reason = ""
       }' "build/$1/Testing/Temporary/LastTest.log" | sort -u
}

for build in release asan; do
  echo "== $build build"
  ./scripts/build.sh "$build"
  ctest --test-dir "build/$build" --output-on-failure -j "$(nproc)"
  list_skipped "$build"
done
