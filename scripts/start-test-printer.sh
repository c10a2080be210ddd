#!/usr/bin/env bash
# Starts a CUPS scheduler with a PDF queue for the real printing test:
# prints the queue name on success; on failure says why and exits 1.
set -uo pipefail
cd "$(dirname "$0")/.."
queue=SleevixTestPDF

./scripts/install-deps.sh cups printer-driver-cups-pdf >/dev/null || { echo "cannot install cups" >&2; exit 1; }
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  sudo_cmd=(); [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" cupsd >/dev/null 2>&1 || { echo "cupsd did not start" >&2; exit 1; }
  for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.2; done
fi
lpstat -r 2>/dev/null | grep -q 'is running' || { echo "the CUPS scheduler is not running" >&2; exit 1; }
if ! lpstat -p "$queue" >/dev/null 2>&1; then
  ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null | head -n 1)
  lpadmin -p "$queue" -v cups-pdf:/ ${ppd:+-P "$ppd"} -E 2>/dev/null \
    || { echo "cannot create the queue $queue" >&2; exit 1; }
fi
echo "$queue"
