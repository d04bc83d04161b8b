// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string_view>

#include "models/model/model_table.h"
#include "models/shared/tone.h"

namespace coppia {

// What the model window's table shows in a cell, and in which colour, on every view of it.
struct TableCell {
    std::string_view text;
    Tone tone = Tone::Neutral;
};

// A refused surface's refusal stands in its first computed column, the others blank, in the
// verdict's tone; else the verdict, a rotation the arms cannot give, a margin against the second
// estimate that asks something and a servo that stops short are in their tones.
TableCell CellOf(const ModelTableRow& row, std::size_t column);

}  // namespace coppia
