// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis and the model below the calculator, as a user meets them at a phone's size and
// at a laptop's: the verdict and the margin for the servo typed (the analysis window's own texts
// for these inputs, tests/models/analysis), the plot and its table, the CSV; the example model
// opened by the picker and by a drop, its verdicts, a refused file in the desktop's words, Carica
// into the calculator, Salva con nome and Esporta CSV downloading the bytes the desktop's save and
// export write (the core's test under node pins that they are the example's own: web/tests); the
// model's supply and a surface's data sheet typed; a surface added and renamed through the
// page's dialogs.
// Usage: COPPIA_WEB_BUILD=build-web node --test web/tests/browser/
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { startServer } from '../../tools/serve.mjs';
import { launchChromium, openPage } from './browser.mjs';

const build = resolve(process.env.COPPIA_WEB_BUILD ?? 'build-web');
const site = join(build, 'web/page/site');
const shots = join(build, 'web/screenshots');
const example = resolve(fileURLToPath(import.meta.url), '../../../../docs/esempio.coppia');
// The desktop's export of the example's table (tests/models/model).
const desktopCsv = resolve(fileURLToPath(import.meta.url), '../../../../tests/models/model/esempio_modello_it.csv');

let browser;
let server;
let url;
before(async () => {
    browser = await launchChromium();
    server = await startServer(site);
    url = `http://127.0.0.1:${server.address().port}/`;
});
after(async () => {
    await browser?.close();
    server?.close();
});

// The page, once the analysis and the model are shown below the calculator.
async function openSections(context) {
    const opened = await openPage(context, url);
    await opened.page.waitForSelector('body.windows-ready', { timeout: 15000 });
    return opened;
}

// Types into a field and leaves it, as the desktop takes a field's text.
async function enter(page, id, text) {
    await page.locator(`#${id}`).fill(text);
    await page.locator(`#${id}`).press('Tab');
}

// Types into a field key by key, as a user does, and leaves it.
async function type(page, id, text) {
    await page.locator(`#${id}`).clear();
    await page.locator(`#${id}`).pressSequentially(text);
    await page.locator(`#${id}`).press('Tab');
}

const text = (page, id) => page.locator(`#${id}`).textContent();

async function toned(page, id) {
    const shown = page.locator(`#${id}`);
    return `${await shown.textContent()} (${(await shown.getAttribute('class')).match(/tone-\w+/)[0]})`;
}

async function openExample(page) {
    await page.setInputFiles('#Modello_ApriFile', example);
    await page.waitForFunction(() => document.getElementById('Modello_Tabella').tBodies[0]?.rows.length > 0);
}

// A surface's servo in motion, as the table's last four columns show it.
async function motionOf(page, row) {
    return page.locator('#Modello_Tabella tbody tr').nth(row).evaluate((shown) =>
        [...shown.cells].slice(-4).map((cell) => cell.textContent));
}

async function verdictOf(page) {
    const verdict = page.locator('#Analisi_Verdetto');
    return `${await verdict.textContent()} (${await verdict.getAttribute('class')})`;
}

async function message(page) {
    const dialog = page.locator('#message');
    await dialog.waitFor({ state: 'visible' });
    const shown = await dialog.locator('.message-text').textContent();
    await dialog.getByRole('button', { name: 'OK' }).click();
    await dialog.waitFor({ state: 'hidden' });
    return shown;
}

// The example's surfaces and their verdicts, as the table shows them.
async function verdicts(page) {
    return page.locator('#Modello_Tabella tbody tr').evaluateAll((rows) =>
        rows.map((row) => `${row.cells[0].textContent}: ${row.cells[1].textContent} (${row.cells[1].className})`));
}

