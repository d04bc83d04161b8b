// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "models/shared/plot.h"

namespace coppia {

// How each line of a torque plot is drawn, whatever draws it (a painter, an SVG): colours that
// people who see red and green alike still tell apart, and a dash pattern of its own for each
// curve, so that a grey print tells them apart too.

// Each channel from 0 to 1.
struct PlotColour {
    double red = 0;
    double green = 0;
    double blue = 0;
    bool operator==(const PlotColour&) const = default;
};

struct PlotPen {
    PlotColour colour;
    double width = 1;  // in logical pixels
    // Dashes and gaps, and where the pattern starts, in pen widths; none for a solid line.
    std::vector<double> dashes;
    double dashOffset = 0;
    bool roundJoin = false;  // a curve's corners are rounded; a straight line's ends are flat
};

struct PlotStyle {
    std::vector<PlotPen> curves;
    std::vector<PlotPen> ratings;
    PlotPen deflection;
    // The second estimate's band: hatched between its edges in their colour, not tinted, as a
    // grey print keeps the lines of a hatch where a tint would fade; its lower edge solid, its
    // upper one dotted.
    PlotPen bandLow;
    PlotPen bandHigh;
};
PlotStyle StyleFor(const PlotData& plot);

// A colour of the same hue dark enough to read as text on white.
PlotColour TextColour(const PlotColour& colour);

}  // namespace coppia
