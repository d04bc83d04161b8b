// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/torque.h"

#include <cmath>

#include "engine/rounded_power.h"

namespace coppia {

TorqueConstants InitTorqueConstants() {
    TorqueConstants constants;
    constants.AngleCoefficients = {0.00217691, 98.7345, -1312.26, 12211.1, -65143.6,
                                   211321,     -421068, 504139,   -332945, 93569.5};
    constants.KmhToMs = 0.2777778;  // as written, not 1 / 3.6
    constants.LoadFactor = 1;
    constants.NewtonToKgf = 0.102;
    return constants;
}

namespace {

// Each term is the coefficient times its own power, summed in ascending order: no Horner
// scheme, whose different rounding would change the printed torque.
double AngleFactorOf(double ratio, const TorqueConstants& constants) {
    double sum = 0;
    for (int power = 0; power < static_cast<int>(constants.AngleCoefficients.size()); ++power) {
        sum = sum + constants.AngleCoefficients[power] * RoundedPower(ratio, power);
    }
    return sum;
}

double HingeCoefficientOf(double ratio) {
    const double p1 = 1.2605 * RoundedPower(ratio, 2) + (9.07983 - 10.9647 * ratio);
    const double p2 = p1 - 0.86455 * RoundedPower(ratio, 3);
    const double p3 = 1.29658 * RoundedPower(ratio, 4) + p2;
    return p3 * 1E-10;
}

}  // namespace

TorqueResult CalculateTorque(const TorqueInputs& inputs, const TorqueConstants& constants) {
    TorqueResult result;
    result.ChordRatio = inputs.CordaAlett / inputs.CordaAla;
    // Written so that a ratio that is not a number fails too.
    result.RatioInRange = result.ChordRatio >= MinChordRatio && result.ChordRatio <= MaxChordRatio;
    if (!result.RatioInRange) {
        result.Outcome = TorqueOutcome::RatioOutOfRange;
        return result;
    }

    const double speed = inputs.Vel * constants.KmhToMs;
    result.SpeedSquared = speed * speed;
    result.LiftCoefficient =
        (0.2 * (inputs.CarAla * constants.LoadFactor)) / (result.SpeedSquared * 0.125);
    if (inputs.Vel == 0) {
        result.Outcome = TorqueOutcome::ZeroSpeed;
        return result;
    }
    if (!std::isfinite(result.LiftCoefficient)) {
        result.Outcome = TorqueOutcome::LiftOutOfRange;
        return result;
    }
    result.StallRisk = result.LiftCoefficient > StallLiftCoefficient;

    result.AngleFactor = AngleFactorOf(result.ChordRatio, constants);
    result.EffectiveAngle = inputs.Ang + result.AngleFactor * result.LiftCoefficient;
    result.HingeCoefficient = HingeCoefficientOf(result.ChordRatio);
    result.HingeTorque = result.SpeedSquared * inputs.LungAlett *
                         RoundedPower(inputs.CordaAlett, 2) * result.EffectiveAngle *
                         result.HingeCoefficient;
    if (inputs.BrAlett == 0) {
        result.Outcome = TorqueOutcome::ZeroHornArm;
        return result;
    }
    result.ServoTorque =
        ((constants.NewtonToKgf * result.HingeTorque) * inputs.BrServ) / inputs.BrAlett;
    result.Outcome = std::isfinite(result.ServoTorque) ? TorqueOutcome::Complete
                                                       : TorqueOutcome::TorqueOutOfRange;
    return result;
}

}  // namespace coppia
