// SPDX-License-Identifier: GPL-3.0-or-later
// The model as a section of the page: open a .coppia (picker or drop), its surfaces with their
// verdicts and the summary, the selected surface to edit, the model's supply, Carica into the
// calculator, and save and Esporta CSV, which download the bytes the desktop's write. The model window's questions are asked
// here (ask.js) and its messages shown as the main window's are; every text comes from the
// model window's display (web/core/display_json.h).
import {
    button, choiceField, download, element, enterAsTyped, figureFields, prefixIds, ratingField, setChoices, setValue,
    kPlotFont, showText, showToned, tableOf, textField,
} from './page_kit.js';

// The file's commands, in the desktop's menu's order, before the table; the surfaces', in the
// desktop's keyboard order, after it, where a thumb reaches them after choosing a row.
const kSurfaceButtons = ['Aggiungi', 'Aggiorna', 'Carica', 'Annulla', 'Ripeti', 'Duplica', 'Rinomina',
    'Rimuovi', 'SpostaSu', 'SpostaGiu'];

// "Confronto": the surfaces selected side by side, their curves in one plot (SVG laid out by the
// desktop's layout) and their inputs in one table, where they differ marked.
function buildComparison(document, table, model) {
    const section = element(document, 'section', { id: 'PaginaConfronto', class: 'group',
        'aria-labelledby': 'PaginaConfronto-title' });
    const note = element(document, 'p', { id: 'NotaConfronto', class: 'note' });
    const plot = element(document, 'figure', { id: 'Grafico', class: 'plot' });
    const legend = element(document, 'p', { id: 'LegendaConfronto', class: 'note' }, table.get('LegendaConfronto').caption);
    const sideBySide = element(document, 'table', { id: 'Confronto', class: 'compare',
        'aria-label': table.get('Confronto').accessibleName });
    // Wider than a phone: the keyboard scrolls it, as the analysis's table.
    const box = element(document, 'div', { class: 'table-box', tabindex: '0', role: 'region',
        'aria-label': table.get('Confronto').accessibleName });
    box.append(sideBySide);
    section.append(element(document, 'h3', { id: 'PaginaConfronto-title' }, table.get('PaginaConfronto').caption),
        note, plot, legend, box);
    let description;
    const renderPlot = () => {
        const width = Math.max(plot.clientWidth, 280);
        const height = Math.round(Math.min(Math.max(width * 0.62, 260), 460));
        plot.innerHTML = model.plot(width, height, kPlotFont);
        plot.setAttribute('aria-label', description);
    };
    let width = 0;
    new ResizeObserver(() => {
        if (plot.clientWidth !== width && description !== undefined) {
            width = plot.clientWidth;
            renderPlot();
        }
    }).observe(plot);
    const render = (comparison) => {
        showText(note, comparison.note);
        const compared = comparison.names.length > 0;
        for (const part of [plot, legend, box]) part.hidden = !compared;
        description = comparison.description;
        if (compared) renderPlot();
        const head = element(document, 'tr');
        head.append(...[comparison.headings[0], ...comparison.names, comparison.headings[1]]
            .map((text) => element(document, 'th', { scope: 'col' }, text)));
        const rows = comparison.rows.map((row) => {
            const made = element(document, 'tr', row.differs ? { class: 'differs' } : {});
            made.append(element(document, 'th', { scope: 'row' }, row.label),
                ...[...row.values, row.differs].map((text) => element(document, 'td', {}, text)));
            return made;
        });
        sideBySide.replaceChildren(element(document, 'thead'), element(document, 'tbody'));
        sideBySide.tHead.append(head);
        sideBySide.tBodies[0].append(...rows);
    };
    return { section, render };
}

