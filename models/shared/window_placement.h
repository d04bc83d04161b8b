// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace coppia {

// A rectangle of the screen in pixels; `right()` and `bottom()` lie just outside it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const ScreenRect&) const = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
    bool operator==(const ScreenSize&) const = default;
};

// The largest size up to `wanted` that fits within `available`.
ScreenSize FitWithin(ScreenSize wanted, ScreenSize available);

// Where a window of (frame) `size` goes when it opens beside the main window, whose frame is
// `main`, on a screen whose free area is `screen`: `gap` to its right, else to its left, level
// with its top; narrowed down to `minimumWidth` where that makes it fit beside. Where neither
// side has room, wherever on the screen it covers the least of the main window, the nearest
// such place to the right side's. Always wholly on screen, cut to it where it is larger.
ScreenRect PlaceBeside(ScreenRect screen, ScreenRect main, ScreenSize size, int gap,
                       int minimumWidth);

// The main window and another side by side, the main window on the left, their tops level and
// the pair centred on the screen, up to `gap` apart, the other narrowed down to `minimumWidth`
// where that makes them fit. Where they cannot both fit across the screen, the main window is
// centred and the other placed as PlaceBeside places it.
struct PairPlacement {
    ScreenRect main;
    ScreenRect beside;
};
PairPlacement PlaceSideBySide(ScreenRect screen, ScreenSize main, ScreenSize beside, int gap,
                              int minimumWidth);

// Where a window opened beside the main window goes when `others` (the added windows open
// already) are on screen too. It never covers the main window where the screen leaves
// `minimumWidth` beside it: the main window moves across as little as it must, when its sides
// leave too little. Of the places that cover the main window least, it takes those that cover
// the others least, then the widest, then the nearest to the main window's right side: where
// all fit, none overlaps. Always wholly on screen.
PairPlacement PlaceAmong(ScreenRect screen, ScreenRect main, const std::vector<ScreenRect>& others,
                         ScreenSize size, int gap, int minimumWidth);

}  // namespace coppia
