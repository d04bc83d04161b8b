// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis/analysis_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/models/analysis/analysis_fixture.h"

namespace coppia {
namespace {

TEST_F(AnalysisWindowTest, ShowsTheTorqueInEveryUnitAndEachStepOfTheInitialInputs) {
    EXPECT_EQ(Shown().refusal, "");
    EXPECT_EQ(Shown().torqueKgfCm, "0.52");
    EXPECT_EQ(Shown().torqueNewtonCm, "5.09");
    EXPECT_EQ(Shown().torqueNewtonM, "0.0509");
    EXPECT_EQ(Shown().torqueOzfIn, "7.21");
    EXPECT_EQ(StepValues(), (std::vector<std::string>{"0.200", "16.67", "0.288", "7.04", "22.03",
                                                      "6.932·10⁻¹⁰", "7.64", "0.667", "0.52"}));
    EXPECT_EQ(Shown().steps[1].name, "Velocità");
    EXPECT_EQ(Shown().steps[1].unit, "m/s");
    EXPECT_EQ(Shown().steps[6].unit, "N·cm");
    EXPECT_EQ(Shown().stallTone, Tone::Good);
    EXPECT_EQ(Shown().rotation, "30.9");
    EXPECT_EQ(Shown().linkage, "Entro l'escursione del servo (45° per lato)");
    EXPECT_EQ(Shown().margin, "5.77");  // 5.778, rounded down
    EXPECT_EQ(Shown().minimumRating, "1.04");
    EXPECT_EQ(Shown().ratingUnit, "Kg*cm");
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
    // The result box stays editable, and a figure typed there is not the calculation's.
    Retype(Control::Coppia, "9900.52");
    EXPECT_TRUE(State().ResultsCurrent());
    EXPECT_EQ(
        Shown().freshness,
        "Risultati della finestra principale modificati a mano: qui i valori seguono i campi");
    EXPECT_EQ(Shown().freshnessTone, Tone::Warning);
    Retype(Control::Coppia, "00.52");
    EXPECT_EQ(Shown().freshnessTone, Tone::Good);
    Retype(Control::Vel, "20");
    EXPECT_EQ(Shown().freshnessTone, Tone::Warning);
    EXPECT_EQ(Shown().torqueKgfCm, "0.10");  // what CALCOLA would show as 00.10
    EXPECT_EQ(Shown().stallTone, Tone::Bad);
    EXPECT_EQ(Shown().stall, "Cp oltre 1.2: possibile condizione di stallo!!");
}

const std::string kStale =
    "Risultati della finestra principale da ricalcolare (CALCOLA): qui i valori seguono già i "
    "campi";

// One paste tells its text while CALCOLA is still disabled; only the flags that follow say the
// results are stale, and a figure no longer CALCOLA's must not pass for one typed by hand.
TEST_F(AnalysisWindowTest, TurnsStaleWithTheFlagsThatFollowAnEdit) {
    window.UserClick(Control::Calc);
    ASSERT_EQ(Shown().freshness, "Risultati della finestra principale aggiornati");
    for (const Control field : {Control::Vel, Control::LungAlett, Control::Ang}) {
        if (field == Control::Ang)
            window.UserClick(Control::UP);
        Enter(field, "45");
        EXPECT_EQ(Shown().freshness, kStale) << EntryOf(field).name;
        EXPECT_EQ(Shown().freshnessTone, Tone::Warning);
        window.UserClick(Control::Calc);
        EXPECT_EQ(Shown().freshness, "Risultati della finestra principale aggiornati");
    }
}

// The analysis follows every flag of the main window, not only its texts.
TEST(AnalysisFreshnessTest, FollowsTheResultFlagsAlone) {
    MainWindowState main;
    ServoLoan loan;
    MemoryAnalysisSettings settings;
    StringClipboard clipboard;
    AnalysisWindow analysis(main, loan, settings, clipboard);
    main.AddObserver([&analysis](Control) { analysis.Main_Change(); });
    analysis.Analisi_Form_Load();
    // The initial inputs as CALCOLA writes their results.
    main.SetText(Control::Coppia, "00.52");
    main.SetText(Control::Cp_Out, "0.29");
    main.SetEnabled(Control::Calc, false);
    EXPECT_EQ(analysis.Display().freshness, "Risultati della finestra principale aggiornati");
    main.SetEnabled(Control::Calc, true);
    EXPECT_EQ(analysis.Display().freshness, "");  // neither current nor stale
    main.SetEnabled(Control::Coppia, false);
    main.SetEnabled(Control::Cp_Out, false);
    EXPECT_EQ(analysis.Display().freshness, kStale);
}

struct RefusalRow {
    Control field;
    const char* text;
    const char* refusal;
    bool linkageKnown;
    const char* ratio = "";  // step 1, which tells an out-of-range ratio
    // A second fault, entered first: the refusal is the one CALCOLA meets first.
    Control otherField = Control::Vel;
    const char* otherText = nullptr;
};

class AnalysisRefusalTest : public AnalysisWindowTest,
                            public testing::WithParamInterface<RefusalRow> {};

TEST_P(AnalysisRefusalTest, ShowsTheReasonInWordsInPlaceOfTheNumbers) {
    const RefusalRow& row = GetParam();
    if (row.otherText != nullptr)
        Enter(row.otherField, row.otherText);
    Enter(row.field, row.text);
    EXPECT_EQ(Shown().refusal, std::string("Calcolo impossibile: ") + row.refusal);
    EXPECT_EQ(Shown().torqueKgfCm, "");
    EXPECT_EQ(Shown().torqueOzfIn, "");
    std::vector<std::string> steps(kAnalysisStepCount);
    steps[0] = row.ratio;
    EXPECT_EQ(StepValues(), steps);
    EXPECT_EQ(Shown().verdict, "");
    EXPECT_EQ(Shown().margin, "");
    EXPECT_EQ(!Shown().rotation.empty(), row.linkageKnown);
    EXPECT_TRUE(messages.shown.empty()) << "no message box, in either window";
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, AnalysisRefusalTest,
    testing::Values(
        RefusalRow{Control::CordaAlett, "250",
                   "Corda Alett./Corda Alare Fuori Gamma!! Rapporto 0.833, ammesso 0.025–0.8", true,
                   "0.833"},
        RefusalRow{Control::Vel, "0", "Velocità Nulla!!", true},
        RefusalRow{Control::Vel, "1e400", "Numero Fuori Limite!!", true},
        RefusalRow{Control::BrAlett, "0", "Braccio Alettone Nullo!!", true},
        RefusalRow{Control::CordaAla, "", "Corda Alett./Corda Alare Fuori Gamma!!", true},
        // A travel beyond twice the chord has no angle: the angle shown is an older one.
        RefusalRow{Control::Corsa, "130", "Corsa Fuori Limite!!", false},
        // CALCOLA meets the travel before the speed.
        RefusalRow{Control::Corsa, "130", "Corsa Fuori Limite!!", false, "", Control::Vel,
                   "1e400"}));

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
    EXPECT_EQ(Shown().minimumRating + " " + Shown().ratingUnit, row.minimumRating);
    EXPECT_EQ(Shown().verdict, row.verdict);
    EXPECT_EQ(Shown().verdictTone, row.tone);
    // The servo's line on the plot is its rating in Kg*cm, whatever unit it is typed in.
    const double rating = std::stod(row.rating);
    if (rating < 1000) {
        ASSERT_TRUE(Shown().plot.ratings.at(0).value.has_value());
        EXPECT_DOUBLE_EQ(*Shown().plot.ratings[0].value,
                         row.unit == RatingUnit::NewtonCm ? rating / 9.80665 : rating);
    } else {
        EXPECT_FALSE(Shown().plot.ratings.at(0).value.has_value())
            << "an absurd rating is not drawn";
        EXPECT_EQ(Shown().plot.ratings[0].name, "Servo: 1.000·10³⁰⁰ Kg*cm, fuori scala");
        EXPECT_EQ(Shown().plot.scale.high, 4) << "the scale is the curves'";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, AnalysisServoCheckTest,
    testing::Values(ServoCheckRow{"1.04", RatingUnit::KgfCm, "2", "2.00", "1.04 Kg*cm",
                                  "Servo Sufficiente", Tone::Good},
                    ServoCheckRow{"0.8", RatingUnit::KgfCm, "2", "1.54", "1.04 Kg*cm",
                                  "Servo al Limite", Tone::Warning},
                    ServoCheckRow{"0.5", RatingUnit::KgfCm, "2", "0.96", "1.04 Kg*cm",
                                  "Servo Insufficiente!!", Tone::Bad},
                    // The margin rounded down, the minimum rating up: 10.183 and 2.946, 15.275.
                    ServoCheckRow{"5", RatingUnit::NewtonCm, "2", "0.98", "10.19 N·cm",
                                  "Servo Insufficiente!!", Tone::Bad},
                    ServoCheckRow{"15", RatingUnit::NewtonCm, "3", "2.94", "15.28 N·cm",
                                  "Servo al Limite", Tone::Warning},
                    ServoCheckRow{"1e300", RatingUnit::KgfCm, "2", "oltre 1000", "1.04 Kg*cm",
                                  "Servo Sufficiente", Tone::Good}));

struct AbsurdRow {
    Control field;
    const char* text;
    const char* verdict;
};

class AnalysisAbsurdTest : public AnalysisWindowTest,
                           public testing::WithParamInterface<AbsurdRow> {};

// What the main window computes but makes no sense is named, with no margin and no green.
TEST_P(AnalysisAbsurdTest, AbsurdInputsGetNoMarginAndNoGreenVerdict) {
    Enter(GetParam().field, GetParam().text);
    EXPECT_EQ(Shown().verdict, GetParam().verdict);
    EXPECT_EQ(Shown().verdictTone, Tone::Bad);
    EXPECT_EQ(Shown().margin, "");
    EXPECT_EQ(Shown().minimumRating, "");
    EXPECT_TRUE(Shown().limits.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, AnalysisAbsurdTest,
    testing::Values(AbsurdRow{Control::LungAlett, "-500", "LungAlett negativa"},
                    AbsurdRow{Control::BrServ, "0", "BrServ nullo"},
                    AbsurdRow{Control::Vel, "-90", "Vel negativa"},
                    AbsurdRow{Control::CarAla, "-60", "CarAla negativo"},
                    // The travel of 86 mm on a 60 mm chord turns the surface by 91.2°.
                    AbsurdRow{Control::Corsa, "86", "Corsa oltre la corda (86 mm su 60 mm)"}));

TEST_F(AnalysisWindowTest, TheLinkageWarnsBeyondTheThrowAndWhenTheArmsCannotReach) {
    analysis.Analisi_Escursione_Change("30");
    EXPECT_EQ(Shown().rotation, "30.9");
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
    EXPECT_EQ(Shown().settingsProblem, Shown().linkage);
    EXPECT_EQ(Shown().verdict, "") << "no verdict on a throw that is not the one typed";
    EXPECT_EQ(Shown().rotation, "30.9");
    EXPECT_EQ(settings.writes, 0);
    EXPECT_EQ(analysis.Text(AnalysisField::Escursione), "200");
}

struct TypedRow {
    AnalysisField field;
    const char* text;
    const char* saved;  // the settings line it leaves, or nothing when it is refused
};

class AnalysisTypedTextTest : public AnalysisWindowTest,
                              public testing::WithParamInterface<TypedRow> {};

TEST_P(AnalysisTypedTextTest, EachFieldIsOneNumberAndNothingElse) {
    const TypedRow& row = GetParam();
    switch (row.field) {
        case AnalysisField::CoppiaServo:
            analysis.Analisi_CoppiaServo_Change(row.text);
            break;
        case AnalysisField::FattoreSicurezza:
            analysis.Analisi_FattoreSicurezza_Change(row.text);
            break;
        default:
            analysis.Analisi_Escursione_Change(row.text);
            break;
    }
    EXPECT_EQ(analysis.Text(row.field), row.text) << "the field keeps what was typed";
    if (row.saved == nullptr) {
        EXPECT_EQ(settings.writes, 0);
        EXPECT_NE(Shown().settingsProblem, "");
        EXPECT_EQ(Shown().verdict, "");
    } else {
        EXPECT_EQ(settings.writes, 1);
        EXPECT_NE(("\n" + *settings.bytes).find(std::string("\n") + row.saved + "\n"),
                  std::string::npos)
            << *settings.bytes;
        EXPECT_EQ(Shown().settingsProblem, "");
    }
}

INSTANTIATE_TEST_SUITE_P(PastedAndTyped, AnalysisTypedTextTest,
                         testing::Values(
                             // A comma is the decimal point, pasted as typed.
                             TypedRow{AnalysisField::CoppiaServo, "1,5", "CoppiaServo=1.5"},
                             TypedRow{AnalysisField::FattoreSicurezza, "1,5",
                                      "FattoreSicurezza=1.5"},
                             TypedRow{AnalysisField::Escursione, " 60,5\n", "Escursione=60.5"},
                             TypedRow{AnalysisField::CoppiaServo, "1e1", "CoppiaServo=10"},
                             // A line break inside is not skipped: "1⏎5" is not 15.
                             TypedRow{AnalysisField::CoppiaServo, "1\n5", nullptr},
                             TypedRow{AnalysisField::CoppiaServo, "1 5", nullptr},
                             TypedRow{AnalysisField::CoppiaServo, "3 kg", nullptr},
                             TypedRow{AnalysisField::FattoreSicurezza, "1.000,5", nullptr},
                             TypedRow{AnalysisField::FattoreSicurezza, "&H2", nullptr},
                             TypedRow{AnalysisField::Escursione, "", nullptr},
                             TypedRow{AnalysisField::Escursione, "4 5", nullptr}));

TEST_F(AnalysisWindowTest, RemembersTheServoCheckAndTheThrowWhenTheyChange) {
    analysis.Analisi_CoppiaServo_Change("4.5");
    analysis.Analisi_CoppiaServo_Change("4.50");  // the same value: nothing to save
    analysis.Analisi_UnitaCoppia_Change(RatingUnit::NewtonCm);
    analysis.Analisi_FattoreSicurezza_Change("1.5");
    analysis.Analisi_Escursione_Change("60");
    EXPECT_EQ(settings.writes, 4);
    EXPECT_EQ(*settings.bytes,
              "CoppiaServo=4.5\nUnitaCoppia=N*cm\nFattoreSicurezza=1.5\nEscursione=60\n"
              "AltreVelocita=0.8 1.2 1.5\n"
              "SpessoreProfilo=12\nFessuraProfilo=sigillata\nTensioneServo=\nTempo60Servo=\n"
              "CorrenteVuotoServo=\nCorrenteStalloServo=\nGiudicaCon=calcolo\n");

    AnalysisWindow reopened(window.State(), window.Loan(), settings, clipboard);
    reopened.Analisi_Form_Load();
    EXPECT_EQ(reopened.Text(AnalysisField::CoppiaServo), "4.5");
    EXPECT_EQ(reopened.Text(AnalysisField::FattoreSicurezza), "1.5");
    EXPECT_EQ(reopened.Text(AnalysisField::Escursione), "60");
    EXPECT_EQ(reopened.Unit(), RatingUnit::NewtonCm);
    EXPECT_EQ(reopened.Display().minimumRating, "7.64");
    EXPECT_EQ(reopened.Display().ratingUnit, "N·cm");
    EXPECT_EQ(lastInputs.writes, 0) << "the last-inputs file is not the analysis' to write";

    // The file dialogs open where the last export went; a failed one changes nothing.
    EXPECT_EQ(reopened.ExportFolder(), "");
    reopened.Analisi_File_Written("CSV", "/home/pilota/Documenti/coppia.csv", "");
    EXPECT_EQ(reopened.Display().status, "CSV salvato in /home/pilota/Documenti/coppia.csv");
    reopened.Analisi_File_Written("PDF", "/mnt/coppia.pdf", "permesso negato");
    EXPECT_EQ(reopened.Display().status, "PDF non salvato in /mnt/coppia.pdf: permesso negato!!");
    EXPECT_EQ(reopened.Display().statusTone, Tone::Bad);
    EXPECT_EQ(reopened.ExportFolder(), "/home/pilota/Documenti");
    EXPECT_NE(settings.bytes->find("\nCartellaEsportazioni=/home/pilota/Documenti\n"),
              std::string::npos);
}

TEST_F(AnalysisWindowTest, AFailedSaveSaysWhereAndWhy) {
    settings.failure = "disco pieno";
    analysis.Analisi_FattoreSicurezza_Change("3");
    EXPECT_EQ(Shown().settingsProblem,
              "Impostazioni non salvate in /home/pilota/.config/coppia-analisi.ini: disco pieno!!");
    EXPECT_EQ(Shown().minimumRating, "1.56");
    settings.failure.reset();
    analysis.Analisi_FattoreSicurezza_Change("2.5");
    EXPECT_EQ(Shown().settingsProblem, "");
}

TEST_F(AnalysisWindowTest, SettingsThatCannotBeReadAreToldAndNeverWrittenOver) {
    settings.readProblem = "permesso negato";
    AnalysisWindow reopened(window.State(), window.Loan(), settings, clipboard);
    reopened.Analisi_Form_Load();
    const std::string told =
        "Impostazioni non lette da /home/pilota/.config/coppia-analisi.ini: permesso negato!! In "
        "uso quelle predefinite; il file resta com'è";
    EXPECT_EQ(reopened.Display().settingsProblem, told);
    reopened.Analisi_FattoreSicurezza_Change("3");
    reopened.Analisi_UnitaCoppia_Change(RatingUnit::NewtonCm);
    EXPECT_EQ(reopened.Display().minimumRating, "15.28") << "the edits are used";
    EXPECT_EQ(reopened.Display().settingsProblem, told);
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(AnalysisWindowTest, CopiesASummaryOfTheInputsTorqueLinkageAndVerdict) {
    analysis.Analisi_Copia_Click();
    EXPECT_EQ(clipboard.text,
              "Analisi della Coppia\n"
              "Corda ala 300 mm, corda alettone 60 mm, lunghezza alettone 500 mm\n"
              // The travel as the main window shows it; the window opens with 20.0° and 20 mm.
              "Braccio squadretta 18 mm, braccio servo 12 mm, deflessione 20° (corsa 20 mm)\n"
              "Velocità 60 Km/h, carico alare 50 g/dm²\n"
              "Coppia al servo: 0.52 Kg*cm = 5.09 N·cm = 0.0509 N·m = 7.21 oz·in\n"
              "Coefficiente di portanza (Cp): 0.288. Cp fino a 1.2: nessun rischio di stallo\n"
              // The second estimate beside the torque, with its source and its assumptions.
              "Seconda stima: profilo reale 0.52 Kg*cm con il bordo d'uscita in giù, il lato più "
              "caricato, 1.00 volte il calcolo; profilo sottile 0.72 Kg*cm, il limite superiore\n"
              "Fonte: teoria del profilo sottile (Glauert); correzioni DATCOM. Ipotesi: spessore "
              "12% della corda; rapporto delle pendenze 0.85: fessura sigillata\n"
              "Rinvio: 30.9° di rotazione del servo. Entro l'escursione del servo (45° per lato)\n"
              "Servo da 3 Kg*cm, fattore di sicurezza 2: Servo Sufficiente\n"
              "Margine di almeno 2 (il fattore di sicurezza) e rinvio entro l'escursione del "
              "servo\n"
              "Verdetto, margine, coppia minima e limiti sulla coppia del calcolo\n"
              "Margine 5.77, coppia minima da usare 1.04 Kg*cm\n"
              "Margine con la seconda stima (profilo reale): 5.76\n"
              "Deflessione massima a 60 Km/h: tutta, fino a 60°, anche con il fattore di "
              "sicurezza\n"
              "Velocità massima a 20°: 150.1 Km/h (105.3 Km/h con il fattore di sicurezza)\n"
              "Tempo per 20°: manca la velocità del servo\n"
              "Corrente in tenuta e allo spunto: mancano la corrente a vuoto e quella di stallo "
              "del servo\n");
    EXPECT_EQ(Shown().status, "Riepilogo copiato negli appunti");
    Retype(Control::Vel, "61");
    EXPECT_EQ(Shown().status, "") << "what was copied is no longer what is shown";

    // A rating typed with a comma is the number it is read as; one that is refused is not
    // reported as if it were in use.
    analysis.Analisi_CoppiaServo_Change("1,5");
    analysis.Analisi_Copia_Click();
    EXPECT_NE(clipboard.text.find("\nServo da 1.5 Kg*cm, fattore di sicurezza 2: Servo "
                                  "Sufficiente\n"),
              std::string::npos)
        << clipboard.text;
    analysis.Analisi_CoppiaServo_Change("1,5x");
    analysis.Analisi_Copia_Click();
    EXPECT_NE(clipboard.text.find("\nServo, fattore di sicurezza 2: Coppia del servo non valida: "
                                  "serve un numero oltre 0\n"),
              std::string::npos)
        << clipboard.text;
}

// The worked figures of a 6 Kg*cm servo on a fast model: Vel 120, Ang 30, BrServ 20.
TEST_F(AnalysisWindowTest, TheVerdictJudgesTheWholeInstallationAndSaysHowFarTheServoHolds) {
    window.UserClick(Control::UP);  // the angle is typed
    Enter(Control::Vel, "120");
    Enter(Control::Ang, "30");
    Enter(Control::BrServ, "20");
    analysis.Analisi_CoppiaServo_Change("6");
    EXPECT_EQ(Shown().verdict, "Servo al Limite");
    // 37.68°, 18.58° and 134.48 Km/h, each rounded down so that the figure typed still holds.
    ASSERT_EQ(Shown().limits.size(), 2u);
    EXPECT_EQ(Shown().limits[0].caption, "Deflessione massima a 120 Km/h");
    EXPECT_EQ(Shown().limits[0].value, "37.6° (18.5° con il fattore di sicurezza)");
    EXPECT_EQ(Shown().limits[1].caption, "Velocità massima a 30°");
    EXPECT_EQ(Shown().limits[1].value, "134.4 Km/h (94.4 Km/h con il fattore di sicurezza)");
    // Down 30°, the largest deflection is the downward one; far beyond the speed the servo
    // holds, the highest one is still found.
    Enter(Control::Ang, "-30");
    EXPECT_EQ(Shown().limits[0].value, "-38.6° (-19.5° con il fattore di sicurezza)");
    Enter(Control::Vel, "5000");
    EXPECT_EQ(Shown().limits[1].value, "136.2 Km/h (96.9 Km/h con il fattore di sicurezza)");
    Enter(Control::Ang, "30");
    Enter(Control::Vel, "120");

    // A shorter servo arm needs less torque, and cannot reach 30°: the linkage fails.
    Enter(Control::BrServ, "8");
    EXPECT_EQ(Shown().verdict, "Rinvio Insufficiente");
    EXPECT_EQ(Shown().verdictTone, Tone::Bad);
    EXPECT_EQ(Shown().verdictReason,
              "Il braccio del servo è troppo corto: con questi bracci la deflessione di 30° non si "
              "raggiunge; per la coppia il servo basterebbe");
    EXPECT_EQ(Shown().margin, "3.12") << "the torque's margin, as what it is";
    Enter(Control::BrServ, "12");  // 48.6° against 45°
    EXPECT_EQ(Shown().verdict, "Rinvio Insufficiente");
    analysis.Analisi_FattoreSicurezza_Change("1");
    EXPECT_EQ(Shown().limits[0].value, "tutta, fino a 60°") << "a factor of 1 adds nothing";
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

}  // namespace
}  // namespace coppia