// Builds the section into `root`. `event(call, answers)` runs a model window's event with the
// answers given so far, asking what it asks (main.js).
export function buildModel(document, core, model, root, event) {
    const table = tableOf(core.modelControls);
    const click = (name) => () => event(() => model.click(name));
    const edit = (field) => (text) => event(() => model.edit(field, text));
    const choose = (list) => (index) => event(() => model.choose(list, index));

    const heading = element(document, 'h2', { id: 'titolo' });
    // Apri: the browser's file picker, or a file dropped on the section.
    const picker = element(document, 'input', { id: 'ApriFile', type: 'file', accept: '.coppia', hidden: '' });
    const open = button(document, table, 'Apri', () => picker.click());
    const openFile = async (file) => {
        const path = core.files.handOver(file.name, new Uint8Array(await file.arrayBuffer()));
        await event(() => model.click('Apri'), { apri: path.slice(1) });
    };
    picker.addEventListener('change', () => {
        if (picker.files.length > 0) openFile(picker.files[0]).then(() => { picker.value = ''; });
    });
    root.addEventListener('dragover', (dropping) => dropping.preventDefault());
    root.addEventListener('drop', (dropped) => {
        dropped.preventDefault();
        if (dropped.dataTransfer.files.length > 0) openFile(dropped.dataTransfer.files[0]);
    });
    const buttons = element(document, 'div', { class: 'buttons', role: 'toolbar',
        'aria-labelledby': 'titolo' });
    buttons.append(button(document, table, 'Nuovo', click('Nuovo')), open, picker,
        button(document, table, 'Salva', click('Salva')),
        button(document, table, 'SalvaConNome', click('SalvaConNome')),
        button(document, table, 'EsportaCsv', () => download(document, `${model.display().exportName}.csv`,
            model.csv(false), 'text/csv;charset=utf-8')));
    const surfaceButtons = element(document, 'div', { class: 'buttons', role: 'toolbar',
        'aria-label': table.get('Tabella').accessibleName });
    surfaceButtons.append(...kSurfaceButtons.map((name) => button(document, table, name, click(name))));

    const surfaces = element(document, 'table', { id: 'Tabella', class: 'surfaces',
        'aria-label': table.get('Tabella').accessibleName });
    const tableBox = element(document, 'div', { class: 'table-box' });
    tableBox.append(surfaces);
    // Below the table, as on the desktop: the worst verdict first, the supply's last.
    const totals = element(document, 'div', { id: 'Riepilogo', class: 'totals' });
    const note = (id, className = 'note') => element(document, 'p', { id, class: className });
    const verdict = element(document, 'p', { id: 'VerdettoModello', class: 'verdict', role: 'status' });
    const servos = note('Servi');
    const weakest = note('MargineMinimo');
    const weakestEither = note('MargineMinimoStima');
    const judging = note('Impostazioni');
    const estimateSource = note('FonteStima');
    const settingsProblem = note('ProblemaImpostazioni', 'note tone-bad');
    const supplyVerdict = note('VerdettoAlimentazione', 'note supply-verdict');
    const supplyCurrents = note('CorrentiModello');
    const supplyRule = note('RegolaAlimentazione');
    totals.append(verdict, servos, weakest, weakestEither, judging, estimateSource, settingsProblem,
        supplyVerdict, supplyCurrents, supplyRule);

    // The surface selected, as "Superficie" on the desktop.
    const details = element(document, 'section', { id: 'PaginaSuperficie', class: 'group',
        'aria-labelledby': 'PaginaSuperficie-title' });
    const detailsHeading = element(document, 'h3', { id: 'PaginaSuperficie-title' });
    const name = textField(document, table, 'NomeSuperficie', edit('NomeSuperficie'));
    const kind = choiceField(document, table, 'TipoSuperficie', choose('TipoSuperficie'));
    const kindNote = element(document, 'p', { id: 'NotaTipo', class: 'note' });
    const count = choiceField(document, table, 'NumeroServi', (index) => event(() => model.choose('NumeroServi', index + 1)));
    const servoNote = element(document, 'p', { id: 'NotaServi', class: 'note' });
    const servoName = textField(document, table, 'NomeServo', edit('NomeServo'));
    const { rating, unit } = ratingField(document, table, 'UnitaServo', edit('CoppiaServo'),
        choose('UnitaServo'));
    const thickness = textField(document, table, 'SpessoreProfilo', edit('SpessoreProfilo'));
    const gap = choiceField(document, table, 'FessuraProfilo', choose('FessuraProfilo'));
    const profileNote = element(document, 'p', { id: 'NotaProfilo', class: 'note' });
    const sheetFields = figureFields(document, model.display().details.figures, edit);
    const problem = element(document, 'p', { id: 'ProblemaSuperficie', class: 'note tone-bad' });
    const shownInputs = element(document, 'dl', { id: 'DatiSuperficie', class: 'inputs',
        'aria-labelledby': 'DatiSuperficie-title' });
    const inputsTitle = element(document, 'p', { id: 'DatiSuperficie-title', class: 'inputs-title' },
        table.get('DatiSuperficie').caption);
    details.append(detailsHeading, name.field, kind.field, kindNote, count.field, servoNote,
        servoName.field, rating.field, thickness.field, gap.field, profileNote,
        ...sheetFields.map((made) => made.field), problem, inputsTitle,
        shownInputs);

    const whole = element(document, 'section', { id: 'PaginaModello', class: 'group' });
    const modelName = textField(document, table, 'NomeModello', edit('NomeModello'));
    const notesField = element(document, 'div', { class: 'field field-Note' });
    const notes = element(document, 'textarea', { id: 'Note', rows: '3', 'aria-label': table.get('Note').accessibleName });
    notesField.append(element(document, 'label', { for: 'Note' }, table.get('Note').caption), notes);
    notes.addEventListener('change', () => edit('Note')(notes.value));
    // The servos' supply, after the notes as on the desktop, its currents with their unit.
    const supplyShown = model.display().supply;
    const supply = element(document, 'section', { id: 'Alimentazione', class: 'group',
        'aria-labelledby': 'Alimentazione-title' });
    const supplyName = textField(document, table, 'NomeAlimentazione', edit('NomeAlimentazione'));
    supplyName.input.placeholder = supplyShown.example;
    const [continuous, peak] = ['CorrenteContinua', 'CorrentePicco'].map((name) =>
        textField(document, table, name, edit(name), supplyShown.unit));
    const supplyProblem = note('ProblemaAlimentazione', 'note tone-bad');
    supply.append(element(document, 'h3', { id: 'Alimentazione-title' }, table.get('Alimentazione').caption),
        supplyName.field, continuous.field, peak.field, supplyProblem);
    whole.append(modelName.field, notesField, supply);
    const status = element(document, 'p', { id: 'StatoModello', class: 'status' });

    const comparison = buildComparison(document, table, model);

    root.append(heading, buttons, tableBox, surfaceButtons, totals, details, comparison.section, whole, status);

    // One row chosen, or more to compare, as on the desktop: with Ctrl (⌘) one more or one less,
    // with Shift (a click or the arrows) those from the row last chosen.
    let selected = [];
    let anchor = 0;
    const select = (row, key) => {
        let rows = [row];
        if (key.shiftKey) {
            rows = Array.from({ length: Math.abs(row - anchor) + 1 }, (_, i) => Math.min(row, anchor) + i);
        } else if (key.ctrlKey || key.metaKey) {
            rows = selected.includes(row) ? selected.filter((chosen) => chosen !== row) : [...selected, row];
        }
        if (!key.shiftKey) anchor = row;
        return event(() => model.select(rows.sort((a, b) => a - b), row));
    };
    const kSteps = { ArrowUp: -1, ArrowDown: 1 };
    const renderRows = (display) => {
        const head = element(document, 'tr');
        head.append(...display.headings.map((text) => element(document, 'th', { scope: 'col' }, text)));
        const rows = display.rows.map((row, index) => {
            // One stop of the keyboard, as the desktop's table: its rows are reached with the arrows.
            const made = element(document, 'tr', {
                tabindex: index === (display.current ?? 0) ? '0' : '-1',
                'aria-selected': String(display.selected.includes(index)),
                class: display.selected.includes(index) ? 'selected' : '',
            });
            made.append(...row.cells.map((text, column) => element(document, 'td',
                row.tones[column] === 'neutral' ? {} : { class: `tone-${row.tones[column]}` }, text)));
            made.title = row.refusal || row.verdict.text;
            made.addEventListener('click', (click) => select(index, click));
            made.addEventListener('keydown', (key) => {
                const next = index + (kSteps[key.key] ?? 0);
                if (key.key === 'Enter' || key.key === ' ') { key.preventDefault(); select(index, key); }
                if (next !== index && next >= 0 && next < display.rows.length) { key.preventDefault(); select(next, key); }
            });
            return made;
        });
        // The keyboard stays on the table, at the row it chose.
        const hadFocus = surfaces.contains(document.activeElement);
        surfaces.replaceChildren(element(document, 'thead'), element(document, 'tbody'));
        surfaces.tHead.append(head);
        surfaces.tBodies[0].append(...rows);
        if (hadFocus && display.current !== null) rows[display.current]?.focus();
    };

    prefixIds(root, 'Modello');
    enterAsTyped(root, (field, text) => model.typed(field, text), 'Modello');
    const render = () => {
        const display = model.display();
        heading.textContent = display.title;
        renderRows(display);
        selected = display.selected;
        comparison.render(display.comparison);
        showText(servos, display.totals.servos);
        showToned(verdict, display.totals.verdict);
        showToned(weakest, display.totals.weakest);
        showToned(weakestEither, display.totals.weakestEither);
        showText(judging, display.judgingSettings);
        showText(estimateSource, display.totals.secondOpinionSource);
        showText(settingsProblem, display.settingsProblem);
        const supplyNow = display.supply;
        showToned(supplyVerdict, supplyNow.verdict);
        showText(supplyCurrents, supplyNow.currents);
        showText(supplyRule, supplyNow.rule);
        supplyRule.title = supplyNow.rule && `${supplyNow.rule}\n${supplyNow.sources}`;

        const shown = display.details;
        detailsHeading.textContent = shown.heading;
        sheetFields.forEach((field, i) => setValue(field.input, shown.figures[i].value));
        for (const field of [name, kind, count, servoName, rating, thickness, gap, ...sheetFields]) {
            field.field.hidden = !shown.shown;
        }
        inputsTitle.hidden = shown.inputs.length === 0;
        setValue(name.input, shown.name);
        setChoices(kind.select, display.kinds, shown.kind);
        setChoices(count.select, Array.from({ length: display.mostServos }, (_, i) => String(i + 1)),
            Math.max(shown.servoCount - 1, 0));
        setValue(servoName.input, shown.servoName);
        setValue(rating.input, shown.rating);
        setChoices(unit.select, display.units, shown.unit);
        setValue(thickness.input, shown.thickness);
        setChoices(gap.select, display.gaps, shown.gap);
        showText(kindNote, shown.kindNote);
        showText(servoNote, shown.servoNote);
        showText(profileNote, shown.profileNote);
        showText(problem, shown.problem);
        shownInputs.replaceChildren(...shown.inputs.flatMap((line) => [
            element(document, 'dt', {}, line.label), element(document, 'dd', {}, line.value)]));

        setValue(modelName.input, display.modelName);
        if (notes.value !== display.notes) notes.value = display.notes;
        setValue(supplyName.input, supplyNow.name);
        setValue(continuous.input, supplyNow.continuous);
        setValue(peak.input, supplyNow.peak);
        showText(supplyProblem, supplyNow.problem);
        for (const [id, usable] of [['Annulla', display.canUndo], ['Ripeti', display.canRedo],
            ['SpostaSu', display.canMoveUp], ['SpostaGiu', display.canMoveDown]]) {
            document.getElementById(`Modello_${id}`).disabled = !usable;
        }
        showToned(status, display.status);
    };
    return { render, selected: () => selected };
}
