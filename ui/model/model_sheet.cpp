// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/model_sheet.h"

#include <QPagedPaintDevice>
#include <algorithm>
#include <numeric>
#include <optional>
#include <set>
#include <vector>

#include "models/model/model_window.h"
#include "ui/common/qt_text.h"
#include "ui/kit/sheet_painter.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

// A table for paper: its rows follow each other down the pages, the headings again at the top
// of each.
struct PaperTable {
    struct Row {
        std::vector<QString> cells;
        std::vector<Tone> tones;  // per cell; none: all neutral
        // From this column, one text across kComputedColumnCount of them: why the surface has no
        // verdict.
        std::optional<std::size_t> spanFrom;
    };
    std::vector<QString> headings;
    std::vector<double> widths;  // relative
    std::vector<bool> figures;   // aligned right
    std::vector<Row> rows;
};

void PaintTable(SheetPainter& sheet, const PaperTable& table) {
    QPainter& painter = sheet.Painter();
    const double total = std::accumulate(table.widths.begin(), table.widths.end(), 0.0);
    std::vector<double> lefts{0};
    for (const double width : table.widths)
        lefts.push_back(lefts.back() + width / total * sheet.Width());
    const double headerHeight = sheet.Mm(9);
    const double rowHeight = sheet.Mm(4.2);
    const double pad = sheet.Mm(0.8);
    const auto header = [&] {
        sheet.NeedRoom(headerHeight + rowHeight);
        sheet.Font(6);
        for (std::size_t c = 0; c < table.headings.size(); ++c) {
            painter.drawText(QRectF(lefts[c], sheet.Y(), lefts[c + 1] - lefts[c], headerHeight),
                             Qt::AlignCenter | Qt::TextWordWrap, table.headings[c]);
        }
        sheet.Skip(9);
        painter.drawLine(QPointF(0, sheet.Y()), QPointF(sheet.Width(), sheet.Y()));
        sheet.Font(6.5);
    };
    header();
    for (const PaperTable::Row& row : table.rows) {
        if (sheet.Remaining() < rowHeight) {
            sheet.NewPage();
            header();
        }
        for (std::size_t c = 0; c < row.cells.size(); ++c) {
            if (row.spanFrom && c > *row.spanFrom && c < *row.spanFrom + kComputedColumnCount)
                continue;
            const double right =
                row.spanFrom && c == *row.spanFrom ? lefts[c + kComputedColumnCount] : lefts[c + 1];
            const QRectF box(lefts[c] + pad, sheet.Y(), right - lefts[c] - 2 * pad, rowHeight);
            const Tone tone = c < row.tones.size() ? row.tones[c] : Tone::Neutral;
            painter.setPen(ToneColour(tone));
            const bool figure = !(row.spanFrom && c == *row.spanFrom) && table.figures[c];
            painter.drawText(box, (figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                             painter.fontMetrics().elidedText(row.cells[c], Qt::ElideRight,
                                                              static_cast<int>(box.width())));
        }
        painter.setPen(Qt::black);
        sheet.SetY(sheet.Y() + rowHeight);
    }
    sheet.Skip(2);
}

PaperTable SurfacesTable(const ModelDisplay& shown) {
    PaperTable table;
    for (const std::string& heading : shown.headings) table.headings.push_back(ToQString(heading));
    // In the order of ModelColumn: the deciding columns first.
    table.widths = {2.2, 2.3, 1.0, 1.5, 1.1, 1.1, 1.4, 1.2, 0.7, 1.6, 1.6};
    for (std::size_t c = 0; c < kModelColumnCount; ++c) {
        const auto column = static_cast<ModelColumn>(c);
        table.figures.push_back(column != ModelColumn::Superficie && column != ModelColumn::Tipo &&
                                column != ModelColumn::Servo && column != ModelColumn::Verdetto);
    }
    for (const ModelTableRow& shownRow : shown.rows) {
        PaperTable::Row row;
        for (const std::string& cell : shownRow.cells) row.cells.push_back(ToQString(cell));
        row.tones.assign(kModelColumnCount, Tone::Neutral);
        if (!shownRow.refusal.empty()) {
            row.spanFrom = kFirstComputedColumn;
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

// "CordaAla, corda dell'ala (mm)" heads its column as "CordaAla (mm)".
QString ShortLabel(const std::string& label) {
    const QString full = ToQString(label);
    const qsizetype comma = full.indexOf(QStringLiteral(", "));
    if (comma < 0)
        return full;
    const qsizetype unit = full.lastIndexOf(QStringLiteral(" ("));
    return full.left(comma) + (unit > comma ? full.mid(unit) : QString());
}

PaperTable InputsTable(const Model& model) {
    PaperTable table;
    table.headings.push_back(QStringLiteral("Superficie"));
    table.widths = {2.2};
    table.figures = {false};
    for (std::size_t i = 0; i < model.surfaces.size(); ++i) {
        const std::vector<InputLine> lines = SurfaceInputLines(model.surfaces[i]);
        if (i == 0) {
            for (const InputLine& line : lines) {
                table.headings.push_back(ShortLabel(line.label));
                const bool text = line.label == "Tipo" || line.label == "Servo" ||
                                  line.label == "Deflessione data come";
                // A rating carries its unit: "4.5 Kg*cm" whole.
                const bool rating = line.label == "Coppia dichiarata";
                table.widths.push_back(line.label == "Servo" ? 1.6 : text || rating ? 1.3 : 0.9);
                table.figures.push_back(!text);
            }
        }
        PaperTable::Row row;
        row.cells.push_back(ToQString(SurfaceLabel(model.surfaces[i], i)));
        for (const InputLine& line : lines) row.cells.push_back(ToQString(line.value));
        table.rows.push_back(std::move(row));
    }
    return table;
}

void Section(SheetPainter& sheet, const QString& title) {
    sheet.NeedRoom(sheet.Mm(20));
    sheet.Font(11, true);
    sheet.Line(title);
    sheet.Skip(1);
}

}  // namespace

void PaintModelSheet(QPagedPaintDevice& device, const ModelWindow& model, const QDateTime& when) {
    SheetPainter sheet(device);
    const ModelDisplay& shown = model.Display();
    const Model& content = model.Session().Document().Content();
    sheet.Header(ToQString(model.Session().DisplayName()), when);
    sheet.Font(9);
    if (!content.notes.empty()) {
        sheet.Paragraph(ToQString(content.notes));
        sheet.Skip(2);
    }
    sheet.Line(ToQString(shown.totals.servos));
    // The worst verdict leads, in its colour, before the weakest margin.
    sheet.Font(9, true);
    sheet.Painter().setPen(ToneColour(shown.totals.verdictTone));
    if (!shown.totals.verdict.empty())
        sheet.Line(ToQString(shown.totals.verdict));
    sheet.Font(9);
    sheet.Painter().setPen(ToneColour(shown.totals.weakestTone));
    if (!shown.totals.weakest.empty())
        sheet.Line(ToQString(shown.totals.weakest));
    sheet.Painter().setPen(Qt::black);
    sheet.Line(ToQString(shown.judgingSettings));
    sheet.Skip(2);

    Section(sheet, QStringLiteral("Superfici e servi"));
    PaintTable(sheet, SurfacesTable(shown));

    const Comparison comparison = model.PrintedComparison();
    if (!comparison.plot.curves.empty()) {
        Section(sheet, QStringLiteral("Coppia per servo secondo la deflessione"));
        sheet.NeedRoom(sheet.Mm(90));
        sheet.Font(8);
        if (!comparison.note.empty())
            sheet.Line(ToQString(comparison.note));
        sheet.Plot(comparison.plot, 80);
        sheet.Font(8);
        sheet.Line(
            QStringLiteral("Ogni curva alla velocità della sua superficie; il punto è la "
                           "sua deflessione, la tratteggiata la coppia del suo servo."));
        sheet.Skip(2);
    }

    Section(sheet, QStringLiteral("Dati delle superfici"));
    PaintTable(sheet, InputsTable(content));
    std::set<SurfaceKind> kinds;
    for (const Surface& surface : content.surfaces) kinds.insert(surface.kind);
    sheet.Font(8);
    for (const SurfaceKind kind : kinds) {
        if (!KindNote(kind).empty())
            sheet.Paragraph(ToQString(KindNote(kind)));
    }
}

}  // namespace coppia
