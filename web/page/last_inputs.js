// SPDX-License-Identifier: GPL-3.0-or-later
// The last inputs kept in the browser: the bytes of the desktop's Mervanti.ini, under its name.
// The core decides what is kept and when; this only stores and fetches the bytes.

const kKey = 'Mervanti.ini';

// What was kept at an earlier visit: { text } (null when nothing), or { refused } when the
// browser keeps nothing for this page (storage turned off).
export function readKept() {
    try {
        return { text: globalThis.localStorage.getItem(kKey) };
    } catch {
        return { refused: true };
    }
}

// Keeps the bytes; false when the browser refuses them (storage full or turned off).
export function keep(text) {
    try {
        globalThis.localStorage.setItem(kKey, text);
        return true;
    } catch {
        return false;
    }
}
