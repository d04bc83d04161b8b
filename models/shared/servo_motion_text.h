// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/servo_motion.h"
#include "files/section_and_sheet.h"
#include "models/shared/tone.h"

namespace coppia {

// How both windows speak of a servo's speed and current: the same words on screen, on paper and
// in the CSV, whichever window computed them. Times have two decimals (s), currents two (A), and
// a deflection where the servo stops one, rounded toward zero, as the largest deflection held is,
// so that the two agree.

// The figure of the data sheet a result lacks: "manca la velocità del servo"; briefly, as a
// table's cell under a heading that already names the servo: "manca la velocità".
std::string MissingDatumText(ServoDatum datum, bool brief = false);

// "24.7°": one decimal, toward zero.
std::string StopText(double deflection);
std::string SecondsText(double seconds);  // "0.10"
std::string AmperesText(double amperes);  // "2.50"

// The two lines under the verdict: the time to the deflection under load and with no load, or
// where the servo stops; and the current while holding there and at the start.
struct MotionLines {
    std::string time;  // "Tempo per 20°: 0.10 s sotto carico (0.07 s a vuoto)"
    Tone timeTone = Tone::Neutral;
    std::string current;  // "Corrente in tenuta a 20°: 0.85 A; allo spunto: 2.50 A"
};
MotionLines DescribeMotion(const ServoMotion& motion, double deflection);

// A table's columns of one servo's motion, in this order, as the CSVs head them.
inline constexpr std::size_t kMotionColumnCount = 4;
inline constexpr std::array<std::string_view, kMotionColumnCount> kMotionHeadings = {
    "Tempo sotto carico (s)", "Tempo a vuoto (s)", "Corrente in tenuta (A)",
    "Corrente di spunto (A)"};
// A figure without its unit (the heading has it), or a few words: "si ferma a 27.6°",
// "manca la velocità", "oltre l'escursione".
std::array<std::string, kMotionColumnCount> MotionCells(const ServoMotion& motion);

// The data sheet's figures as both windows take them typed: what each is called, and a figure
// typed into its field.
inline constexpr std::array<std::string_view, 4> kServoFigureCaptions = {
    "Tensione", "Tempo per 60° a vuoto", "Corrente a vuoto", "Corrente di stallo"};
// What each is, as a screen reader says it beside its caption, and the group they stand in.
inline constexpr std::array<std::string_view, 4> kServoFigureDescriptions = {
    "Tensione a cui valgono i dati del servo, in volt",
    "Tempo del servo per 60° senza carico, in secondi",
    "Corrente del servo senza carico, in ampere", "Corrente del servo in stallo, in ampere"};
inline constexpr std::string_view kServoFiguresTitle =
    "Dati del servo alla sua tensione (facoltativi: velocità e corrente)";
// An optional figure as typed: blank is not given (an empty inside); a number from `least` to
// `most` (a comma is the decimal point) is the figure; anything else is empty: not to be used.
std::optional<std::optional<double>> TypedInRange(std::string_view text, double least, double most);
std::optional<std::optional<double>> TypedFigure(const ServoFigureKey& figure,
                                                 std::string_view text);
// Why it cannot: "Tempo per 60° a vuoto non valido: serve un numero da 0.01 a 10 s, o niente se
// non si conosce".
std::string FigureProblem(std::size_t figure);
// The figures given, as a summary lists them: "Dati del servo a 6 V: 60° in 0.11 s a vuoto,
// 0.2 A a vuoto, 2.5 A in stallo"; empty when none is.
std::string FiguresText(const ServoFigures& figures);
// A figure given as its field shows it; blank when not given.
std::string FigureFieldText(const std::optional<double>& value);

}  // namespace coppia
