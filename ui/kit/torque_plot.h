// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "models/shared/plot.h"
#include "ui/kit/plot_geometry.h"

namespace coppia {

// The torque at the servo against the deflection: a curve per speed, or per surface, with a
// point marked and labelled (its peak, or the surface's own deflection), the current deflection,
// and each servo's rated torque as a horizontal line. Hovering a curve shows its value at that
// whole degree; a screen reader hears the peak and the current value in its description, and
// the names the legend has no room for.
class TorquePlot : public QWidget {
    Q_OBJECT
  public:
    explicit TorquePlot(QWidget* parent = nullptr);
    ~TorquePlot() override;

    void Show(const PlotData& plot);

    // What hovering a curve at this deflection shows: its value at the nearest whole degree.
    Q_INVOKABLE QString ValueAt(int curve, double deflection) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void LayOut();
    // The curve drawn within a few pixels of `position`, if any.
    int CurveNear(const QPointF& position) const;
    // Over the legend's last entry where some had no room: their names.
    QString LeftOutAt(const QPointF& position) const;

    PlotData plot_;
    QString described_;
    PlotPens pens_;
    PlotGeometry laid_;
};

}  // namespace coppia
