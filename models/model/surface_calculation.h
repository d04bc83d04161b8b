// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/torque.h"
#include "files/model_record.h"
#include "models/shared/messages.h"

namespace coppia {

// The angle a surface is computed at: its Ang when the angle is given; when the travel is,
// the angle Corsa gives on CordaAlett as the main window shows it in Ang (to 0.1 degree),
// which is the angle its CALCOLA reads. Empty when the travel has no angle on the chord.
std::optional<double> SurfaceAngle(const Surface& surface);

// The travel the main window shows for the angle of a surface whose angle is given, as Corsa
// shows it (to 0.1 mm); empty when the conversion overflows.
std::optional<double> SurfaceTravel(const Surface& surface);

// One surface computed as CALCOLA computes the same fields, with the same refusals.
struct SurfaceCalculation {
    TorqueInputs inputs;  // Ang is SurfaceAngle (0 when there is none)
    TorqueResult result;
    // The main window's message for what refuses the surface, met in the order of CALCOLA's
    // steps: the chord ratio, the travel, the speed and loading, the horn arm.
    std::optional<Message> refusal;
    // Each servo's share of the torque, Kg*cm; 0 when refused.
    double torquePerServo = 0;
};

SurfaceCalculation CalculateSurface(const Surface& surface, const TorqueConstants& constants);

}  // namespace coppia
