// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QFont>
#include <QPainter>
#include <QString>

#include "models/shared/plot.h"

class QPagedPaintDevice;

namespace coppia {

// Paints a sheet top to bottom in device pixels, measuring in millimetres, on as many pages as
// it needs.
class SheetPainter {
  public:
    explicit SheetPainter(QPagedPaintDevice& device);

    double Mm(double mm) const { return mm * pixelsPerMm_; }
    double Width() const { return width_; }
    double Remaining() const { return height_ - y_; }
    double Y() const { return y_; }
    void SetY(double y) { y_ = y; }
    void Skip(double mm) { y_ += Mm(mm); }
    QPainter& Painter() { return painter_; }

    // The sheet's sans face at this size.
    void Font(double points, bool bold = false);
    double LineHeight() const;
    // A line of text across the page, or in a column of it.
    void Line(const QString& text, double left = 0, double width = -1);
    // A paragraph across the page, wrapped at its words.
    void Paragraph(const QString& text);
    // The title on the left, the date and time on the right, in a fixed form whatever the locale.
    void Header(const QString& title, const QDateTime& when);
    void NewPage();
    // Goes on to a new page unless `height` still fits on this one (or nothing is on it yet).
    void NeedRoom(double height);
    // The plot `heightMm` high across the page, as vectors.
    void Plot(const PlotData& plot, double heightMm);

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    double pixelsPerMm_;
    double width_;
    double height_;
    double y_ = 0;
};

}  // namespace coppia
