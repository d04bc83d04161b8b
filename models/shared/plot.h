// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/servo_check.h"

namespace coppia {

// What a screen reader calls the plot.
inline constexpr std::string_view kPlotAccessibleName =
    "Grafico della coppia al servo secondo la deflessione";

// Torques beyond this are left off the plot: only absurd inputs reach them, and the tables
// still give them.
inline constexpr double kLargestPlotted = 1e9;

// The torque across the deflections at one speed, in Kg*cm, as the plot draws it.
struct PlotCurve {
    std::string name;
    bool modelSpeed = false;
    std::vector<std::pair<double, double>> points;  // (degrees, Kg*cm); refused ones left out
    // The point the curve marks and labels: its peak in the analysis, the surface's own
    // deflection in the model window.
    std::optional<std::pair<double, double>> mark;
    std::string markLabel;  // the torque there, as the table writes it
};

// The torque axis: round ticks every `step` from 0, with `minorTicks` lines between them.
struct PlotScale {
    double low = 0;
    double high = 1;
    double step = 0.2;
    int minorTicks = 3;
    int decimals = 1;  // of the tick labels
};

// A servo's rated torque as a level line across the plot.
struct PlotRating {
    std::string name;             // also when the rating lies beyond the scale
    std::optional<double> value;  // Kg*cm, when on the scale
    // The curve whose servo it is, drawn in its colour; none for the one servo of the analysis.
    std::optional<std::size_t> curve;
};

// A range of torques across the deflections, drawn as a hatched band that a grey print still
// tells from the curves: the second estimate, from the real section's up to the thin airfoil's.
struct PlotBand {
    std::string name;
    std::vector<std::pair<double, double>> low;   // (degrees, Kg*cm), the real section's
    std::vector<std::pair<double, double>> high;  // at the same degrees, the thin airfoil's
};

struct PlotData {
    std::vector<PlotCurve> curves;
    std::optional<double> deflection;  // the current deflection's magnitude, within 0..60
    std::vector<PlotRating> ratings;
    PlotScale scale;
    std::optional<PlotBand> band;
};

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

}  // namespace coppia
