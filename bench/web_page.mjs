// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: node bench/web_page.mjs SITE_DIR SINGLE_FILE [RUNS]
//
// The web page against a plain page of the same form (bench/plain_page.html, its result one line
// of JavaScript), in Debian's headless Chromium, side by side in the same run:
// - what the page transfers at its first visit, gzipped (level 9) as a static host sends it, and
//   the single-file page gzipped; aim at most 150 KB;
// - the time from navigation to the first result on the screen: the page opened in a fresh
//   browser context (nothing cached, no service worker yet), CALCOLA clicked from within the page
//   as soon as it can be, until Coppia holds the result, as the page's own clock
//   (performance.now(), from the navigation) reads it; medians of RUNS runs each (10 by
//   default), the two pages in turn; aim at most 1.5 times the plain page's.
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';

import { startServer } from '../web/tools/serve.mjs';
import { launchChromium } from '../web/tests/browser/browser.mjs';

const [site, singleFile, runsArgument = '10'] = process.argv.slice(2);
const runs = Number(runsArgument);
const folder = mkdtempSync(join(tmpdir(), 'coppia-bench-'));
cpSync(site, folder, { recursive: true });
cpSync(new URL('plain_page.html', import.meta.url), join(folder, 'plain.html'));
const gzipped = (bytes) => gzipSync(bytes, { level: 9 }).length;
const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;

// Runs in the page from its first moment: every millisecond or so, clicks CALCOLA once it can be
// clicked, as a user's finger would, then records when Coppia first holds something other than
// its initial "0". The plain page writes its result within the click; the page writes it once
// the click's event has run in its core, a few promise turns later: after the click, Coppia is
// looked at again at each turn (a few hundred at most, then by the millisecond again), so that
// both results are seen when they are written, and neither waits for the next timer. The page's
// own clock, so that no round trip of the driver is counted. (Not frames: a headless page that is
// not in front may get none for a while.)
const watchFirstResult = () => {
    let clicked = false;
    const shown = () => {
        const result = document.getElementById('Coppia');
        if (!clicked || !result || result.value === '0') return false;
        window.firstResult = performance.now();
        return true;
    };
    const lookAtEachTurn = (turns) => {
        if (shown()) return;
        if (turns > 0) Promise.resolve().then(() => lookAtEachTurn(turns - 1));
        else setTimeout(look, 1);
    };
    const look = () => {
        const calc = document.getElementById('Calc');
        const result = document.getElementById('Coppia');
        if (!clicked && calc && !calc.disabled && result && result.value === '0') {
            clicked = true;
            calc.click();
            lookAtEachTurn(500);
        } else if (!shown()) {
            setTimeout(look, 1);
        }
    };
    setTimeout(look, 1);
};

async function visit(browser, url) {
    const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
    await context.addInitScript(watchFirstResult);
    const page = await context.newPage();
    await page.goto(url);
    // Polled by time: a page that gets no frames would never answer a poll by frame.
    await page.waitForFunction(() => window.firstResult !== undefined, null, { polling: 20 });
    // What the page had fetched by the time its result was on the screen, by its own clock:
    // what it fetches later (the analysis's and the model's core) did not hold the result up.
    const { time, fetched } = await page.evaluate(() => ({
        time: window.firstResult,
        fetched: [location.pathname, ...performance.getEntriesByType('resource')
            .filter((entry) => entry.responseEnd <= window.firstResult)
            .map((entry) => new URL(entry.name).pathname)],
    }));
    await context.close();
    return { time, fetched };
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

const server = await startServer(folder);
const base = `http://127.0.0.1:${server.address().port}/`;
const browser = await launchChromium();
try {
    await visit(browser, `${base}index.html`);  // the first start of each is not counted
    await visit(browser, `${base}plain.html`);
    const times = { page: [], plain: [] };
    let fetched = [];
    for (let run = 0; run < runs; ++run) {
        const page = await visit(browser, `${base}index.html`);
        times.page.push(page.time);
        fetched = page.fetched;
        times.plain.push((await visit(browser, `${base}plain.html`)).time);
    }
    // A first visit brings every file at last: the service worker keeps the whole site.
    const files = [...new Set(fetched.map((path) => (path === '/' ? '/index.html' : path)))];
    const site = (path) => readFileSync(join(folder, path));
    const first = files.reduce((sum, path) => sum + gzipped(site(path)), 0);
    const all = readdirSync(folder, { recursive: true })
        .filter((path) => path !== 'plain.html' && statSync(join(folder, path)).isFile());
    const whole = all.reduce((sum, path) => sum + gzipped(site(path)), 0);
    console.log(`transfer, gzipped: ${kilobytes(first)} until the first result (${files.length} ` +
        `files), ${kilobytes(whole)} with all the service worker keeps (${all.length} files); ` +
        'aim: at most 150 KB');
    console.log(`single-file page: ${kilobytes(readFileSync(singleFile).length)}, ` +
        `${kilobytes(gzipped(readFileSync(singleFile)))} gzipped`);
    const page = median(times.page);
    const plain = median(times.plain);
    console.log(`navigation to the first result, median of ${runs}: the page ${page.toFixed(0)} ms, ` +
        `the plain page ${plain.toFixed(0)} ms, ratio ${(page / plain).toFixed(2)} (aim: at most 1.5)`);
} finally {
    await browser.close();
    server.close();
    rmSync(folder, { recursive: true, force: true });
}
