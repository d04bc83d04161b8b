#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The pictures and icons stored in ui/pictures are what the drawing code draws today: after a
# change to the code they must be redrawn (cmake --build build --target pictures) and committed.
# Usage: check_pictures_current.sh DRAW_PICTURES PICTURES_DIR
set -euo pipefail
draw_pictures=$1 stored=$2
fresh=$(mktemp -d)
trap 'rm -rf "$fresh"' EXIT
"$draw_pictures" "$fresh" >/dev/null
status=0
for file in "$fresh"/*; do
    if ! cmp -s "$file" "$stored/$(basename "$file")"; then
        echo "FAIL: ui/pictures/$(basename "$file") is not what the code draws; redraw it" >&2
        status=1
    fi
done
echo "$(ls "$fresh" | wc -l) pictures checked"
exit $status
