// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/servo_motion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/quadrature.h"
#include "engine/servo_check.h"

namespace coppia {

ServoLoad LoadFromCalculation(const TorqueInputs& inputs, int servoCount,
                              const TorqueConstants& constants) {
    return [inputs, servoCount, constants](double deflection) -> std::optional<double> {
        TorqueInputs at = inputs;
        at.Ang = deflection;
        const TorqueResult result = CalculateTorque(at, constants);
        if (result.Outcome != TorqueOutcome::Complete)
            return std::nullopt;
        return result.ServoTorque / servoCount;
    };
}

double CurrentAtLoad(double noLoadCurrent, double stallCurrent, double stallTorque, double load) {
    const double fraction = std::min(std::fabs(load) / stallTorque, 1.0);
    return noLoadCurrent + (stallCurrent - noLoadCurrent) * fraction;
}

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

// Steps of the search for the first stall, under 0.4° of the servo arm each. The calculation's
// load is a straight line in the deflection, so it cannot rise past the stall torque and fall
// back within one step; a load given otherwise is taken not to either.
constexpr int kStallSearchSteps = 256;
// Enough pieces for a load a millionth short of the stall at the deflection, whose integrand
// then peaks a million times above its start.
constexpr int kMaxPieces = 2000;

std::optional<double> Given(const std::optional<double>& figure) {
    if (figure && *figure > 0 && std::isfinite(*figure))
        return figure;
    return std::nullopt;
}

// The way from neutral to the deflection, along the servo arm's rotation (radians).
class Way {
  public:
    Way(const MotionInputs& in, double rotationDegrees, const ServoLoad& load)
        : in_(in),
          end_(rotationDegrees * kRadiansPerDegree),
          sign_(in.deflection < 0 ? -1 : 1),
          load_(load) {}

    double End() const { return end_; }

    double DeflectionAt(double rotation) const {
        if (rotation >= end_)
            return in_.deflection;
        const double sine = std::fabs(in_.servoArm) * std::sin(rotation) / std::fabs(in_.hornArm);
        return sign_ * std::asin(std::min(sine, 1.0)) / kRadiansPerDegree;
    }

    // The part of the load that opposes the motion, 0 where it helps; empty where refused.
    std::optional<double> OpposingAt(double rotation) {
        const std::optional<double> load = load_(DeflectionAt(rotation));
        if (!load || !std::isfinite(*load)) {
            refused = true;
            return std::nullopt;
        }
        return std::max(0.0, sign_ * *load);
    }

    bool refused = false;

