// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "engine/torque.h"

namespace coppia {

// A kilogram-force is 9.80665 N by definition; servo makers print torque in N·cm or oz·in.
inline constexpr double kNewtonsPerKgf = 9.80665;
inline constexpr double kNcmPerOzfIn = 0.706155;

// One torque in the units a builder meets.
struct TorqueInUnits {
    double kgfCm = 0;
    double newtonCm = 0;
    double newtonM = 0;
    double ozfIn = 0;
};

TorqueInUnits ConvertTorque(double kgfCm);
double KgfCmFromNewtonCm(double newtonCm);

enum class LinkageOutcome {
    Reachable,
    Unreachable,  // the servo arm would have to push the rod farther than its own length
};

// The pushrod moves the tips of both arms by the same distance, so the servo arm turns by
// asin(horn · sin|deflection| / servo arm). Lengths count by their magnitude.
struct LinkageResult {
    LinkageOutcome outcome = LinkageOutcome::Unreachable;
    double sine = 0;      // the sine of the servo arm's rotation; above 1 when unreachable
    double rotation = 0;  // degrees, 0..90; 0 when unreachable
    bool beyondThrow = false;
};

// `servoThrow` is how far the servo turns each way from neutral, in degrees.
LinkageResult CheckLinkage(double hornArm, double servoArm, double deflection, double servoThrow);

// Sufficient at or above the safety factor, at the limit from 1 up to it, insufficient below 1.
enum class Verdict { Sufficient, AtTheLimit, Insufficient };

struct ServoCheck {
    double margin = 0;         // rated torque over the needed torque's magnitude
    double minimumRating = 0;  // the needed torque's magnitude times the factor
    Verdict verdict = Verdict::Insufficient;
};

// Both torques in the same unit. A servo that needs to give nothing has an infinite margin.
ServoCheck CheckServo(double neededTorque, double ratedTorque, double safetyFactor);

// The deflections a sweep covers: every whole degree from 0 to 60.
inline constexpr int kSweepFirstAngle = 0;
inline constexpr int kSweepLastAngle = 60;
inline constexpr int kSweepRows = kSweepLastAngle - kSweepFirstAngle + 1;

// The torque across the deflections at one speed: one CalculateTorque per whole degree.
struct SweepCurve {
    double speed = 0;                  // Km/h
    std::vector<TorqueResult> points;  // one per angle, kSweepFirstAngle first
    std::optional<int> peakAngle;      // the angle of the largest torque magnitude, if any
};

// The same inputs with Ang set to each whole degree and Vel to each of `speeds` in turn.
std::vector<SweepCurve> SweepTorque(const TorqueInputs& inputs, const std::vector<double>& speeds,
                                    const TorqueConstants& constants);

}  // namespace coppia
