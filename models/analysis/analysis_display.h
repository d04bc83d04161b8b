// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "models/shared/plot.h"
#include "models/shared/second_opinion.h"
#include "models/shared/tone.h"

namespace coppia {

inline constexpr std::string_view kAnalysisTitle = "Analisi della Coppia";

// The fields the user types into.
enum class AnalysisField {
    CoppiaServo,
    FattoreSicurezza,
    Escursione,
    AltreVelocita,
    // The section at the surface, for the second estimate.
    SpessoreProfilo,
};
inline constexpr std::size_t kAnalysisFieldCount = 5;

// One step from the inputs to the torque: the same numbers as the calculation's own.
struct AnalysisStep {
    std::string_view name;
    std::string value;  // empty while the calculation is refused
    std::string unit;
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

    // While a surface moved by several servos is lent, every torque is one servo's:
    // "per servo: 1 dei 2"; else empty.
    std::string share;
    std::string torqueHeading;  // "Coppia al servo", with the share when there is one
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

    // Whose servo is judged, when a model lent it: "Servo di «Flap sinistro»".
    std::string servoOwner;
    // That the rating judged is no longer the surface's, and how to keep it; else empty.
    std::string loanDrift;
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

    // The second estimate beside the calculation's torque, one servo's, and what the verdict is
    // judged on.
    SecondOpinionTexts secondOpinion;
    std::string secondOpinionMargin;  // the servo's against the real-section estimate
    Tone secondOpinionMarginTone = Tone::Neutral;
    std::string judgedOn;      // which torque the verdict, margin, least rating and limits use
    std::string otherVerdict;  // the verdict on the other torque, when it differs
    Tone otherVerdictTone = Tone::Neutral;
    std::vector<EstimateStep> estimateSteps;  // empty without an estimate
    // The servo's speed and current at the deflection, under the verdict (DescribeMotion);
    // empty while there is no verdict on the installation to stand under.
    std::string motion;
    Tone motionTone = Tone::Neutral;
    std::string current;
    std::string figures;         // the data sheet they come from (FiguresText), for the summary
    std::string figuresProblem;  // a figure of the data sheet typed that cannot be used
    // Where the sweep's columns of the servo's motion start: the sheet leaves them to the CSV.
    std::size_t motionColumn = 0;
};

}  // namespace coppia
