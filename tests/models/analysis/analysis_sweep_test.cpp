// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "models/analysis/analysis_sweep.h"
#include "tests/models/analysis/analysis_fixture.h"

namespace coppia {
namespace {

TEST_F(AnalysisWindowTest, SweepsEveryDegreeAtTheModelsSpeedAndTheOthers) {
    EXPECT_EQ(Shown().sweepHeadings,
              (std::vector<std::string>{
                  "Angolo (°)", "Corsa (mm)", "Coppia a 48 Km/h (Kg*cm)",
                  "Coppia a 60 Km/h, modello (Kg*cm)", "Coppia a 72 Km/h (Kg*cm)",
                  "Coppia a 90 Km/h, picchiata (Kg*cm)", "Seconda stima profilo reale (Kg*cm)",
                  "Seconda stima profilo sottile (Kg*cm)", "Margine seconda stima", "Nota",
                  "Tempo sotto carico (s)", "Tempo a vuoto (s)", "Corrente in tenuta (A)",
                  "Corrente di spunto (A)"}));
    EXPECT_EQ(Shown().motionColumn, 10u);
    const std::vector<SweepTableRow>& rows = Shown().sweepRows;
    ASSERT_EQ(rows.size(), 61u);
    // Plain figures: the main window's Coppia shows the same torque as 00.52. The second
    // estimate at the model's speed, worked by hand: E = 0.2, C_L = 0.288; sealed, 12 %: real
    // 0.520 Kg*cm, thin 0.718, and 3 / 0.520 = 5.76 of margin. The servo's data sheet not given:
    // nothing made up, each of its cells says what is missing.
    EXPECT_EQ(rows[20].cells, (std::vector<std::string>{
                                  "20", "20.8", "0.35", "0.52", "0.73", "1.11", "0.52", "0.72",
                                  "5.76", "attuale", "manca la velocità", "manca la velocità",
                                  "manca la corrente a vuoto", "manca la corrente di stallo"}));
    // At 0° only the lift's term is left: C_h_alpha,real 0.585 x -0.4994 at 2.81° of incidence
    // gives -0.01434, times q c_f^2 b_f = 0.3062 N*m, 0.667 of arm ratio: 0.0299 Kg*cm.
    EXPECT_EQ(rows[0].cells[6], "0.03");
    EXPECT_EQ(rows[0].cells[8], "100.44");
    window.UserClick(Control::Calc);
    EXPECT_EQ(Text(Control::Coppia), "00.52");

    const PlotData& plot = Shown().plot;
    ASSERT_EQ(plot.curves.size(), 4u);
    EXPECT_EQ(plot.curves[1].name, "60 Km/h, modello");
    EXPECT_TRUE(plot.curves[1].modelSpeed);
    EXPECT_EQ(plot.curves[3].name, "90 Km/h, picchiata");
    EXPECT_EQ(plot.curves[1].points.size(), 61u);
    EXPECT_EQ(plot.curves[1].mark->first, 60);
    EXPECT_EQ(plot.curves[1].markLabel, "1.46");
    EXPECT_EQ(plot.deflection, 20);
    // The estimate at the model's speed as a band from the real section up to the thin airfoil.
    ASSERT_TRUE(plot.band.has_value());
    EXPECT_EQ(plot.band->name, "Seconda stima a 60 Km/h, dal profilo reale al sottile");
    ASSERT_EQ(plot.band->low.size(), 61u);
    EXPECT_NEAR(plot.band->low[20].second, 0.520408, 1e-6);
    EXPECT_NEAR(plot.band->high[20].second, 0.718335, 1e-6);
    EXPECT_GE(plot.scale.high, plot.band->high[60].second) << "the scale holds the band";
    ASSERT_EQ(plot.ratings.size(), 1u);
    EXPECT_EQ(plot.ratings[0].value, 3);
    EXPECT_EQ(plot.ratings[0].name, "Servo: 3.00 Kg*cm");
    // Round ticks: 0 to 4 by 1, a minor line every 0.2, room above the 3 Kg*cm servo.
    EXPECT_EQ(plot.scale.low, 0);
    EXPECT_EQ(plot.scale.high, 4);
    EXPECT_EQ(plot.scale.step, 1);
    EXPECT_EQ(plot.scale.minorTicks, 4);
    EXPECT_EQ(plot.scale.decimals, 0);
}

struct ScaleRow {
    double low, high;
    double step, scaleLow, scaleHigh;
    int minorTicks, decimals;
};

class RoundScaleTest : public testing::TestWithParam<ScaleRow> {};

TEST_P(RoundScaleTest, TicksAtOneTwoOrFiveTimesAPowerOfTen) {
    const ScaleRow& row = GetParam();
    const PlotScale scale = RoundScale(row.low, row.high);
    EXPECT_DOUBLE_EQ(scale.step, row.step);
    EXPECT_DOUBLE_EQ(scale.low, row.scaleLow);
    EXPECT_DOUBLE_EQ(scale.high, row.scaleHigh);
    EXPECT_EQ(scale.minorTicks, row.minorTicks);
    EXPECT_EQ(scale.decimals, row.decimals);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, RoundScaleTest,
    testing::Values(ScaleRow{0, 3.6, 1, 0, 4, 4, 0}, ScaleRow{0, 2.4, 0.5, 0, 2.5, 4, 1},
                    ScaleRow{0, 7.2, 2, 0, 8, 3, 0}, ScaleRow{-0.5, 0.8, 0.5, -0.5, 1, 4, 1},
                    ScaleRow{-0.3, 0.8, 0.2, -0.4, 0.8, 3, 1}, ScaleRow{0, 130, 50, 0, 150, 4, 0}));

struct MarkRow {
    const char* name;
    std::vector<std::pair<Control, const char*>> edits;  // with the angle typed
    std::vector<std::pair<std::size_t, const char*>> marks;
    int slowestPeak;  // where the slowest speed's curve peaks
};

void PrintTo(const MarkRow& row, std::ostream* out) {
    *out << row.name;
}

class AnalysisMarkTest : public AnalysisWindowTest, public testing::WithParamInterface<MarkRow> {};

TEST_P(AnalysisMarkTest, MarksThePeakAtTheModelsSpeedAndTheCurrentDeflection) {
    window.UserClick(Control::UP);
    for (const auto& [field, text] : GetParam().edits) Enter(field, text);
    std::vector<std::string> expected(kSweepRows);
    for (const auto& [row, mark] : GetParam().marks) expected[row] = mark;
    EXPECT_EQ(Column(Shown().sweepRows, Shown().motionColumn - 1), expected);
    for (const auto& [row, mark] : GetParam().marks) {
        EXPECT_EQ(Shown().sweepRows[row].peak, std::string(mark).starts_with("picco")) << row;
    }
    EXPECT_EQ(Shown().plot.curves[0].mark->first, GetParam().slowestPeak);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AnalysisMarkTest,
    testing::Values(
        MarkRow{"Initial", {}, {{20, "attuale"}, {60, "picco"}}, 60},
        MarkRow{
            "DeflectionDownwards", {{Control::Ang, "-20"}}, {{20, "attuale"}, {60, "picco"}}, 60},
        MarkRow{"PeakAndCurrent", {{Control::Ang, "60"}}, {{60, "picco e attuale"}}, 60},
        // A lift that turns the surface the other way: at 48 Km/h the torque is largest at
        // neutral, at the model's 60 Km/h at the end of the throw.
        MarkRow{
            "SpeedsPeakApart", {{Control::CarAla, "-600"}}, {{20, "attuale"}, {60, "picco"}}, 0},
        MarkRow{
            "PeakAtNeutral", {{Control::CarAla, "-2000"}}, {{0, "picco"}, {20, "attuale"}}, 0}));

struct CsvRow {
    CsvFormat format;
    const char* file;
};

class AnalysisCsvTest : public AnalysisWindowTest, public testing::WithParamInterface<CsvRow> {};

TEST_P(AnalysisCsvTest, TheCsvOfTheInitialInputsIsExactlyTheTable) {
    std::ifstream expected(
        std::string(COPPIA_SOURCE_DIR "/tests/models/analysis/") + GetParam().file,
        std::ios::binary);
    ASSERT_TRUE(expected.good());
    EXPECT_EQ(analysis.CsvText(GetParam().format),
              std::string(std::istreambuf_iterator<char>(expected), {}));
}

INSTANTIATE_TEST_SUITE_P(Formats, AnalysisCsvTest,
                         testing::Values(CsvRow{CsvFormat::Italian, "initial_sweep_it.csv"},
                                         CsvRow{CsvFormat::International, "initial_sweep.csv"}));

TEST_F(AnalysisWindowTest, RefusedRowsSayWhyInEveryTorqueCell) {
    Enter(Control::Vel, "0");
    const std::vector<SweepTableRow>& rows = Shown().sweepRows;
    ASSERT_EQ(rows.size(), 61u);
    EXPECT_EQ(Column(rows, 3), std::vector<std::string>(61, "velocità nulla"));
    EXPECT_EQ(Column(rows, 5), std::vector<std::string>(61, "velocità nulla"));
    EXPECT_EQ(rows[7].cells[1], "7.3");
    for (const SweepTableRow& row : rows) EXPECT_FALSE(row.peak);
    EXPECT_TRUE(Shown().plot.curves[1].points.empty());

    Enter(Control::Vel, "60");
    Enter(Control::CordaAlett, "250");
    EXPECT_EQ(Column(Shown().sweepRows, 2),
              std::vector<std::string>(61, "rapporto corde fuori gamma"));
    Enter(Control::CordaAlett, "60");
    Enter(Control::LungAlett, "1e999");
    EXPECT_EQ(Column(Shown().sweepRows, 4), std::vector<std::string>(61, "numero fuori limite"));
}

TEST_F(AnalysisWindowTest, TheOtherSpeedsCanBeChosenAndAreRemembered) {
    analysis.Analisi_AltreVelocita_Change("1.1");
    EXPECT_EQ(Shown().sweepHeadings.size(), 12u);
    EXPECT_EQ(Shown().motionColumn, 8u);
    EXPECT_EQ(Shown().sweepHeadings[3], "Coppia a 66 Km/h, picchiata (Kg*cm)");
    EXPECT_EQ(*settings.bytes,
              "CoppiaServo=3\nUnitaCoppia=Kg*cm\nFattoreSicurezza=2\nEscursione=45\n"
              "AltreVelocita=1.1\n"
              "SpessoreProfilo=12\nFessuraProfilo=sigillata\nTensioneServo=\nTempo60Servo=\n"
              "CorrenteVuotoServo=\nCorrenteStalloServo=\nGiudicaCon=calcolo\n");
    analysis.Analisi_AltreVelocita_Change("0.5 x");
    EXPECT_EQ(Shown().speedsProblem,
              "Altre velocità non valide: da 1 a 4 numeri separati da spazi, ciascuno oltre 0 e "
              "fino a 10; intanto solo la velocità del modello");
    // The curves of the speeds typed before would pass for the ones asked for.
    EXPECT_EQ(Shown().sweepHeadings,
              (std::vector<std::string>{
                  "Angolo (°)", "Corsa (mm)", "Coppia a 60 Km/h, modello (Kg*cm)",
                  "Seconda stima profilo reale (Kg*cm)", "Seconda stima profilo sottile (Kg*cm)",
                  "Margine seconda stima", "Nota", "Tempo sotto carico (s)", "Tempo a vuoto (s)",
                  "Corrente in tenuta (A)", "Corrente di spunto (A)"}));
    EXPECT_EQ(Shown().plot.curves.size(), 1u);
    EXPECT_EQ(settings.writes, 1);
}

struct SpeedsRow {
    const char* text;
    std::vector<const char*> curves;  // "" where the text is refused
};

class AnalysisSpeedsTest : public AnalysisWindowTest,
                           public testing::WithParamInterface<SpeedsRow> {};

TEST_P(AnalysisSpeedsTest, TheOtherSpeedsAtTheirEdges) {
    analysis.Analisi_AltreVelocita_Change(GetParam().text);
    std::vector<std::string> names;
    for (const PlotCurve& curve : Shown().plot.curves) names.push_back(curve.name);
    EXPECT_EQ(names, std::vector<std::string>(GetParam().curves.begin(), GetParam().curves.end()));
}

INSTANTIATE_TEST_SUITE_P(
    Edges, AnalysisSpeedsTest,
    testing::Values(SpeedsRow{"0", {"60 Km/h, modello"}},  // refused: a speed of 0 has no torque
                    SpeedsRow{"1", {"60 Km/h, modello"}},  // the model's own, once
                    SpeedsRow{"1.2 1.2 0.8", {"48 Km/h", "60 Km/h, modello", "72 Km/h, picchiata"}},
                    SpeedsRow{"10", {"60 Km/h, modello", "600 Km/h, picchiata"}},
                    SpeedsRow{"1.22", {"60 Km/h, modello", "73.2 Km/h, picchiata"}},
                    // Pasted with the decimal comma: as if typed.
                    SpeedsRow{"0,8 1,5", {"48 Km/h", "60 Km/h, modello", "90 Km/h, picchiata"}},
                    SpeedsRow{"0.5 0.6 0.7 0.8 0.9", {"60 Km/h, modello"}}));  // five: refused

}  // namespace
}  // namespace coppia
