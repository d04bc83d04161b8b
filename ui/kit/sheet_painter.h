// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>

#include "models/shared/plot.h"

class QPagedPaintDevice;

namespace coppia {

// Paints a sheet top to bottom in device pixels, measuring in millimetres, on as many pages as
// it needs.
class SheetPainter {
  public:
    explicit SheetPainter(QPagedPaintDevice& device);

    // Every page then says whose sheet it is and which page of how many ("pagina 2 di 3"): the
    // first in its header, the others in a line at their top. `pages` is 0 while unknown.
    void NumberPages(const QString& title, int pages);
    int Page() const { return page_; }

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
    // The title on the left, the date and time on the right, in a fixed form whatever the locale,
    // and the page's number below them where pages are numbered.
    void Header(const QString& title, const QDateTime& when);
    void NewPage();
    // Goes on to a new page unless `height` still fits on this one (or nothing is on it yet).
    void NeedRoom(double height);
    // The plot `heightMm` high across the page, as vectors.
    void Plot(const PlotData& plot, double heightMm);

  private:
    QString PageNumber() const;

    QPagedPaintDevice& device_;
    QPainter painter_;
    double pixelsPerMm_;
    double width_;
    double height_;
    double y_ = 0;
    int page_ = 1;
    QString runningTitle_;
    int pages_ = 0;
};

// The number of pages `paint` fills on a device like `like` (its page and resolution), painted
// on a copy in memory: a sheet that numbers its pages is painted twice.
int CountPages(const QPagedPaintDevice& like, const std::function<int(QPagedPaintDevice&)>& paint);

}  // namespace coppia
