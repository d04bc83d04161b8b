// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "models/shared/plot.h"
#include "models/shared/plot_layout.h"
#include "models/shared/plot_style.h"

namespace coppia {

// Where everything of a torque plot goes within a rectangle, for a font: the area, the axes'
// titles, the labels and the legend, in logical pixels (y grows downwards). One layout for
// whatever draws it: the desktop's painter (ui/kit) and the page's SVG (web/core).

// The plot's measures, in logical pixels.
inline constexpr double kPlotTickLength = 4;
inline constexpr double kPlotMarkRadius = 4.5;
inline constexpr double kLegendSampleWidth = 30;  // of a line in the legend
inline constexpr double kLegendSampleGap = 5;     // between the sample and its text

// Longer texts are cut to this many characters before they are measured, so that eliding a name
// costs the same whatever its length.
inline constexpr std::size_t kLongestMeasured = 300;

// The font the plot is written in, as whatever draws it measures it.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    // The height of a line.
    virtual double Height() const = 0;
    virtual double Width(const std::string& text) const = 0;
    virtual double AverageCharWidth() const = 0;
    // The text as wide as `width` at most, its end cut with "…" where it must be.
    virtual std::string Elide(const std::string& text, double width) const = 0;
};

// A label on the plot, in the colour of what it names.
struct PlacedLabel {
    PlotRect box;
    std::string text;  // elided to the box
    PlotColour colour;
};

struct PlacedLegendEntry {
    std::string text;            // elided to its room
    std::optional<PlotPen> pen;  // none for the entry that says how many are left out
    bool marked = false;         // a dot on the sample, for a curve with a marked point
    PlotRect box;                // sample and text
    bool band = false;           // the sample is a piece of the band
};

struct PlotPlacement {
    PlotRect area;  // inside the axes, where the data lies
    PlotMapping mapping{{}, kDeflectionScale, {}};
    std::string torqueTitle;      // elided to the area's height
    PlotRect torqueTitleBox;      // before turning it upright
    std::string deflectionTitle;  // elided to the area's width
    PlotRect deflectionTitleBox;
    double torqueLabelsRight = 0;                   // where the torque ticks' labels end
    std::vector<std::optional<PlacedLabel>> marks;  // each curve's mark label, where it has room
    std::vector<std::optional<PlacedLabel>> ratingLabels;  // each rating's line's, likewise
    std::vector<PlacedLegendEntry> legend;
    // The entries with no room in the legend, said in its last one ("… e altre 2"), and named
    // where the plot is described.
    std::vector<std::string> leftOut;
};

PlotPlacement PlacePlot(const PlotRect& bounds, const PlotData& plot, const PlotStyle& style,
                        const TextMeasure& measure);

// A tick's label: the scale's decimals.
std::string TickText(double value, int decimals);

}  // namespace coppia
