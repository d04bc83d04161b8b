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

std::vector<SweepCurve> SweepTorque(const TorqueInputs& inputs, const std::vector<double>& speeds,
                                    const TorqueConstants& constants) {
    std::vector<SweepCurve> curves;
    curves.reserve(speeds.size());
    for (const double speed : speeds) {
        SweepCurve curve;
        curve.speed = speed;
        curve.points.reserve(kSweepRows);
        TorqueInputs at = inputs;
        at.Vel = speed;
        double peak = -1;
        for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
            at.Ang = angle;
            const TorqueResult result = CalculateTorque(at, constants);
            // The first of equal magnitudes is the peak.
            if (result.Outcome == TorqueOutcome::Complete && std::fabs(result.ServoTorque) > peak) {
                peak = std::fabs(result.ServoTorque);
                curve.peakAngle = angle;
            }
            curve.points.push_back(result);
        }
        curves.push_back(std::move(curve));
    }
    return curves;
}

}  // namespace coppia
