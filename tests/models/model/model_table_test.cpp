// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "models/model/table_cell.h"

namespace coppia {
namespace {

const std::string& Cell(const ModelTableRow& row, ModelColumn column) {
    return row.cells[static_cast<std::size_t>(column)];
}

struct RowCase {
    const char* name;
    std::function<void(Surface&)> change;
    // Servi, then Coppia per servo in Kg*cm and N·cm, Margine, Verdetto, Rotazione, Coppia minima
    // (in the servo's unit, which it names); or the refusal.
    std::vector<std::string> cells;
    Tone verdictTone;
    Tone rotationTone = Tone::Neutral;
};

void PrintTo(const RowCase& row, std::ostream* out) {
    *out << row.name;
}

class ModelRowTest : public testing::TestWithParam<RowCase> {};

TEST_P(ModelRowTest, ComputesAsCalcolaAndJudgesAsTheAnalysis) {
    Surface surface;  // the main window's initial inputs, a 3 Kg*cm servo
    surface.servo.rating = 3;
    GetParam().change(surface);
    const ModelTableRow row = SurfaceRow(surface, AnalysisSettings{}, InitTorqueConstants());
    std::vector<std::string> cells;
    if (row.refusal.empty()) {
        cells = {Cell(row, ModelColumn::Servi),       Cell(row, ModelColumn::CoppiaKgcm),
                 Cell(row, ModelColumn::CoppiaNcm),   Cell(row, ModelColumn::Margine),
                 Cell(row, ModelColumn::Verdetto),    Cell(row, ModelColumn::Rotazione),
                 Cell(row, ModelColumn::CoppiaMinima)};
    } else {
        cells = {row.refusal};
        EXPECT_EQ(Cell(row, ModelColumn::Margine), "");
        EXPECT_EQ(Cell(row, ModelColumn::Verdetto), "");
    }
    EXPECT_EQ(cells, GetParam().cells);
    EXPECT_EQ(row.verdictTone, GetParam().verdictTone);
    EXPECT_EQ(row.rotationTone, GetParam().rotationTone);
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, ModelRowTest,
    testing::Values(
        RowCase{"OneServo",
                [](Surface&) {},
                {"1", "0.52", "5.09", "5.77", "Servo Sufficiente", "30.9", "1.04 Kg*cm"},
                Tone::Good},
        // Two servos share the torque: each needs half, with twice the margin.
        RowCase{"TwoServosShareIt",
                [](Surface& s) { s.servoCount = 2; },
                {"2", "0.26", "2.55", "11.55", "Servo Sufficiente", "30.9", "0.52 Kg*cm"},
                Tone::Good},
        // The margin and the least rating in the unit the rating is in.
        RowCase{"RatingInNewtonCm",
                [](Surface& s) {
                    s.servo = {"", 4, RatingUnit::NewtonCm, ""};
                },
                {"1", "0.52", "5.09", "0.78", "Servo Insufficiente!!", "30.9", "10.19 N·cm"},
                Tone::Bad},
        RowCase{"BeyondTheThrow",
                [](Surface& s) { s.inputs.BrServ = 8; },
                {"1", "0.35", "3.39", "8.66", "Rinvio Insufficiente", "50.3", "0.70 Kg*cm"},
                Tone::Bad,
                Tone::Bad},
        RowCase{
            "ArmsCannotReach",
            [](Surface& s) { s.inputs.BrServ = 5; },
            {"1", "0.22", "2.12", "13.86", "Rinvio Insufficiente", "irraggiungibile", "0.44 Kg*cm"},
            Tone::Bad,
            Tone::Bad},
        // Without a rating there is nothing to judge the torque by, but the least one to buy.
        RowCase{"RatingToBeGiven",
                [](Surface& s) { s.servo.rating.reset(); },
                {"1", "0.52", "5.09", "", "Servo da indicare", "30.9", "1.04 Kg*cm"},
                Tone::Warning},
        // A linkage that fails fails with no rating too.
        RowCase{"RatingToBeGivenArmsCannotReach",
                [](Surface& s) {
                    s.servo.rating.reset();
                    s.inputs.BrServ = 5;
                },
                {"1", "0.22", "2.12", "", "Rinvio Insufficiente", "irraggiungibile", "0.44 Kg*cm"},
                Tone::Bad,
                Tone::Bad},
        // What CALCOLA computes but makes no sense gets no margin and no verdict.
        RowCase{"NegativeLength",
                [](Surface& s) { s.inputs.LungAlett = -500; },
                {"Nessun verdetto: LungAlett negativa"},
                Tone::Bad},
        RowCase{"NegativeSpeed",
                [](Surface& s) { s.inputs.Vel = -90; },
                {"Nessun verdetto: Vel negativa"},
                Tone::Bad},
        RowCase{"ZeroServoArm",
                [](Surface& s) { s.inputs.BrServ = 0; },
                {"Nessun verdetto: BrServ nullo"},
                Tone::Bad},
        RowCase{"TravelBeyondTheChord",
                [](Surface& s) {
                    s.deflection = DeflectionInput::Travel;
                    s.inputs.Corsa = 86;
                },
                {"Nessun verdetto: Corsa oltre la corda (86 mm su 60 mm)"},
                Tone::Bad},
        RowCase{"ZeroSpeed",
                [](Surface& s) { s.inputs.Vel = 0; },
                {"Calcolo impossibile: Velocità Nulla!!"},
                Tone::Bad},
        RowCase{"ChordRatio",
                [](Surface& s) { s.inputs.CordaAlett = 5; },
                {"Calcolo impossibile: Corda Alett./Corda Alare Fuori Gamma!! Rapporto 0.017, "
                 "ammesso 0.025–0.8"},
                Tone::Bad}));

struct TotalsCase {
    const char* name;
    // Each surface's change to the main window's initial inputs with a 3 Kg*cm servo.
    std::vector<std::function<void(Surface&)>> surfaces;
    std::string verdict;
    Tone verdictTone;
    std::string weakest;
    Tone weakestTone;
};

void PrintTo(const TotalsCase& row, std::ostream* out) {
    *out << row.name;
}

class TotalsTest : public testing::TestWithParam<TotalsCase> {};

// The summary leads with the worst verdict, naming its surface, whatever margin is lowest: a
// green margin never stands for a model with a failing surface.
TEST_P(TotalsTest, LeadWithTheWorstVerdictThenTheWeakestMargin) {
    Model model;
    std::vector<ModelTableRow> rows;
    for (std::size_t i = 0; i < GetParam().surfaces.size(); ++i) {
        Surface surface;
        surface.name = "S" + std::to_string(i + 1);
        surface.servo.rating = 3;
        GetParam().surfaces[i](surface);
        rows.push_back(SurfaceRow(surface, AnalysisSettings{}, InitTorqueConstants()));
        model.surfaces.push_back(std::move(surface));
    }
    const ModelTotals totals = Totals(model, rows, JudgeWith::Calculation);
    EXPECT_EQ(totals.verdict, GetParam().verdict);
    EXPECT_EQ(totals.verdictTone, GetParam().verdictTone);
    EXPECT_EQ(totals.weakest, GetParam().weakest);
    EXPECT_EQ(totals.weakestTone, GetParam().weakestTone);
}

const auto kAsIs = [](Surface&) {};

INSTANTIATE_TEST_SUITE_P(
    Models, TotalsTest,
    testing::Values(
        TotalsCase{"AllSufficient",
                   {kAsIs, [](Surface& s) { s.servo.rating = 2; }},
                   "Servo Sufficiente per tutte le 2 superfici",
                   Tone::Good,
                   "Margine più basso: 3.85, S2",
                   Tone::Neutral},
        // The flap of 40° whose arms turn the servo beyond its throw has the best margin.
        TotalsCase{"LinkageFailsWithTheBestMargin",
                   {[](Surface& s) { s.servo.rating = 2; },
                    [](Surface& s) {
                        s.inputs.Ang = 40;
                        s.inputs.BrAlett = 16;
                        s.inputs.BrServ = 14;
                        s.servo.rating = 9;
                    }},
                   "Rinvio Insufficiente: S2",
                   Tone::Bad,
                   "Margine più basso: 3.85, S1",
                   Tone::Neutral},
        TotalsCase{"RatingToBeGivenBeforeAtTheLimit",
                   {[](Surface& s) { s.servo.rating = 0.8; },
                    [](Surface& s) { s.servo.rating.reset(); }, kAsIs},
                   "Servo da indicare: S2 · Servo al Limite: S1",
                   Tone::Warning,
                   "Margine più basso: 1.54, S1",
                   Tone::Warning},
        // Every failing verdict with its surface or its count, the linkage's first; the
        // sufficient ones are not listed beside them.
        TotalsCase{
            "EachFailingVerdictNamedOrCounted",
            {[](Surface& s) { s.servo.rating = 0.5; }, kAsIs,
             [](Surface& s) { s.servo.rating = 0.5; }, [](Surface& s) { s.inputs.BrServ = 8; },
             [](Surface& s) { s.servo.rating = 0.5; }},
            "Rinvio Insufficiente: S4 · Servo Insufficiente!!: 3 superfici",
            Tone::Bad,
            "Margine più basso: 0.96, S1",
            Tone::Bad},
        // A surface without a verdict is counted apart, never as one of a verdict's.
        TotalsCase{"WithoutAVerdictApart",
                   {kAsIs, [](Surface& s) { s.inputs.LungAlett = -500; },
                    [](Surface& s) { s.servo.rating = 0.5; }},
                   "Servo Insufficiente!!: S3 · Senza verdetto: S2",
                   Tone::Bad,
                   "Margine più basso: 0.96, S3",
                   Tone::Bad},
        TotalsCase{"SufficientButNotAll",
                   {kAsIs, [](Surface& s) { s.inputs.Vel = 0; }, kAsIs,
                    [](Surface& s) { s.inputs.LungAlett = -500; }},
                   "Servo Sufficiente: 2 superfici · Senza verdetto: 2 superfici",
                   Tone::Bad,
                   "Margine più basso: 5.77, S1",
                   Tone::Neutral},
        TotalsCase{"NothingComputed",
                   {[](Surface& s) { s.inputs.Vel = 0; }},
                   "Senza verdetto: S1",
                   Tone::Bad,
                   "Margine più basso: nessuno, nessuna superficie ha un margine",
                   Tone::Bad}));

// A surface without a verdict says why where the verdict stands, in every export: the columns
// after it stay empty, and its own inputs follow as for any surface.
TEST(ModelCsvTest, ARefusedSurfaceSaysWhyInTheVerdictColumn) {
    std::vector<ModelTableRow> rows;
    const std::vector<std::function<void(Surface&)>> changes = {
        [](Surface& s) { s.name = "Buona"; },
        [](Surface& s) {
            s.name = "Lunga";
            s.inputs.LungAlett = -500;
        },
        [](Surface& s) {
            s.name = "Stretta";
            s.inputs.CordaAlett = 5;
            s.servo = {"HS-65", 30, RatingUnit::NewtonCm, ""};
        }};
    for (const auto& change : changes) {
        Surface surface;
        surface.servo.rating = 3;
        change(surface);
        rows.push_back(SurfaceRow(surface, AnalysisSettings{}, InitTorqueConstants()));
    }
    const auto headings = ModelTableHeadings(AnalysisSettings{});
    const auto lines = [&](CsvFormat format) {
        const std::string csv = ModelCsv(headings, rows, format);
        std::vector<std::string> split;
        for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos;
             at = end + 2) {
            split.push_back(csv.substr(at, end - at));
        }
        return split;
    };
    const std::vector<std::string> italian = lines(CsvFormat::Italian);
    ASSERT_EQ(italian.size(), 4u);
    // The second estimate after the servo: 0.520 Kg*cm by the real section, 0.718 by the thin
    // airfoil, and 3 / 0.520 = 5.76 of margin against the first. Then its motion: a servo without
    // its data sheet says what is missing; a surface without a verdict has no motion to speak of.
    EXPECT_EQ(italian[1],
              "Buona;Servo Sufficiente;5,77;1,04 Kg*cm;0,52;5,09;30,9;Alettone;1;;3 "
              "Kg*cm;0,52;0,72;5,76;manca la velocità;manca la velocità;manca la corrente a vuoto;"
              "manca la corrente di stallo");
    EXPECT_EQ(italian[2],
              "Lunga;Nessun verdetto: LungAlett negativa;;;;;;Alettone;1;;3 Kg*cm;;;;;;;");
    const std::vector<std::string> international = lines(CsvFormat::International);
    EXPECT_EQ(international[3],
              "Stretta,\"Calcolo impossibile: Corda Alett./Corda Alare Fuori Gamma!! Rapporto "
              "0.017, ammesso 0.025–0.8\",,,,,,Alettone,1,HS-65,30 N·cm,,,,,,,");
}

// What every view of the table shows in a cell, and in which colour: a refused surface's refusal
// where its verdict stands, the computed cells after it blank, all in the refusal's tone; else
// each column in its own tone (the servo that stops short colours its time, not its currents).
TEST(TableCellTest, ARefusalStandsForTheComputedCellsAndEachColumnHasItsTone) {
    Surface surface;
    surface.name = "Lunga";
    surface.servo.rating = 3;
    surface.inputs.LungAlett = -500;
    const ModelTableRow refused = SurfaceRow(surface, AnalysisSettings{}, InitTorqueConstants());
    const auto cell = [](const ModelTableRow& row, ModelColumn column) {
        const TableCell shown = CellOf(row, static_cast<std::size_t>(column));
        return std::pair(std::string(shown.text), shown.tone);
    };
    EXPECT_EQ(cell(refused, ModelColumn::Superficie),
              std::pair(std::string("Lunga"), Tone::Neutral));
    EXPECT_EQ(cell(refused, ModelColumn::Verdetto),
              std::pair(std::string("Nessun verdetto: LungAlett negativa"), Tone::Bad));
    EXPECT_EQ(cell(refused, ModelColumn::Rotazione), std::pair(std::string(), Tone::Bad));
    EXPECT_EQ(cell(refused, ModelColumn::CoppiaDichiarata),
              std::pair(std::string("3 Kg*cm"), Tone::Neutral));

    surface.inputs = Surface{}.inputs;
    surface.servo.rating = 0.2;
    surface.servo.figures = {6, std::nullopt, 0.2, 2.5};
    const ModelTableRow weak = SurfaceRow(surface, AnalysisSettings{}, InitTorqueConstants());
    EXPECT_EQ(cell(weak, ModelColumn::Verdetto),
              std::pair(std::string("Servo Insufficiente!!"), Tone::Bad));
    EXPECT_EQ(cell(weak, ModelColumn::Margine).second, Tone::Neutral);
    EXPECT_EQ(cell(weak, ModelColumn::TempoCarico).second, Tone::Bad);
    EXPECT_EQ(cell(weak, ModelColumn::CorrenteSpunto).second, Tone::Neutral);
}

}  // namespace
}  // namespace coppia
