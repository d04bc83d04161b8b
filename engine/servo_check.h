// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "engine/torque.h"
#include "engine/torque_units.h"

namespace coppia {

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

// The two figures of a check at the two decimals they are shown with, each rounded to the safe
// side, so that typing a figure back never crosses a boundary the verdict names: the margin
// down (never above the margin itself, so typed as the factor it is still met), the minimum
// rating up (the least figure that, typed as the rating, CheckServo finds sufficient).
double MarginShown(double margin);
double MinimumRatingShown(double neededTorque, double safetyFactor);

// How far a servo holds a surface: from a whole degree at a time, the search narrows the last
// step by bisection over CalculateTorque and rounds down at a tenth, so that the figure itself,
// typed into the main window, still holds.
struct HoldingLimit {
    enum class Reach {
        Nowhere,     // not even at the start of the range
        UpTo,        // up to `value`
        Throughout,  // over the whole range, whose end is `value`
        Unknown,     // the calculation is refused there
    };
    Reach reach = Reach::Unknown;
    double value = 0;
};

// The magnitude of the torque a servo is judged on at some inputs, in Kg*cm; none where it is
// refused. The searches below need it to be within a rating on one interval of the deflection's
// magnitude and of the speed, as every torque that is a line in the deflection and in the squared
// speed is, and so is the larger of two such.
using TorqueAt = std::function<std::optional<double>(const TorqueInputs&)>;
// The calculation's: |CalculateTorque|.
TorqueAt CalculatedTorqueAt(const TorqueConstants& constants);

// The largest deflection from 0° to the sweep's last angle at which the torque's magnitude is
// within `ratedKgfCm`, at the inputs' speed, on the side the inputs deflect to: a downward
// (negative) deflection gives a negative figure.
HoldingLimit LargestDeflectionHeld(const TorqueInputs& inputs, double ratedKgfCm,
                                   const TorqueConstants& constants);
HoldingLimit LargestDeflectionHeld(const TorqueInputs& inputs, double ratedKgfCm,
                                   const TorqueAt& torque);
// The highest speed up to kSpeedSearchFactor times the inputs' speed at which the torque's
// magnitude at the inputs' deflection is within `ratedKgfCm`, searched from the slowest speed up
// whatever the inputs' speed is.
inline constexpr double kSpeedSearchFactor = 10;
inline constexpr double kSlowestSpeedSearched = 1;  // Km/h, or the inputs' speed when slower
HoldingLimit HighestSpeedHeld(const TorqueInputs& inputs, double ratedKgfCm,
                              const TorqueConstants& constants);
HoldingLimit HighestSpeedHeld(const TorqueInputs& inputs, double ratedKgfCm,
                              const TorqueAt& torque);

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
