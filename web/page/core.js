// SPDX-License-Identifier: GPL-3.0-or-later
// The program's core, compiled from the desktop's C++ (web/core): every text, number and verdict
// the page shows comes from it. This module only carries calls and bytes across.

// The single-file page carries the module's bytes inside itself, as base64 in this element.
const kInlineWasm = 'coppia-wasm';

function inlineWasm() {
    const element = document.getElementById(kInlineWasm);
    if (!element) return undefined;
    const text = atob(element.textContent.trim());
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) bytes[i] = text.charCodeAt(i);
    return bytes;
}

// The main window's calls, each taking the window's handle first.
function mainWindowCalls(module) {
    const call = (name, result, args) => module.cwrap(name, result, args);
    return {
        create: call('coppia_main_create', 'number', []),
        destroy: call('coppia_main_destroy', null, ['number']),
        putBackBytes: call('coppia_main_put_back', null, ['number', 'number', 'number']),
        storageRefused: call('coppia_main_storage_refused', null, ['number']),
        load: call('coppia_main_load', null, ['number']),
        edit: call('coppia_main_edit', 'number', ['number', 'number', 'string']),
        click: call('coppia_main_click', 'number', ['number', 'number']),
        typed: call('coppia_main_typed', 'string', ['number', 'string']),
        text: call('coppia_main_text', 'string', ['number', 'number']),
        enabled: call('coppia_main_enabled', 'number', ['number', 'number']),
        visible: call('coppia_main_visible', 'number', ['number', 'number']),
        messageCount: call('coppia_main_message_count', 'number', ['number']),
        messageText: call('coppia_main_message_text', 'string', ['number', 'number']),
        messageTitle: call('coppia_main_message_title', 'string', ['number', 'number']),
        messagesTaken: call('coppia_main_messages_taken', null, ['number']),
        takeSaved: call('coppia_main_take_saved', 'number', ['number']),
        keptBytes: call('coppia_main_kept_bytes', 'number', ['number']),
        keptSize: call('coppia_main_kept_size', 'number', ['number']),
    };
}

// The main window's table: one entry per control, in the table's order.
function controlTable(module) {
    const call = (name, result) => module.cwrap(name, result, ['number']);
    const name = call('coppia_control_name', 'string');
    const kind = call('coppia_control_kind', 'number');
    const caption = call('coppia_control_caption', 'string');
    const accessibleName = call('coppia_control_accessible_name', 'string');
    const description = call('coppia_control_description', 'string');
    const tabIndex = call('coppia_control_tab_index', 'number');
    const count = module.cwrap('coppia_control_count', 'number', [])();
    const kinds = ['textBox', 'button', 'toggle', 'label', 'image'];
    const controls = [];
    for (let index = 0; index < count; ++index) {
        controls.push({
            index,
            name: name(index),
            kind: kinds[kind(index)],
            caption: caption(index),
            accessibleName: accessibleName(index),
            description: description(index),
            tabIndex: tabIndex(index),
        });
    }
    return controls;
}

// The main window of the page: a handle and the calls on it. It starts in the calculator's core
// and moves to the whole core once that is loaded (moveTo): every call that changes it is
// recorded until then and made again there, so that the same code brings it to the same state.
class MainWindow {
    constructor(module, calls) {
        this.module = module;
        this.calls = calls;
        this.handle = calls.create();
        this.made = [];
    }

