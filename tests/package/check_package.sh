#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build tree with CPack, unpacks it into a
# scratch root and checks what it installs.
#   check_package.sh <build directory>
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" >/dev/null)
deb=$(ls "$work"/sleevix_*.deb)
dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed 's/^ *//' > "$work/depends"
# libjpeg: libjpeg62-turbo on Debian, libjpeg-turbo8 on Ubuntu; libtag1v5:
# TagLib's library comes in libtag1v5-vanilla.
for needed in fonts-liberation libqt6widgets6 libqt6printsupport6 libjpeg libgif7 libcups2 libtag1v5 \
              libqt6svg6 qt6-image-formats-plugins; do
  grep -q "^$needed" "$work/depends" || { echo "FAIL: the package does not depend on $needed"; exit 1; }
done
if grep -q "^qt6-qpa-plugins" "$work/depends"; then
  echo "FAIL: the package depends on qt6-qpa-plugins, which it does not use"; exit 1
fi

# Debian's own checks of a package, pedantic and informational tags included:
# none may be reported.
report=$(lintian --pedantic --display-info "$deb" 2>&1 | grep -v '^running with root privileges' || true)
[ -z "$report" ] || { echo "FAIL: lintian reports:"; echo "$report"; exit 1; }

dpkg -x "$deb" "$work/root"
for file in usr/bin/sleevix \
            usr/share/applications/org.example.Sleevix.desktop \
            usr/share/metainfo/org.example.Sleevix.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.example.Sleevix.svg \
            usr/share/icons/hicolor/48x48/apps/org.example.Sleevix.png; do
  [ -f "$work/root/$file" ] || { echo "FAIL: the package lacks /$file"; exit 1; }
done
[ -x "$work/root/usr/bin/sleevix" ] || { echo "FAIL: /usr/bin/sleevix is not executable"; exit 1; }
desktop-file-validate "$work/root/usr/share/applications/org.example.Sleevix.desktop"
# The project has no web site yet, and a dead address must not ship: newer
# AppStream (Ubuntu 24.04) warns of the missing homepage, which is known;
# any other warning or error fails.
metainfo="$work/root/usr/share/metainfo/org.example.Sleevix.metainfo.xml"
if ! validation=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
  others=$(grep -E '^[EW]:' <<<"$validation" | grep -v ': url-homepage-missing$' || true)
  if [ -n "$others" ] || ! grep -q ': url-homepage-missing$' <<<"$validation"; then
    echo "FAIL: appstreamcli reports:"; echo "$validation"; exit 1
  fi
fi
echo "package: $(basename "$deb") installs its program, desktop entry, metainfo and icons"
