#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a language the build lists has no catalogue (or a catalogue is
# not listed), or when a catalogue, brought up to date with the code as
# lupdate brings it, has an unfinished, vanished or obsolete entry, or a
# translation that leaves out a %N of its source.
#   check_translations.sh LUPDATE SOURCE_DIR LANGUAGE...
set -euo pipefail
lupdate=$1 source_dir=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

copies=()
for language in "$@"; do
  catalogue=$source_dir/translations/sleevix_$language.ts
  if [ -f "$catalogue" ]; then
    cp "$catalogue" "$work/"
    copies+=("$work/sleevix_$language.ts")
  else
    echo "FAIL: no catalogue for $language ($catalogue)"
    fail=1
  fi
done
for catalogue in "$source_dir"/translations/sleevix_*.ts; do
  language=$(basename "$catalogue" .ts)
  language=${language#sleevix_}
  [[ " $* " == *" $language "* ]] || { echo "FAIL: $catalogue is not built: add $language to the languages"; fail=1; }
done
((${#copies[@]})) || exit 1

# Without -no-obsolete: texts gone from the code stay, marked "vanished".
"$lupdate" -silent -locations none -extensions cpp,h "$source_dir/src" -ts "${copies[@]}"

for copy in "${copies[@]}"; do
  # One message per record: its source, then its translation.
  report=$(awk -v RS='</message>' '
    /<source>/ {
      source = $0; sub(/.*<source>/, "", source); sub(/<\/source>.*/, "", source)
      if ($0 ~ /<translation type="(unfinished|vanished|obsolete)"/) {
        match($0, /type="[a-z]+"/); print substr($0, RSTART + 6, RLENGTH - 7) ": " source; next
      }
      translation = $0; sub(/.*<translation>/, "", translation); sub(/<\/translation>.*/, "", translation)
      rest = source
      while (match(rest, /%[0-9]/)) {
        marker = substr(rest, RSTART, RLENGTH)
        if (index(translation, marker) == 0) print "translation without " marker ": " source
        rest = substr(rest, RSTART + RLENGTH)
      }
    }' "$copy")
  if [ -n "$report" ]; then
    echo "FAIL: $(basename "$copy") (after lupdate):"
    echo "$report"
    fail=1
  fi
done
[ "$fail" = 0 ] && echo "$# catalogues complete"
exit "$fail"
