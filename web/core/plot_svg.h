// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "models/shared/plot.h"

namespace coppia {

// The torque plot as an SVG image `width` × `height` pixels, its letters `fontSize` pixels high:
// laid out by the desktop's own layout (PlacePlot, StyleFor) for the font the page writes it in,
// and drawn as the desktop's painter draws it (ui/kit/plot_painter.cpp), line for line. `name`
// and `description` are what a screen reader says of it; the names the legend had no room for
// are added to the description. `id` names what the image defines, apart from the other images
// of the page.
struct SvgSize {
    double width = 0;
    double height = 0;
    double fontSize = 0;
};
std::string PlotSvg(const PlotData& plot, const SvgSize& size, std::string_view id,
                    std::string_view name, std::string_view description);

}  // namespace coppia
