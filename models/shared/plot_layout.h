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

// A label of `width` × `height` to stand beside the point `x`, `y`.
struct LabelWish {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// Where each label goes, in the order given (the first wins a place first): above right of its
// point, else above left, below right, below left; always wholly inside `area`, never over
// another label nor over a marked point (`keepClear` pixels around each). A label that fits
// nowhere is left out: the table beside the plot holds its value.
std::vector<std::optional<PlotRect>> PlaceLabels(const std::vector<LabelWish>& labels,
                                                 const PlotRect& area, double keepClear);

// The legend's entries laid into rows `rowWidth` wide, `gap` apart, in order; an entry wider than
// a row takes a row of its own (its text is elided to fit). Each entry gets its row, or none
// when it falls beyond `mostRows`.
struct LegendLayout {
    std::vector<std::optional<std::size_t>> rowOf;
    std::vector<double> leftOf;  // from the row's left
    std::size_t rows = 0;
};
LegendLayout LegendRows(const std::vector<double>& widths, double rowWidth, double gap,
                        std::size_t mostRows);

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
