// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/torque.h"
#include "models/analysis/analysis_sweep.h"
#include "models/shared/servo_motion_text.h"

namespace coppia {

// The sweep's columns of the servo's motion, after its mark: the currents, like the torques,
// one servo's of those that share the surface.
std::vector<std::string> SweepMotionHeadings(const std::string& shareText);

// The servo's way from neutral to each whole degree of the sweep at the model's speed, as
// the analysis judges it at the deflection: its time under load and with no load (or where it
// stops), its current holding there and at the start.
std::vector<std::array<std::string, kMotionColumnCount>> SweepMotion(
    const FieldCalculation& calculation, const SweepServo& servo, const TorqueConstants& constants);

}  // namespace coppia
