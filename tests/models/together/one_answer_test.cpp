// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis and the model window beside the main window, as a builder uses them together:
// whatever window a builder reads, one surface gets one answer.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "models/analysis/analysis_window.h"
#include "models/model/model_window.h"
#include "tests/models/analysis/analysis_fixture.h"
#include "tests/models/model/model_window_fixture.h"

namespace coppia {
namespace {

class OneAnswerTest : public ModelWindowTest {
  protected:
    OneAnswerTest() : analysis(window.State(), window.Loan(), settings, clipboard) {
        window.AddObserver([this](Control) { analysis.Main_Change(); });
        analysis.Analisi_Form_Load();
        OpenExample();
    }
    const AnalysisDisplay& Judged() const { return analysis.Display(); }

    StringClipboard clipboard;
    AnalysisWindow analysis;
};

TEST_F(OneAnswerTest, AfterCaricaTheAnalysisJudgesTheSurfacesServoAsItsRowDoes) {
    for (std::size_t index = 0; index < Content().surfaces.size(); ++index) {
        const Surface& surface = Content().surfaces[index];
        SCOPED_TRACE(surface.name);
        Select({index});
        model.Modello_Carica_Click();
        const ModelTableRow& row = Shown().rows[index];
        EXPECT_EQ(Judged().servoOwner, "Servo di «" + surface.name + "»");
        EXPECT_EQ(Judged().verdict, Cell(row, ModelColumn::Verdetto));
        EXPECT_EQ(Judged().verdictTone, row.verdictTone);
        EXPECT_EQ(Judged().margin, Cell(row, ModelColumn::Margine));
        EXPECT_EQ(Judged().minimumRating + " " + Judged().ratingUnit,
                  Cell(row, ModelColumn::CoppiaMinima));
        EXPECT_EQ(analysis.Text(AnalysisField::CoppiaServo) + " " + Judged().ratingUnit,
                  Cell(row, ModelColumn::CoppiaDichiarata));
    }
    EXPECT_EQ(settings.writes, 0) << "a surface's servo is not the analysis's own";
}

TEST_F(OneAnswerTest, ASurfaceWithTwoServosIsJudgedPerServoInBothWindows) {
    Select({2});
    model.Modello_NumeroServi_Change(2);
    model.Modello_Carica_Click();
    const ModelTableRow& row = Shown().rows[2];
    EXPECT_EQ(Judged().servoOwner, "Servo di «Flap sinistro», uno dei 2 che si dividono la coppia");
    EXPECT_EQ(Judged().margin, Cell(row, ModelColumn::Margine));
    EXPECT_EQ(Judged().minimumRating + " N·cm", Cell(row, ModelColumn::CoppiaMinima));

    // Changed in the model while it is lent, the servo is judged as it now is.
    model.Modello_NumeroServi_Change(3);
    model.Modello_CoppiaServo_Change("12");
    EXPECT_EQ(Judged().servoOwner, "Servo di «Flap sinistro», uno dei 3 che si dividono la coppia");
    EXPECT_EQ(analysis.Text(AnalysisField::CoppiaServo), "12");
    EXPECT_EQ(Judged().margin, Cell(Shown().rows[2], ModelColumn::Margine));
}

// Two servos of 3 Kg*cm share the left aileron: every figure of the analysis is one servo's,
// as the row's are, and says so; how far they hold is how far one servo of 6 Kg*cm holds alone.
TEST_F(OneAnswerTest, EveryFigureOfTheAnalysisIsOneServosWhileASharedSurfaceIsLent) {
    Select({0});
    model.Modello_CoppiaServo_Change("6");
    model.Modello_Carica_Click();
    std::vector<std::string> oneOfSix;
    for (const CaptionedFigure& limit : Judged().limits) oneOfSix.push_back(limit.value);
    ASSERT_EQ(oneOfSix.size(), 2u);
    model.Modello_NumeroServi_Change(2);
    model.Modello_CoppiaServo_Change("3");

    const std::string& perServo = Cell(Shown().rows[0], ModelColumn::CoppiaKgcm);
    EXPECT_EQ(Judged().share, "per servo: 1 dei 2");
    EXPECT_EQ(Judged().torqueHeading, "Coppia al servo (per servo: 1 dei 2)");
    EXPECT_EQ(Judged().torqueKgfCm, perServo);
    EXPECT_EQ(Judged().torqueNewtonCm, Cell(Shown().rows[0], ModelColumn::CoppiaNcm));
    EXPECT_EQ(Judged().steps.back().value, perServo);
    std::vector<std::string> twoOfThree;
    for (const CaptionedFigure& limit : Judged().limits) twoOfThree.push_back(limit.value);
    EXPECT_EQ(twoOfThree, oneOfSix);

    // The model's speed's curve and column at the aileron's 20°, against one servo's line.
    const PlotData& plot = Judged().plot;
    const auto modelSpeed = std::find_if(plot.curves.begin(), plot.curves.end(),
                                         [](const PlotCurve& curve) { return curve.modelSpeed; });
    ASSERT_NE(modelSpeed, plot.curves.end());
    ASSERT_GT(modelSpeed->points.size(), 20u);
    EXPECT_EQ(TorqueText(modelSpeed->points[20].second), perServo);
    ASSERT_EQ(plot.ratings.size(), 1u);
    EXPECT_EQ(plot.ratings[0].value, 3);
    EXPECT_EQ(plot.ratings[0].name, "Servo, 1 dei 2: 3.00 Kg*cm");
    const std::vector<std::string>& headings = Judged().sweepHeadings;
    const auto column = static_cast<std::size_t>(
        std::find(headings.begin(), headings.end(),
                  "Coppia a 90 Km/h, modello (Kg*cm, per servo: 1 dei 2)") -
        headings.begin());
    ASSERT_LT(column, headings.size());
    EXPECT_EQ(Judged().sweepRows[20].cells[column], perServo);

    EXPECT_NE(analysis.CopyText().find("\nCoppia al servo (per servo: 1 dei 2): " + perServo +
                                       " Kg*cm = "),
              std::string::npos)
        << analysis.CopyText();
    EXPECT_NE(analysis.CsvText(CsvFormat::International)
                  .find("Coppia a 90 Km/h, modello (Kg*cm, per servo: 1 dei 2)"),
              std::string::npos);
}

TEST_F(OneAnswerTest, AggiornaTakesTheServoTheAnalysisJudgedBackToItsSurface) {
    Select({2});
    model.Modello_Carica_Click();
    analysis.Analisi_UnitaCoppia_Change(RatingUnit::KgfCm);
    analysis.Analisi_CoppiaServo_Change("1.2");
    EXPECT_EQ(Content().surfaces[2].servo.rating, 30) << "only Aggiorna changes the model";
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[2].servo.rating, 1.2);
    EXPECT_EQ(Content().surfaces[2].servo.unit, RatingUnit::KgfCm);
    EXPECT_EQ(Judged().margin, Cell(Shown().rows[2], ModelColumn::Margine));
    EXPECT_EQ(Judged().verdict, Cell(Shown().rows[2], ModelColumn::Verdetto));

