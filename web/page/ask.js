// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's questions as the page's dialogs: whether to save the changes, the name to
// save under, a text (a new name), a new surface. Each question comes whole from the core
// (title, text, buttons); the answer goes back as the core reads it (display_json.h). A question
// given up answers null, as a dialog closed on the desktop.
import { element, enterAsTyped, setChoices, showToned } from './page_kit.js';

// The answer's key for each kind of question.
const kSaveChoices = ['Salva', 'NonSalvare', 'Annulla'];

// `shown(buttons)` runs once the buttons are made, before the dialog opens.
function choice(dialog, question, body, shown = () => {}) {
    const document = dialog.ownerDocument;
    const form = element(document, 'form', { method: 'dialog' });
    form.append(element(document, 'h2', { id: 'question-title', class: 'message-title' }, question.title));
    if (question.text && question.kind !== 'salvaIn') {
        form.append(element(document, 'p', { class: 'message-text' }, question.text));
    }
    form.append(...body);
    const buttons = element(document, 'div', { class: 'buttons' });
    question.buttons.forEach((caption, index) => {
        buttons.append(element(document, 'button', { value: String(index) }, caption));
    });
    form.append(buttons);
    dialog.replaceChildren(form);
    shown([...buttons.children]);
    return new Promise((resolve) => {
        dialog.addEventListener('close', () => resolve(dialog.returnValue === '' ? null : Number(dialog.returnValue)), { once: true });
        dialog.returnValue = '';
        dialog.showModal();
    });
}

function answerBox(document, id, label, value, accessibleName = label) {
    const field = element(document, 'div', { class: 'field' });
    const input = element(document, 'input', { id, type: 'text', autocomplete: 'off', 'aria-label': accessibleName });
    input.value = value;
    field.append(element(document, 'label', { for: id }, label), input);
    return { field, input };
}

// The new surface's dialog: its fields named and captioned as the desktop's, and below them what
// the model window says of the name and the rating typed, which may grey Aggiungi.
function newSurfaceFields(document, core, proposal, model) {
    const display = model.display();
    const table = new Map(core.modelControls.map((control) => [control.name, control]));
    const text = (name, value) => answerBox(document, name, table.get(name).caption, value,
        table.get(name).accessibleName);
    const list = (name, texts, chosen) => {
        const field = element(document, 'div', { class: 'field' });
        const select = element(document, 'select', { id: name, 'aria-label': table.get(name).accessibleName });
        setChoices(select, texts, chosen);
        field.append(element(document, 'label', { for: name }, table.get(name).caption), select);
        return { field, select };
    };
    const fields = {
        name: text('NomeNuovaSuperficie', proposal.name),
        kind: list('TipoNuovaSuperficie', display.kinds, proposal.kind),
        count: list('ServiNuovaSuperficie', Array.from({ length: display.mostServos }, (_, i) => String(i + 1)),
            proposal.servoCount - 1),
        servoName: text('NomeServoNuovo', proposal.servoName),
        rating: text('CoppiaServoNuovo', ''),
        unit: list('UnitaServoNuovo', display.units, proposal.unit),
    };
    fields.rating.input.placeholder = proposal.ratingToBeGiven;
    const advice = element(document, 'p', { id: 'AvvisoNuovaSuperficie', class: 'note', role: 'status' });
    const watch = ([add]) => {
        const check = () => {
            const said = model.advice(fields.name.input.value, fields.rating.input.value);
            add.disabled = !said.acceptable;
            showToned(advice, said.problem ? { text: said.problem, tone: 'bad' } : { text: said.warning, tone: 'warning' });
        };
        for (const typed of [fields.name.input, fields.rating.input]) typed.addEventListener('input', check);
        // The rating is a number, as the surface's own is: a comma typed is its point.
        enterAsTyped(fields.rating.field, (field, typed) => model.typed('CoppiaServo', typed));
        check();
    };
    const answer = () => ({
        name: fields.name.input.value,
        kind: fields.kind.select.selectedIndex,
        servoCount: fields.count.select.selectedIndex + 1,
        servoName: fields.servoName.input.value,
        rating: fields.rating.input.value,
        unit: fields.unit.select.selectedIndex,
    });
    return { body: [...Object.values(fields).map((field) => field.field), advice], answer, watch };
}

// Asks `question` of the model window `model`; gives the answer's key and value, or null when the
// user gave it up.
export async function ask(dialog, core, question, model) {
    const document = dialog.ownerDocument;
    switch (question.kind) {
        case 'salvare': {
            const index = await choice(dialog, question, []);
            return index === null ? null : ['salvare', kSaveChoices[index]];
        }
        case 'salvaIn':
        case 'testo': {
            const box = answerBox(document, 'question-text', question.kind === 'salvaIn' ? question.title : question.text,
                question.kind === 'salvaIn' ? question.text : question.current);
            const index = await choice(dialog, question, [box.field]);
            return index === 0 ? [question.kind, box.input.value] : null;
        }
        case 'nuovaSuperficie': {
            const fields = newSurfaceFields(document, core, question.proposal, model);
            const index = await choice(dialog, question, fields.body, fields.watch);
            return index === 0 ? ['nuovaSuperficie', fields.answer()] : null;
        }
        default:
            // A file to open is picked before Apri runs; asked for anything else, it is given up.
            return null;
    }
}
