// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/hinge_estimate.h"

#include <cmath>
#include <numbers>

#include "engine/datcom_tables.h"
#include "engine/torque_units.h"

namespace coppia {

double LiftSlopeRatio(HingeGap gap) {
    return gap == HingeGap::Sealed ? kSealedGapLiftSlopeRatio : kOpenGapLiftSlopeRatio;
}

bool IsValidThickness(double thicknessPercent) {
    return thicknessPercent >= kMinThicknessPercent && thicknessPercent <= kMaxThicknessPercent;
}

HingeDerivatives GlauertDerivatives(double chordRatio) {
    constexpr double pi = std::numbers::pi;
    const double cosPhi = 2 * chordRatio - 1;
    const double phi = std::acos(cosPhi);
    const double sinPhi = std::sin(phi);
    const double aft = pi - phi;
    const double e2 = chordRatio * chordRatio;
    HingeDerivatives d;
    d.alpha = -(2 * aft * (2 * cosPhi - 1) + 4 * sinPhi - std::sin(2 * phi)) / (4 * e2);
    d.delta = -((1 - std::cos(2 * phi)) - 2 * aft * aft * (1 - 2 * cosPhi) + 4 * aft * sinPhi) /
              (4 * pi * e2);
    return d;
}

double TheoryLiftSlope(double thicknessRatio) {
    return 6.3 + 5 * thicknessRatio;
}

namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;
constexpr double kCentimetresPerMetre = 100;
constexpr double kMetresPerMillimetre = 0.001;

HingeMoment MomentOf(const HingeDerivatives& derivatives, double angleOfAttack, double deflection,
                     double calculationTorque, const HingeEstimate& estimate) {
    HingeMoment moment;
    moment.coefficient =
        derivatives.alpha * angleOfAttack + derivatives.delta * deflection * kRadiansPerDegree;
    moment.newtonMetres = estimate.momentScale * moment.coefficient;
    moment.servoTorque =
        -moment.newtonMetres * kCentimetresPerMetre / kNewtonsPerKgf * estimate.armRatio;
    if (calculationTorque != 0)
        moment.ratio = std::fabs(moment.servoTorque) / std::fabs(calculationTorque);
    return moment;
}

// The calculation at the side's deflection, taken from the one already made when it is the same.
std::optional<double> CalculationTorqueAt(double deflection, const TorqueInputs& inputs,
                                          const HingeEstimate& estimate,
                                          const TorqueConstants& constants) {
    if (deflection == inputs.Ang)
        return estimate.calculation.ServoTorque;
    TorqueInputs at = inputs;
    at.Ang = deflection;
    const TorqueResult result = CalculateTorque(at, constants);
    if (result.Outcome != TorqueOutcome::Complete)
        return std::nullopt;
    return result.ServoTorque;
}

bool IsFinite(const HingeMoment& moment) {
    return std::isfinite(moment.servoTorque) && std::isfinite(moment.ratio.value_or(0));
}

// Empty when the calculation on that side is refused or a figure is not a finite number, which
// only absurd inputs reach.
std::optional<HingeSide> SideAt(double deflection, const TorqueInputs& inputs,
                                const HingeEstimate& estimate, const TorqueConstants& constants) {
    const std::optional<double> calculation =
        CalculationTorqueAt(deflection, inputs, estimate, constants);
    if (!calculation)
        return std::nullopt;
    HingeSide side;
    side.deflection = deflection;
    side.calculationTorque = *calculation;
    side.thin =
        MomentOf(estimate.thin, estimate.thinAngleOfAttack, deflection, *calculation, estimate);
    side.real =
        MomentOf(estimate.real, estimate.realAngleOfAttack, deflection, *calculation, estimate);
    if (!IsFinite(side.thin) || !IsFinite(side.real))
        return std::nullopt;
    return side;
}

void SetDerivatives(HingeEstimate& estimate, const SectionProfile& profile) {
    const double chordRatio = estimate.calculation.ChordRatio;
    const double thicknessRatio = profile.thicknessPercent / 100;
    RealSectionFactors& factors = estimate.factors;
    factors.liftSlopeRatio = LiftSlopeRatio(profile.gap);
    factors.theoryLiftSlope = TheoryLiftSlope(thicknessRatio);
    factors.incidence = IncidenceFactor(factors.liftSlopeRatio, chordRatio);
    factors.deflection = DeflectionFactor(factors.liftSlopeRatio, chordRatio);
    factors.thickness = ThicknessFactor(thicknessRatio, chordRatio);
    estimate.thin = GlauertDerivatives(chordRatio);
    estimate.real.alpha = factors.incidence * estimate.thin.alpha;
    estimate.real.delta = factors.deflection * factors.thickness * estimate.thin.delta;

    const double lift = estimate.calculation.LiftCoefficient;
    estimate.thinAngleOfAttack = lift / (2 * std::numbers::pi);
    estimate.realAngleOfAttack = lift / (factors.liftSlopeRatio * factors.theoryLiftSlope);
}

void SetScale(HingeEstimate& estimate, const TorqueInputs& inputs) {
    const double speed = inputs.Vel / 3.6;
    estimate.dynamicPressure = 0.5 * kAirDensity * speed * speed;
    const double chord = inputs.CordaAlett * kMetresPerMillimetre;
    estimate.momentScale =
        estimate.dynamicPressure * chord * chord * (inputs.LungAlett * kMetresPerMillimetre);
    estimate.armRatio = inputs.BrServ / inputs.BrAlett;
}

}  // namespace

HingeEstimate EstimateHingeMoment(const TorqueInputs& inputs, const SectionProfile& profile,
                                  const TorqueConstants& constants) {
    HingeEstimate estimate;
    estimate.calculation = CalculateTorque(inputs, constants);
    if (estimate.calculation.Outcome != TorqueOutcome::Complete) {
        estimate.outcome = HingeEstimateOutcome::CalculationRefused;
        return estimate;
    }
    if (!IsValidThickness(profile.thicknessPercent)) {
        estimate.outcome = HingeEstimateOutcome::ThicknessOutOfRange;
        return estimate;
    }
    SetDerivatives(estimate, profile);
    SetScale(estimate, inputs);

    const double magnitude = std::fabs(inputs.Ang);
    const std::optional<HingeSide> down = SideAt(magnitude, inputs, estimate, constants);
    const std::optional<HingeSide> up = SideAt(-magnitude, inputs, estimate, constants);
    if (!down || !up) {
        estimate.outcome = HingeEstimateOutcome::OutOfRange;
        return estimate;
    }
    estimate.down = *down;
    estimate.up = *up;
    estimate.larger = std::fabs(up->real.servoTorque) > std::fabs(down->real.servoTorque)
                          ? DeflectedSide::Up
                          : DeflectedSide::Down;
    estimate.indicative = magnitude > kIndicativeDeflection;
    estimate.outcome = HingeEstimateOutcome::Complete;
    return estimate;
}

const HingeSide& SideOf(const HingeEstimate& estimate, DeflectedSide side) {
    return side == DeflectedSide::Down ? estimate.down : estimate.up;
}

}  // namespace coppia
