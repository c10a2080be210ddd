#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages of a build tree with CPack, unpacks them into a
# scratch root and checks what they install; then builds the program again
# from a copy of the source at another path and checks that its packages
# are the same to the bit.
#   check_package.sh <build directory>
set -euo pipefail
build=$(cd "$1" && pwd)
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The packaging takes its time stamps from the last commit by itself.
mkdir "$work/packages"
env -u SOURCE_DATE_EPOCH "$scripts/make-packages.sh" "$build" "$work/packages" >/dev/null
deb=$(ls "$work"/packages/sleevix_*.deb)
symbols=$(ls "$work"/packages/sleevix-dbgsym_*.deb)
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
report=$(lintian --pedantic --display-info "$deb" "$symbols" 2>&1 | grep -v '^running with root privileges' || true)
[ -z "$report" ] || { echo "FAIL: lintian reports:"; echo "$report"; exit 1; }

# The names a distributor may set, as this build tree has them.
cached() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
app_id=$(cached SLEEVIX_APP_ID)
maintainer=$(cached SLEEVIX_MAINTAINER)

dpkg -x "$deb" "$work/root"
desktop=usr/share/applications/$app_id.desktop
mime=usr/share/mime/packages/$app_id.xml
for file in usr/bin/sleevix usr/libexec/sleevix/sleevix-decode "$desktop" "$mime" \
            "usr/share/metainfo/$app_id.metainfo.xml" \
            "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
            "usr/share/icons/hicolor/48x48/apps/$app_id.png"; do
  [ -f "$work/root/$file" ] || { echo "FAIL: the package lacks /$file"; exit 1; }
done
for program in usr/bin/sleevix usr/libexec/sleevix/sleevix-decode; do
  [ -x "$work/root/$program" ] || { echo "FAIL: /$program is not executable"; exit 1; }
done
# The program's catalogue and its manual page in each language it speaks.
for language in $(cached SLEEVIX_LANGUAGES | tr ';' ' '); do
  for file in "usr/share/sleevix/translations/sleevix_$language.qm" "usr/share/man/$language/man1/sleevix.1.gz"; do
    [ -s "$work/root/$file" ] || { echo "FAIL: the package lacks /$file"; exit 1; }
  done
done
desktop-file-validate "$work/root/$desktop"

# A file manager opens covers and track lists with the program: the entry
# takes files, and lists the cover type the package registers beside the
# track-list types.
grep -qx 'Exec=sleevix %F' "$work/root/$desktop" || { echo "FAIL: the desktop entry's Exec takes no files (%F)"; exit 1; }
cover_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$work/root/$mime")
[ -n "$cover_type" ] || { echo "FAIL: /$mime defines no MIME type"; exit 1; }
mime_types=$(sed -n 's/^MimeType=//p' "$work/root/$desktop" | tr ';' '\n')
for type in "$cover_type" application/x-cue audio/x-mpegurl application/vnd.apple.mpegurl; do
  grep -qx "$type" <<<"$mime_types" || { echo "FAIL: the desktop entry's MimeType lacks $type"; exit 1; }
done
# The type is found by name and, for a cover without its extension, by its
# content, as the program writes it and as another writer may; other JSON
# stays JSON.
cp -r "$work/root/usr/share/mime" "$work/mime"
update-mime-database "$work/mime" 2>/dev/null
mkdir "$work/files"
printf '{\n    "artist": "A",\n    "back": {\n        "color": "#000000"\n    },\n    "format": "sleevix-cover",\n    "version": 1\n}\n' \
  > "$work/files/cover.sleevix"
cp "$work/files/cover.sleevix" "$work/files/saved"
printf '{"format":"sleevix-cover","version":1}' > "$work/files/compact"
printf '{"format": "other"}' > "$work/files/other.json"
type_of() {
  mkdir -p "$work/data" && ln -sfn "$work/mime" "$work/data/mime"
  XDG_DATA_DIRS="$work/data:/usr/share" GIO_USE_VFS=local \
    gio info -a standard::content-type "$1" | sed -n 's/^ *standard::content-type: //p'
}
for name in cover.sleevix saved compact other.json; do
  expected=$cover_type
  [ "$name" != other.json ] || expected=application/json
  found=$(type_of "$work/files/$name")
  [ "$found" = "$expected" ] || { echo "FAIL: $name is taken as $found, not $expected"; exit 1; }
