// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's questions as the page's dialogs: whether to save the changes, the name to
// save under, a text (a new name), a new surface. Each question comes whole from the core
// (title, text, buttons); the answer goes back as the core reads it (display_json.h). A question
// given up answers null, as a dialog closed on the desktop.
import { element, setChoices } from './page_kit.js';

// The answer's key for each kind of question.
const kSaveChoices = ['Salva', 'NonSalvare', 'Annulla'];

function choice(dialog, question, body) {
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
    return new Promise((resolve) => {
        dialog.addEventListener('close', () => resolve(dialog.returnValue === '' ? null : Number(dialog.returnValue)), { once: true });
        dialog.returnValue = '';
        dialog.showModal();
    });
}

function answerBox(document, id, label, value) {
    const field = element(document, 'div', { class: 'field' });
    const input = element(document, 'input', { id, type: 'text', autocomplete: 'off' });
    input.value = value;
    field.append(element(document, 'label', { for: id }, label), input);
    return { field, input };
}

// The new surface's dialog: its fields named and captioned as the desktop's.
function newSurfaceFields(document, core, proposal, display) {
    const table = new Map(core.modelControls.map((control) => [control.name, control]));
    const text = (name, value) => answerBox(document, name, table.get(name).caption, value);
    const list = (name, texts, chosen) => {
        const field = element(document, 'div', { class: 'field' });
        const select = element(document, 'select', { id: name });
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
    const answer = () => ({
        name: fields.name.input.value,
        kind: fields.kind.select.selectedIndex,
        servoCount: fields.count.select.selectedIndex + 1,
        servoName: fields.servoName.input.value,
        rating: fields.rating.input.value,
        unit: fields.unit.select.selectedIndex,
    });
    return { body: Object.values(fields).map((field) => field.field), answer };
}

// Asks `question`; gives the answer's key and value, or null when the user gave it up.
// `lists` are the model window's display's: its kinds, units and most servos.
export async function ask(dialog, core, question, lists) {
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
            const fields = newSurfaceFields(document, core, question.proposal, lists);
            const index = await choice(dialog, question, fields.body);
            return index === 0 ? ['nuovaSuperficie', fields.answer()] : null;
        }
        default:
            // A file to open is picked before Apri runs; asked for anything else, it is given up.
            return null;
    }
}
