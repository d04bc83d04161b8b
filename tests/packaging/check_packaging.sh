#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and builds the Debian package from it, checking
# the files a desktop needs and that the desktop's own validators accept them.
# Usage: check_packaging.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

app_id=org.coppia.coppia
expected=(
    bin/coppia
    "share/applications/$app_id.desktop"
    "share/metainfo/$app_id.metainfo.xml"
    "share/icons/hicolor/32x32/apps/$app_id.png"
    "share/icons/hicolor/64x64/apps/$app_id.png"
    "share/icons/hicolor/128x128/apps/$app_id.png"
    "share/icons/hicolor/256x256/apps/$app_id.png"
)

fail() { echo "FAIL: $*" >&2; exit 1; }

echo "== installing into a temporary prefix"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$work/prefix" && find . -type f | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the expected list"

for size in 32 64 128 256; do
    file "$work/prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" |
        grep -q "PNG image data, $size x $size" || fail "the ${size}px icon is not a ${size} x ${size} PNG"
done

echo "== validating the desktop entry and the metainfo"
desktop-file-validate "$work/prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$work/prefix/share/metainfo/$app_id.metainfo.xml"

echo "== building the Debian package"
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/coppia_*.deb)
contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for path in "${expected[@]}"; do
    grep -qx "./usr/$path" <<<"$contents" || fail "the package lacks /usr/$path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation2; do
    grep -q "$dependency" <<<"$depends" || fail "the package does not depend on $dependency: $depends"
done
echo "package $(basename "$deb"): ${#expected[@]} files, depends on $depends"
