#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every include of the project's own headers runs from a folder to itself or to a layer below it:
#   engine <- files/platform (the seam with the system) <- its sides (posix, windows, web)
#   files/platform <- files <- models/shared <- models/main <- models/analysis, models/model
#   models/shared <- ui/kit <- ui/analysis, ui/model (each with its own room of models/)
#   models/main <- ui/common <- ui/main, ui <- app
#   models/analysis, models/model, models/main, files/platform/web <- web/core (the page's way
#   into the models, and the page's files)
# The analysis and the model rooms never include each other. A file that includes from a layer
# above its own, or a folder of sources that this table does not know, fails the check.
set -euo pipefail
cd "$1"

# The folders a folder may include from, itself first.
declare -A allowed=(
    [engine]="engine"
    [files/platform]="files/platform engine"
    [files/platform/posix]="files/platform/posix files/platform engine"
    [files/platform/windows]="files/platform/windows files/platform engine"
    [files/platform/web]="files/platform/web files/platform engine"
    [files]="files files/platform engine"
    [models/shared]="models/shared files files/platform engine"
    [models/main]="models/main models/shared files files/platform engine"
    [models/analysis]="models/analysis models/main models/shared files files/platform engine"
    [models/model]="models/model models/main models/shared files files/platform engine"
    [ui/common]="ui/common models/main models/shared files files/platform engine"
    [ui/pictures]="ui/pictures"
    [ui/main]="ui/main ui/common models/main models/shared files files/platform engine"
    [ui]="ui ui/common models/shared files files/platform engine"
    [ui/kit]="ui/kit ui/common models/shared files files/platform engine"
    [ui/analysis]="ui/analysis ui/kit ui/common models/analysis models/main models/shared files files/platform engine"
    [ui/model]="ui/model ui/kit ui/common models/model models/main models/shared files files/platform engine"
    [app]="app ui ui/main ui/common models/main models/shared files files/platform engine"
    [web/core]="web/core models/analysis models/model models/main models/shared files files/platform files/platform/web engine"
)

status=0
while read -r folder; do
    if [ -z "${allowed[$folder]+known}" ]; then
        echo "$folder holds sources but has no layer in this check" >&2
        status=1
    fi
done < <(find engine files models ui app web/core -name '*.cpp' -o -name '*.h' | xargs -n1 dirname | sort -u)

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
