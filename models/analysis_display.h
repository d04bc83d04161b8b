// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "models/tone.h"

namespace coppia {

inline constexpr std::string_view kAnalysisTitle = "Analisi della Coppia";

// The fields the user types into.
enum class AnalysisField { CoppiaServo, FattoreSicurezza, Escursione, AltreVelocita };
inline constexpr std::size_t kAnalysisFieldCount = 4;

// One step from the inputs to the torque: the same numbers as the calculation's own.
struct AnalysisStep {
    std::string_view name;
    std::string value;  // empty while the calculation is refused
    std::string_view unit;
};
inline constexpr std::size_t kAnalysisStepCount = 9;
inline constexpr std::array<std::string_view, kAnalysisStepCount> kAnalysisStepNames = {
    "Rapporto corda alettone / corda ala",
    "Velocità",
    "Coefficiente di portanza (Cp)",
    "Fattore d'angolo",
    "Angolo efficace",
    "Coefficiente di cerniera",
    "Coppia alla cerniera",
    "Rapporto dei bracci BrServ / BrAlett",
    "Coppia al servo",
};
inline constexpr std::array<std::string_view, kAnalysisStepCount> kAnalysisStepUnits = {
    "", "m/s", "", "° per unità di Cp", "°", "N·cm / (m²/s² · mm³ · °)", "N·cm", "", "Kg*cm",
};

// One whole degree of the sweep: the angle, the travel, the torque at each speed, then what
// marks the row ("picco", "attuale", "picco e attuale" or nothing).
struct SweepTableRow {
    std::vector<std::string> cells;
    bool peak = false;     // the largest torque at the model's speed
    bool current = false;  // the deflection the main window shows, to the nearest degree
};

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

struct PlotData {
    std::vector<PlotCurve> curves;
    std::optional<double> deflection;  // the current deflection's magnitude, within 0..60
    std::vector<PlotRating> ratings;
    PlotScale scale;
};

// A figure that has a caption of its own rather than a field: "Deflessione massima a 60 Km/h".
struct CaptionedFigure {
    std::string caption;
    std::string value;
};

// Everything the window shows, as texts and their tones.
struct AnalysisDisplay {
    std::string freshness;  // whether the main window's results are current
    Tone freshnessTone = Tone::Neutral;
    std::string refusal;  // why nothing can be computed, in place of the numbers; else empty

    std::string torqueKgfCm;
    std::string torqueNewtonCm;
    std::string torqueNewtonM;
    std::string torqueOzfIn;
    std::array<AnalysisStep, kAnalysisStepCount> steps;
    std::string stall;
    Tone stallTone = Tone::Neutral;

    std::string rotation;  // the servo arm's rotation, in degrees
    std::string linkage;   // what the rotation means for this servo
    Tone linkageTone = Tone::Neutral;

    // The verdict on the whole installation, the torque's margin and what the servo holds.
    std::string verdict;
    std::string verdictReason;
    Tone verdictTone = Tone::Neutral;
    std::string margin;
    std::string minimumRating;  // in ratingUnit
    std::string ratingUnit;
    std::vector<CaptionedFigure> limits;
    std::string settingsProblem;  // an input of the servo check that cannot be used, or a save

    std::vector<std::string> sweepHeadings;  // with their units
    std::vector<SweepTableRow> sweepRows;    // one per whole degree from 0 to 60
    std::string speedsProblem;               // the other speeds cannot be used
    PlotData plot;

    std::string status;  // what the last copy or export did; cleared when an input changes
    Tone statusTone = Tone::Neutral;
};

}  // namespace coppia
