// SPDX-License-Identifier: GPL-3.0-or-later
// What the analysis and the model sections make alike: elements named as the desktop's
// controls, captions from the window's table, texts in their tones, and files to download.

// The size of a plot's texts, in CSS pixels: the analysis's and the comparison's alike.
export const kPlotFont = 13;

export function element(document, tag, attributes = {}, text = '') {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
    if (text) made.textContent = text;
    return made;
}

// A window's table ({name, caption, key, accessibleName} each) by the controls' names.
export function tableOf(controls) {
    return new Map(controls.map((control) => [control.name, control]));
}

// A text box with its caption, its id the desktop control's name; `committed` runs with its text
// when the user leaves it or presses Enter, as the desktop takes a field's text.
export function textField(document, table, name, committed, unit = '') {
    const control = table.get(name);
    const field = element(document, 'div', { class: `field field-${name}` });
    const input = element(document, 'input', {
        id: name, type: 'text', autocomplete: 'off', spellcheck: 'false',
        'aria-label': control.accessibleName,
    });
    field.append(element(document, 'label', { for: name }, control.caption || control.accessibleName));
    if (unit) {
        const row = element(document, 'div', { class: 'with-unit' });
        row.append(input, element(document, 'span', { class: 'unit' }, unit));
        field.append(row);
    } else {
        field.append(input);
    }
    input.addEventListener('change', () => committed(input.value));
    return { field, input };
}

// A key's character may enter another, as in the desktop's fields ("," is "." where a number is
// typed): `typed(field, text)` says what, by the field's desktop name, its id after `prefix`'s
// (prefixIds). A paste stays as it is.
export function enterAsTyped(root, typed, prefix = '') {
    const start = prefix ? `${prefix}_` : '';
    root.addEventListener('beforeinput', (event) => {
        const box = event.target;
        if (event.inputType !== 'insertText' || !event.data || !box.id.startsWith(start)) return;
        const entered = typed(box.id.slice(start.length), event.data);
        if (entered === event.data) return;
        event.preventDefault();
        // Typed again as the browser types, so that leaving the field commits it as any typing.
        box.ownerDocument.execCommand('insertText', false, entered);
    });
}

// A list to choose from, its entries given by the core at each render.
export function choiceField(document, table, name, chosen) {
    const control = table.get(name);
    const field = element(document, 'div', { class: `field field-${name}` });
    const select = element(document, 'select', { id: name, 'aria-label': control.accessibleName });
    if (control.caption) field.append(element(document, 'label', { for: name }, control.caption));
    field.append(select);
    select.addEventListener('change', () => chosen(select.selectedIndex));
    return { field, select };
}

export function setChoices(select, texts, chosen) {
    if (select.options.length !== texts.length ||
        [...select.options].some((option, i) => option.textContent !== texts[i])) {
        select.replaceChildren(...texts.map((text) => {
            const option = select.ownerDocument.createElement('option');
            option.textContent = text;
            return option;
        }));
    }
    select.selectedIndex = chosen;
}

// A servo's rating (CoppiaServo) with the list of its units beside it, as both windows have it.
export function ratingField(document, table, unitName, edited, chosen) {
    const rating = textField(document, table, 'CoppiaServo', edited);
    const unit = choiceField(document, table, unitName, chosen);
    const row = element(document, 'div', { class: 'with-unit' });
    row.append(rating.input, unit.select);
    rating.field.append(row);
    return { rating, unit };
}

// The servo's data sheet, as the core lists its fields ({name, caption, description, unit}),
// each typed into as the window's others.
export function figureFields(document, figures, edited) {
    return figures.map((figure) => textField(document, tableOf([{ name: figure.name,
        caption: figure.caption, accessibleName: figure.description }]), figure.name,
    edited(figure.name), figure.unit));
}

// A value the window shows, read only, with its caption.
export function valueField(document, table, name, unitId = '') {
    const control = table.get(name);
    const field = element(document, 'div', { class: `field value field-${name}` });
    const output = element(document, 'output', { id: name, 'aria-label': control.accessibleName });
    field.append(element(document, 'span', { class: 'caption' }, control.caption), output);
    if (unitId) field.append(element(document, 'span', { id: unitId, class: 'unit' }));
    return { field, output };
}

export function button(document, table, name, pressed) {
    const control = table.get(name);
    const made = element(document, 'button', {
        id: name, type: 'button', 'aria-label': control.accessibleName,
    }, control.caption);
    made.addEventListener('click', () => pressed());
    return made;
}

// A text in its tone ({text, tone}), hidden while it is empty.
export function showToned(shown, toned) {
    shown.textContent = toned.text;
    shown.className = `${shown.className.replace(/\btone-\w+/g, '').trim()} tone-${toned.tone}`.trim();
    shown.hidden = toned.text === '';
}

export function showText(shown, text) {
    shown.textContent = text;
    shown.hidden = text === '';
}

export function setValue(input, text) {
    // Left alone when equal, so that the caret stays.
    if (input.value !== text) input.value = text;
}

// Hands bytes to the browser as a file to download.
export function download(document, name, bytes, type) {
    const url = URL.createObjectURL(new Blob([bytes], { type }));
    const link = element(document, 'a', { href: url, download: name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// The analysis and the model windows are one page with the calculator: each of their ids is the
// desktop control's name after its window's, as the desktop names their events
// (Analisi_CoppiaServo, Modello_CoppiaServo), so that no two are alike.
export function prefixIds(root, prefix) {
    const renamed = (id) => `${prefix}_${id}`;
    for (const named of root.querySelectorAll('[id]')) named.id = renamed(named.id);
    for (const label of root.querySelectorAll('label[for]')) label.htmlFor = renamed(label.htmlFor);
    for (const labelled of root.querySelectorAll('[aria-labelledby]')) {
        labelled.setAttribute('aria-labelledby', renamed(labelled.getAttribute('aria-labelledby')));
    }
}
