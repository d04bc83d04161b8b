// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/window_placement.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

namespace coppia {

namespace {

// The start of a span of `length` moved within [low, high) as little as it takes.
int Clamp(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
    const long long width = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

}  // namespace

ScreenSize FitWithin(ScreenSize wanted, ScreenSize available) {
    return {std::min(wanted.width, available.width), std::min(wanted.height, available.height)};
}

ScreenRect PlaceBeside(ScreenRect screen, ScreenRect main, ScreenSize size, int gap,
                       int minimumWidth) {
    ScreenSize fitted = FitWithin(size, {screen.width, screen.height});
    const auto at = [&](int x, int y) {
        return ScreenRect{Clamp(x, fitted.width, screen.left, screen.right()),
                          Clamp(y, fitted.height, screen.top, screen.bottom()), fitted.width,
                          fitted.height};
    };
    const int level = main.top;
    const int rightOf = main.right() + gap;
    const int roomRight = screen.right() - rightOf;
    const int roomLeft = main.left - gap - screen.left;
    if (roomRight >= fitted.width)
        return at(rightOf, level);
    if (roomLeft >= fitted.width)
        return at(main.left - gap - fitted.width, level);
    for (const int room : {roomRight, roomLeft}) {
        if (room >= minimumWidth) {
            fitted.width = room;
            return at(room == roomRight ? rightOf : screen.left, level);
        }
    }
    const int leftOf = main.left - gap - fitted.width;

    // The least overlap lies where an edge meets the screen's or the main window's edge.
    const ScreenRect preferred = at(rightOf, level);
    const std::array<int, 4> xs = {screen.left, screen.right() - fitted.width, rightOf, leftOf};
    const std::array<int, 5> ys = {level, screen.top, screen.bottom() - fitted.height,
                                   main.bottom() + gap, main.top - gap - fitted.height};
    ScreenRect best = preferred;
    long long bestOverlap = std::numeric_limits<long long>::max();
    int bestDistance = 0;
    for (const int x : xs) {
        for (const int y : ys) {
            const ScreenRect place = at(x, y);
            const long long overlap = OverlapArea(place, main);
            const int distance =
                std::abs(place.left - preferred.left) + std::abs(place.top - preferred.top);
            if (overlap < bestOverlap || (overlap == bestOverlap && distance < bestDistance)) {
                best = place;
                bestOverlap = overlap;
                bestDistance = distance;
            }
        }
    }
    return best;
}

PairPlacement PlaceSideBySide(ScreenRect screen, ScreenSize main, ScreenSize beside, int gap,
                              int minimumWidth) {
    ScreenSize fitted = FitWithin(beside, {screen.width, screen.height});
    const int room = screen.width - main.width - gap;
    if (room < fitted.width && room >= minimumWidth)
        fitted.width = room;
    const int spare = screen.width - main.width - fitted.width;
    if (spare < 0) {
        const ScreenRect centred{screen.left + (screen.width - main.width) / 2,
                                 screen.top + (screen.height - main.height) / 2, main.width,
                                 main.height};
        return {centred, PlaceBeside(screen, centred, beside, gap, minimumWidth)};
    }
    const int between = std::min(gap, spare);
    const int left = screen.left + (spare - between) / 2;
    const int height = std::max(main.height, fitted.height);
    const int top =
        Clamp(screen.top + (screen.height - height) / 2, height, screen.top, screen.bottom());
    return {ScreenRect{left, top, main.width, main.height},
            ScreenRect{left + main.width + between, top, fitted.width, fitted.height}};
}

}  // namespace coppia
