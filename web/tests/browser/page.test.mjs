// SPDX-License-Identifier: GPL-3.0-or-later
// The page as a user meets it, in Debian's headless Chromium at a phone's size and at a laptop's:
// typing (a comma typed is the point), the toggle, CALCOLA, the results and the messages, the
// keyboard's order, the last inputs kept across a reload, the page working with the server
// stopped (service worker), and the single-file page from file://.
// Usage: COPPIA_WEB_BUILD=build-web node --test web/tests/browser/
import assert from 'node:assert/strict';
import { mkdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { pathToFileURL } from 'node:url';

import { startServer } from '../../tools/serve.mjs';
import { launchChromium, openPage } from './browser.mjs';

const build = resolve(process.env.COPPIA_WEB_BUILD ?? 'build-web');
const site = join(build, 'web/page/site');
const singleFile = join(build, 'web/page/coppia-1.0.0.html');
const shots = join(build, 'web/screenshots');

let browser;
let server;
let url;
before(async () => {
    browser = await launchChromium();
    server = await startServer(site);
    url = `http://127.0.0.1:${server.address().port}/`;
    mkdirSync(shots, { recursive: true });
});
after(async () => {
    await browser?.close();
    server?.close();
});

// The keyboard's order on the desktop, of the controls that take it when the window opens.
const kTabOrder = ['Vel', 'BrServ', 'CordaAla', 'CarAla', 'BrAlett', 'CordaAlett', 'LungAlett',
    'Calc', 'Corsa', 'UP'];
// What CALCOLA keeps of the window's initial inputs: the desktop's eight CR LF lines.
const kInitialKept = '50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n';

async function message(page) {
    const dialog = page.locator('#message');
    await dialog.waitFor({ state: 'visible' });
    const shown = `${await dialog.locator('.message-text').textContent()}~` +
        `${await dialog.locator('.message-title').textContent()}`;
    await dialog.getByRole('button', { name: 'OK' }).click();
    await dialog.waitFor({ state: 'hidden' });
    return shown;
}

async function typeInto(page, id, text) {
    await page.locator(`#${id}`).fill('');
    await page.locator(`#${id}`).pressSequentially(text);
}

const value = (page, id) => page.locator(`#${id}`).inputValue();

for (const [width, height] of [[390, 844], [1366, 768]]) {
    describe(`at ${width}x${height}`, () => {
        test('computes, refuses and warns in the desktop\'s words', async () => {
            const context = await browser.newContext({ viewport: { width, height } });
            const { page, errors } = await openPage(context, url);
            assert.equal(await value(page, 'Coppia'), '0');
            await page.screenshot({ path: join(shots, `opened-${width}.png`), fullPage: true });
            await page.click('#Calc');
            assert.equal(await value(page, 'Coppia'), '00.52');
            assert.equal(await value(page, 'Cp_Out'), '0.29');
            assert.equal(await page.evaluate(() => localStorage.getItem('Mervanti.ini')), kInitialKept);
            assert.ok(await page.locator('#Calc').isDisabled());

            await page.click('#UP');
            assert.ok(await page.locator('#Down').isVisible());
            assert.ok(await page.locator('#Ang').isEnabled());
            await typeInto(page, 'Ang', '70');
            assert.equal(await message(page), 'Massimo 60°!!~Errore Dato Immesso');
            assert.equal(await value(page, 'Ang'), '60.0');
            assert.equal(await value(page, 'Corsa'), '60.0');
            await page.click('#Calc');
            assert.equal(await value(page, 'Coppia'), '01.46');

            await typeInto(page, 'CarAla', '250');
            await typeInto(page, 'Vel', '10');
            await page.click('#Calc');
            assert.equal(await message(page), 'Possibile Condizione di Stallo!!~Vel. & Car. Alare');
            assert.equal(await value(page, 'Coppia'), '00.28');
            assert.equal(await value(page, 'Cp_Out'), '51.84');
            const kept = await page.evaluate(() => localStorage.getItem('Mervanti.ini'));

            await typeInto(page, 'CordaAlett', '1');
            await page.click('#Calc');
            assert.equal(await message(page), 'Corda Alett./Corda Alare Fuori Gamma!!~Rapp. Alett/Ala');
            assert.equal(await page.evaluate(() => localStorage.getItem('Mervanti.ini')), kept);

            await typeInto(page, 'BrServ', '1,5');
            assert.equal(await value(page, 'BrServ'), '1.5');
            await page.screenshot({ path: join(shots, `used-${width}.png`), fullPage: true });
            assert.deepEqual(errors, []);
            await context.close();
        });

        test('is laid out for the screen, every control named and reached in the desktop\'s order', async () => {
            const context = await browser.newContext({ viewport: { width, height } });
            const { page } = await openPage(context, url);
            const order = [];
            for (let i = 0; i < kTabOrder.length; ++i) {
                await page.keyboard.press('Tab');
                order.push(await page.evaluate(() => document.activeElement.id));
            }
            assert.deepEqual(order, kTabOrder);
            for (const id of ['Vel', 'BrServ', 'CordaAla', 'CarAla', 'Ang', 'BrAlett', 'CordaAlett',
                'LungAlett', 'Corsa', 'Coppia', 'Cp_Out', 'Calc', 'UP']) {
                const name = await page.locator(`#${id}`).evaluate((shown) =>
                    (shown.labels?.[0]?.textContent ?? shown.textContent).trim());
                assert.ok(name.length > 0, `${id} has no name`);
                const box = await page.locator(`#${id}`).boundingBox();
                assert.ok(box.height >= 44, `${id} is ${box.height} pixels high, too small for a thumb`);
            }
            assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
            await context.close();
        });
    });
}

test('what is done before the analysis has loaded is where it was once it has', async () => {
    // The calculator's core answers first; the whole core, held back here, takes the window over.
    const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
    let release;
    const held = new Promise((done) => { release = done; });
    await context.route('**/coppia_core.wasm', async (route) => {
        await held;
        await route.continue();
    });
    const { page, errors } = await openPage(context, url);
    await page.click('#UP');
    await typeInto(page, 'Ang', '15');
    await typeInto(page, 'Vel', '80');
    await page.click('#Calc');
    const ids = ['Vel', 'BrServ', 'CordaAla', 'CarAla', 'Ang', 'BrAlett', 'CordaAlett', 'LungAlett',
        'Corsa', 'Coppia', 'Cp_Out'];
    const shown = () => page.evaluate((all) => all.map((id) => {
        const control = document.getElementById(id);
        return `${id}=${control.value} ${control.disabled ? 'off' : 'on'}`;
    }).concat(['Calc', 'UP', 'Down'].map((id) => {
        const control = document.getElementById(id);
        return `${id} ${control.disabled ? 'off' : 'on'} ${control.hidden ? 'hidden' : 'shown'}`;
    })), ids);
    const before = await shown();
    const kept = await page.evaluate(() => localStorage.getItem('Mervanti.ini'));
    assert.equal(await page.locator('body.windows-ready').count(), 0, 'the whole core came early');

    release();
    await page.waitForSelector('body.windows-ready', { timeout: 15000 });
    assert.deepEqual(await shown(), before);
    assert.equal(await page.evaluate(() => localStorage.getItem('Mervanti.ini')), kept);
    assert.equal(await page.locator('#Analisi_CoppiaKgcm').textContent(), (await value(page, 'Coppia')).replace(/^0/, ''));
    await typeInto(page, 'Vel', '90');
    await page.click('#Calc');
    assert.equal(await page.locator('#Analisi_CoppiaKgcm').textContent(), (await value(page, 'Coppia')).replace(/^0/, ''));
    assert.deepEqual(errors, []);
    await context.close();
});

test('reads at 200% zoom without scrolling sideways', async () => {
    // 1366 pixels at twice the size: a 683-pixel-wide page on a screen of twice the density.
    const context = await browser.newContext({ viewport: { width: 683, height: 384 }, deviceScaleFactor: 2 });
    const { page } = await openPage(context, url);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
    await page.screenshot({ path: join(shots, 'zoom-200.png'), fullPage: true });
    await context.close();
});

test('puts back the inputs of the last calculation at the next visit', async () => {
    const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
    const { page } = await openPage(context, url);
    await typeInto(page, 'Vel', '80');
    await page.reload();
    await page.waitForSelector('body.ready');
    assert.equal(await value(page, 'Vel'), '60', 'kept without a calculation');
    await typeInto(page, 'Vel', '80');
    await page.click('#Calc');
    await page.reload();
    await page.waitForSelector('body.ready');
    assert.equal(await value(page, 'Vel'), '80');
    await context.close();
});

test('calculates again with the server stopped, from what the service worker kept', async () => {
    const own = await startServer(site);
    const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
    const { page } = await openPage(context, `http://127.0.0.1:${own.address().port}/`);
    await page.evaluate(async () => {
        await navigator.serviceWorker.ready;
        if (!navigator.serviceWorker.controller) {
            await new Promise((done) => navigator.serviceWorker.addEventListener('controllerchange', done));
        }
    });
    await new Promise((done) => own.close(done));
    own.closeAllConnections?.();
    await page.reload();
    await page.waitForSelector('body.ready', { timeout: 15000 });
    await typeInto(page, 'Vel', '70');
    await page.click('#Calc');
    assert.equal(await value(page, 'Coppia'), '00.69');
    await context.close();
});

test('the single-file page works from file:// and fetches nothing', async () => {
    const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
    const fetched = [];
    context.on('request', (request) => {
        if (!request.url().startsWith('data:')) fetched.push(request.url());
    });
    const { page, errors } = await openPage(context, pathToFileURL(singleFile).href);
    await page.click('#Calc');
    assert.equal(await value(page, 'Coppia'), '00.52');
    assert.deepEqual(fetched, [pathToFileURL(singleFile).href]);
    assert.deepEqual(errors, []);
    await context.close();
});
