// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis and the model window beside the main window, as a builder uses them together:
// whatever window a builder reads, one surface gets one answer.
#include <gtest/gtest.h>

#include <memory>
#include <string>

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
        EXPECT_EQ(Judged().minimumRating, Cell(row, ModelColumn::CoppiaMinima));
        EXPECT_EQ(Judged().ratingUnit, Cell(row, ModelColumn::Unita));
        EXPECT_EQ(analysis.Text(AnalysisField::CoppiaServo),
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
    EXPECT_EQ(Judged().minimumRating, Cell(row, ModelColumn::CoppiaMinima));

    // Changed in the model while it is lent, the servo is judged as it now is.
    model.Modello_NumeroServi_Change(3);
    model.Modello_CoppiaServo_Change("12");
    EXPECT_EQ(Judged().servoOwner, "Servo di «Flap sinistro», uno dei 3 che si dividono la coppia");
    EXPECT_EQ(analysis.Text(AnalysisField::CoppiaServo), "12");
    EXPECT_EQ(Judged().margin, Cell(Shown().rows[2], ModelColumn::Margine));
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
    EXPECT_EQ(Judged().minimumRating, Cell(Shown().rows[2], ModelColumn::CoppiaMinima));

    // Another surface's Aggiorna leaves the lent servo where it is.
    Select({0});
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Content().surfaces[0].servo.rating, 3);
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

}  // namespace
}  // namespace coppia
