// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "models/shared/plot_placement.h"

namespace coppia {

// The plot's font as the SVG writes it (svg_font_metrics.h), `size` pixels high, measured as
// the desktop measures its own.
class SvgTextMeasure : public TextMeasure {
  public:
    explicit SvgTextMeasure(double size) : size_(size) {}
    double Height() const override;
    double Ascent() const;
    double Width(const std::string& text) const override;
    double AverageCharWidth() const override;
    std::string Elide(const std::string& text, double width) const override;

  private:
    double size_;
};

}  // namespace coppia
