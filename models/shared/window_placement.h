// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
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

// A window open already, with the part of it that the others keep in sight before any other:
// the model window's table, which its builder reads while using the other windows.
struct OpenWindow {
    ScreenRect frame;
    std::optional<ScreenRect> inSightFirst;
};

struct PairPlacement {
    ScreenRect main;
    ScreenRect beside;
};

// The main window and another side by side, the main window on the left, their tops level and
// the pair centred on the screen, up to `gap` apart, the other narrowed down to
// `smallest.width` where that makes them fit. Where they cannot both fit across the screen, the
// main window is centred and the other covers as little of it as it can.
PairPlacement PlaceSideBySide(ScreenRect screen, ScreenSize main, ScreenSize beside, int gap,
                              ScreenSize smallest);

// Whether a screen `screenWidth` wide holds the main window and two others across, each of
// those at its narrowest, `gap` apart.
bool HoldsThreeAcross(int screenWidth, int mainWidth, int firstNarrowest, int secondNarrowest,
                      int gap);

// Where a window of up to `size` goes when it opens beside the main window, with `others` (the
// added windows open already) on screen too; it may be made as small as `smallest`. In this
// order it:
// - never hides any window: of each, at least a tenth stays in sight;
// - covers the least of the parts to keep in sight first (the model window's table);
// - covers the least of the other windows, the main window included: where all fit, none
//   overlaps. The main window moves, across or up and down, as little as it must to make
//   room where its sides and its top or bottom leave too little; never off the screen;
// - keeps its whole height, then leaves the main window where it is, then keeps its whole
//   width, then stands nearest to the main window's right side, level with its top.
// Always wholly on screen, cut to it where it is larger.
PairPlacement PlaceAmong(ScreenRect screen, ScreenRect main, const std::vector<OpenWindow>& others,
                         ScreenSize size, int gap, ScreenSize smallest);

}  // namespace coppia