    // Cleared in the analysis, the rating is to be given: no verdict anywhere turns green.
    analysis.Analisi_CoppiaServo_Change("");
    EXPECT_EQ(Judged().verdict, "Servo da indicare");
    EXPECT_EQ(Judged().margin, "");
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[2].servo.rating, std::nullopt);
    EXPECT_EQ(Cell(Shown().rows[2], ModelColumn::Verdetto), "Servo da indicare");
    EXPECT_EQ(Judged().minimumRating + " Kg*cm", Cell(Shown().rows[2], ModelColumn::CoppiaMinima));

    // Another surface's Aggiorna leaves the lent servo where it is.
    Select({0});
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[0].servo.rating, 3);
}

// A rating typed in the analysis is not the surface's until Aggiorna takes it: the analysis
// says so. The loan goes with its surface: renamed with it, back with an undo, ended with it.
TEST_F(OneAnswerTest, TheLentServoSaysWhenItDiffersAndFollowsItsSurface) {
    Select({0});
    model.Modello_Carica_Click();
    EXPECT_EQ(Judged().loanDrift, "");
    analysis.Analisi_CoppiaServo_Change("4");
    const std::string drift =
        "Coppia diversa da quella di «Alettone sinistro» nel modello (3 Kg*cm): per tenerla, "
        "Aggiorna nella finestra del modello";
    EXPECT_EQ(Judged().loanDrift, drift);
    EXPECT_NE(analysis.CopyText().find(drift), std::string::npos);
    analysis.Analisi_CoppiaServo_Change("3");
    EXPECT_EQ(Judged().loanDrift, "");
    analysis.Analisi_UnitaCoppia_Change(RatingUnit::NewtonCm);
    EXPECT_NE(Judged().loanDrift, "") << "3 N·cm is not 3 Kg*cm";
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[0].servo.unit, RatingUnit::NewtonCm);
    EXPECT_EQ(Judged().loanDrift, "") << "kept";

    dialogs.text = "Alettone sx";
    model.Modello_Rinomina_Click();
    EXPECT_EQ(Judged().servoOwner, "Servo di «Alettone sx»");
    model.Modello_Annulla_Click();
    EXPECT_EQ(Judged().servoOwner, "Servo di «Alettone sinistro»");
    analysis.Analisi_CoppiaServo_Change("5");
    model.Modello_NomeSuperficie_Change("Alettone s.");
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[0].servo.rating, 5) << "Aggiorna still knows its servo";
    // Another surface moved above it leaves the loan with its own.
    Select({1});
    model.Modello_SpostaSu_Click();
    EXPECT_EQ(Judged().servoOwner, "Servo di «Alettone s.»");

    Select({1});
    model.Modello_Rimuovi_Click();
    EXPECT_EQ(Judged().servoOwner, "");
    EXPECT_EQ(analysis.Text(AnalysisField::CoppiaServo), "3") << "its own servo again";
}

