// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChartView>

#include "models/shared/plot.h"

namespace coppia {

// The torque at the servo against the deflection: a curve per speed, or per surface, with a
// point marked and labelled (its peak, or the surface's own deflection), the current deflection,
// and each servo's rated torque as a horizontal line. Hovering a curve shows its value at that
// whole degree.
class TorquePlot : public QChartView {
    Q_OBJECT
  public:
    explicit TorquePlot(QWidget* parent = nullptr);
    ~TorquePlot() override;

    void Show(const PlotData& plot);

    // A chart of the data, for the window and for the printed sheet; the caller owns it.
    // `hover` receives each curve's hovering when it is not null.
    static QChart* BuildChart(const PlotData& plot, TorquePlot* hover = nullptr);

    // What hovering a curve at this deflection shows: its value at the nearest whole degree.
    Q_INVOKABLE QString ValueAt(int curve, double deflection) const;

  private:
    void Hovered(std::size_t curve, const QPointF& point, bool entered);

    PlotData plot_;
};

}  // namespace coppia
