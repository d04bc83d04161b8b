// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>

#include "models/shared/plot.h"
#include "ui/kit/plot_geometry.h"

namespace coppia {

// The torque plot within `bounds`, in the painter's logical coordinates, with `font`: the same
// drawing on the screen, in the PDF sheet and on paper. Lines keep their widths in logical
// pixels, so a screen at 2x or a page shows the same plot, only sharper.
void PaintPlot(QPainter& painter, const QRectF& bounds, const PlotData& plot, const QFont& font);

// The same from a layout already made (the widget keeps it for the hovered value).
void PaintPlot(QPainter& painter, const QRectF& bounds, const PlotData& plot, const PlotPens& pens,
               const PlotGeometry& laid);

}  // namespace coppia
