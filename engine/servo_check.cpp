// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/servo_check.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace coppia {

TorqueInUnits ConvertTorque(double kgfCm) {
    TorqueInUnits units;
    units.kgfCm = kgfCm;
    units.newtonCm = kgfCm * kNewtonsPerKgf;
    units.newtonM = units.newtonCm / 100;
    units.ozfIn = units.newtonCm / kNcmPerOzfIn;
    return units;
}

double KgfCmFromNewtonCm(double newtonCm) {
    return newtonCm / kNewtonsPerKgf;
}

LinkageResult CheckLinkage(double hornArm, double servoArm, double deflection, double servoThrow) {
    LinkageResult result;
    const double radians = std::fabs(deflection) * std::numbers::pi / 180;
    result.sine = std::fabs(hornArm) * std::sin(radians) / std::fabs(servoArm);
    // Written so that a sine that is not a number (0 / 0) is unreachable too.
    if (!(result.sine <= 1)) {
        result.outcome = LinkageOutcome::Unreachable;
        return result;
    }
    result.outcome = LinkageOutcome::Reachable;
    result.rotation = std::asin(result.sine) * 180 / std::numbers::pi;
    result.beyondThrow = result.rotation > servoThrow;
    return result;
}

ServoCheck CheckServo(double neededTorque, double ratedTorque, double safetyFactor) {
    ServoCheck check;
    const double needed = std::fabs(neededTorque);
    check.margin = needed == 0 ? std::numeric_limits<double>::infinity() : ratedTorque / needed;
    check.minimumRating = needed * safetyFactor;
    if (check.margin < 1) {
        check.verdict = Verdict::Insufficient;
    } else if (check.margin >= safetyFactor) {
        check.verdict = Verdict::Sufficient;
    } else {
        check.verdict = Verdict::AtTheLimit;
    }
    return check;
}

}  // namespace coppia
