// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: node font_metrics.mjs FONT.ttf > web/core/svg_font_metrics.cpp
//
// Writes the widths of the characters the plot writes, as the font's own tables give them, for
// the web core to lay the plot's SVG out as the desktop lays it out with a font it measures:
// every character of Latin-1 and the few beyond it that the program's texts use. The page draws
// the SVG in Liberation Sans, or in Arial or Helvetica, whose widths are the same.
import { readFileSync } from 'node:fs';

const [path] = process.argv.slice(2);
const font = readFileSync(path);
const tables = {};
for (let i = 0; i < font.readUInt16BE(4); ++i) {
    const at = 12 + 16 * i;
    tables[font.toString('latin1', at, at + 4)] = font.readUInt32BE(at + 8);
}

// The glyph of each character, from the Unicode BMP subtable of 'cmap' (format 4).
function glyphOf(code) {
    const cmap = tables.cmap;
    for (let i = 0; i < font.readUInt16BE(cmap + 2); ++i) {
        const record = cmap + 4 + 8 * i;
        if (font.readUInt16BE(record) !== 3 || font.readUInt16BE(record + 2) !== 1) continue;
        const sub = cmap + font.readUInt32BE(record + 4);
        const segments = font.readUInt16BE(sub + 6) / 2;
        const ends = sub + 14;
        const starts = ends + 2 * segments + 2;
        const deltas = starts + 2 * segments;
        const offsets = deltas + 2 * segments;
        for (let s = 0; s < segments; ++s) {
            if (code > font.readUInt16BE(ends + 2 * s)) continue;
            const start = font.readUInt16BE(starts + 2 * s);
            if (code < start) return 0;
            const delta = font.readInt16BE(deltas + 2 * s);
            const offset = font.readUInt16BE(offsets + 2 * s);
            if (offset === 0) return (code + delta) & 0xffff;
            const glyph = font.readUInt16BE(offsets + 2 * s + offset + 2 * (code - start));
            return glyph === 0 ? 0 : (glyph + delta) & 0xffff;
        }
    }
    return 0;
}

function advanceOf(code) {
    const metrics = font.readUInt16BE(tables.hhea + 34);
    const glyph = Math.min(glyphOf(code), metrics - 1);
    return font.readUInt16BE(tables.hmtx + 4 * glyph);
}

const unitsPerEm = font.readUInt16BE(tables.head + 18);
const ascender = font.readInt16BE(tables.hhea + 4);
const descender = font.readInt16BE(tables.hhea + 6);
const averageWidth = font.readInt16BE(tables['OS/2'] + 2);
const latin1 = [];
for (let code = 0x20; code <= 0xff; ++code) latin1.push(code >= 0x7f && code < 0xa0 ? 0 : advanceOf(code));
const beyond = [0x2013, 0x2014, 0x2018, 0x2019, 0x201c, 0x201d, 0x2026, 0x2070, 0x2074, 0x2075,
    0x2076, 0x2077, 0x2078, 0x2079, 0x207b, 0x20ac, 0x2212];
const rows = [];
for (let i = 0; i < latin1.length; i += 12) rows.push(`    ${latin1.slice(i, i + 12).join(', ')},`);

process.stdout.write(`// SPDX-License-Identifier: GPL-3.0-or-later
// Written by web/tools/font_metrics.mjs from LiberationSans-Regular.ttf: do not edit.
#include "web/core/svg_font_metrics.h"

namespace coppia {

const SvgFontMetrics kSvgFontMetrics = {
    ${unitsPerEm},
    ${ascender},
    ${-descender},
    ${averageWidth},
    {{
${rows.join('\n')}
    }},
    {{
${beyond.map((code) => `        {0x${code.toString(16)}, ${advanceOf(code)}},`).join('\n')}
    }},
};

}  // namespace coppia
`);
