// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deflection.h"

#include <cmath>

namespace coppia {

std::optional<double> TravelFromAngle(double angle, double surfaceChord) {
    const double p = angle * PiApprox;
    const double halfAngle = p / 360;
    const double s = std::sin(halfAngle);
    const double doubledChord = surfaceChord + surfaceChord;
    const double travel = doubledChord * s;
    if (!std::isfinite(p) || !std::isfinite(doubledChord) || !std::isfinite(travel)) {
        return std::nullopt;
    }
    return travel;
}

std::optional<double> AngleFromTravel(double travel, double surfaceChord) {
    const double doubledChord = surfaceChord + surfaceChord;
    if (doubledChord == 0)
        return std::nullopt;
    const double x = travel / doubledChord;  // the sine of half the angle
    if (!std::isfinite(x))
        return std::nullopt;
    const double r = 1 - x * x;
    if (!(r > 0))
        return std::nullopt;
    // The arctangent form of the arcsine, as the conversion has always been computed.
    const double q = x / std::sqrt(r);
    const double a = std::atan(q);
    return (360 * a) / PiApprox;
}

AngleCheck CheckDeflectionAngle(double angle) {
    if (angle > MaxDeflectionAngle)
        return AngleCheck::AngleAboveMaximum;
    if (angle < MinDeflectionAngle)
        return AngleCheck::AngleBelowMinimum;
    return AngleCheck::AngleWithinLimits;
}

}  // namespace coppia
