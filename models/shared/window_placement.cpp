// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/window_placement.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

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

namespace {

// How good a place is, better first: least over the main window, then over the others, then the
// widest, then the nearest to where it is wanted.
struct PlaceScore {
    long long overMain = 0;
    long long overOthers = 0;
    int narrowing = 0;
    int distance = 0;
    auto operator<=>(const PlaceScore&) const = default;
};

// The main window moved across as little as it must to leave a side `room` wide, where the
// screen has that room at all; where it has already, or has not, as it is.
ScreenRect MakeRoom(ScreenRect screen, ScreenRect main, int room) {
    const int leftRoom = main.left - screen.left;
    const int rightRoom = screen.right() - main.right();
    if (leftRoom >= room || rightRoom >= room || screen.width - main.width < room)
        return main;
    const int toLeft = room - rightRoom;  // moving left frees the right side
    const int toRight = room - leftRoom;
    main.left += toLeft <= toRight ? -toLeft : toRight;
    return main;
}

}  // namespace

namespace {

// The best place beside `main` as it stands, with its score.
std::pair<PairPlacement, PlaceScore> BestAmong(ScreenRect screen, ScreenRect main,
                                               const std::vector<ScreenRect>& others,
                                               ScreenSize fitted, int gap, int minimumWidth) {
    std::vector<ScreenRect> obstacles{main};
    obstacles.insert(obstacles.end(), others.begin(), others.end());
    // The edges a place may start or end at: the screen's and each window's, a gap apart.
    std::vector<int> lefts{screen.left};
    std::vector<int> rights{screen.right()};
    std::vector<int> tops{main.top, screen.top, screen.bottom() - fitted.height};
    for (const ScreenRect& obstacle : obstacles) {
        lefts.push_back(obstacle.right() + gap);
        rights.push_back(obstacle.left - gap);
        tops.push_back(obstacle.bottom() + gap);
        tops.push_back(obstacle.top - gap - fitted.height);
    }
    const int wantedLeft = main.right() + gap;
    PairPlacement best{main, {}};
    std::optional<PlaceScore> bestScore;
    const auto consider = [&](int x, int y, int width) {
        const ScreenRect place{Clamp(x, width, screen.left, screen.right()),
                               Clamp(y, fitted.height, screen.top, screen.bottom()), width,
                               fitted.height};
        PlaceScore score;
        score.overMain = OverlapArea(place, main);
        for (const ScreenRect& other : others) score.overOthers += OverlapArea(place, other);
        score.narrowing = fitted.width - width;
        score.distance = std::abs(place.left - wantedLeft) + std::abs(place.top - main.top);
        if (!bestScore || score < *bestScore) {
            bestScore = score;
            best.beside = place;
        }
    };
    for (const int y : tops) {
        for (const int left : lefts) {
            for (const int right : rights) {
                // The whole width from either edge, or narrowed to the room between them.
                const int room = std::min(fitted.width, right - left);
                consider(left, y, fitted.width);
                consider(right - fitted.width, y, fitted.width);
                // Or as narrow as it may be, over the others the least.
                for (const int width : {room, std::min(fitted.width, minimumWidth)}) {
                    if (right - left >= width && width >= minimumWidth) {
                        consider(left, y, width);
                        consider(right - width, y, width);
                    }
                }
            }
        }
    }
    return {best, *bestScore};
}

}  // namespace

PairPlacement PlaceAmong(ScreenRect screen, ScreenRect main, const std::vector<ScreenRect>& others,
                         ScreenSize size, int gap, int minimumWidth) {
    const ScreenSize fitted = FitWithin(size, {screen.width, screen.height});
    const auto [where, score] = BestAmong(screen, main, others, fitted, gap, minimumWidth);
    if (score.overMain == 0)
        return where;
    // The main window moves over only where that uncovers it.
    const ScreenRect moved = MakeRoom(screen, main, std::min(fitted.width, minimumWidth) + gap);
    return BestAmong(screen, moved, others, fitted, gap, minimumWidth).first;
}

}  // namespace coppia
