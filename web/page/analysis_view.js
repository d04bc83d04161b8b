// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis as a section of the page: the servo's inputs, the verdict in its colour, the
// torque at the servo, the second estimate, the steps of the calculation, the plot across the
// deflection (SVG laid out by the desktop's layout) and its table. Every text comes from the
// analysis's display (web/core/display_json.h); nothing here computes, words or judges.
import {
    button, choiceField, enterAsTyped, figureFields, prefixIds, ratingField, download, element, setChoices, setValue, showText, showToned, tableOf,
    kPlotFont, textField, valueField,
} from './page_kit.js';

const kTorques = ['CoppiaKgcm', 'CoppiaNcm', 'CoppiaNm', 'CoppiaOzin'];
const kLimits = ['LimiteDeflessione', 'LimiteVelocita'];
function group(document, id, title) {
    const made = element(document, 'section', { id, class: 'group', 'aria-labelledby': `${id}-title` });
    made.append(element(document, 'h3', { id: `${id}-title` }, title));
    return made;
}

function note(document, id, className = 'note') {
    return element(document, 'p', { id, class: className });
}

// Builds the section into `root`; `run(event)` runs an event of the page as main.js does.
export function buildAnalysis(document, core, analysis, root, run) {
    const table = tableOf(core.analysisControls);
    const caption = (name) => table.get(name).caption;
    const edit = (field) => (text) => run(() => analysis.edit(field, text));
    const choose = (list) => (index) => run(() => analysis.choose(list, index));
    const shown = {};

    const heading = element(document, 'h2', { id: 'titolo' });
    const freshness = note(document, 'Aggiornamento', 'status');
    const refusal = note(document, 'Rifiuto', 'note tone-bad');
    root.append(heading, freshness, refusal);

    // The servo and its linkage, as "Servo e rinvio" on the desktop.
    const inputs = group(document, 'ServoERinvio', caption('ServoERinvio'));
    const servoOwner = note(document, 'ServoDi');
    const { rating, unit } = ratingField(document, table, 'UnitaCoppia', edit('CoppiaServo'),
        choose('UnitaCoppia'));
    const factor = textField(document, table, 'FattoreSicurezza', edit('FattoreSicurezza'));
    const servoThrow = textField(document, table, 'Escursione', edit('Escursione'), '°');
    const judgeWith = choiceField(document, table, 'GiudicaCon', choose('GiudicaCon'));
    const loanDrift = note(document, 'CoppiaDiversa');
    const settingsProblem = note(document, 'ProblemaImpostazioni', 'note tone-bad');
    inputs.append(servoOwner, rating.field, factor.field,
        element(document, 'p', { class: 'note' }, caption('NotaFattore')), servoThrow.field,
        judgeWith.field, loanDrift, settingsProblem);

    // The servo's data sheet, its fields as the core lists them.
    const sheet = analysis.display().servo;
    const figures = group(document, 'DatiServo', sheet.title);
    const sheetFields = figureFields(document, sheet.fields, edit);
    figures.append(...sheetFields.map((made) => made.field));
    const figuresProblem = note(document, 'ProblemaDatiServo', 'note tone-bad');
    figures.append(figuresProblem);

    const verdictGroup = group(document, 'GruppoVerdetto', caption('GruppoVerdetto'));
    const verdict = element(document, 'p', { id: 'Verdetto', class: 'verdict', role: 'status' });
    const otherVerdict = note(document, 'AltroVerdetto');
    const reason = note(document, 'MotivoVerdetto');
    const judgedOn = note(document, 'GiudicatoSu');
    const margin = valueField(document, table, 'Margine');
    const minimum = valueField(document, table, 'CoppiaMinima', 'UnitaCoppiaMinima');
    const limits = kLimits.map((id) => element(document, 'p', { id, class: 'note' }));
    // The servo's speed and current, under the verdict as on the desktop.
    const motion = note(document, 'TempoServo');
    const current = note(document, 'CorrenteServo');
    verdictGroup.append(verdict, otherVerdict, reason, judgedOn, margin.field, minimum.field, ...limits,
        motion, current);

    const linkage = group(document, 'GruppoRinvio', caption('GruppoRinvio'));
    const rotation = valueField(document, table, 'Rotazione');
    const linkageNote = note(document, 'NotaRinvio');
    const stall = note(document, 'Stallo');
    linkage.append(rotation.field, linkageNote, stall);

    const torqueGroup = group(document, 'GruppoCoppia', '');
    const torques = kTorques.map((name) => valueField(document, table, name));
    torqueGroup.append(...torques.map((torque) => torque.field));

    const second = group(document, 'GruppoSecondaStima', '');
    const thickness = textField(document, table, 'SpessoreProfilo', edit('SpessoreProfilo'));
    const gap = choiceField(document, table, 'FessuraProfilo', choose('FessuraProfilo'));
    const real = valueField(document, table, 'StimaReale', 'UnitaStimaReale');
    const ratio = note(document, 'RapportoStima');
    const thin = valueField(document, table, 'StimaSottile', 'UnitaStimaSottile');
    const estimateMargin = valueField(document, table, 'MargineStima');
    const side = note(document, 'LatoStima');
    const source = note(document, 'FonteStima');
    const indicative = note(document, 'StimaIndicativa');
    const estimateProblem = note(document, 'ProblemaStima', 'note tone-warning');
    second.append(thickness.field, gap.field, real.field, ratio, side, thin.field, estimateMargin.field,
        source, indicative, estimateProblem);

    // "Come si ottiene": the calculation's steps, then the estimate's.
    const steps = element(document, 'details', { id: 'PaginaCalcolo', class: 'group' });
    steps.append(element(document, 'summary', {}, caption('PaginaCalcolo')));
    const stepList = element(document, 'ol', { id: 'Passi', class: 'steps' });
    const estimateSteps = element(document, 'ol', { id: 'PassiStima', class: 'steps' });
    steps.append(stepList, estimateSteps);

    // "Andamento con la deflessione": the other speeds, the plot, its table, CSV.
    const sweep = group(document, 'PaginaAndamento', caption('PaginaAndamento'));
    const speeds = textField(document, table, 'AltreVelocita', edit('AltreVelocita'));
    const speedsProblem = note(document, 'ProblemaVelocita', 'note tone-bad');
    const plot = element(document, 'figure', { id: 'Grafico', class: 'plot' });
    const sweepTable = element(document, 'table', {
        id: 'Tabella', 'aria-label': table.get('Tabella').accessibleName,
    });
    const tableBox = element(document, 'div', { class: 'table-box', tabindex: '0', role: 'region',
        'aria-label': table.get('Tabella').accessibleName });
    tableBox.append(sweepTable);
    const buttons = element(document, 'div', { class: 'buttons' });
    buttons.append(
        button(document, table, 'Copia', () => run(() => {
            analysis.click('Copia');
            navigator.clipboard?.writeText(analysis.copied()).catch(() => {});
        })),
        button(document, table, 'EsportaCsv', () => download(document, 'coppia-analisi.csv',
            analysis.csv(false), 'text/csv;charset=utf-8')));
    const status = note(document, 'Stato', 'status');
    sweep.append(speeds.field, speedsProblem, plot, tableBox, buttons, status);

    root.append(inputs, figures, verdictGroup, linkage, torqueGroup, second, steps, sweep);

    const renderSteps = (list, items) => {
        list.replaceChildren(...items.map((step) => {
            const item = element(document, 'li');
            item.append(element(document, 'span', { class: 'step-name' }, step.name),
                element(document, 'span', { class: 'step-value', ...(step.field ? { id: `Analisi_${step.field}` } : {}) },
                    [step.value, step.unit].filter(Boolean).join(' ')));
            return item;
        }));
    };
    const renderTable = (sweepShown) => {
        const head = element(document, 'tr');
        head.append(...sweepShown.headings.map((text) => element(document, 'th', { scope: 'col' }, text)));
        const rows = sweepShown.rows.map((row) => {
            const made = element(document, 'tr', { class: [row.peak ? 'peak' : '', row.current ? 'current' : ''].join(' ').trim() });
            made.append(...row.cells.map((text) => element(document, 'td', {}, text)));
            return made;
        });
        sweepTable.replaceChildren(element(document, 'thead'), element(document, 'tbody'));
        sweepTable.tHead.append(head);
        sweepTable.tBodies[0].append(...rows);
    };
    const renderPlot = (description) => {
        const width = Math.max(plot.clientWidth, 280);
        const height = Math.round(Math.min(Math.max(width * 0.62, 260), 460));
        plot.innerHTML = analysis.plot(width, height, kPlotFont);
        plot.setAttribute('aria-label', description);
    };

    prefixIds(root, 'Analisi');
    enterAsTyped(root, (field, text) => analysis.typed(field, text), 'Analisi');
    const render = () => {
        const display = analysis.display();
        Object.assign(shown, display);
        heading.textContent = display.title;
        showToned(freshness, display.freshness);
        showText(refusal, display.refusal);
        showText(servoOwner, display.servoOwner);
        setValue(rating.input, display.fields.CoppiaServo);
        setChoices(unit.select, display.units, display.unit);
        setValue(factor.input, display.fields.FattoreSicurezza);
        setValue(servoThrow.input, display.fields.Escursione);
        const opinion = display.secondOpinion;
        setChoices(judgeWith.select, opinion.judgeWithTexts, opinion.judgeWith);
        showText(loanDrift, display.loanDrift);
        showText(settingsProblem, display.settingsProblem);

        showToned(verdict, display.verdict);
        showToned(otherVerdict, opinion.otherVerdict);
        showText(reason, display.verdictReason);
        showText(judgedOn, opinion.judgedOn);
        margin.output.value = display.margin;
        minimum.output.value = display.minimumRating;
        document.getElementById('Analisi_UnitaCoppiaMinima').textContent = display.ratingUnit;
        limits.forEach((shownLimit, i) => {
            const limit = display.limits[i];
            showText(shownLimit, limit && limit.value ? `${limit.caption} ${limit.value}` : '');
        });

        sheetFields.forEach((field, i) => setValue(field.input, display.servo.fields[i].value));
        showText(figuresProblem, display.servo.problem);
        showToned(motion, display.servo.motion);
        showText(current, display.servo.current);

        rotation.output.value = display.rotation;
        showToned(linkageNote, display.linkage);
        showToned(stall, display.stall);
        torqueGroup.querySelector('h3').textContent = display.torqueHeading;
        torques.forEach((torque, i) => { torque.output.value = display.torque[i]; });

        second.querySelector('h3').textContent = opinion.title;
        setValue(thickness.input, display.fields.SpessoreProfilo);
        setChoices(gap.select, opinion.gaps, opinion.gap);
        real.output.value = opinion.real;
        document.getElementById('Analisi_UnitaStimaReale').textContent = opinion.real ? display.units[0] : '';
        showText(ratio, opinion.ratio);
        thin.output.value = opinion.thin;
        document.getElementById('Analisi_UnitaStimaSottile').textContent = opinion.thin ? display.units[0] : '';
        showToned(estimateMargin.output, opinion.margin);
        estimateMargin.output.hidden = false;
        showText(side, opinion.side);
        showText(source, opinion.source);
        showText(indicative, opinion.indicative);
        showText(estimateProblem, opinion.problem);

        renderSteps(stepList, display.steps);
        renderSteps(estimateSteps, opinion.steps);
        setValue(speeds.input, display.fields.AltreVelocita);
        showText(speedsProblem, display.speedsProblem);
        renderTable(display.sweep);
        renderPlot(display.plotDescription);
        showToned(status, display.status);
    };
    let width = 0;
    new ResizeObserver(() => {
        if (plot.clientWidth !== width && shown.plotDescription !== undefined) {
            width = plot.clientWidth;
            renderPlot(shown.plotDescription);
        }
    }).observe(plot);
    return { render };
}
