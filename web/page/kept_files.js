// SPDX-License-Identifier: GPL-3.0-or-later
// The files the program keeps between visits (the analysis's settings, the recent list and the
// models it names), kept in the browser's storage under their paths; and the models the user
// saves, handed to the browser to download. The core says which are which; this only moves bytes.
import { download } from './page_kit.js';

const kPrefix = 'coppia:';
const kConfigFolder = '/impostazioni/';

// Puts back what an earlier visit kept; false when the browser keeps nothing for this page.
export function putBackFiles(files) {
    try {
        const storage = globalThis.localStorage;
        for (let i = 0; i < storage.length; ++i) {
            const key = storage.key(i);
            if (key.startsWith(kPrefix)) {
                files.putBack(key.slice(kPrefix.length), new TextEncoder().encode(storage.getItem(key)));
            }
        }
        return true;
    } catch {
        return false;
    }
}

// After an event that wrote files: keeps what is to be kept, and downloads each model saved. Gives false when
// the browser refused to keep something.
export function takeWrittenFiles(document, files) {
    const written = files.written();
    if (written.length === 0) return true;
    // All of them, as a model opened is kept once the recent list names it.
    let keptAll = true;
    for (const path of files.kept()) {
        try {
            globalThis.localStorage.setItem(kPrefix + path, new TextDecoder().decode(files.read(path)));
        } catch {
            keptAll = false;
        }
    }
    for (const path of written) {
        const bytes = files.read(path);
        if (bytes !== null && !path.startsWith(kConfigFolder)) {
            download(document, path.slice(path.lastIndexOf('/') + 1), bytes, 'application/octet-stream');
        }
    }
    return keptAll;
}
