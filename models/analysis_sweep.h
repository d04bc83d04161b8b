// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/servo_check.h"
#include "engine/torque.h"
#include "models/analysis_display.h"
#include "models/field_calculation.h"

namespace coppia {

// The torque across the deflections, as the table and the plot show it.
struct SweepDisplay {
    std::vector<std::string> headings;  // with their units
    std::vector<SweepTableRow> rows;    // one per whole degree from 0 to 60
    PlotData plot;
};

// The sweep of the fields' inputs at the model's speed and at each of `speedFactors` times it,
// slowest first; `ratingKgfCm` is the servo's line on the plot, when it can be used. The
// headings and each row end with the row's mark.
SweepDisplay DisplaySweep(const FieldCalculation& calculation, std::vector<double> speedFactors,
                          std::optional<double> ratingKgfCm, const TorqueConstants& constants);

// A torque axis from `low` to `high` (high above low) on round ticks: 1, 2 or 5 times a power of
// ten, so that one can read off where a 3 or a 6 Kg*cm servo runs out.
PlotScale RoundScale(double low, double high);

// The lowest and highest torque the curves of a plot reach; 0 always lies within.
struct PlotBounds {
    double low = 0;
    double high = 0;
};

// The points of a swept curve that a plot draws, each torque divided by `share` (the servos that
// carry it; 1 for one), leaving out refused and absurd ones; `bounds` widens to hold them.
PlotCurve CurveToPlot(const SweepCurve& swept, std::string name, double share, PlotBounds& bounds);

// Sets the torque axis to hold the curves and the ratings that lie within ten times the curves'
// reach; a rating beyond it is left off the plot, and its name says so.
void ScalePlot(PlotData& plot, PlotBounds bounds);

// The whole degree of the deflection the main window shows, when it is known and swept.
std::optional<int> CurrentAngle(const FieldCalculation& calculation);

}  // namespace coppia
