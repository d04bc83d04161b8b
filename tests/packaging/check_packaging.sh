#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and builds the Debian package from it, checking
# the files a desktop needs, that the desktop's own validators accept them, that the manual
# page and the changelog are well formed and agree with the program, and that lintian, Debian's
# own checker, finds no error and no warning in the package.
# Usage: check_packaging.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source_root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

app_id=org.coppia.coppia
icon_sizes=(16 22 24 32 48 64 128 256)
expected=(
    bin/coppia
    lib/coppia/plugins/libcoppia_analysis.so
    lib/coppia/plugins/libcoppia_model.so
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/mime/packages/$app_id.xml"
    "share/icons/hicolor/scalable/apps/$app_id.svg"
    share/doc/coppia/copyright
    share/doc/coppia/changelog.gz
    share/doc/coppia/esempio.coppia
    share/doc/coppia/model-file.md
    share/man/man1/coppia.1.gz
    share/lintian/overrides/coppia
)
for size in "${icon_sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done

fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== installing into a temporary prefix"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$work/prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the expected list"

for size in "${icon_sizes[@]}"; do
    file "$work/prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" |
        grep -q "PNG image data, $size x $size" || fail "the ${size}px icon is not a ${size} x ${size} PNG"
done
file "$work/prefix/share/icons/hicolor/scalable/apps/$app_id.svg" | grep -q "SVG Scalable Vector Graphics" ||
    fail "the scalable icon is not an SVG file"

echo "== validating the desktop entry and the metainfo"
desktop-file-validate "$work/prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net --pedantic "$work/prefix/share/metainfo/$app_id.metainfo.xml"
grep -q '^MimeType=application/x-coppia-model;$' "$work/prefix/share/applications/$app_id.desktop" ||
    fail "the desktop entry does not open model files"

echo "== the model files' type"
# The database the desktop builds from the installed type, built here in a folder of its own.
mkdir -p "$work/mime/packages"
cp "$work/prefix/share/mime/packages/$app_id.xml" "$work/mime/packages/"
mime_errors=$(XDG_DATA_HOME="$work" update-mime-database "$work/mime" 2>&1)
[ -z "$mime_errors" ] || fail "update-mime-database: $mime_errors"
grep -qx 'application/x-coppia-model:\*\.coppia' "$work/mime/globs" ||
    fail "*.coppia is not of type application/x-coppia-model"
grep -q 'xml:lang="it"' "$work/mime/application/x-coppia-model.xml" ||
    fail "the model files' type has no Italian comment"

echo "== the manual page, the changelog and the program agree"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
manual_page="$work/prefix/share/man/man1/coppia.1.gz"
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$manual_page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man --warnings on the manual page: $warnings"
zgrep -q "^\.TH COPPIA 1 .* \"coppia $version\"" "$manual_page" || fail "the manual page is not of version $version"
page=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$manual_page" 2>/dev/null)
for option in $("$build/app/coppia" --help | grep -o -- '--[a-z][a-z-]*'); do
    grep -q -- "$option" <<<"$page" || fail "coppia --help lists $option, the manual page does not"
done
zcat "$work/prefix/share/doc/coppia/changelog.gz" >"$work/changelog"
changelog=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$changelog" = "$version" ] || fail "the changelog's newest entry is $changelog, not $version"
grep -q "<release version=\"$version\"" "$work/prefix/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo names no release $version"

echo "== building the Debian package"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/coppia_*.deb)
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in "${expected[@]}"; do
    grep -qx "./usr/$path" <<<"$contents" || fail "the package lacks /usr/$path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 libqt6printsupport6 \
    fonts-liberation2 qt6-translations-l10n; do
    grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency: $depends"
done
grep -q svg <<<"$depends" && fail "the program links Qt SVG, which only the picture tool needs"
# The plot is the program's own, drawn with QPainter: no chart library, no OpenGL.
grep -qi 'charts\|opengl' <<<"$depends" && fail "the package depends on Qt Charts or Qt OpenGL: $depends"
dpkg-deb -x "$deb" "$work/unpacked"
readelf -S "$work/unpacked/usr/bin/coppia" | grep -q '\.comment' && fail "the packaged binary has a .comment section"
readelf -S "$work/unpacked/usr/bin/coppia" | grep -q '\.debug_info\|\.symtab' && fail "the packaged binary is not stripped"
for plugin in "$work"/unpacked/usr/lib/coppia/plugins/*.so; do
    readelf -d "$plugin" | grep -qi 'charts\|opengl' && fail "$(basename "$plugin") links Qt Charts or OpenGL"
done

echo "== lintian"
# Every tag is shown, down to the pedantic ones and the overridden; errors and warnings fail.
# Root is how CI runs, which lintian only advises against.
status=0
findings=$(lintian --display-info --pedantic --display-experimental --show-overrides --fail-on error,warning \
    "$deb" 2>&1) || status=$?
grep -v '^running with root privileges is not recommended!$' <<<"$findings" || true
[ "$status" -eq 0 ] || fail "lintian finds errors or warnings in the package"
echo "package $(basename "$deb"): ${#expected[@]} files, depends on $depends"
