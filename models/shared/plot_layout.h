// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "models/shared/plot.h"

namespace coppia {

// The plot's arithmetic that needs no painter and no font: where ticks, points, labels and
// legend entries go, in the logical pixels the plot is drawn in (y grows downwards).

// The deflection axis: 0 to 60 degrees, a tick every 10 and a minor line every 5.
inline constexpr PlotScale kDeflectionScale{0, 60, 10, 1, 0};

// The values of a scale's round ticks from low to high, each a whole number of steps; and of the
// minor lines between them. Counted in steps, so that 0.1 + 0.2 never lands beside 0.3.
std::vector<double> MajorTicks(const PlotScale& scale);
std::vector<double> MinorTicks(const PlotScale& scale);

struct PlotRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool Overlaps(const PlotRect& other) const;
    bool Holds(const PlotRect& inner) const;
};

// From the data's units (degrees across, Kg*cm up) to the pixels of the plot area.
class PlotMapping {
  public:
    PlotMapping(PlotRect area, const PlotScale& across, const PlotScale& up);
    double X(double deflection) const;
    double Y(double torque) const;
    double DeflectionAt(double x) const;
    const PlotRect& Area() const { return area_; }

  private:
    PlotRect area_;
    PlotScale across_;
    PlotScale up_;
};

// A one-pixel line drawn through the middle of a pixel stays one pixel wide at 1x and two whole
// pixels at 2x, rather than a blur across two or three.
double PixelCentre(double position);

// The legend's entries laid into rows `rowWidth` wide, `gap` apart, in order, at most `mostRows`
// of them. Where they do not fit as they come, in columns of cells as wide as the rows leave
// them (no narrower than `narrowest`; each text is elided to its cell); where they do not fit
// so either, as many as the cells hold but one, whose cell says how many more there are.
struct LegendLayout {
    std::vector<std::optional<std::size_t>> rowOf;  // none for an entry left out
    std::vector<double> leftOf;                     // from the row's left
    std::vector<double> widthOf;                    // the room of each entry
    std::size_t rows = 0;
    std::size_t columns = 0;  // of cells; none as they come
    std::size_t leftOut = 0;
    // The cell that says how many more there are, when some are left out.
    std::size_t moreRow = 0;
    double moreLeft = 0;
    double moreWidth = 0;
};
LegendLayout LegendRows(const std::vector<double>& widths, double rowWidth, double gap,
                        std::size_t mostRows, double narrowest);
// How wide each of `columns` cells is.
double LegendCellWidth(double rowWidth, double gap, std::size_t columns);

// What the legend's last cell says when `leftOut` entries did not fit: "… e altre 3".
std::string MoreEntries(std::size_t leftOut);

// For each curve, the earlier curve it coincides with point for point, if any: drawn over it,
// it would hide it, so the legend says so.
std::vector<std::optional<std::size_t>> CoincidingCurves(const std::vector<PlotCurve>& curves);

// What the plot shows, in words, for a screen reader: the peak of the model's speed and the
// torque at the current deflection in the analysis, each surface's own point in the model
// window. Names are cut to a few hundred letters.
std::string DescribePlot(const PlotData& plot);

// The first `most` characters of a UTF-8 text, never splitting one.
std::string CutText(const std::string& text, std::size_t most);

}  // namespace coppia
