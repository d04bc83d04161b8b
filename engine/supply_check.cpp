// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/supply_check.h"

#include <cmath>
#include <limits>

namespace coppia {

namespace {

bool Known(const std::optional<double>& current) {
    return current && *current >= 0 && std::isfinite(*current);
}

// A supply rated at nothing is a rating not given.
std::optional<double> Ratio(const std::optional<double>& rating, double draw) {
    if (!Known(rating) || *rating == 0)
        return std::nullopt;
    return draw == 0 ? std::numeric_limits<double>::infinity() : *rating / draw;
}

}  // namespace

SupplyCheck CheckSupply(const std::vector<SurfaceDraw>& surfaces, const SupplyRating& supply) {
    SupplyCheck check;
    for (const SurfaceDraw& surface : surfaces) {
        const bool moving = Known(surface.movingCurrent);
        const bool stall = Known(surface.stallCurrent);
        if (moving)
            check.moving += surface.servoCount * *surface.movingCurrent;
        else
            check.movingLacking += surface.servoCount;
        if (stall)
            check.surge += surface.servoCount * *surface.stallCurrent;
        else
            check.surgeLacking += surface.servoCount;
        if (!moving || !stall)
            check.servosLacking += surface.servoCount;
    }
    check.reserve = Ratio(supply.continuous, check.moving);
    check.peakReserve = Ratio(supply.peak, check.surge);
    if (!check.reserve)
        return check;
    if (*check.reserve < 1) {
        check.verdict = Verdict::Insufficient;
    } else if (*check.reserve >= kSupplyReserve && check.peakReserve && *check.peakReserve >= 1 &&
               check.servosLacking == 0) {
        check.verdict = Verdict::Sufficient;
    } else {
        check.verdict = Verdict::AtTheLimit;
    }
    return check;
}

}  // namespace coppia
