// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/model_sheet.h"

#include <QPagedPaintDevice>
#include <set>
#include <vector>

#include "models/model/model_window.h"
#include "models/shared/second_opinion.h"
#include "models/shared/servo_motion_text.h"
#include "ui/common/qt_text.h"
#include "ui/kit/paper_table.h"
#include "ui/kit/sheet_painter.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

// The surfaces' inputs side by side, so many to a table: each has a column wide enough for its
// name in a few lines at 8 points.
constexpr std::size_t kSurfacesSideBySide = 5;

using Kind = PaperTable::Kind;

// The second estimate's columns have a table of their own on paper, beside the calculation's
// torque, with their assumptions: with them, the table of the surfaces would not fit across A4.
constexpr std::size_t kFirstEstimateColumn =
    static_cast<std::size_t>(ModelColumn::SecondaStimaReale);
constexpr std::size_t kEstimateColumns = 3;
bool IsEstimateColumn(std::size_t column) {
    return column >= kFirstEstimateColumn && column < kFirstEstimateColumn + kEstimateColumns;
}

// The table of the surfaces and their servos; their motion has a table of its own.
PaperTable SurfacesTable(const ModelDisplay& shown) {
    std::vector<std::size_t> printed;
    for (std::size_t c = 0; c < kModelColumnCount; ++c) {
        if (!IsEstimateColumn(c) && !IsMotionColumn(c))
            printed.push_back(c);
    }
    PaperTable table;
    for (const std::size_t c : printed) {
        const auto column = static_cast<ModelColumn>(c);
        const Kind kind =
            column == ModelColumn::Superficie || column == ModelColumn::Servo ? Kind::Name
            : column == ModelColumn::Tipo || column == ModelColumn::Verdetto  ? Kind::Text
                                                                              : Kind::Figure;
        table.columns.push_back({ToQString(shown.headings[c]), kind});
    }
    for (const ModelTableRow& shownRow : shown.rows) {
        PaperTable::Row row;
        for (const std::size_t c : printed) row.cells.push_back(ToQString(shownRow.cells[c]));
        row.tones.assign(printed.size(), Tone::Neutral);
        if (!shownRow.refusal.empty()) {
            // Why the surface has no verdict, across the columns of the figures it lacks.
            row.spanFrom = kFirstComputedColumn;
            row.spanCount = kComputedColumnCount;
            row.cells[kFirstComputedColumn] = ToQString(shownRow.refusal);
            row.tones[kFirstComputedColumn] = Tone::Bad;
        } else {
            row.tones[static_cast<std::size_t>(ModelColumn::Verdetto)] = shownRow.verdictTone;
            row.tones[static_cast<std::size_t>(ModelColumn::Rotazione)] = shownRow.rotationTone;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

// The second estimate of each surface beside the calculation's torque, one servo's, with the
// section it assumes, the margin and the verdict against it.
PaperTable EstimatesTable(const ModelDisplay& shown, const Model& model) {
    PaperTable table;
    const auto heading = [&shown](ModelColumn column) {
        return ToQString(shown.headings[static_cast<std::size_t>(column)]);
    };
    table.columns = {{heading(ModelColumn::Superficie), Kind::Name},
                     {heading(ModelColumn::CoppiaKgcm), Kind::Figure},
                     {heading(ModelColumn::SecondaStimaReale), Kind::Figure},
                     {QStringLiteral("Rapporto al calcolo"), Kind::Text},
                     {heading(ModelColumn::SecondaStimaSottile), Kind::Figure},
                     {heading(ModelColumn::MargineSecondaStima), Kind::Figure},
                     {QStringLiteral("Verdetto con la seconda stima"), Kind::Text},
                     {QStringLiteral("Profilo"), Kind::Text}};
    for (std::size_t i = 0; i < shown.rows.size() && i < model.surfaces.size(); ++i) {
        const ModelTableRow& shownRow = shown.rows[i];
        const auto cell = [&shownRow](ModelColumn column) {
            return ToQString(shownRow.cells[static_cast<std::size_t>(column)]);
        };
        PaperTable::Row row;
        const bool none = !shownRow.refusal.empty() || !shownRow.estimateProblem.empty();
        const QString ratio =
            ToQString(shownRow.estimateRatio) +
            (shownRow.estimateIndicative.empty() ? QString() : QStringLiteral(", indicativa"));
        row.cells = {cell(ModelColumn::Superficie),
                     cell(ModelColumn::CoppiaKgcm),
                     cell(ModelColumn::SecondaStimaReale),
                     ratio,
                     cell(ModelColumn::SecondaStimaSottile),
                     cell(ModelColumn::MargineSecondaStima),
                     ToQString(shownRow.estimateVerdict),
                     ToQString(ProfileText(ProfileOf(model.surfaces[i])))};
        row.tones.assign(row.cells.size(), Tone::Neutral);
        row.tones[6] = shownRow.estimateVerdictTone;
        if (none) {
            // Why the surface has no estimate, across the columns of the figures it lacks.
            row.spanFrom = 1;
            row.spanCount = 6;
            row.cells[1] =
                ToQString(shownRow.refusal.empty() ? shownRow.estimateProblem : shownRow.refusal);
            row.tones[1] = Tone::Bad;
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

// Each surface's servo in motion: the time to its deflection or where it stops, its currents.
PaperTable MotionTable(const ModelDisplay& shown) {
    constexpr auto kFirst = static_cast<std::size_t>(ModelColumn::TempoCarico);
    PaperTable table;
    table.columns.push_back({ToQString(shown.headings[0]), Kind::Name});
    for (std::size_t i = 0; i < kMotionColumnCount; ++i)
        table.columns.push_back({ToQString(shown.headings[kFirst + i]), Kind::Figure});
    for (const ModelTableRow& shownRow : shown.rows) {
        PaperTable::Row row;
        row.cells.push_back(ToQString(shownRow.cells[0]));
        for (std::size_t i = 0; i < kMotionColumnCount; ++i)
            row.cells.push_back(ToQString(shownRow.cells[kFirst + i]));
        row.tones.assign(row.cells.size(), Tone::Neutral);
        row.tones[1] = shownRow.motionTone;
        table.rows.push_back(std::move(row));
    }
    return table;
}

// "CordaAla, corda dell'ala (mm)" heads its row as "CordaAla (mm)".
QString ShortLabel(const std::string& label) {
    const QString full = ToQString(label);
    const qsizetype comma = full.indexOf(QStringLiteral(", "));
    if (comma < 0)
        return full;
    const qsizetype unit = full.lastIndexOf(QStringLiteral(" ("));
    return full.left(comma) + (unit > comma ? full.mid(unit) : QString());
}

// The inputs of the surfaces from `first`, a column each, a row per input.
PaperTable InputsTable(const Model& model, std::size_t first) {
    PaperTable table;
    table.columns.push_back({QStringLiteral("Dato"), Kind::Text});
    table.headingsAreNames = true;
    table.sideBySide = kSurfacesSideBySide;
    const std::size_t end = std::min(first + kSurfacesSideBySide, model.surfaces.size());
    for (std::size_t i = first; i < end; ++i) {
        table.columns.push_back({ToQString(SurfaceLabel(model.surfaces[i], i)), Kind::Figure});
        const std::vector<InputLine> lines = SurfaceInputLines(model.surfaces[i]);
        table.rows.resize(lines.size());
        for (std::size_t r = 0; r < lines.size(); ++r) {
            if (i == first)
                table.rows[r].cells.push_back(ShortLabel(lines[r].label));
            table.rows[r].cells.push_back(ToQString(lines[r].value));
        }
    }
    return table;
}

// A section's title, on the page where what follows it starts: `followingMm` of it at least.
void Section(SheetPainter& sheet, const QString& title, double followingMm = 20) {
    sheet.NeedRoom(sheet.Mm(followingMm + 8));
    sheet.Font(11, true);
    sheet.Line(title);
    sheet.Skip(1);
}

// The supply's verdict in its colour, with the currents it is judged on and the rule.
void PaintSupply(SheetPainter& sheet, const SupplyLines& supply) {
    if (supply.verdict.empty())
        return;
    QPainter& painter = sheet.Painter();
    painter.setPen(ToneColour(supply.tone));
    sheet.Paragraph(ToQString(supply.verdict));
    painter.setPen(Qt::black);
    for (const std::string* line : {&supply.currents, &supply.rule}) {
        if (!line->empty())
            sheet.Paragraph(ToQString(*line));
    }
    if (!supply.sources.empty()) {
        sheet.Font(kPaperPoints);
        sheet.Paragraph(ToQString(supply.sources));
        sheet.Font(9);
    }
}

// The worst verdict first, in its colour; then the servos, the weakest margin, the settings the
// verdicts use, and the model's notes.
void PaintSummary(SheetPainter& sheet, const ModelDisplay& shown, const Model& content) {
    QPainter& painter = sheet.Painter();
    if (!shown.totals.verdict.empty()) {
        sheet.Font(11, true);
        painter.setPen(ToneColour(shown.totals.verdictTone));
        sheet.Line(ToQString(shown.totals.verdict));
    }
    sheet.Font(9);
    painter.setPen(Qt::black);
    sheet.Line(ToQString(shown.totals.servos));
    for (const auto& [line, tone] :
         {std::pair{&shown.totals.weakest, shown.totals.weakestTone},
          {&shown.totals.weakestEither, shown.totals.weakestEitherTone}}) {
        painter.setPen(ToneColour(tone));
        if (!line->empty())
            sheet.Line(ToQString(*line));
    }
    painter.setPen(Qt::black);
    sheet.Line(ToQString(shown.judgingSettings));
    PaintSupply(sheet, shown.totals.supply);
    if (!content.notes.empty()) {
        sheet.Skip(2);
        sheet.Paragraph(ToQString(content.notes));
    }
    sheet.Skip(2);
}

void PaintComparison(SheetPainter& sheet, const Comparison& comparison) {
    if (comparison.plot.curves.empty())
        return;
    Section(sheet, QStringLiteral("Coppia per servo secondo la deflessione"), 95);
    sheet.Font(kPaperPoints);
    if (!comparison.note.empty())
        sheet.Line(ToQString(comparison.note));
    sheet.Plot(comparison.plot, 85);
    sheet.Font(kPaperPoints);
    sheet.Line(
        QStringLiteral("Ogni curva alla velocità della sua superficie; il punto è la sua "
                       "deflessione, la tratteggiata la coppia del suo servo."));
    sheet.Skip(2);
}

// The sheet, its pages numbered of `pages` (0 while unknown); gives how many it took.
int PaintPages(QPagedPaintDevice& device, const ModelWindow& model, const QDateTime& when,
               int pages) {
    SheetPainter sheet(device);
    const ModelDisplay& shown = model.Display();
    const Model& content = model.Session().Document().Content();
    const QString title = ToQString(model.Session().DisplayName());
    sheet.NumberPages(title, pages);
    sheet.Header(title, when);
    PaintSummary(sheet, shown, content);

    Section(sheet, QStringLiteral("Superfici e servi"));
    PaintTable(sheet, SurfacesTable(shown));
    Section(sheet, ToQString(kSecondOpinionTitle) + QStringLiteral(": ") +
                       ToQString(kSecondOpinionSource));
    PaintTable(sheet, EstimatesTable(shown, content));
    sheet.Font(kPaperPoints);
    sheet.Paragraph(ToQString(SecondOpinionAssumptions()));
    sheet.Skip(2);
    Section(sheet, QStringLiteral("Velocità e corrente dei servi"));
    PaintTable(sheet, MotionTable(shown));
    PaintComparison(sheet, model.PrintedComparison());

    Section(sheet, QStringLiteral("Dati delle superfici"));
    for (std::size_t first = 0; first < content.surfaces.size(); first += kSurfacesSideBySide)
        PaintTable(sheet, InputsTable(content, first));
    std::set<SurfaceKind> kinds;
    for (const Surface& surface : content.surfaces) kinds.insert(surface.kind);
    sheet.Font(kPaperPoints);
    for (const SurfaceKind kind : kinds) {
        if (!KindNote(kind).empty())
            sheet.Paragraph(ToQString(KindNote(kind)));
    }
    return sheet.Page();
}

}  // namespace

void PaintModelSheet(QPagedPaintDevice& device, const ModelWindow& model, const QDateTime& when) {
    const int pages = CountPages(
        device, [&](QPagedPaintDevice& copy) { return PaintPages(copy, model, when, 0); });
    PaintPages(device, model, when, pages);
}

}  // namespace coppia
