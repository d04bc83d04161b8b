// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/torque.h"
#include "models/shared/messages.h"

namespace coppia {

// Why there are no figures, in place of them: "Calcolo impossibile: Velocità Nulla!!"; for the
// chord ratio, with the ratio and the range it must lie in, so that the user sees what to change.
std::string RefusalText(const Message& refusal, const TorqueResult& result);

}  // namespace coppia
