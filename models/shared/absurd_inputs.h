// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "engine/torque.h"

namespace coppia {

// The travel a deflection was given by, when it was: its angle came from it.
struct GivenTravel {
    double travel = 0;  // mm, signed
    double angle = 0;   // degrees, as the main window converted it
};

// What makes a surface's inputs absurd, although CALCOLA computes them: a chord, length or arm
// of 0 or less, a negative speed or wing loading, a travel longer than the surface's chord, a deflection beyond 60° reached
// through the travel. The added windows give such inputs no margin and no verdict, and name the
// first one met in the fields' order: "LungAlett negativa", "Corsa oltre la corda (70 mm su
// 60 mm)". Empty when the inputs make sense.
std::optional<std::string> AbsurdInput(const TorqueInputs& inputs,
                                       std::optional<GivenTravel> travel);

}  // namespace coppia
