// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_sheet.h"

#include <QGraphicsScene>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "models/analysis_window.h"
#include "ui/analysis/sweep_table.h"
#include "ui/analysis/torque_plot.h"
#include "ui/common/qt_text.h"

namespace coppia {

namespace {

// Paints top to bottom in device pixels, measuring in millimetres.
class SheetPainter {
  public:
    explicit SheetPainter(QPagedPaintDevice& device)
        : painter_(&device),
          pixelsPerMm_(device.logicalDpiY() / 25.4),
          width_(device.width()),
          height_(device.height()) {}

    double Mm(double mm) const { return mm * pixelsPerMm_; }
    double Width() const { return width_; }
    double Remaining() const { return height_ - y_; }

    void Font(double points, bool bold = false) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPointSizeF(points);
        font.setBold(bold);
        painter_.setFont(font);
    }
    // A line of text across the page, or in a column of it.
    void Line(const QString& text, double left = 0, double width = -1) {
        const double lineHeight = painter_.fontMetrics().height() * 1.15;
        const QRectF box(left, y_, width < 0 ? width_ - left : width, lineHeight);
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        y_ += lineHeight;
    }
    void Skip(double mm) { y_ += Mm(mm); }
    QPainter& Painter() { return painter_; }
    double Y() const { return y_; }
    void SetY(double y) { y_ = y; }

  private:
    QPainter painter_;
    double pixelsPerMm_;
    double width_;
    double height_;
    double y_ = 0;
};

void PaintHeader(SheetPainter& sheet, const QDateTime& when) {
    sheet.Font(15, true);
    const double top = sheet.Y();
    sheet.Line(ToQString(kAnalysisTitle));
    sheet.SetY(top);
    sheet.Font(9);
    // A fixed form, whatever the locale: "07/12/2026 10:53".
    const QString date =
        QStringLiteral("Data: ") + when.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    sheet.Painter().drawText(QRectF(0, top, sheet.Width(), sheet.Mm(7)),
                             Qt::AlignRight | Qt::AlignVCenter, date);
    sheet.SetY(top + sheet.Mm(8));
}

void PaintSummary(SheetPainter& sheet, const AnalysisWindow& model) {
    sheet.Font(9);
    QStringList lines = ToQString(model.CopyText()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeFirst();  // the title, already written
    for (const QString& line : lines) sheet.Line(line);
    const AnalysisDisplay& shown = model.Display();
    if (!shown.stall.empty())
        sheet.Line(ToQString(shown.stall));
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

void PaintPlot(SheetPainter& sheet, const PlotData& plot, double heightMm) {
    // The chart is laid out at a screen-like size and scaled onto the page as vectors.
    const QSizeF layout(900, 900 * heightMm * sheet.Mm(1) / sheet.Width());
    QGraphicsScene scene;
    QChart* chart = TorquePlot::BuildChart(plot);
    scene.addItem(chart);
    chart->setGeometry(QRectF(QPointF(0, 0), layout));
    const QRectF target(0, sheet.Y(), sheet.Width(), sheet.Mm(heightMm));
    scene.render(&sheet.Painter(), target, QRectF(QPointF(0, 0), layout));
    sheet.SetY(target.bottom() + sheet.Mm(2));
}

// The table in two blocks side by side, the first half of the degrees on the left.
void PaintTable(SheetPainter& sheet, const AnalysisDisplay& shown) {
    const std::vector<SweepTableRow>& rows = shown.sweepRows;
    if (rows.empty())
        return;
    const std::size_t half = (rows.size() + 1) / 2;
    const int columns = static_cast<int>(shown.sweepHeadings.size()) + 1;  // and the mark
    const double gap = sheet.Mm(4);
    const double blockWidth = (sheet.Width() - gap) / 2;
    const double columnWidth = blockWidth / columns;
    const double headerHeight = sheet.Mm(9);
    const double rowHeight =
        std::min(sheet.Mm(4.2), (sheet.Remaining() - headerHeight) / static_cast<double>(half));
    QPainter& painter = sheet.Painter();
    const double top = sheet.Y();

    for (int block = 0; block < 2; ++block) {
        const double left = block * (blockWidth + gap);
        sheet.Font(6);
        for (int c = 0; c < columns; ++c) {
            QString heading = c + 1 < columns
                                  ? ToQString(shown.sweepHeadings[static_cast<std::size_t>(c)])
                                  : QString();
            heading.replace(QStringLiteral("Coppia a "), QString());
            painter.drawText(QRectF(left + c * columnWidth, top, columnWidth, headerHeight),
                             Qt::AlignCenter | Qt::TextWordWrap, heading);
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
                    column < row.cells.size() ? ToQString(row.cells[column]) : RowMark(row);
                painter.drawText(
                    QRectF(left + c * columnWidth, y, columnWidth - sheet.Mm(1), rowHeight),
                    Qt::AlignRight | Qt::AlignVCenter, text);
            }
        }
    }
}

}  // namespace

void PaintSheet(QPagedPaintDevice& device, const AnalysisWindow& model, const QDateTime& when) {
    SheetPainter sheet(device);
    const AnalysisDisplay& shown = model.Display();
    PaintHeader(sheet, when);
    PaintSummary(sheet, model);
    PaintPlot(sheet, shown.plot, 80);
    PaintTable(sheet, shown);
}

}  // namespace coppia
