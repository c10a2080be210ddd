#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts a CUPS scheduler with the PDF queues the real printing tests use and
# prints the base queue name on success; on failure says why and exits 1.
#   <base>            cups-pdf, a PPD without margins
#   <base>Margins     cups-pdf, a PPD whose A4 printable area leaves 10 mm at
#                     the left and 20 mm at the top
#   <base>Inkjet      cups-pdf, a PPD with an inkjet's margins: 3.2 mm at the
#                     left, right and top of A4 and Letter, 12.7 mm at the
#                     bottom
#   <base>Wide        cups-pdf, a PPD leaving 20 mm around A4 and listing no
#                     Letter (ANSI A) paper
#   <base>Rejecting   not accepting jobs (cupsreject)
#   <base>Paused      accepting, but holding jobs (cupsdisable)
#   <base>Quota       accepting, but refusing every job after the first
#                     kilobyte a week (a print quota)
set -uo pipefail
cd "$(dirname "$0")/.."
base=SleevixTestPDF

./scripts/install-deps.sh cups printer-driver-cups-pdf >/dev/null || { echo "cannot install cups" >&2; exit 1; }
sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  "${sudo_cmd[@]}" cupsd >/dev/null 2>&1 || { echo "cupsd did not start" >&2; exit 1; }
  for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.2; done
fi
lpstat -r 2>/dev/null | grep -q 'is running' || { echo "the CUPS scheduler is not running" >&2; exit 1; }

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || { echo "the cups-pdf PPD is missing: $ppd" >&2; exit 1; }
# A4 is 595.28 x 841.89 pt; the printable area is given from the lower left.
margins_ppd=$(mktemp --suffix=.ppd) inkjet_ppd=$(mktemp --suffix=.ppd) wide_ppd=$(mktemp --suffix=.ppd)
trap 'rm -f "$margins_ppd" "$inkjet_ppd" "$wide_ppd"' EXIT
sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "28.35 42.52 581.1 785.2"|' "$ppd" >"$margins_ppd"
sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "9.07 36 585.93 832.93"|' \
    -e 's|^\*ImageableArea Letter/US Letter: .*|*ImageableArea Letter/US Letter: "9.07 36 602.93 782.93"|' \
    "$ppd" >"$inkjet_ppd"
sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "56.69 56.69 538.31 785.31"|' \
    -e '/ Letter\/US Letter: /d' -e '/ AnsiA\//d' "$ppd" >"$wide_ppd"

add_queue() {  # name ppd
  lpadmin -p "$1" -v cups-pdf:/ -P "$2" -E 2>/dev/null || { echo "cannot create the queue $1" >&2; exit 1; }
}
add_queue "$base" "$ppd"
add_queue "${base}Margins" "$margins_ppd"
add_queue "${base}Inkjet" "$inkjet_ppd"
add_queue "${base}Wide" "$wide_ppd"
add_queue "${base}Rejecting" "$ppd"
add_queue "${base}Paused" "$ppd"
add_queue "${base}Quota" "$ppd"
lpadmin -p "${base}Quota" -o job-quota-period=604800 -o job-k-limit=1 2>/dev/null \
  || { echo "cannot set the quota of ${base}Quota" >&2; exit 1; }
cupsreject "${base}Rejecting" && cupsdisable "${base}Paused" \
  || { echo "cannot set the states of the test queues" >&2; exit 1; }
echo "$base"
