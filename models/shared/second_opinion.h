// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hinge_estimate.h"
#include "engine/servo_check.h"
#include "files/analysis_settings.h"
#include "models/shared/installation_verdict.h"
#include "models/shared/tone.h"

namespace coppia {

// The second opinion on the torque, from wing-section theory, as both windows give it beside the
// calculation's: the estimate on the side that loads the servo more, its source and what it
// assumes, and the torque a verdict is judged on when the builder asks for the more prudent one.

inline constexpr std::string_view kSecondOpinionTitle = "Seconda stima";
inline constexpr std::string_view kSecondOpinionSource =
    "teoria del profilo sottile (Glauert); correzioni DATCOM";
// What "Giudica con" offers, in the order of JudgeWith.
inline constexpr std::array<std::string_view, 2> kJudgeWithTexts = {
    "il calcolo", "il più prudente tra calcolo e seconda stima"};

// "rapporto delle pendenze 0.85: fessura sigillata"
std::string GapAssumption(HingeGap gap);
// "spessore 12% della corda; rapporto delle pendenze 0.85: fessura sigillata"
std::string ProfileAssumption(const SectionProfile& profile);
// "12%, fessura sigillata"
std::string ProfileText(const SectionProfile& profile);
// What every second estimate assumes, for a list of them: the lift-slope ratio of each gap, and
// where the estimate is only indicative.
std::string SecondOpinionAssumptions();

// The estimate at some inputs, one servo's share of it, on the side a servo is judged by: the
// one with the larger real-section torque (down, where a lifting wing's two terms add). Its
// ratio is to the calculation's torque at the inputs as given, the one the window shows and the
// verdict judges, so that a ratio above 1 says that the estimate asks more of the servo.
struct SecondOpinion {
    SectionProfile profile;
    HingeEstimate estimate;
    bool available = false;  // the estimate is complete
    DeflectedSide side = DeflectedSide::Down;
    bool sidesAlike = false;      // both sides give the same torque: a surface without load
    double realKgfCm = 0;         // magnitudes, of one servo
    double thinKgfCm = 0;         // the upper estimate
    double calculationKgfCm = 0;  // the calculation's at the inputs' own deflection
    std::optional<double> ratio;  // real over calculation; none when the calculation gives 0
};
SecondOpinion SecondOpinionOf(const TorqueInputs& inputs, const SectionProfile& profile, int share,
                              const TorqueConstants& constants);

// The second opinion in words and figures, torques in Kg*cm without their unit.
struct SecondOpinionTexts {
    std::string problem;     // why there is no estimate, when the calculation gives one
    std::string real;        // "0.69"
    std::string ratio;       // "1.32 volte il calcolo"
    std::string thin;        // "0.96"
    std::string side;        // "con il bordo d'uscita in giù, il lato più caricato"
    std::string source;      // kSecondOpinionSource
    std::string assumption;  // ProfileAssumption
    std::string indicative;  // beyond kIndicativeDeflection, why the figures are indicative
};
SecondOpinionTexts TextsOf(const SecondOpinion& opinion);
// "Fonte: teoria del profilo sottile (Glauert); correzioni DATCOM. Ipotesi: spessore 12% ...".
std::string SourceAndAssumption(const SecondOpinionTexts& texts);
// "Seconda stima: profilo reale 0.69 Kg*cm con ..., 1.32 volte il calcolo; profilo sottile 0.96
// Kg*cm, il limite superiore", then its source and assumptions and, when there, its indicative
// note: the lines a summary and a sheet give.
std::vector<std::string> SecondOpinionLines(const SecondOpinionTexts& texts);

// The torque a verdict is judged on, one servo's magnitude in Kg*cm.
struct JudgedTorque {
    double kgfCm = 0;
    bool estimate = false;  // the real-section estimate, larger than the calculation's
    // Which torque: "Verdetto, margine, coppia minima e limiti sulla coppia del calcolo".
    std::string words;
};
JudgedTorque JudgedTorqueOf(const SecondOpinion& opinion, JudgeWith with);

// The same for the holding searches, of the whole surface.
TorqueAt JudgedTorqueAt(const SectionProfile& profile, JudgeWith with,
                        const TorqueConstants& constants);

// When the verdict on the other torque differs from the one given, one line that says it, in the
// tone of the worse of the two: "Con la seconda stima (profilo reale): Servo al Limite".
struct OtherVerdict {
    std::string line;
    Tone tone = Tone::Neutral;
};
std::optional<OtherVerdict> OtherVerdictOf(const InstallationVerdict& judged,
                                           const InstallationVerdict& other, bool otherIsEstimate);

// The estimate's steps on the side it gives, each with its unit, as "Come si ottiene" lists them;
// the servo's torques with `share` ("per servo: 1 dei 2") when they are one of several servos'.
inline constexpr std::size_t kEstimateStepCount = 16;
inline constexpr std::array<std::string_view, kEstimateStepCount> kEstimateStepNames = {
    "Pressione dinamica q = ½ ρ V², ρ = 1.225 kg/m³",
    "C_hα del profilo sottile (Glauert)",
    "C_hδ del profilo sottile (Glauert)",
    "Rapporto delle pendenze r, dalla fessura",
    "Pendenza teorica c_lα = 6.3 + 5 t/c",
    "Fattore K_α (DATCOM)",
    "Fattore K_δ (DATCOM)",
    "Fattore di spessore su C_hδ",
    "C_hα del profilo reale = K_α · C_hα",
    "C_hδ del profilo reale = K_δ · spessore · C_hδ",
    "Incidenza α = Cp / (r · c_lα)",
    "Deflessione δ, positiva in giù",
    "C_h = C_hα α + C_hδ δ, profilo reale",
    "Momento di cerniera H = q · c_f² · b_f · C_h",
    "Coppia al servo −H · BrServ / BrAlett, profilo reale",
    "Coppia al servo, profilo sottile (α = Cp / 2π)",
};
inline constexpr std::array<std::string_view, kEstimateStepCount> kEstimateStepUnits = {
    "Pa",    "1/rad", "1/rad", "",  "1/rad", "",    "",      "",
    "1/rad", "1/rad", "°",     "°", "",      "N·m", "Kg*cm", "Kg*cm"};
// The step whose unit names the gap the ratio stands for: "fessura sigillata".
inline constexpr std::size_t kGapStep = 3;
struct EstimateStep {
    std::string_view name;
    std::string value;
    std::string unit;
};
std::vector<EstimateStep> EstimateSteps(const SecondOpinion& opinion, const std::string& share);

}  // namespace coppia
