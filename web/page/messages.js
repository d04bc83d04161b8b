// SPDX-License-Identifier: GPL-3.0-or-later
// The window's messages, one modal dialog each, in the order the window raised them, each
// answered with OK as the desktop's message boxes are.

export function showMessages(dialog, messages) {
    const title = dialog.querySelector('.message-title');
    const text = dialog.querySelector('.message-text');
    const next = (remaining) => new Promise((resolve) => {
        if (remaining.length === 0) return resolve();
        title.textContent = remaining[0].title;
        text.textContent = remaining[0].text;
        dialog.addEventListener('close', () => resolve(next(remaining.slice(1))), { once: true });
        dialog.showModal();
        dialog.querySelector('button').focus();
    });
    return next(messages);
}
