// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/models/memory_analysis_settings.h"
#include "tests/models/window_fixture.h"

namespace coppia {
namespace {

// The main window loaded with its initial texts, and the analysis following it.
class AnalysisWindowTest : public WindowFixture {
  protected:
    AnalysisWindowTest() : analysis(window.State(), settings, clipboard) {
        window.AddObserver([this](Control) { analysis.Main_Change(); });
        Load();
        analysis.Analisi_Form_Load();
    }

    const AnalysisDisplay& Shown() const { return analysis.Display(); }
    std::vector<std::string> StepValues() const {
        std::vector<std::string> values;
        for (const AnalysisStep& step : Shown().steps) values.push_back(step.value);
        return values;
    }

    MemoryAnalysisSettings settings;
    StringClipboard clipboard;
    AnalysisWindow analysis;
};

TEST_F(AnalysisWindowTest, ShowsTheTorqueInEveryUnitAndEachStepOfTheInitialInputs) {
    EXPECT_EQ(Shown().refusal, "");
    EXPECT_EQ(Shown().torqueKgfCm, "0.52");
    EXPECT_EQ(Shown().torqueNewtonCm, "5.09");
    EXPECT_EQ(Shown().torqueNewtonM, "0.0509");
    EXPECT_EQ(Shown().torqueOzfIn, "7.21");
    EXPECT_EQ(StepValues(), (std::vector<std::string>{"0.200", "16.67", "0.288", "7.04", "22.03",
                                                      "6.932E-10", "7.64", "0.667", "0.52"}));
    EXPECT_EQ(Shown().steps[1].name, "Velocità");
    EXPECT_EQ(Shown().steps[1].unit, "m/s");
    EXPECT_EQ(Shown().steps[6].unit, "N·cm");
    EXPECT_EQ(Shown().stallTone, Tone::Good);
    EXPECT_EQ(Shown().rotation, "30.9°");
    EXPECT_EQ(Shown().linkage, "Entro l'escursione del servo (45° per lato)");
    EXPECT_EQ(Shown().margin, "5.78");
    EXPECT_EQ(Shown().minimumRating, "1.04 Kg*cm");
    EXPECT_EQ(Shown().verdict, "Servo Sufficiente");
    EXPECT_EQ(Shown().verdictTone, Tone::Good);
}

TEST_F(AnalysisWindowTest, FollowsTheFieldsLiveAndSaysWhetherTheMainResultsAreCurrent) {
    EXPECT_EQ(Shown().freshnessTone, Tone::Warning);
    EXPECT_EQ(Shown().freshness,
              "Risultati della finestra principale da ricalcolare (CALCOLA): qui i valori "
              "seguono già i campi");
    window.UserClick(Control::Calc);
    EXPECT_EQ(Shown().freshness, "Risultati della finestra principale aggiornati");
    EXPECT_EQ(Shown().freshnessTone, Tone::Good);
    Retype(Control::Vel, "20");
    EXPECT_EQ(Shown().freshnessTone, Tone::Warning);
    EXPECT_EQ(Shown().torqueKgfCm, "0.10");  // what CALCOLA would show as 00.10
    EXPECT_EQ(Shown().stallTone, Tone::Bad);
    EXPECT_EQ(Shown().stall, "Cp oltre 1.2: possibile condizione di stallo!!");
}

struct RefusalRow {
    Control field;
    const char* text;
    const char* refusal;
    bool linkageKnown;
};

class AnalysisRefusalTest : public AnalysisWindowTest,
                            public testing::WithParamInterface<RefusalRow> {};

TEST_P(AnalysisRefusalTest, ShowsTheReasonInWordsInPlaceOfTheNumbers) {
    const RefusalRow& row = GetParam();
    Enter(row.field, row.text);
    EXPECT_EQ(Shown().refusal, std::string("Calcolo impossibile: ") + row.refusal);
    EXPECT_EQ(Shown().torqueKgfCm, "");
    EXPECT_EQ(Shown().torqueOzfIn, "");
    EXPECT_EQ(StepValues(), std::vector<std::string>(kAnalysisStepCount));
    EXPECT_EQ(Shown().verdict, "");
    EXPECT_EQ(Shown().margin, "");
    EXPECT_EQ(!Shown().rotation.empty(), row.linkageKnown);
    EXPECT_TRUE(messages.shown.empty()) << "no message box, in either window";
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, AnalysisRefusalTest,
    testing::Values(
        RefusalRow{Control::CordaAlett, "250", "Corda Alett./Corda Alare Fuori Gamma!!", true},
        RefusalRow{Control::Vel, "0", "Velocità Nulla!!", true},
        RefusalRow{Control::Vel, "1e400", "Numero Fuori Limite!!", true},
        RefusalRow{Control::BrAlett, "0", "Braccio Alettone Nullo!!", true},
        RefusalRow{Control::CordaAla, "", "Corda Alett./Corda Alare Fuori Gamma!!", true},
        // A travel beyond twice the chord has no angle: the angle shown is an older one.
        RefusalRow{Control::Corsa, "130", "Corsa Fuori Limite!!", false}));

struct ServoCheckRow {
    const char* rating;
    RatingUnit unit;
    const char* factor;
    const char* margin;
    const char* minimumRating;
    const char* verdict;
    Tone tone;
};

class AnalysisServoCheckTest : public AnalysisWindowTest,
                               public testing::WithParamInterface<ServoCheckRow> {};

TEST_P(AnalysisServoCheckTest, JudgesTheRatedTorqueInItsUnitAgainstTheNeededOne) {
    const ServoCheckRow& row = GetParam();
    analysis.Analisi_UnitaCoppia_Change(row.unit);
    analysis.Analisi_CoppiaServo_Change(row.rating);
    analysis.Analisi_FattoreSicurezza_Change(row.factor);
    EXPECT_EQ(Shown().margin, row.margin);
    EXPECT_EQ(Shown().minimumRating, row.minimumRating);
    EXPECT_EQ(Shown().verdict, row.verdict);
    EXPECT_EQ(Shown().verdictTone, row.tone);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, AnalysisServoCheckTest,
    testing::Values(ServoCheckRow{"1.04", RatingUnit::KgfCm, "2", "2.00", "1.04 Kg*cm",
                                  "Servo Sufficiente", Tone::Good},
                    ServoCheckRow{"0.8", RatingUnit::KgfCm, "2", "1.54", "1.04 Kg*cm",
                                  "Servo al Limite", Tone::Warning},
                    ServoCheckRow{"0.5", RatingUnit::KgfCm, "2", "0.96", "1.04 Kg*cm",
                                  "Servo Insufficiente!!", Tone::Bad},
                    ServoCheckRow{"5", RatingUnit::NewtonCm, "2", "0.98", "10.18 N·cm",
                                  "Servo Insufficiente!!", Tone::Bad},
                    ServoCheckRow{"15", RatingUnit::NewtonCm, "3", "2.95", "15.27 N·cm",
                                  "Servo al Limite", Tone::Warning}));

TEST_F(AnalysisWindowTest, TheLinkageWarnsBeyondTheThrowAndWhenTheArmsCannotReach) {
    analysis.Analisi_Escursione_Change("30");
    EXPECT_EQ(Shown().rotation, "30.9°");
    EXPECT_EQ(Shown().linkage, "Oltre l'escursione del servo (30° per lato)!!");
    EXPECT_EQ(Shown().linkageTone, Tone::Bad);
    Enter(Control::BrServ, "5");  // 18 · sin 20° / 5 = 1.23
    EXPECT_EQ(Shown().rotation, "");
    EXPECT_EQ(Shown().linkage,
              "Con questi bracci la deflessione non si raggiunge: il braccio del servo è troppo "
              "corto!!");
}

TEST_F(AnalysisWindowTest, AnUnusableInputSaysWhyAndIsNeitherUsedNorSaved) {
    analysis.Analisi_CoppiaServo_Change("0");
    EXPECT_EQ(Shown().settingsProblem, "Coppia del servo non valida: serve un numero oltre 0");
    EXPECT_EQ(Shown().verdict, "");
    analysis.Analisi_CoppiaServo_Change("3");
    analysis.Analisi_FattoreSicurezza_Change("0,5");
    EXPECT_EQ(Shown().settingsProblem,
              "Fattore di sicurezza non valido: serve un numero da 1 in su");
    analysis.Analisi_FattoreSicurezza_Change("2");
    analysis.Analisi_Escursione_Change("200");
    EXPECT_EQ(Shown().linkage,
              "Escursione del servo non valida: serve un numero oltre 0 e fino a 180");
    EXPECT_EQ(Shown().rotation, "30.9°");
    EXPECT_EQ(settings.writes, 0);
    EXPECT_EQ(analysis.Text(AnalysisField::Escursione), "200");
}

TEST_F(AnalysisWindowTest, RemembersTheServoCheckAndTheThrowWhenTheyChange) {
    analysis.Analisi_CoppiaServo_Change("4.5");
    analysis.Analisi_CoppiaServo_Change("4.50");  // the same value: nothing to save
    analysis.Analisi_UnitaCoppia_Change(RatingUnit::NewtonCm);
    analysis.Analisi_FattoreSicurezza_Change("1.5");
    analysis.Analisi_Escursione_Change("60");
    EXPECT_EQ(settings.writes, 4);
    EXPECT_EQ(*settings.bytes,
              "CoppiaServo=4.5\nUnitaCoppia=N*cm\nFattoreSicurezza=1.5\nEscursione=60\n"
              "AltreVelocita=0.8 1.2 1.5\n");

    AnalysisWindow reopened(window.State(), settings, clipboard);
    reopened.Analisi_Form_Load();
    EXPECT_EQ(reopened.Text(AnalysisField::CoppiaServo), "4.5");
    EXPECT_EQ(reopened.Text(AnalysisField::FattoreSicurezza), "1.5");
    EXPECT_EQ(reopened.Text(AnalysisField::Escursione), "60");
    EXPECT_EQ(reopened.Unit(), RatingUnit::NewtonCm);
    EXPECT_EQ(reopened.Display().minimumRating, "7.64 N·cm");
    EXPECT_EQ(lastInputs.writes, 0) << "the last-inputs file is not the analysis' to write";
}

TEST_F(AnalysisWindowTest, AFailedSaveSaysWhereAndWhy) {
    settings.failure = "disco pieno";
    analysis.Analisi_FattoreSicurezza_Change("3");
    EXPECT_EQ(Shown().settingsProblem,
              "Impostazioni non salvate in /home/pilota/.config/coppia-analisi.ini: disco pieno!!");
    EXPECT_EQ(Shown().minimumRating, "1.56 Kg*cm");
    settings.failure.reset();
    analysis.Analisi_FattoreSicurezza_Change("2.5");
    EXPECT_EQ(Shown().settingsProblem, "");
}

TEST_F(AnalysisWindowTest, SettingsThatCannotBeReadAreToldAndNeverWrittenOver) {
    settings.readProblem = "permesso negato";
    AnalysisWindow reopened(window.State(), settings, clipboard);
    reopened.Analisi_Form_Load();
    const std::string told =
        "Impostazioni non lette da /home/pilota/.config/coppia-analisi.ini: permesso negato!! In "
        "uso quelle predefinite; il file resta com'è";
    EXPECT_EQ(reopened.Display().settingsProblem, told);
    reopened.Analisi_FattoreSicurezza_Change("3");
    reopened.Analisi_UnitaCoppia_Change(RatingUnit::NewtonCm);
    EXPECT_EQ(reopened.Display().minimumRating, "15.27 N·cm") << "the edits are used";
    EXPECT_EQ(reopened.Display().settingsProblem, told);
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(AnalysisWindowTest, CopiesASummaryOfTheInputsTorqueLinkageAndVerdict) {
    analysis.Analisi_Copia_Click();
    EXPECT_EQ(clipboard.text,
              "Analisi della Coppia\n"
              "Corda ala 300 mm, corda alettone 60 mm, lunghezza alettone 500 mm\n"
              "Braccio squadretta 18 mm, braccio servo 12 mm, deflessione 20°\n"
              "Velocità 60 Km/h, carico alare 50 g/dm2\n"
              "Coppia al servo: 0.52 Kg*cm = 5.09 N·cm = 0.0509 N·m = 7.21 oz·in\n"
              "Rinvio: 30.9° di rotazione del servo. Entro l'escursione del servo (45° per lato)\n"
              "Servo da 3 Kg*cm, fattore di sicurezza 2: margine 5.78, minimo 1.04 Kg*cm, Servo "
              "Sufficiente\n");
}

TEST_F(AnalysisWindowTest, UsingTheAnalysisLeavesTheMainWindowAsItWas) {
    const MainWindowState before = State();
    analysis.Analisi_CoppiaServo_Change("1");
    analysis.Analisi_UnitaCoppia_Change(RatingUnit::NewtonCm);
    analysis.Analisi_FattoreSicurezza_Change("3");
    analysis.Analisi_Escursione_Change("20");
    analysis.Analisi_Copia_Click();
    for (const ControlEntry& entry : kControls) {
        EXPECT_EQ(State().Enabled(entry.id), before.Enabled(entry.id)) << entry.name;
        EXPECT_EQ(State().Visible(entry.id), before.Visible(entry.id)) << entry.name;
        if (IsTextBox(entry.id)) {
            EXPECT_EQ(Text(entry.id), before.Text(entry.id)) << entry.name;
        }
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lastInputs.writes, 0);
}

std::vector<std::string> Column(const std::vector<SweepTableRow>& rows, std::size_t column) {
    std::vector<std::string> cells;
    for (const SweepTableRow& row : rows) cells.push_back(row.cells.at(column));
    return cells;
}

TEST_F(AnalysisWindowTest, SweepsEveryDegreeAtTheModelsSpeedAndTheOthers) {
    EXPECT_EQ(
        Shown().sweepHeadings,
        (std::vector<std::string>{"Angolo (°)", "Corsa (mm)", "Coppia a 48 Km/h (Kg*cm)",
                                  "Coppia a 60 Km/h, modello (Kg*cm)", "Coppia a 72 Km/h (Kg*cm)",
                                  "Coppia a 90 Km/h, picchiata (Kg*cm)"}));
    const std::vector<SweepTableRow>& rows = Shown().sweepRows;
    ASSERT_EQ(rows.size(), 61u);
    // The torque at the model's speed is written as Coppia writes it: 00.52 at 20°.
    EXPECT_EQ(rows[20].cells,
              (std::vector<std::string>{"20", "20.8", "00.35", "00.52", "00.73", "01.11"}));
    window.UserClick(Control::Calc);
    EXPECT_EQ(rows[20].cells[3], Text(Control::Coppia));
    EXPECT_TRUE(rows[20].current);
    EXPECT_TRUE(rows[60].peak);
    for (int angle = 0; angle < 60; ++angle) {
        EXPECT_FALSE(rows[static_cast<std::size_t>(angle)].peak) << angle;
        EXPECT_EQ(rows[static_cast<std::size_t>(angle)].current, angle == 20) << angle;
    }

    const PlotData& plot = Shown().plot;
    ASSERT_EQ(plot.curves.size(), 4u);
    EXPECT_EQ(plot.curves[1].name, "60 Km/h, modello");
    EXPECT_TRUE(plot.curves[1].modelSpeed);
    EXPECT_EQ(plot.curves[3].name, "90 Km/h, picchiata");
    EXPECT_EQ(plot.curves[1].points.size(), 61u);
    EXPECT_EQ(plot.curves[1].peak->first, 60);
    EXPECT_EQ(plot.curves[1].peakLabel, "01.46");
    EXPECT_EQ(plot.deflection, 20);
    EXPECT_EQ(plot.rating, 3);
    EXPECT_EQ(plot.ratingName, "Servo: 3.00 Kg*cm");
}

TEST_F(AnalysisWindowTest, TheCsvOfTheInitialInputsIsExactlyTheTable) {
    std::ifstream expected(COPPIA_SOURCE_DIR "/tests/models/initial_sweep.csv", std::ios::binary);
    ASSERT_TRUE(expected.good());
    EXPECT_EQ(analysis.CsvText(), std::string(std::istreambuf_iterator<char>(expected), {}));
}

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
    EXPECT_EQ(Shown().sweepHeadings.size(), 4u);
    EXPECT_EQ(Shown().sweepHeadings[3], "Coppia a 66 Km/h, picchiata (Kg*cm)");
    EXPECT_EQ(*settings.bytes,
              "CoppiaServo=3\nUnitaCoppia=Kg*cm\nFattoreSicurezza=2\nEscursione=45\n"
              "AltreVelocita=1.1\n");
    analysis.Analisi_AltreVelocita_Change("0.5 x");
    EXPECT_EQ(Shown().speedsProblem,
              "Altre velocità non valide: da 1 a 4 numeri separati da "
              "spazi, ciascuno oltre 0 e fino a 10");
    EXPECT_EQ(Shown().sweepHeadings.size(), 4u) << "the last valid speeds stay in use";
    EXPECT_EQ(settings.writes, 1);
}

}  // namespace
}  // namespace coppia