    #change(call) {
        this.made?.push(call);
        return call(this.calls, this.handle, this.module);
    }

    // Into the whole core, whose windows follow it there. The messages and the saved bytes the
    // calls raise again were shown and kept the first time.
    moveTo(core) {
        if (this.made === null || core.module === this.module) return;
        const { calls, handle } = this;
        this.module = core.module;
        this.calls = core.mainWindowCalls;
        this.handle = this.calls.create();
        for (const call of this.made) call(this.calls, this.handle, this.module);
        this.made = null;
        this.calls.messagesTaken(this.handle);
        this.calls.takeSaved(this.handle);
        calls.destroy(handle);
    }

    // The bytes of Mervanti.ini kept at an earlier visit, as text.
    putBack(text) {
        const bytes = new TextEncoder().encode(text);
        this.#change((calls, handle, module) =>
            withBytes(module, bytes, (at, size) => calls.putBackBytes(handle, at, size)));
    }
    storageRefused() { this.#change((calls, handle) => calls.storageRefused(handle)); }
    load() { this.#change((calls, handle) => calls.load(handle)); }
    edit(control, text) { return this.#change((calls, handle) => calls.edit(handle, control, text)) !== 0; }
    click(control) { return this.#change((calls, handle) => calls.click(handle, control)) !== 0; }
    typed(control, text) { return this.calls.typed(control, text); }
    text(control) { return this.calls.text(this.handle, control); }
    enabled(control) { return this.calls.enabled(this.handle, control) !== 0; }
    visible(control) { return this.calls.visible(this.handle, control) !== 0; }

    // The messages raised since the last call, in order, each { text, title }.
    takeMessages() {
        const messages = [];
        for (let i = 0; i < this.calls.messageCount(this.handle); ++i) {
            messages.push({
                text: this.calls.messageText(this.handle, i),
                title: this.calls.messageTitle(this.handle, i),
            });
        }
        this.calls.messagesTaken(this.handle);
        return messages;
    }

    // The bytes to keep when a calculation saved new ones; null otherwise.
    takeSaved() {
        if (this.calls.takeSaved(this.handle) === 0) return null;
        const size = this.calls.keptSize(this.handle);
        const at = this.calls.keptBytes(this.handle);
        return new TextDecoder().decode(this.module.HEAPU8.subarray(at, at + size));
    }
}

// Bytes into the module's memory for the length of a call; the call gets their place and size.
function withBytes(module, bytes, call) {
    const at = module._malloc(Math.max(bytes.length, 1));
    module.HEAPU8.set(bytes, at);
    try {
        return call(at, bytes.length);
    } finally {
        module._free(at);
    }
}

// The page's files: bytes under paths, which the windows read and write as files.
class PageFiles {
    constructor(module) {
        this.module = module;
        const call = (name, result, args) => module.cwrap(name, result, args);
        this.put = call('coppia_file_put', null, ['string', 'number', 'number']);
        this.handOverCall = call('coppia_file_hand_over', 'string', ['string', 'number', 'number']);
        this.size = call('coppia_file_size', 'number', ['string']);
        this.bytesAt = call('coppia_file_bytes', 'number', ['string']);
        this.writtenCall = call('coppia_files_written', 'string', []);
        this.keptCall = call('coppia_files_kept', 'string', []);
        this.storageRefused = call('coppia_files_storage_refused', null, []);
    }

    // Puts a file back at its path (what the page's storage kept).
    putBack(path, bytes) { withBytes(this.module, bytes, (at, size) => this.put(path, at, size)); }
    // A file the user gave, by its name; gives the path it lies at.
    handOver(name, bytes) {
        return withBytes(this.module, bytes, (at, size) => this.handOverCall(name, at, size));
    }
    // The bytes at a path, a copy; null for no file.
    read(path) {
        const size = this.size(path);
        if (size < 0) return null;
        const at = this.bytesAt(path);
        return this.module.HEAPU8.slice(at, at + size);
    }
    // The paths written since the last call.
    written() { return JSON.parse(this.writtenCall()); }
    // The paths the page keeps between visits.
    kept() { return JSON.parse(this.keptCall()); }
}

// An added window (analysis or model): a handle, made on a main window, and calls by name.
class AddedWindow {
    constructor(module, prefix, main) {
        this.module = module;
        this.call = (name, result, args) => module.cwrap(`coppia_${prefix}_${name}`, result, args);
        this.handle = this.call('create', 'number', ['number'])(main.handle);
        this.loadCall = this.call('load', null, ['number']);
        this.editCall = this.call('edit', 'number', ['number', 'string', 'string']);
        this.chooseCall = this.call('choose', 'number', ['number', 'string', 'number']);
        this.clickCall = this.call('click', 'number', ['number', 'string']);
        this.displayCall = this.call('display', 'string', ['number']);
        this.plotCall = this.call('plot', 'string', ['number', 'number', 'number', 'number']);
        this.csvCall = this.call('csv', 'number', ['number', 'number']);
        this.typedCall = this.call('typed', 'string', ['string', 'string']);
    }
    load() { this.loadCall(this.handle); }
    edit(field, text) { return this.editCall(this.handle, field, text) !== 0; }
    // What typing these characters into the field enters ("," is "." in a number's field).
    typed(field, text) { return this.typedCall(field, text); }
    choose(list, index) { return this.chooseCall(this.handle, list, index) !== 0; }
    click(button) { return this.clickCall(this.handle, button) !== 0; }
    display() { return JSON.parse(this.displayCall(this.handle)); }
    // The plot as SVG text, for a box of this size in CSS pixels.
    plot(width, height, fontSize) { return this.plotCall(this.handle, width, height, fontSize); }
    // The table's CSV as the desktop writes its bytes: read as a text, its byte order mark, which
    // tells a spreadsheet that it is UTF-8, would be dropped.
    csv(international) {
        const at = this.csvCall(this.handle, international ? 1 : 0);
        return this.module.HEAPU8.slice(at, this.module.HEAPU8.indexOf(0, at));
    }
}

class AnalysisWindow extends AddedWindow {
    constructor(module, main) {
        super(module, 'analysis', main);
        this.copiedCall = this.call('copied', 'string', ['number']);
    }
    copied() { return this.copiedCall(this.handle); }
}

class ModelWindow extends AddedWindow {
    constructor(module, main) {
        super(module, 'model', main);
        this.answerCall = this.call('answer', null, ['number', 'string']);
        this.selectCall = this.call('select', 'number', ['number', 'string', 'number']);
        this.questionCall = this.call('question', 'string', ['number']);
        this.messagesCall = this.call('messages', 'string', ['number']);
        this.adviceCall = this.call('advice', 'string', ['number', 'string', 'string']);
    }
    // The answers to the questions of the next event.
    answer(answers) { this.answerCall(this.handle, JSON.stringify(answers)); }
    select(rows, current) { return this.selectCall(this.handle, JSON.stringify(rows), current ?? -1) !== 0; }
    // The question the last event had no answer for; null for none.
    question() { return JSON.parse(this.questionCall(this.handle)); }
    takeMessages() { return JSON.parse(this.messagesCall(this.handle)); }
    advice(name, rating) { return JSON.parse(this.adviceCall(this.handle, name, rating)); }
}

// A module of the core: the one beside this page, made by the script of that name, which is
// loaded when the page has not loaded it yet, from the module compiled if given; or the one the
// page carries.
async function loadModule(maker, script, compiled) {
    const wasmBinary = inlineWasm();
    if (wasmBinary) return globalThis.createCoppiaCore({ wasmBinary });
    if (!globalThis[maker]) {
        await new Promise((loaded, failed) => {
            const element = document.createElement('script');
            element.src = script;
            element.onload = loaded;
            element.onerror = () => failed(new Error(`${script} did not load`));
            document.head.append(element);
        });
    }
    if (!compiled) return globalThis[maker]({});
    return globalThis[maker]({
        instantiateWasm: (imports, done) => {
            WebAssembly.instantiate(compiled, imports).then((instance) => done(instance, compiled));
            return {};
        },
    });
}

function calculatorOf(module) {
    const calls = mainWindowCalls(module);
    return {
        module,
        mainWindowCalls: calls,
        title: module.cwrap('coppia_main_title', 'string', [])(),
        controls: controlTable(module),
        newMainWindow: () => new MainWindow(module, calls),
    };
}

// Loads the calculator's core, the main window alone, which the page needs first. The page that
// carries its core in itself carries the whole core, which serves as the calculator's too.
export async function loadCalculator() {
    if (document.getElementById(kInlineWasm)) return loadCore();
    return calculatorOf(await loadModule('createCoppiaCalculator', 'coppia_calculator.js',
        await compiledEarly()));
}

// The calculator's core as the page's head compiled it; none where that failed or could not be
// (a host that sends .wasm as another type, a browser without streaming compilation), and the
// module's loader fetches it again.
async function compiledEarly() {
    try {
        return await globalThis.coppiaCalculatorCompiling;
    } catch {
        return undefined;
    }
}

// Loads the whole core: the main window, and the analysis and the model made on one. Once.
let wholeCore = null;
export function loadCore() {
    wholeCore ??= loadWholeCore();
    return wholeCore;
}

async function loadWholeCore() {
    const module = await loadModule('createCoppiaCore', 'coppia_core.js');
    const table = (name) => JSON.parse(module.cwrap(`coppia_${name}_controls`, 'string', [])());
    return {
        ...calculatorOf(module),
        analysisControls: table('analysis'),
        modelControls: table('model'),
        files: new PageFiles(module),
        newAnalysis: (main) => new AnalysisWindow(module, main),
        newModel: (main) => new ModelWindow(module, main),
    };
}
