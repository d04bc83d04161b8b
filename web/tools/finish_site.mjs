// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: node finish_site.mjs SITE_DIR SINGLE_FILE
//
// Finishes the site the build put together in SITE_DIR: fills in the service worker's list of
// files and its cache's name (a hash of every file, so that a new build replaces the kept copy),
// and writes SINGLE_FILE, the whole page in one HTML file that works from file://: the style,
// the whole core's loader and the page's modules inline, the pictures and the WebAssembly module
// as base64. The site serves the page's modules bundled as one file too, coppia.js: one request
// where there were a dozen, before the first result.
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { join, relative } from 'node:path';

const [site, singleFile] = process.argv.slice(2);
if (!site || !singleFile) {
    console.error('usage: node finish_site.mjs SITE_DIR SINGLE_FILE');
    process.exit(2);
}

function filesUnder(folder) {
    return readdirSync(folder).sort().flatMap((name) => {
        const path = join(folder, name);
        return statSync(path).isDirectory() ? filesUnder(path) : [path];
    });
}

function finishServiceWorker() {
    const files = filesUnder(site).map((path) => relative(site, path)).filter((name) => name !== 'sw.js');
    const hash = createHash('sha256');
    for (const name of files) hash.update(name).update(readFileSync(join(site, name)));
    const worker = join(site, 'sw.js');
    const text = readFileSync(worker, 'utf8')
        .replace('@CACHE_VERSION@', hash.digest('hex').slice(0, 16))
        .replace('@FILES@', ['./', ...files].map((name) => JSON.stringify(name)).join(', '));
    writeFileSync(worker, text);
}

// The page's modules as one: each module after those it imports, its imports dropped and its
// exports made plain. Two modules declaring the same name at the top would clash: that fails.
function bundle(entry) {
    const order = [];
    const declared = new Map();
    const visit = (name) => {
        if (order.some((module) => module.name === name)) return;
        const text = readFileSync(join(site, name), 'utf8');
        const imports = [...text.matchAll(/^import\s[^;]*?from\s+'\.\/([\w.]+)';$/gms)];
        for (const found of imports) visit(found[1]);
        for (const found of text.matchAll(/^(?:export\s+)?(?:async\s+)?(?:function\*?|const|let|var|class)\s+([\w$]+)/gm)) {
            if (declared.has(found[1])) throw new Error(`${found[1]} is declared in ${declared.get(found[1])} and ${name}`);
            declared.set(found[1], name);
        }
        order.push({ name, text: text.replace(/^import\s[^;]*?from\s+'[^']+';$/gms, '').replace(/^export\s+/gm, '') });
    };
    visit(entry);
    return {
        text: order.map((module) => `// ${module.name}\n${module.text}`).join('\n'),
        modules: order.map((module) => module.name),
    };
}

// The site's page loads the bundle in place of the modules, which the site then no longer holds.
function bundleSite() {
    const { text, modules } = bundle('main.js');
    writeFileSync(join(site, 'coppia.js'), text);
    for (const name of modules) rmSync(join(site, name));
    const index = join(site, 'index.html');
    writeFileSync(index, readFileSync(index, 'utf8').replace(
        '<script type="module" src="main.js"></script>', '<script type="module" src="coppia.js"></script>'));
}

function dataUrl(name, type) {
    return `data:${type};base64,${readFileSync(join(site, name)).toString('base64')}`;
}

// Script text inside an HTML script element must not close it.
const inScript = (text) => text.replaceAll('</script', '<\\/script');

function writeSingleFile() {
    let page = readFileSync(join(site, 'index.html'), 'utf8');
    const pictures = (text) => text.replace(/(?:pictures|icons)\/[\w@-]+\.png/g, (name) => dataUrl(name, 'image/png'));
    page = page
        .replace(/<link rel="manifest"[^>]*>\n/, '')
        .replace(/<link rel="apple-touch-icon"[^>]*>\n/, '')
        .replace(/<script id="early-core">[\s\S]*?<\/script>\n/, '')
        .replace('<link rel="stylesheet" href="coppia.css">', () => `<style>\n${readFileSync(join(site, 'coppia.css'), 'utf8')}</style>`)
        .replace('<script defer src="coppia_calculator.js"></script>',
            () => `<script id="coppia-wasm" type="application/octet-stream">${readFileSync(join(site, 'coppia_core.wasm')).toString('base64')}</script>\n` +
                `<script>\n${inScript(readFileSync(join(site, 'coppia_core.js'), 'utf8'))}</script>`)
        .replace('<script type="module" src="coppia.js"></script>',
            () => `<script type="module">\n${inScript(pictures(readFileSync(join(site, 'coppia.js'), 'utf8')))}</script>`);
    writeFileSync(singleFile, pictures(page));
}

bundleSite();
finishServiceWorker();
writeSingleFile();
