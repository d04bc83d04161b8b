// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_sheet.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "models/analysis/analysis_window.h"
#include "ui/analysis/sweep_table.h"
#include "ui/common/qt_text.h"
#include "ui/kit/sheet_painter.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

// The verdict set apart at the top, large and in its colour, with what backs it.
void PaintVerdict(SheetPainter& sheet, const Summary& summary, const AnalysisDisplay& shown) {
    const double top = sheet.Y();
    const double indent = sheet.Mm(4);
    sheet.Skip(1.5);
    sheet.Font(9);
    sheet.Line(ToQString(summary.servo), indent);
    std::size_t next = 0;
    if (!shown.verdict.empty()) {
        sheet.Font(16, true);
        sheet.Painter().setPen(ToneColour(shown.verdictTone));
        sheet.Line(ToQString(shown.verdict), indent);
        sheet.Painter().setPen(Qt::black);
        next = 1;
    }
    sheet.Font(9);
    for (std::size_t i = next; i < summary.verdict.size(); ++i) {
        // The verdict on the other torque, when it differs, in the colour of the worse one.
        const bool other = !shown.otherVerdict.empty() && summary.verdict[i] == shown.otherVerdict;
        sheet.Painter().setPen(other ? ToneColour(shown.otherVerdictTone) : QColor(Qt::black));
        sheet.Line(ToQString(summary.verdict[i]), indent);
    }
    sheet.Painter().setPen(Qt::black);
    sheet.Skip(1.5);
    // A bar in the verdict's colour along its left side, and a frame around it.
    QPainter& painter = sheet.Painter();
    const QRectF box(0, top, sheet.Width(), sheet.Y() - top);
    painter.fillRect(QRectF(box.left(), box.top(), sheet.Mm(1.5), box.height()),
                     ToneColour(shown.verdictTone));
    painter.setPen(QPen(QColor(170, 170, 170), sheet.Mm(0.2)));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    sheet.Skip(2.5);
}

void PaintFacts(SheetPainter& sheet, const Summary& summary, const AnalysisDisplay& shown) {
    sheet.Font(9);
    // A fact as long as the second estimate's goes on to a second line rather than off the page.
    for (const std::string& fact : summary.facts) sheet.Paragraph(ToQString(fact));
    sheet.Skip(1.5);
    sheet.Font(8);
    // The steps in two columns.
    const double top = sheet.Y();
    const std::size_t half = (kAnalysisStepCount + 1) / 2;
    double bottom = top;
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        if (i == half)
            sheet.SetY(top);
        const AnalysisStep& step = shown.steps[i];
        const QString value = step.value.empty() ? QStringLiteral("—") : ToQString(step.value);
        const double left = i < half ? 0 : sheet.Width() / 2;
        sheet.Line(QStringLiteral("%1. %2: %3 %4")
                       .arg(i + 1)
                       .arg(ToQString(step.name), value, ToQString(step.unit)),
                   left, sheet.Width() / 2);
        bottom = std::max(bottom, sheet.Y());
    }
    sheet.SetY(bottom + sheet.Mm(1.5));
}

// The table in two blocks side by side, the first half of the degrees on the left. The
// servo's motion at each degree is left to the CSV: the sheet gives it at the deflection.
void PaintTable(SheetPainter& sheet, const AnalysisDisplay& shown) {
    const std::vector<SweepTableRow>& rows = shown.sweepRows;
    if (rows.empty())
        return;
    const std::size_t half = (rows.size() + 1) / 2;
    // Up to the row's mark: the sweep always says where the servo's motion starts.
    const int columns = static_cast<int>(std::min(shown.sweepHeadings.size(), shown.motionColumn));
    const double gap = sheet.Mm(4);
    const double blockWidth = (sheet.Width() - gap) / 2;
    // The last column, the row's mark ("picco e attuale"), is twice as wide as the figures'.
    const double columnWidth = blockWidth / (columns + 1);
    const auto columnLeft = [columnWidth](int c) { return c * columnWidth; };
    const auto widthOf = [columnWidth, columns](int c) {
        return c + 1 == columns ? 2 * columnWidth : columnWidth;
    };
    QStringList headings;
    qsizetype lines = 1;
    for (int c = 0; c < columns; ++c) {
        // The columns are narrower on paper than a speed with its unit: "Km/h" goes below it.
        headings << SweepHeadingLines(shown.sweepHeadings[static_cast<std::size_t>(c)])
                        .replace(QStringLiteral(" Km/h"), QStringLiteral("\nKm/h"));
        lines = std::max(lines, headings.back().count(u'\n') + 1);
    }
    sheet.Font(6);
    const double headerHeight = sheet.LineHeight() * static_cast<double>(lines) + sheet.Mm(1);
    const double rowHeight =
        std::min(sheet.Mm(4.2), (sheet.Remaining() - headerHeight) / static_cast<double>(half));
    QPainter& painter = sheet.Painter();
    const double top = sheet.Y();

    for (int block = 0; block < 2; ++block) {
        const double left = block * (blockWidth + gap);
        sheet.Font(6);
        for (int c = 0; c < columns; ++c) {
            painter.drawText(QRectF(left + columnLeft(c), top, widthOf(c), headerHeight),
                             Qt::AlignCenter, headings[c]);
        }
        painter.drawLine(QPointF(left, top + headerHeight),
                         QPointF(left + blockWidth, top + headerHeight));
        sheet.Font(6.5);
        const std::size_t first = block == 0 ? 0 : half;
        const std::size_t last = block == 0 ? half : rows.size();
        for (std::size_t r = first; r < last; ++r) {
            const SweepTableRow& row = rows[r];
            const double y = top + headerHeight + static_cast<double>(r - first) * rowHeight;
            if (row.peak || row.current) {
                painter.fillRect(QRectF(left, y, blockWidth, rowHeight),
                                 row.peak ? kPeakRowColour : kCurrentRowColour);
            }
            for (int c = 0; c < columns; ++c) {
                const std::size_t column = static_cast<std::size_t>(c);
                const QString text =
                    column < row.cells.size() ? ToQString(row.cells[column]) : QString();
                painter.drawText(
                    QRectF(left + columnLeft(c), y, widthOf(c) - sheet.Mm(1), rowHeight),
                    Qt::AlignRight | Qt::AlignVCenter, text);
            }
        }
    }
}

}  // namespace

void PaintSheet(QPagedPaintDevice& device, const AnalysisWindow& model, const QDateTime& when) {
    SheetPainter sheet(device);
    const AnalysisDisplay& shown = model.Display();
    const Summary summary = model.Summarised();
    sheet.Header(ToQString(kAnalysisTitle), when);
    PaintVerdict(sheet, summary, shown);
    PaintFacts(sheet, summary, shown);
    sheet.Plot(shown.plot, 72);
    PaintTable(sheet, shown);
}

}  // namespace coppia
