// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/servo_check.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

#include "engine/number_text.h"

namespace coppia {

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

namespace {

// The double a figure written with `pattern` reads back as: what a user typing it gets.
double AsShown(double value, std::string_view pattern) {
    return ReadNumber(FormatNumber(value, pattern)).value_or(value);
}

// The largest value of `grid` (ascending) at which `holds`, narrowed by bisection towards the
// next value and rounded down at a tenth so that its figure holds too. Needs `holds` true on
// one interval.
HoldingLimit LargestHeld(const std::vector<double>& grid,
                         const std::function<bool(double)>& holds) {
    if (holds(grid.back()))
        return {HoldingLimit::Reach::Throughout, grid.back()};
    std::size_t next = grid.size() - 1;
    while (next > 0 && !holds(grid[next - 1])) --next;
    if (next == 0)
        return {HoldingLimit::Reach::Nowhere, grid.front()};
    double low = grid[next - 1];
    double high = grid[next];
    for (int i = 0; i < 60 && high - low > 1e-9; ++i) {
        const double middle = (low + high) / 2;
        (holds(middle) ? low : high) = middle;
    }
    double value = AsShown(std::floor(low * 10) / 10, "#0.0");
    while (value > grid.front() && !holds(value)) value = AsShown(value - 0.1, "#0.0");
    return {HoldingLimit::Reach::UpTo, value};
}

}  // namespace

double MarginShown(double margin) {
    if (!std::isfinite(margin))
        return margin;
    const double shown = AsShown(margin, "#0.00");
    return shown > margin ? AsShown(shown - 0.01, "#0.00") : shown;
}

double MinimumRatingShown(double neededTorque, double safetyFactor) {
    const double exact = std::fabs(neededTorque) * safetyFactor;
    double shown = AsShown(exact, "#0.00");
    // Two steps at most: the nearest figure may lie below, the next one cannot.
    for (int i = 0; i < 2; ++i) {
        if (CheckServo(neededTorque, shown, safetyFactor).verdict == Verdict::Sufficient)
            return shown;
        shown = AsShown(shown + 0.01, "#0.00");
    }
    return shown;
}

namespace {

// Whether the servo holds with one input set to `side` times a magnitude; `refused` is set once
// any torque of the search is refused, so that no limit is given from a curve with holes.
class HoldsWith {
  public:
    HoldsWith(const TorqueInputs& inputs, double TorqueInputs::*varied, double side,
              double ratedKgfCm, const TorqueAt& torque)
        : inputs_(inputs), varied_(varied), side_(side), rated_(ratedKgfCm), torque_(torque) {}

    bool operator()(double magnitude) {
        TorqueInputs at = inputs_;
        at.*varied_ = side_ * magnitude;
        const std::optional<double> needed = torque_(at);
        refused = refused || !needed;
        return needed && *needed <= rated_;
    }

    bool refused = false;

  private:
    const TorqueInputs& inputs_;
    double TorqueInputs::*varied_;
    double side_;
    double rated_;
    const TorqueAt& torque_;
};

// From the slowest speed searched up to `end`, closer together where speeds are low, so that a
// limit far below the model's speed is found as finely as one near it; the model's own speed
// is one of them, so that a limit is found wherever the servo holds it.
std::vector<double> SpeedGrid(double speed) {
    constexpr int kSteps = 400;
    const double end = speed * kSpeedSearchFactor;
    const double start = std::min(kSlowestSpeedSearched, speed);
    std::vector<double> grid;
    grid.reserve(kSteps + 2);
    for (int i = 0; i <= kSteps; ++i)
        grid.push_back(start * std::pow(end / start, double(i) / kSteps));
    grid.front() = start;
    grid.back() = end;
    grid.insert(std::upper_bound(grid.begin(), grid.end(), speed), speed);
    grid.erase(std::unique(grid.begin(), grid.end()), grid.end());
    return grid;
}

}  // namespace

TorqueAt CalculatedTorqueAt(const TorqueConstants& constants) {
    return [&constants](const TorqueInputs& at) -> std::optional<double> {
        const TorqueResult result = CalculateTorque(at, constants);
        if (result.Outcome != TorqueOutcome::Complete)
            return std::nullopt;
        return std::fabs(result.ServoTorque);
    };
}

HoldingLimit LargestDeflectionHeld(const TorqueInputs& inputs, double ratedKgfCm,
                                   const TorqueConstants& constants) {
    return LargestDeflectionHeld(inputs, ratedKgfCm, CalculatedTorqueAt(constants));
}

HoldingLimit LargestDeflectionHeld(const TorqueInputs& inputs, double ratedKgfCm,
                                   const TorqueAt& torque) {
    // Up and down differ when the surface carries lift: the side it is deflected to.
    const double side = inputs.Ang < 0 ? -1 : 1;
    HoldsWith holds(inputs, &TorqueInputs::Ang, side, ratedKgfCm, torque);
    std::vector<double> grid;
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) grid.push_back(angle);
    // |torque| is the magnitude of a line in the angle: where it holds is one interval.
    HoldingLimit limit = LargestHeld(grid, std::ref(holds));
    if (holds.refused)
        return {};
    limit.value *= side;
    return limit;
}

HoldingLimit HighestSpeedHeld(const TorqueInputs& inputs, double ratedKgfCm,
                              const TorqueConstants& constants) {
    return HighestSpeedHeld(inputs, ratedKgfCm, CalculatedTorqueAt(constants));
}

HoldingLimit HighestSpeedHeld(const TorqueInputs& inputs, double ratedKgfCm,
                              const TorqueAt& torque) {
    const double speed = std::fabs(inputs.Vel);
    if (!(speed > 0 && std::isfinite(speed * kSpeedSearchFactor)))
        return {};
    HoldsWith holds(inputs, &TorqueInputs::Vel, 1, ratedKgfCm, torque);
    // |torque| is the magnitude of a line in the squared speed: again one interval.
    const HoldingLimit limit = LargestHeld(SpeedGrid(speed), std::ref(holds));
    return holds.refused ? HoldingLimit{} : limit;
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
