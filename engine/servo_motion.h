// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>

#include "engine/torque.h"

namespace coppia {

// A servo's data-sheet figures at the voltage it is used at. What the sheet does not give stays
// empty and is never made up; a figure that is not a number above 0 counts as not given.
struct ServoSheet {
    std::optional<double> stallTorque;    // Kg*cm: the rating, converted to Kg*cm
    std::optional<double> voltage;        // V at which the figures hold; shown, not computed with
    std::optional<double> time60;         // s for 60° with no load
    std::optional<double> noLoadCurrent;  // A
    std::optional<double> stallCurrent;   // A
};

// The figure of the sheet that a result lacks, so that each result can say which one.
enum class ServoDatum { StallTorque, Time60, NoLoadCurrent, StallCurrent };

// The load on one servo at a surface's deflection (signed degrees, as Ang): Kg*cm, signed as
// CalculateTorque gives it; empty where the calculation is refused.
using ServoLoad = std::function<std::optional<double>(double deflection)>;

// CalculateTorque with Ang set to the deflection, at the inputs' speed, shared by `servoCount`
// servos (1 or more). Copies what it needs, so it may outlive its arguments.
ServoLoad LoadFromCalculation(const TorqueInputs& inputs, int servoCount,
                              const TorqueConstants& constants);

enum class MotionOutcome {
    Reached,      // `seconds` is the time from neutral to the deflection
    StopsShort,   // under load only: the load reaches the stall torque at `stopDeflection`
    Missing,      // `missing` names the figure the time needs
    Unreachable,  // the linkage cannot give the deflection (see CheckLinkage)
    BeyondThrow,  // the servo arm would turn past the servo's throw
    Refused,      // the calculation is refused at some deflection on the way
};

struct MotionTime {
    MotionOutcome outcome = MotionOutcome::Missing;
    ServoDatum missing = ServoDatum::Time60;  // for Missing only
    double seconds = 0;
    double stopDeflection = 0;  // signed degrees, exact: round toward 0 to show it
};

enum class CurrentOutcome {
    Given,    // `amperes` holds the current
    Missing,  // `missing` names the figure the current needs
    Refused,  // the calculation is refused at the deflection
};

struct ServoCurrent {
    CurrentOutcome outcome = CurrentOutcome::Missing;
    ServoDatum missing = ServoDatum::StallCurrent;  // for Missing only
    double amperes = 0;
};

// Where the surface goes: the two arms (mm, by their length), the servo's throw each way from
// neutral (degrees) and the deflection to reach from neutral (signed degrees).
struct MotionInputs {
    double hornArm = 0;
    double servoArm = 0;
    double servoThrow = 0;
    double deflection = 0;
};

// Everything one servo does on the way to a deflection and there. The order of the checks:
// the linkage (Unreachable, BeyondThrow), then for the time under load the stall torque, the
// load on the way (Refused, StopsShort) and only then the speed, so that where a servo stops
// is said even without its speed.
struct ServoMotion {
    double rotation = 0;    // the servo arm's rotation at the deflection, degrees; 0 if unreachable
    MotionTime loaded;      // against the load that opposes the motion
    MotionTime unloaded;    // the data sheet's speed alone
    ServoCurrent holding;   // at the deflection's load, linkage or not; Is past the stall
    ServoCurrent starting;  // the surge from rest: the stall current
    // The quadrature's error estimate for `loaded`, s: within kTimeTolerance unless the load
    // at the deflection is within about a millionth of the stall torque, where the pieces run
    // out first; even a trillionth short it is under 1e-6 s.
    double timeError = 0;
};

// The DC motor's straight lines at the servo's output: speed ω(T) = ω₀·(1 − T/Ts), with
// ω₀ = (π/3)/t60, and current I(T) = I₀ + (Is − I₀)·T/Ts. The time under load is
// ∫ dθ / ω(T(θ)) over the servo arm's rotation θ, the surface following it through the
// linkage, δ(θ) = asin(servoArm · sin θ / hornArm). Only the part of the load that opposes the
// motion slows it; a load that helps counts as none, since the motor's line says nothing of a
// driven motor and the time stays a lower bound, as leaving out inertia and friction makes it.
// The holding current takes the load's magnitude, whichever way it pushes: the servo holds
// against it either way.
ServoMotion MoveServo(const MotionInputs& in, const ServoSheet& sheet, const ServoLoad& load);

// The current line at a load (Kg*cm, by its magnitude): I₀ at none, Is at the stall torque and
// beyond, where the servo stalls.
double CurrentAtLoad(double noLoadCurrent, double stallCurrent, double stallTorque, double load);

// The quadrature's target and the bisection's: far below the 0.01 s and 0.1° that are shown.
inline constexpr double kTimeTolerance = 1e-9;  // s
inline constexpr double kStopTolerance = 1e-9;  // degrees of the servo arm

}  // namespace coppia
