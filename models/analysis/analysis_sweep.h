// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/hinge_estimate.h"
#include "engine/servo_check.h"
#include "engine/torque.h"
#include "files/section_and_sheet.h"
#include "models/analysis/analysis_display.h"
#include "models/main/field_calculation.h"
#include "models/shared/plot.h"

namespace coppia {

// The torque across the deflections, as the table and the plot show it.
struct SweepDisplay {
    std::vector<std::string> headings;  // with their units
    std::vector<SweepTableRow> rows;    // one per whole degree from 0 to 60
    PlotData plot;
    // Where the columns of the servo's motion start, after the row's mark.
    std::size_t motionColumn = 0;
};

// The servo a sweep is drawn for: one of `share` that divide the torque among them.
struct SweepServo {
    std::optional<double> ratingKgfCm;  // the servo's line on the plot, when it can be used
    int share = 1;
    std::string shareText;  // "per servo: 1 dei 2", empty for one servo
    // The section at the surface, for the second estimate; none while it cannot be used.
    std::optional<SectionProfile> profile = {};
    // Its data sheet's figures, and its throw each way (degrees), for its motion.
    ServoFigures figures = {};
    double servoThrow = 45;
};

// The sweep of the fields' inputs at the model's speed and at each of `speedFactors` times it,
// slowest first, each torque one servo's; then, at the model's speed, the second estimate by the
// real section and by the thin airfoil, and the servo's margin against the first, which the plot
// draws as a band. The headings and each row go on with the row's mark, then end with the servo's
// motion (SweepMotion).
SweepDisplay DisplaySweep(const FieldCalculation& calculation, std::vector<double> speedFactors,
                          const SweepServo& servo, const TorqueConstants& constants);

// The whole degree of the deflection the main window shows, when it is known and swept.
std::optional<int> CurrentAngle(const FieldCalculation& calculation);

}  // namespace coppia
