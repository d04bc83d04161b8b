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

// The main window of the page: a handle and the calls on it.
class MainWindow {
    constructor(module, calls) {
        this.module = module;
        this.calls = calls;
        this.handle = calls.create();
    }

    // The bytes of Mervanti.ini kept at an earlier visit, as text.
    putBack(text) {
        const bytes = new TextEncoder().encode(text);
        const at = this.module._malloc(Math.max(bytes.length, 1));
        this.module.HEAPU8.set(bytes, at);
        this.calls.putBackBytes(this.handle, at, bytes.length);
        this.module._free(at);
    }
    storageRefused() { this.calls.storageRefused(this.handle); }
    load() { this.calls.load(this.handle); }
    edit(control, text) { return this.calls.edit(this.handle, control, text) !== 0; }
    click(control) { return this.calls.click(this.handle, control) !== 0; }
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

// Loads the core: the WebAssembly module beside this page, or the one the page carries.
export async function loadCore() {
    const wasmBinary = inlineWasm();
    const module = await globalThis.createCoppiaCore(wasmBinary ? { wasmBinary } : {});
    const calls = mainWindowCalls(module);
    return {
        title: module.cwrap('coppia_main_title', 'string', [])(),
        controls: controlTable(module),
        newMainWindow: () => new MainWindow(module, calls),
    };
}
