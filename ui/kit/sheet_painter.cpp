// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/sheet_painter.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>

#include "ui/kit/plot_painter.h"

namespace coppia {

namespace {

// Liberation Sans on Linux; on Windows, which has none, Arial, whose metrics it shares.
QFont SheetFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

}  // namespace

SheetPainter::SheetPainter(QPagedPaintDevice& device)
    : device_(device),
      painter_(&device),
      pixelsPerMm_(device.logicalDpiY() / 25.4),
      width_(device.width()),
      height_(device.height()) {}

void SheetPainter::Font(double points, bool bold) {
    QFont font = SheetFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    painter_.setFont(font);
}

double SheetPainter::LineHeight() const {
    return painter_.fontMetrics().height() * 1.15;
}

void SheetPainter::Line(const QString& text, double left, double width) {
    const double lineHeight = LineHeight();
    const QRectF box(left, y_, width < 0 ? width_ - left : width, lineHeight);
    painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    y_ += lineHeight;
}

void SheetPainter::Paragraph(const QString& text) {
    const QRectF box(0, y_, width_, height_ - y_);
    const QRectF used = painter_.boundingRect(box, Qt::AlignLeft | Qt::TextWordWrap, text);
    painter_.drawText(box, Qt::AlignLeft | Qt::TextWordWrap, text);
    y_ += used.height();
}

void SheetPainter::Header(const QString& title, const QDateTime& when) {
    Font(15, true);
    const double top = y_;
    Line(title);
    y_ = top;
    Font(9);
    // "07/12/2026 10:53"
    const QString date =
        QStringLiteral("Data: ") + when.toString(QStringLiteral("dd/MM/yyyy HH:mm"));
    painter_.drawText(QRectF(0, top, width_, Mm(7)), Qt::AlignRight | Qt::AlignVCenter, date);
    y_ = top + Mm(8);
    if (!runningTitle_.isEmpty()) {
        painter_.drawText(QRectF(0, top + Mm(7), width_, Mm(5)), Qt::AlignRight | Qt::AlignVCenter,
                          PageNumber());
        y_ = top + Mm(12);
    }
}

QString SheetPainter::PageNumber() const {
    return QStringLiteral("pagina %1 di %2")
        .arg(page_)
        .arg(pages_ > 0 ? QString::number(pages_) : QStringLiteral("?"));
}

void SheetPainter::NumberPages(const QString& title, int pages) {
    runningTitle_ = title;
    pages_ = pages;
}

void SheetPainter::NewPage() {
    device_.newPage();
    ++page_;
    y_ = 0;
    if (runningTitle_.isEmpty())
        return;
    const QFont font = painter_.font();
    const QPen pen = painter_.pen();
    Font(9, true);
    painter_.setPen(Qt::black);
    const QRectF line(0, 0, width_, Mm(6));
    painter_.drawText(line, Qt::AlignRight | Qt::AlignVCenter, PageNumber());
    const double numberWidth = painter_.fontMetrics().horizontalAdvance(PageNumber());
    painter_.drawText(
        QRectF(0, 0, width_ - numberWidth - Mm(4), Mm(6)), Qt::AlignLeft | Qt::AlignVCenter,
        painter_.fontMetrics().elidedText(runningTitle_, Qt::ElideMiddle,
                                          static_cast<int>(width_ - numberWidth - Mm(4))));
    painter_.setPen(QPen(QColor(170, 170, 170), Mm(0.2)));
    painter_.drawLine(QPointF(0, Mm(6.5)), QPointF(width_, Mm(6.5)));
    painter_.setFont(font);
    painter_.setPen(pen);
    y_ = Mm(9);
}

void SheetPainter::NeedRoom(double height) {
    if (y_ > 0 && y_ + height > height_)
        NewPage();
}

void SheetPainter::Plot(const PlotData& plot, double heightMm) {
    // Drawn as on a screen of 96 pixels an inch, scaled onto the page as vectors: the same
    // plot as the window's, its lines and letters in proportion.
    const double scale = pixelsPerMm_ * 25.4 / 96;
    const QRectF target(0, y_, width_, Mm(heightMm));
    QFont font = SheetFont();
    font.setPixelSize(11);
    painter_.save();
    painter_.translate(target.topLeft());
    painter_.scale(scale, scale);
    PaintPlot(painter_, QRectF(0, 0, target.width() / scale, target.height() / scale), plot, font);
    painter_.restore();
    y_ = target.bottom() + Mm(2);
}

int CountPages(const QPagedPaintDevice& like, const std::function<int(QPagedPaintDevice&)>& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter copy(&buffer);
    copy.setPageLayout(like.pageLayout());
    copy.setResolution(like.logicalDpiY());
    return paint(copy);
}

}  // namespace coppia
