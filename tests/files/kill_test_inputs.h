// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "files/last_inputs_format.h"

namespace coppia {

// Two sets of inputs that differ on every line.
inline constexpr LastInputsNumbers kKillTestOldInputs = {50, 300, 60, 12, 18, 500, 20.0, 60};
inline constexpr LastInputsNumbers kKillTestNewInputs = {41.5, 275, 52, 14.5, 21, 480, -12.5, 95};

}  // namespace coppia
