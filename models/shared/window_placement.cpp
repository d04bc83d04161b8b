// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/window_placement.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace coppia {

namespace {

// Of every window, at least this share of its area stays in sight: one a sliver of which is
// left can still be clicked and raised.
constexpr long long kLeastInSight = 10;  // per cent

// The start of a span of `length` moved within [low, high) as little as it takes.
int Clamp(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

long long Area(const ScreenRect& rect) {
    return static_cast<long long>(rect.width) * rect.height;
}

std::optional<ScreenRect> Intersection(const ScreenRect& a, const ScreenRect& b) {
    const int left = std::max(a.left, b.left);
    const int top = std::max(a.top, b.top);
    const int right = std::min(a.right(), b.right());
    const int bottom = std::min(a.bottom(), b.bottom());
    if (right <= left || bottom <= top)
        return std::nullopt;
    return ScreenRect{left, top, right - left, bottom - top};
}

long long OverlapArea(const ScreenRect& a, const ScreenRect& b) {
    const std::optional<ScreenRect> both = Intersection(a, b);
    return both ? Area(*both) : 0;
}

// How much of `window` two rectangles cover together.
long long CoveredByEither(const ScreenRect& window, const ScreenRect& a, const ScreenRect& b) {
    const std::optional<ScreenRect> ab = Intersection(a, b);
    return OverlapArea(window, a) + OverlapArea(window, b) - (ab ? OverlapArea(window, *ab) : 0);
}

bool Hidden(const ScreenRect& window, long long covered) {
    return (Area(window) - covered) * 100 < Area(window) * kLeastInSight;
}

// How good a place is, better first.
struct PlaceScore {
    int hidden = 0;
    long long overInSightFirst = 0;
    long long overWindows = 0;
    int shortening = 0;
    int mainMove = 0;
    int narrowing = 0;
    int distance = 0;
    auto operator<=>(const PlaceScore&) const = default;
};

struct Scene {
    ScreenRect screen;
    ScreenRect main;  // where it stood before
    std::vector<OpenWindow> others;
    ScreenSize fitted;
    int gap = 0;
    ScreenSize smallest;
};

PlaceScore Score(const Scene& scene, const ScreenRect& main, const ScreenRect& place) {
    PlaceScore score;
    score.overWindows = OverlapArea(place, main);
    score.hidden = Hidden(main, score.overWindows) ? 1 : 0;
    for (const OpenWindow& other : scene.others) {
        const long long covered = CoveredByEither(other.frame, place, main);
        score.overWindows += covered;
        score.hidden += Hidden(other.frame, covered) ? 1 : 0;
        if (other.inSightFirst)
            score.overInSightFirst += CoveredByEither(*other.inSightFirst, place, main);
    }
    score.shortening = scene.fitted.height - place.height;
    score.mainMove = std::abs(main.left - scene.main.left) + std::abs(main.top - scene.main.top);
    score.narrowing = scene.fitted.width - place.width;
    score.distance =
        std::abs(place.left - (main.right() + scene.gap)) + std::abs(place.top - main.top);
    return score;
}

struct Best {
    PairPlacement placement;
    std::optional<PlaceScore> score;

    void Consider(const Scene& scene, const ScreenRect& main, const ScreenRect& place) {
        const PlaceScore candidate = Score(scene, main, place);
        if (!score || candidate < *score) {
            score = candidate;
            placement = {main, place};
        }
    }
};

// The spans a window may take along one axis: from either edge of each room between `starts`
// and `ends`, its whole `length`, or cut to the room, or as short as it may be (`least`), which
// covers the least where it must cover something.
struct Span {
    int start;
    int length;
};
std::vector<Span> Spans(const std::vector<int>& starts, const std::vector<int>& ends, int length,
                        int least) {
    std::vector<Span> spans;
    for (const int start : starts) {
        spans.push_back({start, length});
        spans.push_back({start, least});
    }
    for (const int end : ends) {
        spans.push_back({end - length, length});
        spans.push_back({end - least, least});
        for (const int start : starts) {
            const int room = std::min(length, end - start);
            if (room > least && room < length)
                spans.push_back({start, room});
        }
    }
    return spans;
}

// The best place beside `main` standing where it is, among the edges of the screen and of the
// windows, a gap apart.
void PlaceBesideMain(const Scene& scene, const ScreenRect& main, Best& best) {
    const ScreenRect& screen = scene.screen;
    std::vector<ScreenRect> obstacles{main};
    for (const OpenWindow& other : scene.others) obstacles.push_back(other.frame);
    std::vector<int> lefts{screen.left};
    std::vector<int> rights{screen.right()};
    std::vector<int> tops{screen.top, main.top};
    std::vector<int> bottoms{screen.bottom()};
    for (const ScreenRect& obstacle : obstacles) {
        lefts.push_back(obstacle.right() + scene.gap);
        rights.push_back(obstacle.left - scene.gap);
        tops.push_back(obstacle.bottom() + scene.gap);
        bottoms.push_back(obstacle.top - scene.gap);
    }
    const ScreenSize least{std::min(scene.fitted.width, scene.smallest.width),
                           std::min(scene.fitted.height, scene.smallest.height)};
    const std::vector<Span> across = Spans(lefts, rights, scene.fitted.width, least.width);
    const std::vector<Span> down = Spans(tops, bottoms, scene.fitted.height, least.height);
    for (const Span& y : down) {
        for (const Span& x : across) {
            best.Consider(
                scene, main,
                {Clamp(x.start, x.length, screen.left, screen.right()),
                 Clamp(y.start, y.length, screen.top, screen.bottom()), x.length, y.length});
        }
    }
}

// The start of a span `length` long within [low, high) moved as little as it must to leave
// `room` before or after it, where there is that room at all; where there is already, or is
// not, where it is.
int MakeRoom(int start, int length, int low, int high, int room) {
    const int before = start - low;
    const int after = high - (start + length);
    if (before >= room || after >= room || high - low - length < room)
        return start;
    const int back = room - after;  // moving back frees the room after it
    const int forth = room - before;
    return back <= forth ? start - back : start + forth;
}

// Where the main window may stand: where it is, or moved across, up or down, or both, as little
// as it must to leave room for the new window at its smallest or, as far as the screen allows,
// at its whole size.
std::vector<ScreenRect> MainPlaces(const Scene& scene) {
    const ScreenRect& screen = scene.screen;
    const ScreenRect& main = scene.main;
    const auto rooms = [&scene](int smallest, int whole, int spare) {
        return std::vector<int>{std::min(smallest, whole) + scene.gap,
                                std::min(whole + scene.gap, spare)};
    };
    std::vector<int> lefts{main.left};
    for (const int room :
         rooms(scene.smallest.width, scene.fitted.width, screen.width - main.width))
        lefts.push_back(MakeRoom(main.left, main.width, screen.left, screen.right(), room));
    std::vector<int> tops{main.top};
    for (const int room :
         rooms(scene.smallest.height, scene.fitted.height, screen.height - main.height))
        tops.push_back(MakeRoom(main.top, main.height, screen.top, screen.bottom(), room));
    std::vector<ScreenRect> places;
    for (const int left : lefts) {
        for (const int top : tops) {
            const ScreenRect place{left, top, main.width, main.height};
            if (std::find(places.begin(), places.end(), place) == places.end())
                places.push_back(place);
        }
    }
    return places;
}

}  // namespace

ScreenSize FitWithin(ScreenSize wanted, ScreenSize available) {
    return {std::min(wanted.width, available.width), std::min(wanted.height, available.height)};
}

PairPlacement PlaceSideBySide(ScreenRect screen, ScreenSize main, ScreenSize beside, int gap,
                              ScreenSize smallest) {
    ScreenSize fitted = FitWithin(beside, {screen.width, screen.height});
    const int room = screen.width - main.width - gap;
    if (room < fitted.width && room >= smallest.width)
        fitted.width = room;
    const int spare = screen.width - main.width - fitted.width;
    if (spare < 0) {
        const ScreenRect centred{screen.left + (screen.width - main.width) / 2,
                                 screen.top + (screen.height - main.height) / 2, main.width,
                                 main.height};
        const Scene scene{screen, centred, {}, FitWithin(beside, {screen.width, screen.height}),
                          gap,    smallest};
        Best best;
        PlaceBesideMain(scene, centred, best);
        return best.placement;
    }
    const int between = std::min(gap, spare);
    const int left = screen.left + (spare - between) / 2;
    const int height = std::max(main.height, fitted.height);
    const int top =
        Clamp(screen.top + (screen.height - height) / 2, height, screen.top, screen.bottom());
    return {ScreenRect{left, top, main.width, main.height},
            ScreenRect{left + main.width + between, top, fitted.width, fitted.height}};
}

bool HoldsThreeAcross(int screenWidth, int mainWidth, int firstNarrowest, int secondNarrowest,
                      int gap) {
    return screenWidth >= mainWidth + firstNarrowest + secondNarrowest + 2 * gap;
}

PairPlacement PlaceAmong(ScreenRect screen, ScreenRect main, const std::vector<OpenWindow>& others,
                         ScreenSize size, int gap, ScreenSize smallest) {
    const Scene scene{screen, main,    others, FitWithin(size, {screen.width, screen.height}),
                      gap,    smallest};
    Best best;
    for (const ScreenRect& mainPlace : MainPlaces(scene)) PlaceBesideMain(scene, mainPlace, best);
    return best.placement;
}

}  // namespace coppia
