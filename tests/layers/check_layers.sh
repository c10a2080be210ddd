#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Includes go one way (docs/architecture.md): no two folders of src/
# include each other, and only the windows' side (src/app and the
# commands/ folders) includes src/app.
#   tests/layers/check_layers.sh <source directory>
set -euo pipefail
cd "$1/src"

# "from to" for every include of a header in another folder of src/.
edges=$(grep -rE '^#include "[a-z_/]+\.h"' --include='*.cpp' --include='*.h' . |
  sed -E 's#^\./(.*)/[^/]+:\#include "(.*)/[^/]+\.h"$#\1 \2#; s#^\./[^/]+:\#include "(.*)/[^/]+\.h"$#. \1#' |
  awk '$1 != $2' | sort -u |
  while read -r from to; do [[ -d $to ]] && echo "$from $to"; done)

failed=0
while read -r from to; do
  if grep -qx "$to $from" <<<"$edges" && [[ $from < $to ]]; then
    echo "FAIL: $from and $to include each other"
    failed=1
  fi
  case $from in
    app | */commands) ;;
    *) if [[ $to == app ]]; then echo "FAIL: $from, below the windows, includes src/app"; failed=1; fi ;;
  esac
done <<<"$edges"
[[ $failed == 0 ]] && echo "$(wc -l <<<"$edges") folder includes, all one way"
exit $failed
