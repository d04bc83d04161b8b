// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QColor>
#include <QFontMetricsF>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "models/shared/plot.h"
#include "models/shared/plot_placement.h"
#include "models/shared/plot_style.h"

namespace coppia {

// The plot's layout (models/shared/plot_placement.h) for a Qt font, in Qt's types: laid out once,
// drawn by PaintPlot and read by the widget for the hovered value.

// The text as wide as `width` at most, cut with "…" where it must be.
QString ElideToWidth(const QFontMetricsF& metrics, const QString& text, double width);

QColor ColourOf(const PlotColour& colour);
// A colour of the same hue dark enough to read as text on white.
QColor TextColour(const QColor& colour);

// How each curve and line is drawn (StyleFor), as pens.
struct PlotPens {
    std::vector<QPen> curves;
    std::vector<QPen> ratings;
    QPen deflection;
    // A band: hatched between its edges, its lower edge solid and its upper one dotted.
    QPen bandLow;
    QPen bandHigh;
    QBrush bandFill;
};
PlotPens PensFor(const PlotData& plot);

struct LegendEntry {
    QString text;         // elided to its room
    QPen pen;             // none for the entry that says how many are left out
    bool marked = false;  // a dot on the sample, for a curve with a marked point
    QRectF box;           // sample and text
    bool band = false;    // the sample is a piece of the band
};

// A label on the plot, in the colour of what it names.
struct PlotLabel {
    QRectF box;
    QString text;  // elided to the box
    QColor colour;
};

struct PlotGeometry {
    PlotRect area;  // inside the axes, where the data lies
    PlotMapping mapping{{}, kDeflectionScale, {}};
    QString torqueTitle;      // elided to the area's height
    QRectF torqueTitleBox;    // before turning it upright
    QString deflectionTitle;  // elided to the area's width
    QRectF deflectionTitleBox;
    double torqueLabelsRight = 0;                 // where the torque ticks' labels end
    std::vector<std::optional<PlotLabel>> marks;  // each curve's mark label, where it has room
    std::vector<std::optional<PlotLabel>> ratingLabels;  // each rating's line's, likewise
    std::vector<LegendEntry> legend;
    // The entries with no room in the legend, said in its last one ("… e altre 2"), named in
    // the widget's tooltip and description.
    QStringList leftOut;
};

PlotGeometry LayOutPlot(const QRectF& bounds, const PlotData& plot, const QFontMetricsF& metrics);

}  // namespace coppia