// The second estimate is one answer too: the analysis judges a lent surface with its section,
// gives its figures as the surface's row does, and Aggiorna takes a section it changed back.
TEST_F(OneAnswerTest, TheLentSectionGivesOneEstimateAndComesBackWithAggiorna) {
    for (const std::size_t index : {std::size_t{0}, std::size_t{5}}) {
        Select({index});
        model.Modello_Carica_Click();
        const ModelTableRow& row = Shown().rows[index];
        SCOPED_TRACE(Content().surfaces[index].name);
        EXPECT_EQ(Judged().secondOpinion.real, Cell(row, ModelColumn::SecondaStimaReale));
        EXPECT_EQ(Judged().secondOpinion.thin, Cell(row, ModelColumn::SecondaStimaSottile));
        EXPECT_EQ(Judged().secondOpinionMargin, Cell(row, ModelColumn::MargineSecondaStima));
        EXPECT_EQ(Judged().secondOpinion.ratio, row.estimateRatio);
    }
    // The rudder, lent with its kind's section; the analysis makes it thinner and open.
    analysis.Analisi_SpessoreProfilo_Change("6");
    analysis.Analisi_FessuraProfilo_Change(HingeGap::Open);
    EXPECT_EQ(Content().surfaces[5].profile, std::nullopt) << "only Aggiorna changes the model";
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[5].profile, (SectionProfile{6, HingeGap::Open}));
    EXPECT_EQ(Judged().loanDrift, "");
    EXPECT_EQ(Judged().secondOpinion.real, Cell(Shown().rows[5], ModelColumn::SecondaStimaReale));

    // Left as it was, a section is not given by Aggiorna: it still follows the kind.
    Select({4});
    model.Modello_Carica_Click();
    analysis.Analisi_CoppiaServo_Change("5");
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[4].servo.rating, 5);
    EXPECT_EQ(Content().surfaces[4].profile, std::nullopt);
    // The kind changed in the model: a section not given changes with it, and the analysis
    // judges the new one.
    model.Modello_TipoSuperficie_Change(SurfaceKind::Flap);
    EXPECT_EQ(analysis.Text(AnalysisField::SpessoreProfilo), "12");
}

