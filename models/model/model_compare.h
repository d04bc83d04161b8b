// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/torque.h"
#include "files/model_record.h"
#include "models/shared/plot.h"

namespace coppia {

// One input of a surface as the window lists it: what it is, with its unit, and its value.
struct InputLine {
    std::string label;
    std::string value;
};

// The surface's inputs, its servo and its data sheet included, in the order the main window's
// drawing reads them. The angle and the travel are the ones the calculation uses: for a travel
// given, the angle the main window derives from it; for an angle given, the travel it shows.
std::vector<InputLine> SurfaceInputLines(const Surface& surface);

// Surfaces side by side: one input a row, one surface a column.
struct SideBySideRow {
    std::string label;
    std::vector<std::string> values;
    bool differs = false;  // not every surface has the same value
};

// More curves than this make a plot nobody reads; the first so many selected are compared.
inline constexpr std::size_t kMostCompared = 8;

struct Comparison {
    std::vector<std::string> names;  // of the surfaces compared, in the table's order
    std::vector<SideBySideRow> rows;
    // The torque per servo of each surface from 0 to 60 degrees at its own speed, its own
    // deflection marked, and its servo's rating as a line in the curve's colour.
    PlotData plot;
    std::string note;  // what to select to compare, or that some were left out
};

// The surfaces at `indices` (of the model's list; out of range ones ignored), compared.
Comparison Compare(const Model& model, std::vector<std::size_t> indices,
                   const TorqueConstants& constants);

}  // namespace coppia
