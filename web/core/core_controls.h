// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/main/controls.h"

namespace coppia {

// The table's row of a control's number as the page passes it; none for a number out of range.
const ControlEntry* EntryAt(int control);

}  // namespace coppia
