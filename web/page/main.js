// SPDX-License-Identifier: GPL-3.0-or-later
// The page's start and its events: each one goes to the core, then the page shows what the
// window shows, then its messages, then keeps the inputs a calculation saved.
import { buildAnalysis } from './analysis_view.js';
import { ask } from './ask.js';
import { loadCalculator, loadCore } from './core.js';
import { putBackFiles, takeWrittenFiles } from './kept_files.js';
import { keep, readKept } from './last_inputs.js';
import { showMessages } from './messages.js';
import { buildModel } from './model_view.js';
import { buildWindow } from './view.js';

async function start() {
    const calculator = await loadCalculator();
    const window = calculator.newMainWindow();
    const kept = readKept();
    if (kept.refused) window.storageRefused();
    else if (kept.text !== null) window.putBack(kept.text);
    window.load();

    document.getElementById('title').textContent = calculator.title;
    const form = document.getElementById('fields');
    const view = buildWindow(document, calculator, window, form, document.getElementById('notes'));
    const dialog = document.getElementById('message');
    const questions = document.getElementById('question');
    let core = null;
    let model = null;
    let analysisView = null;
    let modelView = null;

    // One event at a time, as on the desktop, where a message box holds the window.
    let running = Promise.resolve();
    const after = (event) => {
        running = running.then(async () => {
            await event();
            view.render();
            analysisView?.render();
            modelView?.render();
            await showMessages(dialog, [...window.takeMessages(), ...(model?.takeMessages() ?? [])]);
            const saved = window.takeSaved();
            if (saved !== null && !keep(saved)) window.storageRefused();
            if (core && !takeWrittenFiles(document, core.files)) core.files.storageRefused();
        });
        return running;
    };
    // A model window's event, run again with each answer its user gives to what it asks.
    const modelEvent = (call, given = {}) => after(async () => {
        const answers = { ...given };
        for (;;) {
            model.answer(answers);
            call();
            const question = model.question();
            if (question === null) return;
            const answer = await ask(questions, core, question, model);
            if (answer === null) return;
            answers[answer[0]] = answer[1];
        }
    });
    // The analysis and the model follow the calculator as the desktop's windows follow theirs,
    // and read what earlier visits kept as they load. They come with the whole core, once the
    // calculator is shown, so that its first result does not wait for them; the main window
    // moves there, between two events.
    const addWindows = async () => {
        const whole = await loadCore();
        await after(() => {
            window.moveTo(whole);
            core = whole;
        });
        if (!putBackFiles(core.files)) core.files.storageRefused();
        const analysis = core.newAnalysis(window);
        analysis.load();
        model = core.newModel(window);
        model.load();
        analysisView = buildAnalysis(document, core, analysis, document.getElementById('Analisi'), after);
        modelView = buildModel(document, core, model, document.getElementById('Modello'), modelEvent);
        return after(() => {}).then(() => document.body.classList.add('windows-ready'));
    };

    form.addEventListener('beforeinput', (event) => {
        const control = view.controlOf(event.target);
        if (!control || event.inputType !== 'insertText' || !event.data) return;
        // A key's character may enter another ("," is "." in a number's box).
        const entered = window.typed(control.index, event.data);
        if (entered === event.data) return;
        event.preventDefault();
        const box = event.target;
        box.setRangeText(entered, box.selectionStart, box.selectionEnd, 'end');
        after(() => window.edit(control.index, box.value));
    });
    form.addEventListener('input', (event) => {
        const control = view.controlOf(event.target);
        if (control) after(() => window.edit(control.index, event.target.value));
    });
    form.addEventListener('click', (event) => {
        const pressed = event.target.closest('button');
        const control = pressed && view.controlOf(pressed);
        if (!control) return;
        const hadFocus = document.activeElement === pressed;
        after(() => window.click(control.index)).then(() => {
            // The toggle hides itself; the keyboard stays on the one shown in its place.
            if (control.kind === 'toggle' && hadFocus) {
                document.getElementById(pressed.id === 'UP' ? 'Down' : 'UP').focus();
            }
        });
    });
    form.addEventListener('submit', (event) => event.preventDefault());

    view.render();
    await after(() => {});  // messages the kept inputs raised at the start
    document.body.classList.add('ready');
    document.getElementById('Main').removeAttribute('aria-busy');
    // When the page is idle: a first CALCOLA tapped at once is answered before the analysis and the
    // model are built (browsers without idle callbacks wait a moment instead).
    const whenIdle = globalThis.requestIdleCallback ?? ((run) => setTimeout(run, 200));
    whenIdle(() => addWindows().catch((error) => console.error(error)).finally(keepSite), { timeout: 1000 });
}

// The service worker fetches every file of the site to keep it: only once the windows are
// shown, so that it slows neither the first calculation nor the analysis and the model down.
function keepSite() {
    if ('serviceWorker' in navigator && location.protocol !== 'file:') {
        navigator.serviceWorker.register('sw.js');
    }
}

start().catch((error) => {
    document.getElementById('failure').hidden = false;
    console.error(error);
});
