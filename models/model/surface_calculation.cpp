// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/surface_calculation.h"

#include "engine/deflection.h"
#include "engine/number_text.h"

namespace coppia {

namespace {

// A number as the main window shows it by `pattern` and reads it back.
std::optional<double> AsShown(std::optional<double> value, std::string_view pattern) {
    if (!value)
        return std::nullopt;
    return ReadNumber(FormatNumber(*value, pattern));
}

}  // namespace

std::optional<double> SurfaceAngle(const Surface& surface) {
    if (surface.deflection == DeflectionInput::Angle)
        return surface.inputs.Ang;
    return AsShown(AngleFromTravel(surface.inputs.Corsa, surface.inputs.CordaAlett), "#0.0");
}

std::optional<double> SurfaceTravel(const Surface& surface) {
    if (surface.deflection == DeflectionInput::Travel)
        return surface.inputs.Corsa;
    return AsShown(TravelFromAngle(surface.inputs.Ang, surface.inputs.CordaAlett), "##0.0");
}

SurfaceCalculation CalculateSurface(const Surface& surface, const TorqueConstants& constants) {
    SurfaceCalculation calculation;
    const SurfaceInputs& from = surface.inputs;
    const std::optional<double> angle = SurfaceAngle(surface);
    TorqueInputs& in = calculation.inputs;
    in.CordaAla = from.CordaAla;
    in.CordaAlett = from.CordaAlett;
    in.Vel = from.Vel;
    in.CarAla = from.CarAla;
    in.Ang = angle.value_or(0);
    in.LungAlett = from.LungAlett;
    in.BrAlett = from.BrAlett;
    in.BrServ = from.BrServ;
    calculation.result = CalculateTorque(in, constants);

    std::optional<Message>& refusal = calculation.refusal;
    switch (calculation.result.Outcome) {
        case TorqueOutcome::RatioOutOfRange:
            refusal = messages::ChordRatioOutOfRange;
            break;
        case TorqueOutcome::ZeroSpeed:
            refusal = messages::ZeroSpeed;
            break;
        case TorqueOutcome::ZeroHornArm:
            refusal = messages::ZeroHornArm;
            break;
        case TorqueOutcome::LiftOutOfRange:
        case TorqueOutcome::TorqueOutOfRange:
            refusal = messages::ResultOutOfRange;
            break;
        case TorqueOutcome::Complete:
            break;
    }
    // Checked after the chords and before the speed, as CALCOLA checks it.
    if (!angle && calculation.result.Outcome != TorqueOutcome::RatioOutOfRange)
        refusal = messages::TravelOutOfRange;
    if (!refusal)
        calculation.torquePerServo = calculation.result.ServoTorque / surface.servoCount;
    return calculation;
}

}  // namespace coppia
