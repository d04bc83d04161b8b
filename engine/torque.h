// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace coppia {

// The eight numbers of one calculation, each named after the field it is read from.
struct TorqueInputs {
    double CordaAla = 0;    // mean wing chord, mm
    double CordaAlett = 0;  // mean control-surface chord, mm
    double Vel = 0;         // model speed, Km/h
    double CarAla = 0;      // wing loading, g/dm2 (0 for a surface that carries no lift)
    double Ang = 0;         // deflection, degrees, signed
    double LungAlett = 0;   // control-surface length along the hinge, mm
    double BrAlett = 0;     // control-horn arm, mm
    double BrServ = 0;      // servo arm, mm
};

struct TorqueConstants {
    // Coefficients of the angle factor; the index is the power of the chord ratio.
    std::array<double, 10> AngleCoefficients{};
    double KmhToMs = 0;
    int LoadFactor = 0;
    double NewtonToKgf = 0;
};

// How far a calculation got, in the order its stages are met. All but the first two are the
// divisions by zero and overflows that a cleared or absurd field can cause; they are reported
// instead of printing a meaningless number.
enum class TorqueOutcome {
    Complete,
    RatioOutOfRange,   // chord ratio outside 0.025..0.8, or not a number at all (0 / 0)
    ZeroSpeed,         // Vel is 0: the lift coefficient divides by the squared speed
    LiftOutOfRange,    // any other lift coefficient that is not a finite number
    ZeroHornArm,       // BrAlett is 0: the lever divides by the horn arm
    TorqueOutOfRange,  // a servo torque that is not a finite number
};

// Only the fields up to the stage named by Outcome hold values; the rest stay 0.
struct TorqueResult {
    TorqueOutcome Outcome = TorqueOutcome::RatioOutOfRange;
    bool RatioInRange = false;
    double ChordRatio = 0;
    double SpeedSquared = 0;
    double LiftCoefficient = 0;
    bool StallRisk = false;
    double AngleFactor = 0;
    double EffectiveAngle = 0;
    double HingeCoefficient = 0;
    double HingeTorque = 0;
    double ServoTorque = 0;
};

inline constexpr double MinChordRatio = 0.025;
inline constexpr double MaxChordRatio = 0.8;
inline constexpr double StallLiftCoefficient = 1.2;

TorqueConstants InitTorqueConstants();

// Pure: the result depends only on the arguments. The order and grouping of every operation
// is deliberate; it fixes the last digits that the window prints.
TorqueResult CalculateTorque(const TorqueInputs& inputs, const TorqueConstants& constants);

}  // namespace coppia
