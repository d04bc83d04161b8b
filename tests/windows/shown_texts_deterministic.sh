#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: shown_texts_deterministic.sh SHOWN_TEXTS COUNT
# Runs shown_texts twice, each in a folder of its own, and fails unless both write the same
# bytes, one line per case, numbered from 0: no address, time or folder name may leak into
# what is compared between systems. The cases must also reach every message the window shows,
# or the comparison would pass over the paths that raise them.
set -euo pipefail
program=$1
count=$2
# Each case replaces Mervanti.ini and waits for the disk; in memory it does not.
scratch=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
first=$(mktemp -d "$scratch/coppia-shown-XXXXXX")
second=$(mktemp -d "$scratch/coppia-shown-XXXXXX")
trap 'rm -rf "$first" "$second"' EXIT

"$program" "$first" "$count" >/dev/null
"$program" "$second" "$count" >/dev/null
cmp "$first/shown_texts.txt" "$second/shown_texts.txt"
lines=$(wc -l <"$first/shown_texts.txt")
if [ "$lines" -ne "$count" ]; then
    echo "shown_texts wrote $lines lines for $count cases" >&2
    exit 1
fi
numbers=$(cut -d'|' -f1 "$first/shown_texts.txt" | tr '\n' ' ')
expected=$(seq 0 $((count - 1)) | tr '\n' ' ')
if [ "$numbers" != "$expected" ]; then
    echo "shown_texts numbered its lines otherwise than 0 to $((count - 1))" >&2
    exit 1
fi
for message in 'Massimo 60' 'Massimo -60' 'Stallo' 'Fuori Gamma' 'Velocit' \
    'Braccio Alettone Nullo' 'Risultato Fuori Limite' 'Numero Fuori Limite' \
    'Corsa Fuori Limite' 'Dati Non Salvati in Mervanti.ini'; do
    if ! grep -qF "$message" "$first/shown_texts.txt"; then
        echo "no case of the $count shows the message \"$message\"" >&2
        exit 1
    fi
done
echo "$count cases, the same twice, every message among them"