done

# A file manager's thumbnail of a cover: the thumbnailer names the cover type
# and its command, run as the file manager runs it (no display), writes a
# PNG of at most the size asked.
thumbnailer=usr/share/thumbnailers/$app_id.thumbnailer
grep -qx "MimeType=$cover_type;" "$work/root/$thumbnailer" 2>/dev/null \
  || { echo "FAIL: /$thumbnailer does not name $cover_type"; exit 1; }
command=$(sed -n 's/^Exec=sleevix //p' "$work/root/$thumbnailer")
command=${command//%i/$work/files/cover.sleevix}
command=${command//%o/$work/thumbnail.png}
command=${command//%s/128}
# shellcheck disable=SC2086 # the entry's words, as a file manager splits them
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/sleevix" $command
size=$(file -b "$work/thumbnail.png" | sed -n 's/^PNG image data, \([0-9]*\) x \([0-9]*\),.*/\1 \2/p')
[ "$size" = "128 54" ] || { echo "FAIL: the thumbnail is ${size:-no PNG}, not 128 x 54"; exit 1; }

# The version, the application ID and the maintainer are each set once in
# CMake; every file that carries one agrees with the package.
version=$(dpkg-deb --field "$deb" Version)
[ "$(dpkg-deb --field "$deb" Maintainer)" = "$maintainer" ] || { echo "FAIL: the package's maintainer is not $maintainer"; exit 1; }
zcat "$work/root/usr/share/doc/sleevix/changelog.gz" | head -1 | grep -qF "sleevix ($version)" \
  || { echo "FAIL: the changelog's first entry is not version $version"; exit 1; }
zcat "$work/root/usr/share/doc/sleevix/changelog.gz" | grep -qF -- "-- $maintainer  " \
  || { echo "FAIL: the changelog is not signed by $maintainer"; exit 1; }
grep -qxF "Upstream-Contact: $maintainer" "$work/root/usr/share/doc/sleevix/copyright" \
  || { echo "FAIL: the copyright file's contact is not $maintainer"; exit 1; }
zcat "$work/root/usr/share/man/man1/sleevix.1.gz" | head -1 | grep -qF "\"Sleevix $version\"" \
  || { echo "FAIL: the manual page is not of version $version"; exit 1; }
grep -qF "<release version=\"$version\"" "$work/root/usr/share/metainfo/$app_id.metainfo.xml" \
  || { echo "FAIL: the metainfo's release is not $version"; exit 1; }
grep -qF "<id>$app_id</id>" "$work/root/usr/share/metainfo/$app_id.metainfo.xml" \
  || { echo "FAIL: the metainfo's id is not $app_id"; exit 1; }
grep -qx "Icon=$app_id" "$work/root/$desktop" || { echo "FAIL: the desktop entry's icon is not $app_id"; exit 1; }
[ "$("$work/root/usr/bin/sleevix" --version)" = "sleevix $version" ] \
  || { echo "FAIL: sleevix --version does not say $version"; exit 1; }
# The project has no web site yet, and a dead address must not ship: newer
# AppStream (Ubuntu 24.04) warns of the missing homepage, which is known;
# any other warning or error fails.
metainfo="$work/root/usr/share/metainfo/$app_id.metainfo.xml"
if ! validation=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
  others=$(grep -E '^[EW]:' <<<"$validation" | grep -v ': url-homepage-missing$' || true)
  if [ -n "$others" ] || ! grep -q ': url-homepage-missing$' <<<"$validation"; then
    echo "FAIL: appstreamcli reports:"; echo "$validation"; exit 1
  fi
fi

# The program ships stripped; its symbols lie in the symbols package under
# its build ID, where a debugger looks for them, and tell the source lines
# by their paths in the checkout.
build_id_of() { readelf -n "$1" 2>/dev/null | sed -n 's/^ *Build ID: //p'; }
program=$work/root/usr/bin/sleevix
build_id=$(build_id_of "$program")
[ -n "$build_id" ] || { echo "FAIL: /usr/bin/sleevix has no build ID"; exit 1; }
if readelf -S "$program" | grep -qE '\.(symtab|debug_info) '; then
  echo "FAIL: /usr/bin/sleevix is not stripped"; exit 1
fi
dpkg -x "$symbols" "$work/symbols"
debug_file=usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug
[ -f "$work/symbols/$debug_file" ] || { echo "FAIL: the symbols package lacks /$debug_file"; exit 1; }
[ "$(build_id_of "$work/symbols/$debug_file")" = "$build_id" ] \
  || { echo "FAIL: /$debug_file is not of build ID $build_id"; exit 1; }
[ "$(dpkg-deb --field "$symbols" Depends)" = "sleevix (= $version)" ] \
  || { echo "FAIL: the symbols package does not depend on sleevix (= $version)"; exit 1; }
lines=$(gdb -batch -nx -iex "set debug-file-directory $work/symbols/usr/lib/debug" \
            -ex 'info line main' -ex 'info line TForm1::Button4Click' "$program" 2>&1)
# The files are named relative to the checkout, whichever path it had.
for file in 'src/app/main\.cpp' 'src/print/([a-z_]+/)?[a-z_]+\.cpp'; do
  grep -qE "^Line [0-9]+ of \"[^/\"][^\"]*$file\"" <<<"$lines" \
    || { echo "FAIL: gdb finds no line of $file by a relative path with the symbols package:"; echo "$lines"; exit 1; }
done

# Two builds of one commit give the same packages, to the bit. The source
# again, at another path and with the fresh file times of a checkout
# (uncommitted changes too, so that both builds have the same source): what
# the packages hold is built with this tree's settings in a tree outside it
# and packaged under another umask, given the commit's time, as the copy
# has no history.
source=$(cached CMAKE_HOME_DIRECTORY)
if ! commit_time=$(git -C "$source" log -1 --format=%ct 2>/dev/null); then
  echo "package: $source is no git checkout; the packages were not built a second time"; exit 77
fi
copy=$work/second/sleevix-$version
mkdir -p "$copy" "$work/second/packages"
(cd "$source" && git ls-files -z --cached --others --exclude-standard \
   | while IFS= read -r -d '' file; do [ ! -e "$file" ] || printf '%s\0' "$file"; done \
   | tar --null -T - -cf -) | tar -C "$copy" -xmf -
second=$work/second/build
if ! { nice cmake -S "$copy" -B "$second" -G Ninja -DSLEEVIX_TESTS=OFF -DSLEEVIX_BENCH=OFF \
         -DCMAKE_BUILD_TYPE="$(cached CMAKE_BUILD_TYPE)" -DCMAKE_CXX_COMPILER="$(cached CMAKE_CXX_COMPILER)" \
         -DCMAKE_CXX_FLAGS="$(cached CMAKE_CXX_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(cached CMAKE_EXE_LINKER_FLAGS)" \
         -DSLEEVIX_APP_ID="$app_id" -DSLEEVIX_MAINTAINER="$maintainer" \
       && nice cmake --build "$second" --target sleevix package_documents; } > "$work/second/build.log" 2>&1; then
  echo "FAIL: the copy of the source does not build:"; tail -20 "$work/second/build.log"; exit 1
fi
(umask 077 && SOURCE_DATE_EPOCH=$commit_time "$scripts/make-packages.sh" "$second" "$work/second/packages" >/dev/null)
for package in "$deb" "$symbols"; do
  again=$work/second/packages/$(basename "$package")
  if ! cmp "$package" "$again"; then
    echo "FAIL: $(basename "$package") differs when built again from a copy of the source"
    if command -v diffoscope >/dev/null; then
      diffoscope "$package" "$again" | head -60
    else
      diff <(dpkg-deb -c "$package") <(dpkg-deb -c "$again") | head -20
      dpkg -x "$again" "$work/second/root"
      echo "program build IDs: $build_id, again $(build_id_of "$work/second/root/usr/bin/sleevix")"
    fi
    exit 1
  fi
done

echo "package: $(basename "$deb") installs its program, desktop entry, metainfo, icons and cover MIME type;" \
     "$(basename "$symbols") holds its symbols; both build the same again"
