// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBrush>
#include <QFontMetricsF>
#include <QPen>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

#include "models/shared/plot.h"
#include "models/shared/plot_layout.h"

namespace coppia {

// Where everything of a torque plot goes within a rectangle, for a font: laid out once, drawn by
// PaintPlot and read by the widget for the hovered value.

// The plot's measures, in logical pixels.
inline constexpr double kPlotTickLength = 4;
inline constexpr double kPlotMarkRadius = 4.5;
inline constexpr double kLegendSampleWidth = 30;  // of a line in the legend
inline constexpr double kLegendSampleGap = 5;     // between the sample and its text

// Longer texts are cut to this many characters before they are measured, so that eliding a name
// costs the same whatever its length.
inline constexpr int kLongestMeasured = 300;

// The text as wide as `width` at most, cut with "…" where it must be.
QString ElideToWidth(const QFontMetricsF& metrics, const QString& text, double width);

// A colour of the same hue dark enough to read as text on white.
QColor TextColour(const QColor& colour);

// How each curve and line is drawn: colours that people who see red and green alike still tell
// apart, and a dash pattern of its own for each curve, so that a grey print tells them apart too.
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

PlotGeometry LayOutPlot(const QRectF& bounds, const PlotData& plot, const PlotPens& pens,
                        const QFontMetricsF& metrics);

// A tick's label: the scale's decimals.
QString TickText(double value, int decimals);

}  // namespace coppia
