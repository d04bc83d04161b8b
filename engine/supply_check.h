// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "engine/servo_check.h"

namespace coppia {

// One surface's servos as the supply sees them: per servo, the current at the surface's
// deflection (the holding current MoveServo gives) and the stall current, each empty when the
// servo's data sheet lacks it.
struct SurfaceDraw {
    int servoCount = 1;
    std::optional<double> movingCurrent;  // A per servo
    std::optional<double> stallCurrent;   // A per servo
};

// What the supply gives (a receiver battery, a regulator, an ESC's BEC), A, each optional; a
// rating of 0 counts as not given.
struct SupplyRating {
    std::optional<double> continuous;
    std::optional<double> peak;
};

// The supply's continuous rating over the all-moving current from which it is sufficient: an
// engineering choice, a quarter in reserve for what the motor's lines leave out (inertia, gear
// friction, a servo slowed near its end). The published rules of thumb set the scale: about
// 1 A per standard servo moving (robotics Q&A, flight-controller makers' notes on powering
// servos), 3 to 4.5 A continuous from a flight controller's own 5 V regulator, and about 3.5 A
// continuous, 5 A for moments, through one 2.54 mm servo connector (a servo maker's technical
// note); starting from rest a servo draws close to its stall current, hence the surge.
inline constexpr double kSupplyReserve = 1.25;

struct SupplyCheck {
    double moving = 0;      // A: every surface moving at once, each at its deflection
    double surge = 0;       // A: every servo starting together, the sum of the stall currents
    int movingLacking = 0;  // servos left out of `moving` for want of data
    int surgeLacking = 0;   // servos left out of `surge`
    int servosLacking = 0;  // servos that lack either: then the totals are lower bounds
    std::optional<double> reserve;      // continuous / moving, infinite when nothing moves
    std::optional<double> peakReserve;  // peak / surge, likewise
    std::optional<Verdict> verdict;     // empty without a continuous rating to judge
};

// Sufficient when the continuous rating is at least kSupplyReserve times the all-moving
// current and the peak rating covers the surge, with every servo's data given; insufficient
// when the continuous rating is below the all-moving current (true even of a lower bound);
// at the limit otherwise, which includes a missing peak rating and missing servo data, so that
// what is not known is never called sufficient. The reserve is judged as the ratio that is
// shown; shown rounded down (MarginShown), a figure of 1.25 is always sufficient.
SupplyCheck CheckSupply(const std::vector<SurfaceDraw>& surfaces, const SupplyRating& supply);

}  // namespace coppia
