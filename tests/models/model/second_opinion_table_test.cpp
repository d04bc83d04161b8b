// SPDX-License-Identifier: GPL-3.0-or-later
// The second estimate in the model window: its columns, the summary's smallest margin by either
// torque, "Giudica con" read from the analysis's settings, the section edited on the page and
// kept in the file, and the same table written without a window.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "models/model/model_table.h"
#include "models/model/model_table_file.h"
#include "tests/files/scratch_folder.h"
#include "tests/models/model/model_window_fixture.h"
#include "tests/models/model/session_fixture.h"

namespace coppia {
namespace {

// A trainer's elevator, which carries no load, with a 1 Kg*cm servo: the calculation gives
// 0.389373 Kg*cm, the real section 0.538182 and the thin airfoil 0.681940 (the engine's worked
// case), so that the servo keeps 1 / 0.389373 = 2.56 on the calculation and 1.85 on the estimate.
void Elevator(Surface& s) {
    s.kind = SurfaceKind::Elevatore;
    s.inputs = {180, 54, 600, 15, 10, 60, 0, 20, 20};
    s.servo.rating = 1;
}

struct EstimateRowCase {
    const char* name;
    std::function<void(Surface&)> change;
    JudgeWith with;
    // Seconda stima reale, sottile, Margine seconda stima, then Verdetto and Margine.
    std::vector<std::string> cells;
    std::string ratio;
    std::string estimateVerdict;
    std::string otherVerdict;
};

void PrintTo(const EstimateRowCase& row, std::ostream* out) {
    *out << row.name;
}

class EstimateRowTest : public testing::TestWithParam<EstimateRowCase> {};

TEST_P(EstimateRowTest, GivesTheEstimatePerServoItsMarginAndJudgesAsChosen) {
    Surface surface;  // the main window's initial inputs, a 3 Kg*cm servo
    surface.servo.rating = 3;
    GetParam().change(surface);
    AnalysisSettings settings;
    settings.judgeWith = GetParam().with;
    const ModelTableRow row = SurfaceRow(surface, settings, InitTorqueConstants());
    EXPECT_EQ(
        (std::vector<std::string>{
            Cell(row, ModelColumn::SecondaStimaReale), Cell(row, ModelColumn::SecondaStimaSottile),
            Cell(row, ModelColumn::MargineSecondaStima), Cell(row, ModelColumn::Verdetto),
            Cell(row, ModelColumn::Margine)}),
        GetParam().cells);
    EXPECT_EQ(row.estimateRatio, GetParam().ratio);
    EXPECT_EQ(row.estimateVerdict, GetParam().estimateVerdict);
    EXPECT_EQ(row.otherVerdict, GetParam().otherVerdict);
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, EstimateRowTest,
    testing::Values(EstimateRowCase{"Aileron",
                                    [](Surface&) {},
                                    JudgeWith::Calculation,
                                    {"0.52", "0.72", "5.76", "Servo Sufficiente", "5.77"},
                                    "1.00 volte il calcolo",
                                    "Servo Sufficiente",
                                    ""},
                    EstimateRowCase{"ElevatorOnTheCalculation",
                                    Elevator,
                                    JudgeWith::Calculation,
                                    {"0.54", "0.68", "1.85", "Servo Sufficiente", "2.56"},
                                    "1.38 volte il calcolo",
                                    "Servo al Limite",
                                    "Con la seconda stima (profilo reale): Servo al Limite"},
                    EstimateRowCase{"ElevatorOnTheLargerTorque",
                                    Elevator,
                                    JudgeWith::Prudent,
                                    {"0.54", "0.68", "1.85", "Servo al Limite", "1.85"},
                                    "1.38 volte il calcolo",
                                    "Servo al Limite",
                                    "Con la coppia del calcolo: Servo Sufficiente"},
                    // An aileron's section on the elevator: 12 %, whose factor at E = 0.3 is
                    // 0.795455 + 0.126114 x 2 / 3 = 0.879531, so C_h = -0.863333 x 0.879531 x
                    // 0.965403 x 0.349066 and 0.517819 Kg*cm: 1.33 times 0.389373.
                    EstimateRowCase{"ElevatorWithAWingsSection",
                                    [](Surface& s) {
                                        Elevator(s);
                                        s.profile = kWingSurfaceProfile;
                                    },
                                    JudgeWith::Calculation,
                                    {"0.52", "0.68", "1.93", "Servo Sufficiente", "2.56"},
                                    "1.33 volte il calcolo",
                                    "Servo al Limite",
                                    "Con la seconda stima (profilo reale): Servo al Limite"},
                    EstimateRowCase{"RatingNotGiven",
                                    [](Surface& s) { s.servo.rating.reset(); },
                                    JudgeWith::Calculation,
                                    {"0.52", "0.72", "", "Servo da indicare", ""},
                                    "1.00 volte il calcolo",
                                    "",
                                    ""},
                    EstimateRowCase{"Refused",
                                    [](Surface& s) { s.inputs.Vel = 0; },
                                    JudgeWith::Prudent,
                                    {"", "", "", "", ""},
                                    "",
                                    "",
                                    ""}));

// The summary names the surface with the smallest margin by either torque, and says which.
TEST(EstimateTotalsTest, TheSmallestMarginByEitherTorqueFollowsGiudicaCon) {
    Model model;
    std::vector<ModelTableRow> rows;
    for (int judged = 0; judged < 2; ++judged) {
        const JudgeWith with = judged == 0 ? JudgeWith::Calculation : JudgeWith::Prudent;
        model.surfaces.clear();
        rows.clear();
        AnalysisSettings settings;
        settings.judgeWith = with;
        for (const auto& change : {std::function<void(Surface&)>([](Surface& s) {
                                       s.name = "Alettone";
                                       s.servo.rating = 3;
                                   }),
                                   std::function<void(Surface&)>([](Surface& s) {
                                       Elevator(s);
                                       s.name = "Elevatore";
                                   })}) {
            Surface surface;
            change(surface);
            rows.push_back(SurfaceRow(surface, settings, InitTorqueConstants()));
            model.surfaces.push_back(std::move(surface));
        }
        const ModelTotals totals = Totals(model, rows, with);
        const std::string either =
            "Margine più basso tra calcolo e seconda stima: 1.85, Elevatore, con la seconda stima";
        if (with == JudgeWith::Calculation) {
            EXPECT_EQ(totals.weakest, "Margine più basso: 2.56, Elevatore");
            EXPECT_EQ(totals.weakestTone, Tone::Neutral);
            EXPECT_EQ(totals.weakestEither, either);
            EXPECT_EQ(totals.weakestEitherTone, Tone::Warning);
            EXPECT_EQ(JudgingSettingsText(settings),
                      "Verdetti sulla coppia del calcolo, con il fattore di sicurezza 2 e "
                      "l'escursione del servo di 45° per lato, dalle impostazioni dell'analisi");
        } else {
            EXPECT_EQ(totals.weakest, either) << "the weakest margin is then the least of both";
            EXPECT_EQ(totals.weakestTone, Tone::Warning);
            EXPECT_EQ(totals.weakestEither, "");
            EXPECT_EQ(totals.verdict, "Servo al Limite: Elevatore");
            EXPECT_EQ(JudgingSettingsText(settings),
                      "Verdetti sulla coppia più alta tra calcolo e seconda stima, con il fattore "
                      "di sicurezza 2 e l'escursione del servo di 45° per lato, dalle impostazioni "
                      "dell'analisi");
        }
        EXPECT_EQ(totals.secondOpinionSource,
                  "Seconda stima per servo: teoria del profilo sottile (Glauert); correzioni "
                  "DATCOM, con lo spessore e la fessura di ogni superficie");
    }
}

// "Giudica con" is the analysis's: the window reads it when it comes to the front, as it reads
// the factor and the throw, and judges again.
TEST_F(ModelWindowTest, GiudicaConIsTheAnalysissAndTheTableFollowsIt) {
    OpenExample();
    EXPECT_EQ(Cell(Shown().rows[5], ModelColumn::Margine), "4.06");
    AnalysisSettings chosen;
    chosen.judgeWith = JudgeWith::Prudent;
    settings.bytes = EncodeAnalysisSettings(chosen);
    model.Modello_Form_Activate();
    EXPECT_EQ(Cell(Shown().rows[5], ModelColumn::Margine), "2.15");
    EXPECT_EQ(Shown().totals.weakest,
              "Margine più basso tra calcolo e seconda stima: 2.15, Timone, con la seconda stima");
    EXPECT_EQ(settings.writes, 0) << "read, never written";
}

// The page edits the section; one never given follows the kind, one given stays, and both are
// steps that undo.
TEST_F(ModelWindowTest, ThePageEditsTheSectionWhichFollowsTheKindUntilGiven) {
    OpenExample();
    Select({4});  // the elevator, with its kind's section
    EXPECT_EQ(Shown().details.thickness, "9");
    EXPECT_EQ(Shown().details.profileNote,
              "Profilo tipico del tipo di superficie, finché non se ne indica uno; rapporto delle "
              "pendenze 0.85: fessura sigillata");
    model.Modello_SpessoreProfilo_Change("9");
    EXPECT_FALSE(Shown().canUndo) << "the same section: nothing given, no step";

    model.Modello_SpessoreProfilo_Change("7,5");
    EXPECT_EQ(Content().surfaces[4].profile, (SectionProfile{7.5, HingeGap::Sealed}));
    EXPECT_EQ(Shown().undoName, "Annulla Profilo");
    EXPECT_EQ(Shown().details.profileNote,
              "Profilo indicato per questa superficie; rapporto delle pendenze 0.85: fessura "
              "sigillata");
    model.Modello_FessuraProfilo_Change(HingeGap::Open);
    EXPECT_EQ(Content().surfaces[4].profile, (SectionProfile{7.5, HingeGap::Open}));
    EXPECT_NE(Cell(Shown().rows[4], ModelColumn::SecondaStimaReale), "1.15")
        << "the table judges with the section given";
    model.Modello_TipoSuperficie_Change(SurfaceKind::Alettone);
    EXPECT_EQ(Shown().details.thickness, "7.5") << "given, it stays whatever the kind";

    model.Modello_SpessoreProfilo_Change("21");
    EXPECT_EQ(Shown().details.problem,
              "Spessore del profilo non valido: serve un numero da 0 a 20 (% della corda)");
    EXPECT_EQ(Shown().details.thickness, "21") << "what was typed, until it is corrected";
    EXPECT_EQ(Content().surfaces[4].profile, (SectionProfile{7.5, HingeGap::Open}));

    for (int i = 0; i < 3; ++i) model.Modello_Annulla_Click();
    EXPECT_EQ(Content().surfaces[4].profile, std::nullopt);
    Select({5});  // the rudder follows its kind: an aileron's section once it is one
    model.Modello_TipoSuperficie_Change(SurfaceKind::Alettone);
    EXPECT_EQ(Shown().details.thickness, "12");
    EXPECT_EQ(Content().surfaces[5].profile, std::nullopt);
}

// Saved and opened again through the window, a section given is kept, and a surface whose
// section was never given is written without one, as before.
TEST_F(ModelWindowTest, TheSectionGoesThroughTheFileAndBack) {
    const ScratchFolder folder;
    OpenExample();
    Select({1});
    model.Modello_SpessoreProfilo_Change("10");
    model.Modello_FessuraProfilo_Change(HingeGap::Open);
    const std::string path = Utf8(folder.Path() / "sport.coppia");
    dialogs.fileToSave = path;
    model.Modello_SalvaConNome_Click();
    const std::string bytes = FileBytes(folder.Path() / "sport.coppia");
    EXPECT_NE(bytes.find("\"profilo\": {\n        \"spessore\": 10,\n        \"fessura\": "
                         "\"aperta\"\n      }"),
              std::string::npos)
        << bytes;
    EXPECT_EQ(bytes.find("\"profilo\""), bytes.rfind("\"profilo\"")) << "the others have none";

    model.Modello_Nuovo_Click();
    ASSERT_TRUE(model.Modello_ApriFile(path));
    EXPECT_EQ(Content().surfaces[1].profile, (SectionProfile{10, HingeGap::Open}));
    EXPECT_EQ(Content().surfaces[0].profile, std::nullopt);
    Select({1});
    EXPECT_EQ(Shown().details.thickness, "10");
    EXPECT_EQ(Shown().details.gap, HingeGap::Open);
}

// Without a window, the table is the one "Esporta CSV…" writes in the international format.
TEST_F(ModelWindowTest, TheTableOfAFileWithoutAWindowIsTheWindowsExport) {
    OpenExample();
    settings.bytes = "FattoreSicurezza=2.5\nGiudicaCon=prudente\n";
    model.Modello_Form_Activate();
    const ModelFileTable table = ModelFileCsv(kExample, settings, CsvFormat::International);
    EXPECT_TRUE(table.read);
    EXPECT_EQ(table.csv, model.CsvText(CsvFormat::International));
    EXPECT_EQ(table.settingsProblem, "");

    settings.readProblem = "permesso negato";
    EXPECT_EQ(ModelFileCsv(kExample, settings, CsvFormat::International).settingsProblem,
              "Impostazioni dell'analisi non lette da /home/pilota/.config/coppia-analisi.ini: "
              "permesso negato!! In uso quelle predefinite");

    const std::string missing = kExample + ".manca";
    const ModelFileTable refused = ModelFileCsv(missing, settings, CsvFormat::International);
    EXPECT_FALSE(refused.read);
    EXPECT_EQ(refused.csv, "");
    model.Modello_ApriFile(missing);
    ASSERT_FALSE(dialogs.messages.shown.empty());
    EXPECT_EQ(refused.refusal, dialogs.messages.shown.back().first) << "the window's own words";
}

}  // namespace
}  // namespace coppia
