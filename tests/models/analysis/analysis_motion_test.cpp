// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/models/analysis/analysis_fixture.h"

namespace coppia {
namespace {

// A mini servo's data sheet at 6 V, typed as a builder types it.
void TypeSheet(AnalysisWindow& analysis, const char* voltage, const char* time60,
               const char* noLoad, const char* stall) {
    analysis.Analisi_Tensione_Change(voltage);
    analysis.Analisi_Tempo60_Change(time60);
    analysis.Analisi_CorrenteVuoto_Change(noLoad);
    analysis.Analisi_CorrenteStallo_Change(stall);
}

TEST_F(AnalysisWindowTest, TheDataSheetGivesTheTimeAndTheCurrentsUnderTheVerdict) {
    analysis.Analisi_CoppiaServo_Change("1");
    TypeSheet(analysis, "6", "0,11", "0.2", "2.5");
    EXPECT_EQ(Shown().verdict, "Servo al Limite");
    // 30.9° of the servo arm at 0.11 s for 60°, slowed by a load that grows to half its stall.
    EXPECT_EQ(Shown().motion, "Tempo per 20°: 0.08 s sotto carico (0.06 s a vuoto)");
    EXPECT_EQ(Shown().motionTone, Tone::Neutral);
    EXPECT_EQ(Shown().current, "Corrente in tenuta a 20°: 1.39 A; allo spunto: 2.50 A");
    EXPECT_EQ(Shown().figuresProblem, "");
    EXPECT_EQ(*settings.bytes,
              "CoppiaServo=1\nUnitaCoppia=Kg*cm\nFattoreSicurezza=2\nEscursione=45\n"
              "AltreVelocita=0.8 1.2 1.5\nSpessoreProfilo=12\nFessuraProfilo=sigillata\n"
              "TensioneServo=6\nTempo60Servo=0.11\nCorrenteVuotoServo=0.2\n"
              "CorrenteStalloServo=2.5\nGiudicaCon=calcolo\n");

    // Kept: the next run types nothing and sees the same.
    AnalysisWindow reopened(window.State(), window.Loan(), settings, clipboard);
    reopened.Analisi_Form_Load();
    EXPECT_EQ(reopened.FigureText(1), "0.11");
    EXPECT_EQ(reopened.Display().motion, Shown().motion);

    // On the clipboard and so on paper, with the data sheet, after what the servo holds.
    const std::string copied = analysis.CopyText();
    EXPECT_NE(copied.find("\nTempo per 20°: 0.08 s sotto carico (0.06 s a vuoto)\n"
                          "Corrente in tenuta a 20°: 1.39 A; allo spunto: 2.50 A\n"
                          "Dati del servo a 6 V: 60° in 0.11 s a vuoto, 0.2 A a vuoto, 2.5 A in "
                          "stallo\n"),
              std::string::npos)
        << copied;
    // The sweep's row of the deflection says the same, one servo's, in the CSV too.
    const std::vector<std::string>& row = Shown().sweepRows[20].cells;
    EXPECT_EQ(std::vector<std::string>(
                  row.begin() + static_cast<std::ptrdiff_t>(Shown().motionColumn), row.end()),
              (std::vector<std::string>{"0.08", "0.06", "1.39", "2.50"}));
    EXPECT_NE(analysis.CsvText(CsvFormat::Italian).find("\r\n20;20,8;"), std::string::npos);
}

// Where the load reaches the stall torque the servo stops, and says where, as far as "Deflessione
// massima" says the servo holds: the same tenth, rounded toward neutral, on either side.
struct StopRow {
    const char* rating;
    const char* angle;
    const char* stop;       // the figure both give
    const char* sweepStop;  // the sweep's, whose deflections are upward
};

class AnalysisStopTest : public AnalysisWindowTest, public testing::WithParamInterface<StopRow> {};

TEST_P(AnalysisStopTest, AServoThatStallsShortSaysWhereAsFarAsItHolds) {
    window.UserClick(Control::UP);
    Enter(Control::Ang, GetParam().angle);
    analysis.Analisi_CoppiaServo_Change(GetParam().rating);
    TypeSheet(analysis, "", "", "", "");
    EXPECT_EQ(Shown().motion,
              "Si ferma a " + std::string(GetParam().stop) + "°: la coppia di stallo non basta")
        << "where it stops needs no speed";
    EXPECT_EQ(Shown().motionTone, Tone::Bad);
    ASSERT_FALSE(Shown().limits.empty());
    EXPECT_TRUE(Shown().limits[0].value.starts_with(std::string(GetParam().stop) + "° ("))
        << Shown().limits[0].value;
    EXPECT_EQ(Shown().verdict, "Servo Insufficiente!!");
    // Past the stop, each degree of the sweep within the throw says where it stops.
    EXPECT_EQ(Shown().sweepRows[25].cells[Shown().motionColumn],
              "si ferma a " + std::string(GetParam().sweepStop) + "°");
}

INSTANTIATE_TEST_SUITE_P(Stops, AnalysisStopTest,
                         testing::Values(StopRow{"0.5", "20", "19.1", "19.1"},
                                         StopRow{"0.45", "20", "17.0", "17.0"},
                                         // Downward the lift's part of the load differs.
                                         StopRow{"0.5", "-25", "-23.2", "19.1"}));

// What is not given is not made up: each figure says which datum it lacks.
struct MissingRow {
    const char* time60;
    const char* noLoad;
    const char* stall;
    const char* motion;
    const char* current;
};

class AnalysisMissingTest : public AnalysisWindowTest,
                            public testing::WithParamInterface<MissingRow> {};

TEST_P(AnalysisMissingTest, EachFigureSaysWhichDatumItLacks) {
    analysis.Analisi_CoppiaServo_Change("1");
    TypeSheet(analysis, "", GetParam().time60, GetParam().noLoad, GetParam().stall);
    EXPECT_EQ(Shown().motion, GetParam().motion);
    EXPECT_EQ(Shown().current, GetParam().current);
}

INSTANTIATE_TEST_SUITE_P(
    Data, AnalysisMissingTest,
    testing::Values(
        MissingRow{"", "", "", "Tempo per 20°: manca la velocità del servo",
                   "Corrente in tenuta e allo spunto: mancano la corrente a vuoto e quella di "
                   "stallo del servo"},
        MissingRow{"0.11", "", "2.5", "Tempo per 20°: 0.08 s sotto carico (0.06 s a vuoto)",
                   "Corrente in tenuta a 20°: manca la corrente a vuoto del servo; allo spunto: "
                   "2.50 A"},
        MissingRow{"", "0.2", "", "Tempo per 20°: manca la velocità del servo",
                   "Corrente in tenuta e allo spunto: manca la corrente di stallo del servo"},
        MissingRow{" ", "0.2", "2.5", "Tempo per 20°: manca la velocità del servo",
                   "Corrente in tenuta a 20°: 1.39 A; allo spunto: 2.50 A"}));

TEST_F(AnalysisWindowTest, AFigureThatCannotBeUsedIsSaidNeitherUsedNorSaved) {
    TypeSheet(analysis, "6", "0.11", "0.2", "2.5");
    const std::string saved = *settings.bytes;
    const int writes = settings.writes;
    // Milliseconds, typed for seconds: refused, and not the last figure either.
    analysis.Analisi_Tempo60_Change("110");
    EXPECT_EQ(analysis.FigureText(1), "110");
    EXPECT_EQ(Shown().figuresProblem,
              "Tempo per 60° a vuoto non valido: serve un numero da 0.01 a 10 s, o niente se non "
              "si conosce");
    EXPECT_EQ(Shown().motion, "Tempo per 20°: manca la velocità del servo");
    EXPECT_EQ(Shown().sweepRows[20].cells[Shown().motionColumn + 1], "manca la velocità");
    EXPECT_EQ(*settings.bytes, saved);
    EXPECT_EQ(settings.writes, writes);
    analysis.Analisi_CorrenteStallo_Change("2500");
    EXPECT_EQ(Shown().figuresProblem,
              "Tempo per 60° a vuoto non valido: serve un numero da 0.01 a 10 s, o niente se non "
              "si conosce")
        << "the first figure at fault";
    analysis.Analisi_Tempo60_Change("");
    EXPECT_EQ(Shown().figuresProblem,
              "Corrente di stallo non valida: serve un numero da 0.001 a 50 A, o niente se non si "
              "conosce");
    EXPECT_NE(settings.bytes->find("\nTempo60Servo=\n"), std::string::npos) << "blank: not given";
    EXPECT_NE(settings.bytes->find("\nCorrenteStalloServo=2.5\n"), std::string::npos);
}

TEST_F(AnalysisWindowTest, NoTimeBesideARefusalOrAnInputThatMakesNoSense) {
    TypeSheet(analysis, "6", "0.11", "0.2", "2.5");
    Enter(Control::Vel, "0");
    EXPECT_EQ(Shown().motion, "");
    EXPECT_EQ(Shown().current, "");
    Enter(Control::Vel, "60");
    Enter(Control::LungAlett, "-500");
    EXPECT_EQ(Shown().motion, "");
    Enter(Control::LungAlett, "500");
    analysis.Analisi_Escursione_Change("20");
    EXPECT_EQ(Shown().motion, "Tempo per 20°: il servo dovrebbe ruotare oltre la sua escursione");
    EXPECT_EQ(Shown().motionTone, Tone::Bad);
    EXPECT_EQ(Shown().sweepRows[10].cells[Shown().motionColumn], "0.03") << "within the throw";
    EXPECT_EQ(Shown().sweepRows[20].cells[Shown().motionColumn], "oltre l'escursione");
}

}  // namespace
}  // namespace coppia
