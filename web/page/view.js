// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a page: its controls made from the window's table, in the desktop's
// keyboard order, each with the desktop control's name as its id; their texts and flags follow
// the model after every event. Nothing here computes, words or judges anything.

import { element } from './page_kit.js';

// Which of the desktop's labels names a box beside it; a box without one is named by what a
// screen reader hears of it on the desktop.
const kCaptionOf = {
    Vel: 'Label_V',
    CarAla: 'Label_carico',
    Ang: 'Label_Gr',
    Coppia: 'Label_Servo',
    Cp_Out: 'Label_Cp',
};
const kUnitLabelOf = { Coppia: 'Label_CM' };
// The notes written on the drawing, top to bottom.
const kNotes = ['Label1', 'Label2', 'Label3', 'Label4', 'Label5'];
// The results, which the page shows but does not take typing into.
const kResults = ['Coppia', 'Cp_Out'];
// The deflection's two boxes take a sign; the others a plain number, from a keypad.
const kSigned = ['Ang', 'Corsa'];
// The travel, its box and the toggle beside it, lie together as on the desktop.
const kTravelGroup = ['Corsa', 'UP', 'Down'];

function textBox(document, control, captionOf) {
    const field = element(document, 'div', { class: `field field-${control.name}` });
    const caption = captionOf(control.name);
    const label = element(document, 'label', { for: control.name }, caption || control.accessibleName);
    const input = element(document, 'input', {
        id: control.name,
        type: 'text',
        inputmode: kSigned.includes(control.name) ? 'text' : 'decimal',
        autocomplete: 'off',
        spellcheck: 'false',
        maxlength: '32767',
        'aria-describedby': `${control.name}-about`,
    });
    if (kResults.includes(control.name)) input.readOnly = true;
    const about = element(document, 'span', { id: `${control.name}-about`, class: 'about' },
        [caption ? control.accessibleName : '', control.description].filter(Boolean).join(', '));
    field.append(label, input);
    const unit = kUnitLabelOf[control.name];
    if (unit) field.append(element(document, 'span', { class: 'unit' }, captionOf(unit, true)));
    field.append(about);
    return field;
}

function commandButton(document, control) {
    const made = element(document, 'button', {
        id: control.name,
        type: 'button',
        'aria-describedby': `${control.name}-about`,
    }, control.caption);
    const about = element(document, 'span', { id: `${control.name}-about`, class: 'about' },
        control.description);
    const field = element(document, 'div', { class: `field field-${control.name}` });
    field.append(made, about);
    return field;
}

// The toggles' pictures, at 1x and 2x.
const kTogglePictures = {
    UP: ['pictures/UpPicture.png', 'pictures/UpPicture@2x.png'],
    Down: ['pictures/DownPicture.png', 'pictures/DownPicture@2x.png'],
};

// A toggle: the desktop's picture, and in words what pressing it does.
function toggle(document, control) {
    const [picture, picture2x] = kTogglePictures[control.name];
    const made = element(document, 'button', {
        id: control.name,
        type: 'button',
        class: 'toggle',
        'aria-describedby': `${control.name}-about`,
    });
    made.append(
        element(document, 'img', {
            src: picture,
            srcset: `${picture2x} 2x`,
            width: '24',
            height: '38',
            alt: '',
        }),
        element(document, 'span', {}, control.accessibleName));
    made.append(element(document, 'span', { id: `${control.name}-about`, class: 'about' },
        control.description));
    return made;
}

// Builds the window into `root` (the form) and the notes into `notes`; returns render(), which
// shows the model's texts and flags, and the element of each control by its number.
export function buildWindow(document, core, window, root, notes) {
    const byName = new Map(core.controls.map((control) => [control.name, control]));
    const captionOf = (name, always) => {
        const label = always ? name : kCaptionOf[name];
        return label ? byName.get(label).caption.trim() : '';
    };
    const focusable = core.controls
        .filter((control) => ['textBox', 'button', 'toggle'].includes(control.kind))
        .sort((a, b) => a.tabIndex - b.tabIndex);
    const elements = new Map();
    let travel = null;
    for (const control of focusable) {
        let made;
        if (control.kind === 'textBox') made = textBox(document, control, captionOf);
        else if (control.kind === 'button') made = commandButton(document, control);
        else made = toggle(document, control);
        if (kTravelGroup.includes(control.name)) {
            travel ??= root.appendChild(element(document, 'div', { class: 'travel' }));
            travel.append(made);
        } else {
            root.append(made);
        }
        elements.set(control.index, document.getElementById(control.name));
    }
    for (const name of kNotes) notes.append(element(document, 'li', {}, byName.get(name).caption));
    document.getElementById('Image1').alt = byName.get('Image1').accessibleName;

    const render = () => {
        for (const control of focusable) {
            const shown = elements.get(control.index);
            const usable = window.enabled(control.index) && window.visible(control.index);
            const hadFocus = document.activeElement === shown;
            if (control.kind === 'textBox') {
                const text = window.text(control.index);
                // Left alone when equal, so that the caret of the box being typed into stays.
                if (shown.value !== text) shown.value = text;
            }
            shown.disabled = !window.enabled(control.index);
            (control.kind === 'textBox' ? shown.parentElement : shown).hidden =
                !window.visible(control.index);
            if (hadFocus && !usable) passFocusOn(control);
        }
    };
    // As on the desktop, the keyboard goes on to the next control that takes it.
    const passFocusOn = (leaving) => {
        const from = focusable.indexOf(leaving);
        for (let step = 1; step < focusable.length; ++step) {
            const next = focusable[(from + step) % focusable.length];
            if (window.enabled(next.index) && window.visible(next.index)) {
                elements.get(next.index).focus();
                return;
            }
        }
    };
    return { render, elements, controlOf: (shown) => focusable.find((c) => elements.get(c.index) === shown) };
}
