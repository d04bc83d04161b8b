#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every include of the project's own headers runs from a folder to itself or to a layer below it:
#   engine <- files <- models <- ui/common <- ui/kit <- ui/analysis, ui/model
#                                          ui/common <- ui <- app
# A file that includes from a layer above its own fails this check, with its line.
set -euo pipefail
cd "$1"

# The folders a folder may include from, itself first.
declare -A allowed=(
    [engine]="engine"
    [files]="files engine"
    [models]="models files engine"
    [ui/common]="ui/common models files engine"
    [ui/pictures]="ui/pictures"
    [ui]="ui ui/common ui/pictures models files engine"
    [ui/kit]="ui/kit ui/common models files engine"
    [ui/analysis]="ui/analysis ui/kit ui/common models files engine"
    [ui/model]="ui/model ui/kit ui/common models files engine"
    [app]="app ui ui/common models files engine"
)

status=0
for folder in "${!allowed[@]}"; do
    for file in "$folder"/*.cpp "$folder"/*.h; do
        [ -e "$file" ] || continue
        while IFS=: read -r line include; do
            target=$(dirname "$include")
            ok=0
            for layer in ${allowed[$folder]}; do
                [ "$target" = "$layer" ] && ok=1
            done
            if [ "$ok" = 0 ]; then
                echo "$file:$line includes \"$include\", above its layer ($folder)" >&2
                status=1
            fi
        done < <(grep -n '^#include "' "$file" | sed -E 's/^([0-9]+):#include "([^"]+)".*/\1:\2/')
    done
done
exit $status