for (const [width, height] of [[390, 844], [1366, 768]]) {
    describe(`at ${width}x${height}`, () => {
        test('the analysis judges the servo typed as the desktop does, with its plot and table', async () => {
            const context = await browser.newContext({ viewport: { width, height }, acceptDownloads: true });
            const { page, errors } = await openSections(context);
            // A mini servo's data sheet (tests/models/analysis/analysis_motion_test.cpp), its
            // time typed key by key with a comma, which enters the point as the desktop's keys do;
            // kept as the desktop keeps the analysis's settings.
            await enter(page, 'Analisi_CoppiaServo', '1');
            for (const [id, typed] of [['Tensione', '6'], ['Tempo60', '0,11'], ['CorrenteVuoto', '0.2'],
                ['CorrenteStallo', '2.5']]) {
                await type(page, `Analisi_${id}`, typed);
            }
            assert.equal(await page.locator('#Analisi_Tempo60').inputValue(), '0.11');
            assert.equal(await verdictOf(page), 'Servo al Limite (verdict tone-warning)');
            assert.equal(await text(page, 'Analisi_TempoServo'), 'Tempo per 20°: 0.08 s sotto carico (0.06 s a vuoto)');
            assert.equal(await text(page, 'Analisi_CorrenteServo'), 'Corrente in tenuta a 20°: 1.39 A; allo spunto: 2.50 A');
            assert.match(await page.evaluate(() => localStorage.getItem('coppia:/impostazioni/coppia-analisi.ini')),
                /\nTempo60Servo=0.11\n/);

            await enter(page, 'Analisi_CoppiaServo', '0.8');
            await enter(page, 'Analisi_FattoreSicurezza', '2');
            assert.equal(await text(page, 'Analisi_Margine'), '1.54');
            assert.equal(await text(page, 'Analisi_CoppiaMinima'), '1.04');
            assert.equal(await text(page, 'Analisi_UnitaCoppiaMinima'), 'Kg*cm');
            assert.equal(await verdictOf(page), 'Servo al Limite (verdict tone-warning)');

            await page.selectOption('#Analisi_UnitaCoppia', { index: 1 });
            await enter(page, 'Analisi_CoppiaServo', '5');
            assert.equal(await text(page, 'Analisi_Margine'), '0.98');
            assert.equal(await text(page, 'Analisi_CoppiaMinima'), '10.19');
            assert.equal(await text(page, 'Analisi_UnitaCoppiaMinima'), 'N·cm');
            assert.equal(await verdictOf(page), 'Servo Insufficiente!! (verdict tone-bad)');
            assert.equal(await text(page, 'Analisi_CoppiaKgcm'), '0.52');
            assert.equal(await text(page, 'Analisi_CoppiaAlServo'), '0.52 Kg*cm');

            // A field of the calculator is followed at once.
            await page.locator('#Vel').fill('20');
            await page.waitForFunction(() => document.getElementById('Analisi_CoppiaKgcm').textContent === '0.10');

            const plot = page.locator('#Analisi_Grafico svg');
            const box = await plot.boundingBox();
            assert.ok(box.width > 250 && box.width <= width, `the plot is ${box.width} pixels wide`);
            assert.ok((await page.locator('#Analisi_Tabella tbody tr').count()) > 10);

            const [csv] = await Promise.all([page.waitForEvent('download'), page.click('#Analisi_EsportaCsv')]);
            assert.equal(csv.suggestedFilename(), 'coppia-analisi.csv');
            const heading = await page.locator('#Analisi_Tabella th').first().textContent();
            const bytes = readFileSync(await csv.path());
            assert.deepEqual([...bytes.subarray(0, 3)], [0xef, 0xbb, 0xbf], 'UTF-8 for a spreadsheet, as the desktop marks it');
            assert.ok(bytes.toString('utf8').includes(heading));
            // One page of three windows: no two ids alike, every field named for a screen reader.
            assert.deepEqual(await page.evaluate(() => {
                const ids = [...document.querySelectorAll('[id]')].map((named) => named.id);
                const unnamed = [...document.querySelectorAll('input, select, textarea')]
                    .filter((field) => field.type !== 'file' && field.labels.length === 0 && !field.getAttribute('aria-label'))
                    .map((field) => field.id);
                return { repeated: ids.filter((id, i) => ids.indexOf(id) !== i), unnamed };
            }), { repeated: [], unnamed: [] });
            await page.screenshot({ path: join(shots, `analysis-${width}.png`), fullPage: true });
            assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
            assert.deepEqual(errors, []);
            await context.close();
        });

        test('opens the example model, loads a surface and saves the desktop\'s bytes', async () => {
            const context = await browser.newContext({ viewport: { width, height }, acceptDownloads: true });
            const { page, errors } = await openSections(context);
            await page.setInputFiles('#Modello_ApriFile', example);
            await page.waitForFunction(() => document.getElementById('Modello_Tabella').tBodies[0]?.rows.length > 0);
            const opened = await verdicts(page);
            assert.equal(opened.length, JSON.parse(readFileSync(example, 'utf8')).superfici.length);
            assert.match(await text(page, 'Modello_titolo'), /^esempio\.coppia \(Sport 160\)/);
            assert.equal(await page.locator('#Modello_NomeModello').inputValue(), 'Sport 160');
            // Esporta CSV: the bytes the desktop writes for Italian spreadsheets, its first choice.
            const exportButton = page.locator('#Modello').getByRole('button', { name: 'Esporta la tabella in un file CSV', exact: true });
            assert.equal(await exportButton.getAttribute('id'), 'Modello_EsportaCsv');
            assert.equal(await exportButton.textContent(), 'Esporta CSV…');
            const [csv] = await Promise.all([page.waitForEvent('download'), exportButton.click()]);
            assert.equal(csv.suggestedFilename(), 'Sport 160.csv');
            assert.deepEqual(readFileSync(await csv.path()), readFileSync(desktopCsv));

            await page.locator('#Modello_Tabella tbody tr').first().click();
            assert.equal(await page.locator('#Modello_NomeSuperficie').inputValue(), 'Alettone sinistro');
            await page.click('#Modello_Carica');
            assert.equal(await page.locator('#CordaAla').inputValue(), '270');
            assert.equal(await page.locator('#Vel').inputValue(), '90');

            await page.click('#Modello_SalvaConNome');
            const question = page.locator('#question');
            await question.waitFor({ state: 'visible' });
            await question.locator('input').fill('copia');
            const [saved] = await Promise.all([
                page.waitForEvent('download'),
                question.getByRole('button', { name: 'Salva' }).click(),
            ]);
            assert.equal(saved.suggestedFilename(), 'copia.coppia');
            assert.deepEqual(readFileSync(await saved.path()), readFileSync(example));
            await page.screenshot({ path: join(shots, `model-${width}.png`), fullPage: true });
            assert.deepEqual(errors, []);
            await context.close();
        });

        test('compares the surfaces chosen with Ctrl and with Shift and the arrows, as the desktop does', async () => {
            const context = await browser.newContext({ viewport: { width, height } });
            const { page, errors } = await openSections(context);
            await openExample(page);
            const rows = page.locator('#Modello_Tabella tbody tr');
            await rows.first().click();
            assert.equal(await text(page, 'Modello_NotaConfronto'), 'Per confrontare più superfici, selezionale nella '
                + 'tabella (Ctrl+clic, o Maiusc e le frecce)');
            await rows.last().click({ modifiers: ['Control'] });
            const headings = () => page.locator('#Modello_Confronto thead th').allTextContents();
            assert.deepEqual(await headings(), ['Dato', 'Alettone sinistro', 'Timone', 'Differenza']);
            assert.ok(await page.locator('#Modello_NotaConfronto').isHidden());
            const differing = await page.locator('#Modello_Confronto tr.differs').evaluateAll((shown) =>
                shown.map((row) => `${row.cells[0].textContent}: ${row.cells[row.cells.length - 1].textContent}`));
            assert.ok(differing.includes('Tipo: diversa'), differing.join('; '));
            assert.equal(await page.locator('#Modello_Grafico svg polyline').count() >= 2, true);
            assert.ok((await page.locator('#Modello_Grafico').getAttribute('aria-label')).length > 0);

            // From the first row down two with Shift: three surfaces, the keyboard still on the table.
            await rows.first().click();
            await page.keyboard.press('Shift+ArrowDown');
            await page.keyboard.press('Shift+ArrowDown');
            assert.deepEqual(await headings(), ['Dato', 'Alettone sinistro', 'Alettone destro', 'Flap sinistro', 'Differenza']);
            assert.equal(await page.evaluate(() => document.activeElement.rowIndex), 3);
            await page.keyboard.press('Tab');
            assert.equal(await page.evaluate(() => document.activeElement.id), 'Modello_Aggiungi', 'the table is one stop');
            await page.locator('#Modello_PaginaConfronto').screenshot({ path: join(shots, `model-compare-${width}.png`) });
            assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
            assert.deepEqual(errors, []);
            await context.close();
        });

        // The example's supply and its last surface's servo (tests/models/model/model_motion_test.cpp).
        test('the model\'s supply and a surface\'s data sheet, typed, judged as the desktop judges them', async () => {
            const context = await browser.newContext({ viewport: { width, height }, acceptDownloads: true });
            const { page, errors } = await openSections(context);
            await openExample(page);
            assert.equal(await toned(page, 'Modello_VerdettoAlimentazione'), 'Alimentazione al Limite (BEC 5 A): '
                + 'riserva 1.11, sotto 1.25; il picco non copre lo spunto (tone-warning)');
            assert.equal(await text(page, 'Modello_CorrentiModello'), 'Tutte le superfici in moto, ciascuna alla '
                + 'sua deflessione: 4.47 A su 5 A continui; tutti i servi allo spunto: 13.60 A su 7.5 A di picco');
            // Named for a screen reader by the desktop's table, in the desktop's keyboard order.
            const supplyFields = [['Modello_NomeAlimentazione', 'BEC 5 A', 'Nome dell\'alimentazione: batteria, regolatore o BEC'],
                ['Modello_CorrenteContinua', '5', 'Corrente continua dell\'alimentazione, in ampere'],
                ['Modello_CorrentePicco', '7.5', 'Corrente di picco dell\'alimentazione, in ampere']];
            await page.locator('#Modello_Note').focus();
            for (const [id, value, name] of supplyFields) {
                await page.keyboard.press('Tab');
                assert.equal(await page.evaluate(() => document.activeElement.id), id);
                assert.equal(await page.getByRole('textbox', { name, exact: true }).inputValue(), value);
            }

            await type(page, 'Modello_CorrentePicco', '14');
            await type(page, 'Modello_CorrenteContinua', '5,58');
            assert.equal(await page.locator('#Modello_CorrenteContinua').inputValue(), '5.58');
            assert.equal(await toned(page, 'Modello_VerdettoAlimentazione'),
                'Alimentazione al Limite (BEC 5 A): riserva 1.24, sotto 1.25 (tone-warning)');
            await type(page, 'Modello_CorrenteContinua', '5.59');
            assert.equal(await toned(page, 'Modello_VerdettoAlimentazione'),
                'Alimentazione sufficiente (BEC 5 A): riserva 1.25, picco che copre lo spunto (tone-good)');
            await type(page, 'Modello_CorrentePicco', '0');
            assert.equal(await text(page, 'Modello_ProblemaAlimentazione'), 'Corrente di picco non valida: serve un '
                + 'numero da 0.01 a 1000 A, o niente se non si conosce');
            assert.equal(await page.locator('#Modello_CorrentePicco').inputValue(), '0', 'kept as typed');

            // The last surface's servo without its stall current, then without its speed.
            await type(page, 'Modello_CorrenteContinua', '100');
            await type(page, 'Modello_CorrentePicco', '100');
            const rows = page.locator('#Modello_Tabella tbody tr');
            await rows.last().click();
            assert.deepEqual(await motionOf(page, 5), ['0.14', '0.12', '0.56', '1.80']);
            await enter(page, 'Modello_CorrenteStalloServo', '');
            assert.deepEqual(await motionOf(page, 5), ['0.14', '0.12', 'manca la corrente di stallo',
                'manca la corrente di stallo']);
            assert.equal(await toned(page, 'Modello_VerdettoAlimentazione'), 'Alimentazione al Limite (BEC 5 A): '
                + 'riserva al più 25.57; 1 servo senza dati di corrente (tone-warning)');
            await enter(page, 'Modello_CoppiaServo', '0.5');
            await enter(page, 'Modello_Tempo60Servo', '');
            assert.deepEqual(await motionOf(page, 5), ['si ferma a 15.2°', 'manca la velocità',
                'manca la corrente di stallo', 'manca la corrente di stallo']);
            // In the desktop's colours: the verdict's cell, and the time of a servo that stops short.
            assert.equal((await verdicts(page))[5], 'Timone: Servo Insufficiente!! (tone-bad)');
            assert.deepEqual(await rows.last().evaluate((shown) => [...shown.cells].slice(-4).map((cell) => cell.className)),
                ['tone-bad', '', '', '']);

            await page.locator('#Modello_Riepilogo').screenshot({ path: join(shots, `model-totals-${width}.png`) });
            await page.locator('#Modello_Alimentazione').scrollIntoViewIfNeeded();
            await page.screenshot({ path: join(shots, `model-supply-${width}.png`) });
            assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth));
            assert.deepEqual(errors, []);
            await context.close();
        });
    });
}

