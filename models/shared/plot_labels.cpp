// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/plot_labels.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"

namespace coppia {

namespace {

// A level line's label stands this far from its line and from the area's edge.
constexpr double kLevelGap = 2;

double PointDistance(const PlotRect& box, double x, double y) {
    const double dx = std::max({box.left - x, 0.0, x - box.right()});
    const double dy = std::max({box.top - y, 0.0, y - box.bottom()});
    return std::hypot(dx, dy);
}

double LevelDistance(const PlotRect& box, double y) {
    return std::max({box.top - y, 0.0, y - box.bottom()});
}

double DistanceTo(const PlotRect& box, const LabelWish& what) {
    return what.level ? LevelDistance(box, what.y) : PointDistance(box, what.x, what.y);
}

bool SamePlace(const LabelWish& a, const LabelWish& b) {
    return a.level == b.level && a.y == b.y && (a.level || a.x == b.x);
}

// Whether the segment from `a` to `b` passes through `box` (Liang and Barsky's clipping).
bool Crosses(const PlotRect& box, std::pair<double, double> a, std::pair<double, double> b) {
    const double dx = b.first - a.first;
    const double dy = b.second - a.second;
    double enter = 0;
    double leave = 1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.first - box.left, box.right() - a.first, a.second - box.top,
                        box.bottom() - a.second};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        if (enter > leave)
            return false;
    }
    return true;
}

bool CoversALine(const PlotRect& box, const LabelRoom& room) {
    const PlotRect wide{box.left - room.lineClear, box.top - room.lineClear,
                        box.width + 2 * room.lineClear, box.height + 2 * room.lineClear};
    for (const auto& line : room.lines) {
        for (std::size_t i = 1; i < line.size(); ++i) {
            if (Crosses(wide, line[i - 1], line[i]))
                return true;
        }
    }
    return false;
}

std::vector<PlotRect> Candidates(const LabelWish& label, const LabelRoom& room) {
    const double w = label.width;
    const double h = label.height;
    if (label.level) {
        // The curves rise to the right: the left end has room more often.
        const double right = room.area.right() - kLevelGap - w;
        const double left = room.area.left + kLevelGap;
        const double above = label.y - kLevelGap - h;
        const double below = label.y + kLevelGap;
        return {
            {left, above, w, h}, {left, below, w, h}, {right, above, w, h}, {right, below, w, h}};
    }
    const double gap = room.keepClear + 1;
    const double x = label.x;
    const double y = label.y;
    return {{x + gap, y - gap - h, w, h},   {x - gap - w, y - gap - h, w, h},
            {x + gap, y + gap, w, h},       {x - gap - w, y + gap, w, h},
            {x + gap, y - h / 2, w, h},     {x - gap - w, y - h / 2, w, h},
            {x - w / 2, y - gap - h, w, h}, {x - w / 2, y + gap, w, h}};
}

// Nearer to what it labels than to anything else of its kind: a point's label to the other
// points, a line's to the other lines and the points.
bool NearestToItsOwn(const PlotRect& box, std::size_t own, const std::vector<LabelWish>& labels) {
    const double distance = DistanceTo(box, labels[own]);
    for (std::size_t other = 0; other < labels.size(); ++other) {
        const LabelWish& what = labels[other];
        if (other == own || SamePlace(what, labels[own]) || (what.level && !labels[own].level))
            continue;
        if (DistanceTo(box, what) <= distance)
            return false;
    }
    return true;
}

}  // namespace

std::vector<std::optional<PlotRect>> PlaceLabels(const std::vector<LabelWish>& labels,
                                                 const LabelRoom& room) {
    std::vector<PlotRect> taken;
    const double clear = room.keepClear;
    for (const LabelWish& label : labels) {
        if (!label.level)
            taken.push_back({label.x - clear, label.y - clear, 2 * clear, 2 * clear});
    }
    std::vector<std::optional<PlotRect>> placed;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        std::optional<PlotRect> chosen;
        for (const PlotRect& candidate : Candidates(labels[i], room)) {
            const bool free = std::none_of(taken.begin(), taken.end(), [&](const PlotRect& other) {
                return other.Overlaps(candidate);
            });
            if (free && room.area.Holds(candidate) && !CoversALine(candidate, room) &&
                NearestToItsOwn(candidate, i, labels)) {
                chosen = candidate;
                break;
            }
        }
        if (chosen)
            taken.push_back(*chosen);
        placed.push_back(chosen);
    }
    return placed;
}

std::vector<std::optional<std::size_t>> CoincidingRatings(const std::vector<PlotRating>& ratings) {
    std::vector<std::optional<std::size_t>> coincides(ratings.size());
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        for (std::size_t earlier = 0; earlier < i && ratings[i].value; ++earlier) {
            if (ratings[earlier].value && !coincides[earlier] &&
                TorqueText(*ratings[earlier].value) == TorqueText(*ratings[i].value)) {
                coincides[i] = earlier;
                break;
            }
        }
    }
    return coincides;
}

std::vector<std::string> RatingLabels(const std::vector<PlotRating>& ratings) {
    const std::vector<std::optional<std::size_t>> coincides = CoincidingRatings(ratings);
    std::vector<std::string> labels(ratings.size());
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        if (!ratings[i].value || coincides[i])
            continue;
        const auto count = static_cast<std::size_t>(
            1 + std::count(coincides.begin(), coincides.end(), std::optional<std::size_t>(i)));
        const std::string value = TorqueText(*ratings[i].value);
        labels[i] = count == 1 ? "Servo da " + value
                               : std::to_string(count) + " servi da " + value + ": coincidono";
    }
    return labels;
}

std::vector<std::size_t> DrawingOrder(const std::vector<PlotCurve>& curves) {
    std::vector<std::size_t> order;
    for (const bool modelSpeed : {true, false}) {
        for (std::size_t i = 0; i < curves.size(); ++i) {
            if (curves[i].modelSpeed == modelSpeed)
                order.push_back(i);
        }
    }
    return order;
}

}  // namespace coppia
