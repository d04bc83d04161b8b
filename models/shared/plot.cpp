// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/plot.h"

#include <algorithm>
#include <cmath>

namespace coppia {

namespace {

// The rated torque's line is drawn while it lies within this many times the curves' reach.
constexpr double kRatingReach = 10;

}  // namespace

PlotScale RoundScale(double low, double high) {
    PlotScale scale;
    // About six steps of 1, 2 or 5 times a power of ten.
    const double rough = (high - low) / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double leading = rough / power;
    const double factor = leading <= 1 ? 1 : leading <= 2 ? 2 : leading <= 5 ? 5 : 10;
    scale.step = factor * power;
    // Minor lines at a fifth of 1 and 5, at a quarter of 2: every 0.2, 0.5 or 1 of a unit.
    scale.minorTicks = factor == 2 ? 3 : 4;
    scale.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(scale.step) + 1e-9)));
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    return scale;
}

PlotCurve CurveToPlot(const SweepCurve& swept, std::string name, double share, PlotBounds& bounds) {
    PlotCurve curve;
    curve.name = std::move(name);
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
        const TorqueResult& point = swept.points[static_cast<std::size_t>(angle)];
        const double torque = point.ServoTorque / share;
        if (point.Outcome == TorqueOutcome::Complete && std::fabs(torque) <= kLargestPlotted) {
            curve.points.emplace_back(angle, torque);
            bounds.low = std::min(bounds.low, torque);
            bounds.high = std::max(bounds.high, torque);
        }
    }
    return curve;
}

void ScalePlot(PlotData& plot, PlotBounds bounds) {
    const double reach = std::max(bounds.high - bounds.low, 0.0) * kRatingReach;
    double high = bounds.high;
    for (PlotRating& rating : plot.ratings) {
        if (!rating.value)
            continue;
        if (*rating.value <= (reach > 0 ? reach : kLargestPlotted)) {
            high = std::max(high, *rating.value);
        } else {
            rating.value.reset();
            rating.name += ", fuori scala";
        }
    }
    const double low = bounds.low;
    // Room above the highest point for its label.
    plot.scale = RoundScale(low, high > low ? high + (high - low) * 0.08 : low + 1);
}

}  // namespace coppia
