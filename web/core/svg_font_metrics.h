// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <utility>

namespace coppia {

// The widths of the characters of the plot's font, in its own units: the SVG is laid out with
// them, as the desktop's plot is laid out with the font it is drawn in.
struct SvgFontMetrics {
    int unitsPerEm;
    int ascender;
    int descender;  // below the baseline, positive
    int averageWidth;
    std::array<std::uint16_t, 0x100 - 0x20> latin1;             // from the space on; 0 where none
    std::array<std::pair<char32_t, std::uint16_t>, 17> beyond;  // others the texts use
};

extern const SvgFontMetrics kSvgFontMetrics;

}  // namespace coppia