TEST_F(OneAnswerTest, TheAnalysisJudgesItsOwnServoAgainOnceTheModelIsGone) {
    Select({2});
    model.Modello_Carica_Click();
    EXPECT_EQ(analysis.Unit(), RatingUnit::NewtonCm);
    model.Modello_Nuovo_Click();
    EXPECT_EQ(Judged().servoOwner, "");
    EXPECT_EQ(analysis.Text(AnalysisField::CoppiaServo), "3");
    EXPECT_EQ(analysis.Unit(), RatingUnit::KgfCm);
}

// The lent servo moves with its own data sheet: the analysis gives the time and the currents of
// its row; figures typed there stay the analysis's until Aggiorna takes them to the surface.
TEST_F(OneAnswerTest, TheLentServosDataSheetGivesTheRowsTimeAndCurrents) {
    Select({1});
    model.Modello_NumeroServi_Change(2);
    model.Modello_Carica_Click();
    const ModelTableRow& row = Shown().rows[1];
    EXPECT_EQ(analysis.FigureText(3), "2.5");
    EXPECT_EQ(Judged().motion, "Tempo per 20°: " + Cell(row, ModelColumn::TempoCarico) +
                                   " s sotto carico (" + Cell(row, ModelColumn::TempoVuoto) +
                                   " s a vuoto)");
    EXPECT_EQ(Judged().current,
              "Corrente in tenuta a 20°: " + Cell(row, ModelColumn::CorrenteTenuta) +
                  " A; allo spunto: " + Cell(row, ModelColumn::CorrenteSpunto) + " A");
    EXPECT_EQ(Judged().sweepHeadings.back(), "Corrente di spunto (A, per servo: 1 dei 2)");

    analysis.Analisi_Tempo60_Change("0.2");
    EXPECT_EQ(Content().surfaces[1].servo.figures.time60, 0.11) << "only Aggiorna changes it";
    EXPECT_EQ(Judged().loanDrift,
              "Dati del servo diversi da quelli di «Alettone destro» nel modello: per tenerli, "
              "Aggiorna nella finestra del modello");
    analysis.Analisi_CoppiaServo_Change("2");
    EXPECT_TRUE(
        Judged().loanDrift.starts_with("Coppia diversa da quella di «Alettone destro» "
                                       "nel modello (3 Kg*cm): per tenerla, Aggiorna "
                                       "nella finestra del modello. Dati del servo"));
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[1].servo.figures.time60, 0.2);
    EXPECT_EQ(Content().surfaces[1].servo.rating, 2);
    EXPECT_EQ(Judged().loanDrift, "");
    EXPECT_EQ(Judged().motion, "Tempo per 20°: " + Cell(Shown().rows[1], ModelColumn::TempoCarico) +
                                   " s sotto carico (" +
                                   Cell(Shown().rows[1], ModelColumn::TempoVuoto) + " s a vuoto)");
    EXPECT_EQ(settings.writes, 0) << "a surface's servo is not the analysis's own";

    // The model gone, the analysis's own sheet is back: none given.
    dialogs.answer = SaveChoice::NonSalvare;
    model.Modello_Nuovo_Click();
    EXPECT_EQ(analysis.FigureText(1), "");
    EXPECT_EQ(Judged().motion, "Tempo per 20°: manca la velocità del servo");
}

}  // namespace
}  // namespace coppia
