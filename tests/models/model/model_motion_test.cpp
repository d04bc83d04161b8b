// SPDX-License-Identifier: GPL-3.0-or-later
// Each surface's servo in motion and the model's supply, through the model window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/files/scratch_folder.h"
#include "tests/models/model/model_window_fixture.h"

namespace coppia {
namespace {

std::vector<std::string> MotionOf(const ModelTableRow& row) {
    return {Cell(row, ModelColumn::TempoCarico), Cell(row, ModelColumn::TempoVuoto),
            Cell(row, ModelColumn::CorrenteTenuta), Cell(row, ModelColumn::CorrenteSpunto)};
}

const std::string kExampleVerdict =
    "Alimentazione al Limite (BEC 5 A): riserva 1.11, sotto 1.25; il picco non copre lo spunto";

TEST_F(ModelWindowTest, EachRowGivesItsServosTimeAndCurrentsAndTheSummaryItsSupply) {
    OpenExample();
    EXPECT_EQ(Shown().headings[static_cast<std::size_t>(ModelColumn::TempoCarico)],
              "Tempo sotto carico (s)");
    EXPECT_EQ(Shown().headings[static_cast<std::size_t>(ModelColumn::CorrenteSpunto)],
              "Corrente di spunto (A)");
    EXPECT_EQ(MotionOf(Shown().rows[0]),
              (std::vector<std::string>{"0.07", "0.06", "1.00", "2.50"}));
    EXPECT_EQ(MotionOf(Shown().rows[5]),
              (std::vector<std::string>{"0.14", "0.12", "0.56", "1.80"}));
    const SupplyLines& supply = Shown().totals.supply;
    EXPECT_EQ(supply.verdict, kExampleVerdict);
    EXPECT_EQ(supply.tone, Tone::Warning);
    // Each surface at its own deflection: 2·1.00 + 2·0.72 + 0.47 + 0.56, and 4·2.5 + 2·1.8.
    EXPECT_EQ(supply.currents,
              "Tutte le superfici in moto, ciascuna alla sua deflessione: 4.47 A su 5 A "
              "continui; tutti i servi allo spunto: 13.60 A su 7.5 A di picco");
    EXPECT_EQ(Shown().supplyName, "BEC 5 A");
    EXPECT_EQ(Shown().supplyContinuous, "5");
    EXPECT_EQ(Shown().supplyPeak, "7.5");
    EXPECT_EQ(Shown().details.figures, (std::array<std::string, 4>{"6", "0.11", "0.2", "2.5"}));

    // Two servos on the left aileron: each carries half, draws less, and both start at once.
    Select({0});
    model.Modello_NumeroServi_Change(2);
    EXPECT_EQ(MotionOf(Shown().rows[0]),
              (std::vector<std::string>{"0.06", "0.06", "0.60", "2.50"}));
    EXPECT_EQ(Shown().totals.supply.currents,
              "Tutte le superfici in moto, ciascuna alla sua deflessione: 4.67 A su 5 A "
              "continui; tutti i servi allo spunto: 16.10 A su 7.5 A di picco");
}

// The verdict at its thresholds, as the builder types the supply's currents.
TEST_F(ModelWindowTest, TheSupplysVerdictFollowsItsCurrentsAsTyped) {
    OpenExample();
    model.Modello_CorrentePicco_Change("14");
    model.Modello_CorrenteContinua_Change("5.59");  // 1.25 times 4.47 A is 5.5875
    EXPECT_EQ(Shown().totals.supply.verdict,
              "Alimentazione sufficiente (BEC 5 A): riserva 1.25, picco che copre lo spunto");
    EXPECT_EQ(Shown().totals.supply.tone, Tone::Good);
    model.Modello_CorrenteContinua_Change("5,58");
    EXPECT_EQ(Shown().totals.supply.verdict,
              "Alimentazione al Limite (BEC 5 A): riserva 1.24, sotto 1.25");
    EXPECT_EQ(Shown().totals.supply.tone, Tone::Warning);
    model.Modello_CorrenteContinua_Change("4.4");
    EXPECT_EQ(Shown().totals.supply.tone, Tone::Bad);
    EXPECT_TRUE(Shown().totals.supply.verdict.starts_with("Alimentazione insufficiente"));

    // A current that cannot be kept stays as typed, is said, and changes nothing.
    model.Modello_CorrentePicco_Change("0");
    EXPECT_EQ(Shown().supplyPeak, "0");
    EXPECT_EQ(Shown().supplyProblem,
              "Corrente di picco non valida: serve un numero da 0.01 a 1000 A, o niente se non si "
              "conosce");
    EXPECT_EQ(Content().supply->peak, 14);
    model.Modello_CorrentePicco_Change("");
    EXPECT_EQ(Shown().supplyProblem, "");
    EXPECT_EQ(Content().supply->peak, std::nullopt);

    // Cleared whole, the model has no supply; each edit is a step of the history.
    model.Modello_CorrenteContinua_Change("");
    model.Modello_NomeAlimentazione_Change("");
    EXPECT_EQ(Content().supply, std::nullopt);
    EXPECT_EQ(Shown().totals.supply.verdict, "Alimentazione da indicare nella pagina Modello");
    EXPECT_EQ(Shown().undoName, "Annulla Alimentazione");
    model.Modello_Annulla_Click();
    EXPECT_EQ(Content().supply, (SupplyRecord{"BEC 5 A", std::nullopt, std::nullopt}));
    model.Modello_Annulla_Click();
    model.Modello_Annulla_Click();
    EXPECT_EQ(Content().supply->continuous, 4.4);
    EXPECT_EQ(Content().supply->peak, 14);
}

TEST_F(ModelWindowTest, AServoWithoutItsCurrentsMakesTheSupplysBudgetALowerBound) {
    OpenExample();
    model.Modello_CorrenteContinua_Change("100");
    model.Modello_CorrentePicco_Change("100");
    EXPECT_EQ(Shown().totals.supply.tone, Tone::Good);
    Select({5});
    model.Modello_CorrenteStalloServo_Change(" ");
    EXPECT_EQ(MotionOf(Shown().rows[5]),
              (std::vector<std::string>{"0.14", "0.12", "manca la corrente di stallo",
                                        "manca la corrente di stallo"}));
    EXPECT_EQ(Shown().totals.supply.verdict,
              "Alimentazione al Limite (BEC 5 A): riserva al più 25.57; 1 servo senza dati di "
              "corrente");
    EXPECT_EQ(Shown().totals.supply.tone, Tone::Warning) << "never green";
    EXPECT_EQ(Shown().totals.supply.currents,
              "Tutte le superfici in moto, ciascuna alla sua deflessione: almeno 3.91 A su "
              "100 A continui; tutti i servi allo spunto: almeno 11.80 A su 100 A di picco");
    // Without its speed, where it would stop is still said; no time is made up.
    model.Modello_CoppiaServo_Change("0.5");
    model.Modello_Tempo60Servo_Change("");
    EXPECT_EQ(
        MotionOf(Shown().rows[5]),
        (std::vector<std::string>{"si ferma a 15.2°", "manca la velocità",
                                  "manca la corrente di stallo", "manca la corrente di stallo"}));
    EXPECT_EQ(Shown().rows[5].motionTone, Tone::Bad);
}

TEST_F(ModelWindowTest, AFigureThatCannotBeKeptIsSaidAndTheServoKeepsItsOwn) {
    OpenExample();
    Select({0});
    model.Modello_Tempo60Servo_Change("110");
    EXPECT_EQ(Shown().details.figures[1], "110");
    EXPECT_EQ(Shown().details.problem,
              "Tempo per 60° a vuoto non valido: serve un numero da 0.01 a 10 s, o niente se non "
              "si conosce");
    EXPECT_EQ(Content().surfaces[0].servo.figures.time60, 0.11);
    EXPECT_FALSE(Shown().canUndo);
    model.Modello_Tempo60Servo_Change("0,2");
    EXPECT_EQ(Shown().details.problem, "");
    EXPECT_EQ(Content().surfaces[0].servo.figures.time60, 0.2);
    EXPECT_EQ(Shown().undoName, "Annulla Servo");
    EXPECT_EQ(Cell(Shown().rows[0], ModelColumn::TempoVuoto), "0.10");
    // Another surface shows its own servo's figures, not what was typed for this one.
    model.Modello_TensioneServo_Change("x");
    Select({4});
    EXPECT_EQ(Shown().details.figures[0], "6");
    EXPECT_EQ(Shown().details.problem, "");
}

// What the window keeps goes to the file and comes back from it as it was.
TEST_F(ModelWindowTest, TheServosFiguresAndTheSupplyGoToTheFileAndBack) {
    OpenExample();
    Select({2});
    model.Modello_TensioneServo_Change("7.4");
    model.Modello_CorrenteVuotoServo_Change("");
    model.Modello_NomeAlimentazione_Change("LiFe 2S 1100 mAh");
    model.Modello_CorrenteContinua_Change("12");
    const fs::path folder = FreshFolder();
    dialogs.fileToSave = Utf8(folder / "figure.coppia");
    model.Modello_SalvaConNome_Click();
    const Model saved = Content();
    const ModelTotals totals = Shown().totals;
    const std::vector<ModelTableRow> rows = Shown().rows;

    model.Modello_Nuovo_Click();
    ASSERT_TRUE(model.Modello_ApriFile(*dialogs.fileToSave));
    EXPECT_EQ(Content(), saved);
    EXPECT_EQ(Content().surfaces[2].servo.figures, (ServoFigures{7.4, 0.11, std::nullopt, 2.5}));
    EXPECT_EQ(Content().supply, (SupplyRecord{"LiFe 2S 1100 mAh", 12, 7.5}));
    EXPECT_EQ(Shown().totals.supply.verdict, totals.supply.verdict);
    EXPECT_EQ(Shown().totals.supply.currents, totals.supply.currents);
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(Shown().rows[i].cells, rows[i].cells);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace coppia