// The new surface's dialog says what the model window's says as the name and the rating are typed
// (tests/models/model/model_window_test.cpp), and greys Aggiungi while the rating cannot be used.
test('a surface is added and renamed through the page\'s dialogs, in the desktop\'s words', async () => {
    const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
    const { page, errors } = await openSections(context);
    await openExample(page);
    await page.click('#Modello_Aggiungi');
    const question = page.locator('#question');
    await question.waitFor({ state: 'visible' });
    assert.equal(await question.locator('h2').textContent(), 'Aggiungi superficie – Modello');
    const add = question.getByRole('button', { name: 'Aggiungi', exact: true });
    await question.getByRole('textbox', { name: 'Nome della nuova superficie', exact: true }).fill('Timone');
    assert.equal(await toned(page, 'AvvisoNuovaSuperficie'),
        'Attenzione: un\'altra superficie si chiama già «Timone» (tone-warning)');
    assert.ok(await add.isEnabled());
    await type(page, 'CoppiaServoNuovo', 'abc');
    assert.equal(await toned(page, 'AvvisoNuovaSuperficie'),
        'Coppia dichiarata non valida: serve un numero da 0.01 a 10000 (tone-bad)');
    assert.ok(await add.isDisabled());
    await page.screenshot({ path: join(shots, 'new-surface-390.png') });
    await type(page, 'CoppiaServoNuovo', '2,5');
    assert.equal(await page.locator('#CoppiaServoNuovo').inputValue(), '2.5');
    await page.locator('#NomeNuovaSuperficie').fill('Alettone centrale');
    assert.ok(await page.locator('#AvvisoNuovaSuperficie').isHidden());
    await add.click();
    await question.waitFor({ state: 'hidden' });
    const names = () => page.locator('#Modello_Tabella tbody tr td:first-child').allTextContents();
    assert.equal((await names()).at(-1), 'Alettone centrale');
    assert.equal(await page.locator('#Modello_NomeSuperficie').inputValue(), 'Alettone centrale');
    assert.equal(await page.locator('#Modello_CoppiaServo').inputValue(), '2.5');

    // Renamed to a name another surface has: done, and said.
    await page.click('#Modello_Rinomina');
    await question.waitFor({ state: 'visible' });
    assert.equal(await page.locator('#question-text').inputValue(), 'Alettone centrale');
    await page.locator('#question-text').fill('Timone');
    await question.getByRole('button', { name: 'OK' }).click();
    await question.waitFor({ state: 'hidden' });
    assert.equal((await names()).at(-1), 'Timone');
    assert.equal(await text(page, 'Modello_StatoModello'), 'Attenzione: un\'altra superficie si chiama già «Timone»');
    assert.deepEqual(errors, []);
    await context.close();
});

test('a model dropped on the section opens; a refused one is told in the desktop\'s words', async () => {
    const context = await browser.newContext({ viewport: { width: 390, height: 844 } });
    const { page, errors } = await openSections(context);
    const drop = (name, content) => page.evaluate(([fileName, bytes]) => {
        const transfer = new DataTransfer();
        transfer.items.add(new File([bytes], fileName));
        document.getElementById('Modello').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    }, [name, content]);
    await drop('rotto.coppia', '{"formato": "altro"}');
    assert.match(await message(page), /^Il modello \S*rotto\.coppia non può essere aperto: /);
    await drop('esempio.coppia', readFileSync(example, 'utf8'));
    await page.waitForFunction(() => document.getElementById('Modello_Tabella').tBodies[0]?.rows.length > 0);
    assert.deepEqual(await verdicts(page), ['Alettone sinistro', 'Alettone destro', 'Flap sinistro', 'Flap destro',
        'Elevatore', 'Timone'].map((name) => `${name}: Servo Sufficiente (tone-good)`));
    assert.deepEqual(errors, []);
    await context.close();
});
