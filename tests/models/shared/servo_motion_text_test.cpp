// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/servo_motion_text.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace coppia {
namespace {

constexpr MotionTime Reached(double seconds) {
    return {MotionOutcome::Reached, ServoDatum::Time60, seconds, 0};
}
constexpr MotionTime Stops(double deflection) {
    return {MotionOutcome::StopsShort, ServoDatum::Time60, 0, deflection};
}
constexpr MotionTime Lacks(ServoDatum datum) {
    return {MotionOutcome::Missing, datum, 0, 0};
}
constexpr ServoCurrent Amperes(double amperes) {
    return {CurrentOutcome::Given, ServoDatum::StallCurrent, amperes};
}
constexpr ServoCurrent LacksCurrent(ServoDatum datum) {
    return {CurrentOutcome::Missing, datum, 0};
}

struct MotionRow {
    const char* name;
    ServoMotion motion;
    double deflection;
    const char* time;
    Tone tone;
    const char* current;
    std::array<const char*, kMotionColumnCount> cells;
};

void PrintTo(const MotionRow& row, std::ostream* out) {
    *out << row.name;
}

class MotionTextTest : public testing::TestWithParam<MotionRow> {};

TEST_P(MotionTextTest, SaysTheTimeOrWhereItStopsAndTheCurrentsOrWhatIsMissing) {
    const MotionRow& row = GetParam();
    const MotionLines lines = DescribeMotion(row.motion, row.deflection);
    EXPECT_EQ(lines.time, row.time);
    EXPECT_EQ(lines.timeTone, row.tone);
    EXPECT_EQ(lines.current, row.current);
    const std::array<std::string, kMotionColumnCount> cells = MotionCells(row.motion);
    for (std::size_t i = 0; i < cells.size(); ++i) EXPECT_EQ(cells[i], row.cells[i]) << i;
}

const ServoCurrent kHolding = Amperes(0.854);
const ServoCurrent kStarting = Amperes(2.5);

INSTANTIATE_TEST_SUITE_P(
    Outcomes, MotionTextTest,
    testing::Values(
        // Two decimals, rounded: 0.0949 s is 0.09, 0.0651 s is 0.07.
        MotionRow{"reached",
                  {30.9, Reached(0.0949), Reached(0.0651), kHolding, kStarting},
                  20,
                  "Tempo per 20°: 0.09 s sotto carico (0.07 s a vuoto)",
                  Tone::Neutral,
                  "Corrente in tenuta a 20°: 0.85 A; allo spunto: 2.50 A",
                  {"0.09", "0.07", "0.85", "2.50"}},
        // Toward neutral at a tenth, on either side, as the largest deflection held is.
        MotionRow{"stops_up",
                  {30.9, Stops(24.79), Reached(0.06), Amperes(2.5), kStarting},
                  30,
                  "Si ferma a 24.7°: la coppia di stallo non basta",
                  Tone::Bad,
                  "Corrente in tenuta a 30°: 2.50 A; allo spunto: 2.50 A",
                  {"si ferma a 24.7°", "0.06", "2.50", "2.50"}},
        MotionRow{"stops_down",
                  {30.9, Stops(-27.61), Lacks(ServoDatum::Time60), Amperes(2.5), kStarting},
                  -30,
                  "Si ferma a -27.6°: la coppia di stallo non basta",
                  Tone::Bad,
                  "Corrente in tenuta a -30°: 2.50 A; allo spunto: 2.50 A",
                  {"si ferma a -27.6°", "manca la velocità", "2.50", "2.50"}},
        MotionRow{"stops_at_neutral",
                  {30.9, Stops(-0.04), Lacks(ServoDatum::Time60), Amperes(2.5), kStarting},
                  -30,
                  "Si ferma a 0.0°: la coppia di stallo non basta",
                  Tone::Bad,
                  "Corrente in tenuta a -30°: 2.50 A; allo spunto: 2.50 A",
                  {"si ferma a 0.0°", "manca la velocità", "2.50", "2.50"}},
        MotionRow{"no_rating",
                  {30.9, Lacks(ServoDatum::StallTorque), Reached(0.0566),
                   LacksCurrent(ServoDatum::StallTorque), kStarting},
                  20.5,
                  "Tempo per 20.5°: manca la coppia del servo (0.06 s a vuoto)",
                  Tone::Neutral,
                  "Corrente in tenuta a 20.5°: manca la coppia del servo; allo spunto: 2.50 A",
                  {"manca la coppia", "0.06", "manca la coppia", "2.50"}},
        MotionRow{"no_sheet",
                  {30.9, Lacks(ServoDatum::Time60), Lacks(ServoDatum::Time60),
                   LacksCurrent(ServoDatum::NoLoadCurrent), LacksCurrent(ServoDatum::StallCurrent)},
                  20,
                  "Tempo per 20°: manca la velocità del servo",
                  Tone::Neutral,
                  "Corrente in tenuta e allo spunto: mancano la corrente a vuoto e quella di "
                  "stallo del servo",
                  {"manca la velocità", "manca la velocità", "manca la corrente a vuoto",
                   "manca la corrente di stallo"}},
        MotionRow{"no_stall_current",
                  {30.9, Reached(0.1), Reached(0.1), LacksCurrent(ServoDatum::StallCurrent),
                   LacksCurrent(ServoDatum::StallCurrent)},
                  20,
                  "Tempo per 20°: 0.10 s sotto carico (0.10 s a vuoto)",
                  Tone::Neutral,
                  "Corrente in tenuta e allo spunto: manca la corrente di stallo del servo",
                  {"0.10", "0.10", "manca la corrente di stallo", "manca la corrente di stallo"}},
        MotionRow{
            "beyond_throw",
            {48.6, {MotionOutcome::BeyondThrow}, {MotionOutcome::BeyondThrow}, kHolding, kStarting},
            30,
            "Tempo per 30°: il servo dovrebbe ruotare oltre la sua escursione",
            Tone::Bad,
            "Corrente in tenuta a 30°: 0.85 A; allo spunto: 2.50 A",
            {"oltre l'escursione", "oltre l'escursione", "0.85", "2.50"}},
        MotionRow{"unreachable",
                  {0,
                   {MotionOutcome::Unreachable},
                   {MotionOutcome::Unreachable},
                   {CurrentOutcome::Refused},
                   kStarting},
                  50,
                  "Tempo per 50°: il rinvio non ci arriva",
                  Tone::Bad,
                  "Corrente in tenuta a 50°: non calcolabile; allo spunto: 2.50 A",
                  {"irraggiungibile", "irraggiungibile", "non calcolabile", "2.50"}},
        MotionRow{"refused_on_the_way",
                  {30, {MotionOutcome::Refused}, Reached(0.05), kHolding, kStarting},
                  20,
                  "Tempo per 20°: non calcolabile lungo la corsa (0.05 s a vuoto)",
                  Tone::Neutral,
                  "Corrente in tenuta a 20°: 0.85 A; allo spunto: 2.50 A",
                  {"non calcolabile", "0.05", "0.85", "2.50"}}),
    [](const testing::TestParamInfo<MotionRow>& info) { return std::string(info.param.name); });

struct TypedRow {
    std::size_t figure;
    const char* text;
    std::optional<std::optional<double>> read;  // empty: refused
};

class TypedFigureTest : public testing::TestWithParam<TypedRow> {};

TEST_P(TypedFigureTest, BlankIsNotGivenAndAFigureOutOfItsRangeIsRefused) {
    const TypedRow& row = GetParam();
    EXPECT_EQ(TypedFigure(kServoFigureKeys[row.figure], row.text), row.read) << row.text;
}

constexpr std::optional<double> kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Edges, TypedFigureTest,
    testing::Values(TypedRow{1, "", kNone}, TypedRow{1, "  ", kNone},
                    TypedRow{1, "0,11", 0.11},                         // a comma is the point
                    TypedRow{1, "0.01", 0.01}, TypedRow{1, "10", 10},  // both ends
                    TypedRow{1, "0.009", std::nullopt}, TypedRow{1, "110", std::nullopt},
                    TypedRow{1, "0.11 s", std::nullopt}, TypedRow{0, "4.8", 4.8},
                    TypedRow{0, "0.5", std::nullopt},
                    TypedRow{3, "2500", std::nullopt},  // milliamperes
                    TypedRow{2, "0.001", 0.001}, TypedRow{2, "-0.2", std::nullopt}));

TEST(FiguresTextTest, ListsTheFiguresGivenAndNothingElse) {
    EXPECT_EQ(FiguresText({}), "");
    EXPECT_EQ(FiguresText({4.8, {}, {}, {}}), "Dati del servo a 4.8 V");
    EXPECT_EQ(FiguresText({{}, 0.11, {}, 2.5}),
              "Dati del servo: 60° in 0.11 s a vuoto, 2.5 A in stallo");
    EXPECT_EQ(FiguresText({6, {}, 0.2, {}}), "Dati del servo a 6 V: 0.2 A a vuoto");
}

TEST(FigureProblemTest, NamesTheFigureInAgreementWithItAndItsRange) {
    EXPECT_EQ(FigureProblem(0),
              "Tensione non valida: serve un numero da 1 a 50 V, o niente se non si conosce");
    EXPECT_EQ(FigureProblem(1),
              "Tempo per 60° a vuoto non valido: serve un numero da 0.01 a 10 s, o niente se non "
              "si conosce");
    EXPECT_EQ(FigureProblem(2),
              "Corrente a vuoto non valida: serve un numero da 0.001 a 50 A, o niente se non si "
              "conosce");
}

}  // namespace
}  // namespace coppia
