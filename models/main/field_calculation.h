// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "engine/torque.h"
#include "models/main/main_window_state.h"
#include "models/shared/messages.h"
#include "models/shared/refusal_text.h"

namespace coppia {

// The calculation that CALCOLA makes from what the main window's fields show, with the message
// that refuses it, if any. The analysis window reads the fields the same way.
struct FieldCalculation {
    TorqueInputs inputs;  // each field as read; 0 where it holds no number within range
    TorqueResult result;
    std::optional<Message> refusal;
    // Ang holds a number and, while the travel is entered, the angle of the travel shown.
    bool deflectionKnown = false;
    bool armsRead = false;  // BrAlett and BrServ both hold numbers
    // Every field but the deflection's holds a number: enough for a sweep of the deflection.
    bool sweepInputsRead = false;
};

// Every field is read and the torque computed first; the refusal is the first one met in the
// order of CALCOLA's steps: the chords, then the speed and loading, then the rest.
FieldCalculation CalculateFromFields(const MainWindowState& state,
                                     const TorqueConstants& constants);

}  // namespace coppia
