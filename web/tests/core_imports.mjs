// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: node core_imports.mjs coppia_core.js
// The core the page loads calls nothing of a system: no file, no clock, no environment. Its
// module imports only what running in memory needs, which the loader (coppia_core.js) names
// in its table of imports; anything more (a __syscall_ or fd_ call that a file call brings in)
// fails here.
import { readFileSync } from 'node:fs';

const kAllowed = ['_abort', '_emscripten_memcpy_big', '_emscripten_resize_heap'];
const loader = readFileSync(process.argv[2], 'utf8');
const table = loader.match(/var asmLibraryArg=\{([^}]*)\}/);
if (!table) {
    console.error(`${process.argv[2]}: no table of imports found`);
    process.exit(1);
}
const imports = [...table[1].matchAll(/"\w+":(\w+)/g)].map((found) => found[1]);
const unexpected = imports.filter((name) => !kAllowed.includes(name));
if (unexpected.length > 0) {
    console.error(`the core imports ${unexpected.join(', ')}: it must call nothing of a system`);
    process.exit(1);
}
console.log(`the core imports ${imports.join(', ')} and nothing else`);