  private:
    const MotionInputs& in_;
    double end_;
    double sign_;
    const ServoLoad& load_;
};

// The first rotation at which the opposing load reaches the stall torque, if any.
std::optional<double> StallRotation(Way& way, double stallTorque) {
    const auto stalls = [&](double rotation) {
        const std::optional<double> load = way.OpposingAt(rotation);
        return load && *load >= stallTorque;
    };
    const double step = way.End() / kStallSearchSteps;
    for (int i = 0; i <= kStallSearchSteps && !way.refused; ++i) {
        if (!stalls(i == kStallSearchSteps ? way.End() : i * step))
            continue;
        if (i == 0)
            return 0.0;
        double low = (i - 1) * step;
        double high = i == kStallSearchSteps ? way.End() : i * step;
        while (high - low > kStopTolerance * kRadiansPerDegree && !way.refused)
            (stalls((low + high) / 2) ? high : low) = (low + high) / 2;
        return (low + high) / 2;
    }
    return std::nullopt;
}

// The time under load when the servo does not stall on the way, with the data sheet's speed.
MotionTime LoadedTime(Way& way, double stallTorque, double time60, double& error) {
    const double secondsPerRadian = time60 * 3 / std::numbers::pi;  // 1 / ω₀
    const Integral integral = IntegrateAdaptive(
        [&](double rotation) {
            const std::optional<double> load = way.OpposingAt(rotation);
            return load ? 1 / (1 - *load / stallTorque) : std::nan("");
        },
        0, way.End(), kTimeTolerance / secondsPerRadian, kMaxPieces);
    if (way.refused)
        return {MotionOutcome::Refused};
    error = integral.error * secondsPerRadian;
    return {MotionOutcome::Reached, ServoDatum::Time60, integral.value * secondsPerRadian};
}

MotionTime Loaded(const MotionInputs& in, const ServoSheet& sheet, const ServoLoad& load,
                  double rotation, double& error) {
    const std::optional<double> stallTorque = Given(sheet.stallTorque);
    if (!stallTorque)
        return {MotionOutcome::Missing, ServoDatum::StallTorque};
    Way way(in, rotation, load);
    // Staying at neutral takes no time; whether the servo can hold it there is the holding
    // current's business, and the stall check's that the program already makes.
    const std::optional<double> stall =
        rotation > 0 ? StallRotation(way, *stallTorque) : std::nullopt;
    if (way.refused)
        return {MotionOutcome::Refused};
    // A servo that stops short does so at whatever speed it has: no time needed to say where.
    if (stall)
        return {MotionOutcome::StopsShort, ServoDatum::Time60, 0, way.DeflectionAt(*stall)};
    const std::optional<double> time60 = Given(sheet.time60);
    if (!time60)
        return {MotionOutcome::Missing, ServoDatum::Time60};
    return LoadedTime(way, *stallTorque, *time60, error);
}

// A servo that stops short holds where the load has reached its stall torque, and the
// current line gives the stall current for a load at or beyond it: the same figure.
ServoCurrent Holding(const MotionInputs& in, const ServoSheet& sheet, const ServoLoad& load) {
    const std::optional<double> noLoad = Given(sheet.noLoadCurrent);
    const std::optional<double> stall = Given(sheet.stallCurrent);
    const std::optional<double> stallTorque = Given(sheet.stallTorque);
    if (!noLoad)
        return {CurrentOutcome::Missing, ServoDatum::NoLoadCurrent};
    if (!stall)
        return {CurrentOutcome::Missing, ServoDatum::StallCurrent};
    if (!stallTorque)
        return {CurrentOutcome::Missing, ServoDatum::StallTorque};
    const std::optional<double> there = load(in.deflection);
    if (!there || !std::isfinite(*there))
        return {CurrentOutcome::Refused};
    return {CurrentOutcome::Given, ServoDatum::StallCurrent,
            CurrentAtLoad(*noLoad, *stall, *stallTorque, *there)};
}

}  // namespace

ServoMotion MoveServo(const MotionInputs& in, const ServoSheet& sheet, const ServoLoad& load) {
    ServoMotion motion;
    const std::optional<double> stall = Given(sheet.stallCurrent);
    motion.starting = stall ? ServoCurrent{CurrentOutcome::Given, ServoDatum::StallCurrent, *stall}
                            : ServoCurrent{CurrentOutcome::Missing, ServoDatum::StallCurrent};
    const LinkageResult linkage =
        CheckLinkage(in.hornArm, in.servoArm, in.deflection, in.servoThrow);
    // A horn of no length turns nothing: CheckLinkage finds no rotation needed, yet the
    // surface cannot follow the servo at all.
    if (linkage.outcome == LinkageOutcome::Unreachable || in.hornArm == 0) {
        motion.loaded = motion.unloaded = {MotionOutcome::Unreachable};
    } else if (linkage.beyondThrow) {
        motion.rotation = linkage.rotation;
        motion.loaded = motion.unloaded = {MotionOutcome::BeyondThrow};
    } else {
        motion.rotation = linkage.rotation;
        motion.loaded = Loaded(in, sheet, load, linkage.rotation, motion.timeError);
        const std::optional<double> time60 = Given(sheet.time60);
        motion.unloaded = time60 ? MotionTime{MotionOutcome::Reached, ServoDatum::Time60,
                                              linkage.rotation / 60 * *time60}
                                 : MotionTime{MotionOutcome::Missing, ServoDatum::Time60};
    }
    motion.holding = Holding(in, sheet, load);
    return motion;
}

}  // namespace coppia
