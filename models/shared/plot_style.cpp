// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/plot_style.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "models/shared/plot_labels.h"

namespace coppia {

namespace {

constexpr PlotColour Rgb(int red, int green, int blue) {
    return {red / 255.0, green / 255.0, blue / 255.0};
}

// The model's speed is always the same strong black line; the other curves take these in turn,
// thinner: the analysis's other speeds, slowest first, or the model window's surfaces.
constexpr PlotColour kModelColour = Rgb(0, 0, 0);
constexpr std::array<PlotColour, 8> kOtherColours = {
    Rgb(0, 114, 178), Rgb(0, 158, 115),  Rgb(213, 94, 0),    Rgb(204, 121, 167),
    Rgb(230, 159, 0), Rgb(86, 180, 233), Rgb(120, 120, 120), Rgb(140, 80, 20)};
// Six patterns against eight colours: no two curves of a plot of up to eight share both. The
// first is a solid line.
const std::array<std::vector<double>, 6> kOtherDashes = {{
    {},
    {6, 2},
    {1.5, 1.5},
    {6, 2, 1.5, 2},
    {3, 3},
    {10, 2, 1.5, 2, 1.5, 2},
}};
constexpr PlotColour kRatingColour = Rgb(200, 0, 0);

std::vector<PlotPen> CurvePens(const PlotData& plot) {
    std::vector<PlotPen> pens;
    std::size_t others = 0;
    for (const PlotCurve& curve : plot.curves) {
        if (curve.modelSpeed) {
            pens.push_back({kModelColour, 3, {}, 0, true});
            continue;
        }
        const std::size_t n = others++;
        pens.push_back({kOtherColours[n % kOtherColours.size()], 2,
                        kOtherDashes[n % kOtherDashes.size()], 0, true});
    }
    return pens;
}

}  // namespace

PlotStyle StyleFor(const PlotData& plot) {
    PlotStyle style;
    style.curves = CurvePens(plot);
    // Lines that coincide take turns along it, each dash in its own colour.
    const std::vector<std::optional<std::size_t>> coincides = CoincidingRatings(plot.ratings);
    std::vector<int> alike(plot.ratings.size(), 0);
    for (const std::optional<std::size_t>& first : coincides)
        if (first)
            ++alike[*first];
    for (std::size_t i = 0; i < plot.ratings.size(); ++i) {
        const PlotRating& rating = plot.ratings[i];
        const bool ofCurve = rating.curve && *rating.curve < style.curves.size();
        const std::size_t first = coincides[i].value_or(i);
        const int turns = alike[first] + 1;
        const auto turn = static_cast<int>(std::count(coincides.begin(), coincides.begin() + i,
                                                      std::optional<std::size_t>(first))) +
                          (coincides[i] ? 1 : 0);
        style.ratings.push_back({ofCurve ? style.curves[*rating.curve].colour : kRatingColour,
                                 ofCurve ? 1.5 : 2,
                                 {5, 3.0 + 8.0 * (turns - 1)},
                                 8.0 * turn,
                                 false});
    }
    style.deflection = {Rgb(110, 110, 110), 1.5, {1, 2}, 0, false};
    // A purple no curve of the plot has.
    style.bandLow = {Rgb(130, 60, 150), 1.5, {}, 0, true};
    style.bandHigh = {Rgb(130, 60, 150), 1.5, {1, 2}, 0, true};
    return style;
}

PlotColour TextColour(const PlotColour& colour) {
    // Below this relative luminance, text stands out 4.5 to 1 from white.
    constexpr double kDarkEnough = 0.18;
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    PlotColour shade = colour;
    for (double factor = 1; factor > 0; factor -= 0.05) {
        shade = {colour.red * factor, colour.green * factor, colour.blue * factor};
        const double luminance =
            0.2126 * linear(shade.red) + 0.7152 * linear(shade.green) + 0.0722 * linear(shade.blue);
        if (luminance <= kDarkEnough)
            break;
    }
    return shade;
}

}  // namespace coppia
