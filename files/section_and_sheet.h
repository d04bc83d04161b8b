// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/hinge_estimate.h"
#include "engine/servo_motion.h"

namespace coppia {

// What the model file and the analysis's settings both keep beside the calculation's inputs:
// the section at the surface and the servo's data-sheet figures, with the words and the ranges
// the two files share, so that a value one window keeps the other takes.

// The words for the hinge gap, in the order of HingeGap.
inline constexpr std::array<std::string_view, 2> kHingeGapNames = {"sigillata", "aperta"};
inline constexpr std::string_view NameOf(HingeGap gap) {
    return kHingeGapNames[static_cast<std::size_t>(gap)];
}
std::optional<HingeGap> HingeGapNamed(std::string_view word);

// The range of IsValidThickness, as a fault names it.
inline constexpr std::string_view kThicknessRange = "un numero da 0 a 20 (% della corda)";

// A servo's data-sheet figures beyond its rated torque, at the voltage it is used at. Each is
// optional: what the sheet does not give stays empty and is never made up.
struct ServoFigures {
    std::optional<double> voltage;        // V
    std::optional<double> time60;         // s for 60° with no load
    std::optional<double> noLoadCurrent;  // A
    std::optional<double> stallCurrent;   // A

    bool operator==(const ServoFigures&) const = default;
};

// One figure: its key in a model file's "servo" object and the values it may take, both ends
// included. The ranges hold every servo a model flies with a wide margin (4.8 to 8.4 V, seldom
// up to 24; 0.03 to 2 s for 60°, a few seconds for a retract; from some tens of milliamperes
// with no load to some amperes at stall, a giant scale servo's twenty), and refuse what is
// typed in the smaller unit: milliseconds (30 and more) and milliamperes (from 100).
struct ServoFigureKey {
    std::optional<double> ServoFigures::*value;
    std::string_view key;
    double least;
    double most;
    std::string_view unit;
};
inline constexpr std::array<ServoFigureKey, 4> kServoFigureKeys = {{
    {&ServoFigures::voltage, "tensione", 1, 50, "V"},
    {&ServoFigures::time60, "tempo60", 0.01, 10, "s"},
    {&ServoFigures::noLoadCurrent, "corrente_vuoto", 0.001, 50, "A"},
    {&ServoFigures::stallCurrent, "corrente_stallo", 0.001, 50, "A"},
}};

// Within the figure's range; not a number is not.
bool IsValidFigure(const ServoFigureKey& figure, double value);
// "un numero da 0.001 a 50 A".
std::string FigureRange(const ServoFigureKey& figure);

// The first figure given out of its range; null when every one is given in its range or not
// given.
const ServoFigureKey* FigureOutOfRange(const ServoFigures& figures);

// The servo as the engine moves it: the rating, in Kg*cm, is the stall torque.
ServoSheet SheetOf(const ServoFigures& figures, std::optional<double> ratingKgfCm);

}  // namespace coppia
