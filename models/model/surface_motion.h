// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "engine/torque.h"
#include "files/analysis_settings.h"
#include "files/model_record.h"
#include "models/model/model_table.h"

namespace coppia {

// The row's columns of the servo's motion at the surface's deflection, with the throw the
// verdicts use, and what its servos draw from the supply. A surface without a verdict has no
// motion (nor a Bad tone where the servo stops, or its linkage fails): its servos' stall
// currents still count towards the surge.
void FillMotion(ModelTableRow& row, const Surface& surface, const AnalysisSettings& settings,
                const TorqueConstants& constants);

// The model's supply against what every row's servos draw at once.
SupplyLines ModelSupply(const Model& model, const std::vector<ModelTableRow>& rows);

}  // namespace coppia
