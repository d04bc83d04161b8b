// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/models/analysis/analysis_fixture.h"

namespace coppia {
namespace {

// The initial inputs, worked by hand (as the engine's case): the calculation gives 0.519202
// Kg*cm at +20° and 0.423614 at -20°; down, the real section 0.520408 and the thin airfoil
// 0.718335, the side a servo is judged by either way.
TEST_F(AnalysisWindowTest, TheSecondEstimateStandsBesideTheTorqueWithItsSourceAndAssumption) {
    const SecondOpinionTexts& texts = Shown().secondOpinion;
    EXPECT_EQ(texts.real, "0.52");
    EXPECT_EQ(texts.ratio, "1.00 volte il calcolo");
    EXPECT_EQ(texts.thin, "0.72");
    EXPECT_EQ(texts.side, "con il bordo d'uscita in giù, il lato più caricato");
    EXPECT_EQ(texts.source, "teoria del profilo sottile (Glauert); correzioni DATCOM");
    EXPECT_EQ(texts.assumption,
              "spessore 12% della corda; rapporto delle pendenze 0.85: fessura sigillata");
    EXPECT_EQ(texts.indicative, "");
    EXPECT_EQ(Shown().secondOpinionMargin, "5.76");  // 3 / 0.520408 = 5.765
    EXPECT_EQ(Shown().secondOpinionMarginTone, Tone::Good);
    EXPECT_EQ(Shown().judgedOn,
              "Verdetto, margine, coppia minima e limiti sulla coppia del "
              "calcolo");
    EXPECT_EQ(Shown().otherVerdict, "");
    ASSERT_EQ(Shown().estimateSteps.size(), kEstimateStepCount);
    EXPECT_EQ(Shown().estimateSteps[12].value, "-0.2500");

    window.UserClick(Control::UP);  // the angle is typed
    Enter(Control::Ang, "25");
    EXPECT_EQ(Shown().secondOpinion.indicative,
              "Stima indicativa oltre 20° di deflessione: lì la corrente si stacca e la coppia "
              "vera cresce meno della stima");
    Enter(Control::Vel, "0");
    EXPECT_EQ(Shown().secondOpinion.real, "") << "refused: the refusal says why";
    EXPECT_TRUE(Shown().estimateSteps.empty());
}

// A 1 Kg*cm servo on the aileron typed upwards: 1 / 0.423614 = 2.36 on the calculation,
// 1 / 0.520408 = 1.92 on the estimate.
TEST_F(AnalysisWindowTest, GiudicaConChoosesTheTorqueAndTheVerdictSaysWhenTheOtherDiffers) {
    window.UserClick(Control::UP);  // the angle is typed
    Enter(Control::Ang, "-20");
    analysis.Analisi_CoppiaServo_Change("1");
    EXPECT_EQ(Shown().verdict, "Servo Sufficiente");
    EXPECT_EQ(Shown().margin, "2.36");
    EXPECT_EQ(Shown().otherVerdict, "Con la seconda stima (profilo reale): Servo al Limite");
    EXPECT_EQ(Shown().otherVerdictTone, Tone::Warning) << "in the colour of the worse one";
    EXPECT_EQ(Shown().secondOpinionMargin, "1.92");
    EXPECT_EQ(Shown().secondOpinionMarginTone, Tone::Warning);
    EXPECT_EQ(Shown().secondOpinion.ratio, "1.23 volte il calcolo");
    EXPECT_EQ(Shown().minimumRating, "0.85");  // 0.423614 x 2, up

    analysis.Analisi_GiudicaCon_Change(JudgeWith::Prudent);
    EXPECT_EQ(Shown().verdict, "Servo al Limite");
    EXPECT_EQ(Shown().verdictTone, Tone::Warning);
    EXPECT_EQ(Shown().otherVerdict, "Con la coppia del calcolo: Servo Sufficiente");
    EXPECT_EQ(Shown().otherVerdictTone, Tone::Warning);
    EXPECT_EQ(Shown().margin, "1.92");
    EXPECT_EQ(Shown().minimumRating, "1.05");  // 0.520408 x 2 = 1.0408: 1.04 would not do
    EXPECT_EQ(Shown().judgedOn,
              "Verdetto, margine, coppia minima e limiti sulla seconda stima "
              "(profilo reale), più alta del calcolo");
    EXPECT_NE(settings.bytes->find("\nGiudicaCon=prudente\n"), std::string::npos);

    // The limits hold the larger torque. Upwards, the calculation is 0.0235705 (m - 2.027702)
    // Kg*cm at m degrees, within 1 up to 44.45° (23.24° within 0.5); the estimate, down,
    // 2.081900 x (0.014345 + 0.011781 m) = 0.029865 + 0.024527 m, up to 39.55° (19.17°).
    ASSERT_EQ(Shown().limits.size(), 2u);
    EXPECT_EQ(Shown().limits[0].value, "-39.5° (-19.1° con il fattore di sicurezza)");
    analysis.Analisi_GiudicaCon_Change(JudgeWith::Calculation);
    EXPECT_EQ(Shown().limits[0].value, "-44.4° (-23.2° con il fattore di sicurezza)");
}

// The section is typed as the other fields are, kept in the settings, and a thickness out of
// its range is neither used nor kept: the verdict then stands on the calculation alone.
TEST_F(AnalysisWindowTest, TheSectionIsTypedKeptAndRefusedOutOfItsRange) {
    analysis.Analisi_SpessoreProfilo_Change("9,5");
    EXPECT_EQ(Shown().secondOpinion.assumption,
              "spessore 9.5% della corda; rapporto delle pendenze 0.85: fessura sigillata");
    analysis.Analisi_FessuraProfilo_Change(HingeGap::Open);
    EXPECT_EQ(Shown().secondOpinion.assumption,
              "spessore 9.5% della corda; rapporto delle pendenze 0.75: fessura aperta");
    EXPECT_NE(settings.bytes->find("\nSpessoreProfilo=9.5\nFessuraProfilo=aperta\n"),
              std::string::npos);

    analysis.Analisi_GiudicaCon_Change(JudgeWith::Prudent);
    analysis.Analisi_SpessoreProfilo_Change("20.5");
    EXPECT_EQ(Shown().secondOpinion.problem,
              "Spessore del profilo non valido: serve un numero da 0 a 20 (% della corda); "
              "intanto nessuna seconda stima");
    EXPECT_EQ(Shown().secondOpinion.real, "");
    EXPECT_EQ(Shown().secondOpinionMargin, "");
    EXPECT_EQ(Shown().verdict, "Servo Sufficiente");
    EXPECT_EQ(Shown().margin, "5.77") << "the calculation's: 3 / 0.519202";
    EXPECT_EQ(Shown().judgedOn,
              "Verdetto, margine, coppia minima e limiti sulla coppia del "
              "calcolo: la seconda stima non è disponibile");
    EXPECT_EQ(Column(Shown().sweepRows, 6), std::vector<std::string>(61, "—"));
    EXPECT_FALSE(Shown().plot.band);
    EXPECT_NE(settings.bytes->find("\nSpessoreProfilo=9.5\n"), std::string::npos);
    EXPECT_EQ(analysis.Text(AnalysisField::SpessoreProfilo), "20.5");
}

// The section of a surface a model lends goes with its servo: the analysis judges with it,
// changes it as it changes the rating, and says that the model's surface still has its own.
TEST_F(AnalysisWindowTest, ALentSurfacesSectionIsJudgedAndChangedOnTheLoan) {
    const SectionProfile tail{9, HingeGap::Sealed};
    window.Loan().Lend(
        {"Elevatore", "Standard", 4, RatingUnit::KgfCm, 1, 4, RatingUnit::KgfCm, tail, tail});
    EXPECT_EQ(analysis.Text(AnalysisField::SpessoreProfilo), "9");
    EXPECT_EQ(Shown().secondOpinion.assumption,
              "spessore 9% della corda; rapporto delle pendenze 0.85: fessura sigillata");
    EXPECT_EQ(Shown().loanDrift, "");
    const std::optional<std::string> kept = settings.bytes;

    analysis.Analisi_SpessoreProfilo_Change("6");
    analysis.Analisi_FessuraProfilo_Change(HingeGap::Open);
    EXPECT_EQ(window.Loan().Current()->profile, (SectionProfile{6, HingeGap::Open}));
    EXPECT_EQ(Shown().loanDrift,
              "Profilo diverso da quello di «Elevatore» nel modello (9%, fessura sigillata): per "
              "tenerlo, Aggiorna nella finestra del modello");
    analysis.Analisi_CoppiaServo_Change("5");
    EXPECT_EQ(Shown().loanDrift,
              "Coppia e profilo diversi da quelli di «Elevatore» nel modello (4 Kg*cm; 9%, "
              "fessura sigillata): per tenerli, Aggiorna nella finestra del modello");
    EXPECT_EQ(settings.bytes, kept) << "a lent section is the surface's, not the settings'";

    window.Loan().End();
    EXPECT_EQ(analysis.Text(AnalysisField::SpessoreProfilo), "12") << "the window's own again";
}

// Each of two servos carries half the torque: the estimate's too.
TEST_F(AnalysisWindowTest, TheEstimateOfASharedSurfaceIsOneServos) {
    window.Loan().Lend({"Flap", "", 3, RatingUnit::KgfCm, 2, 3, RatingUnit::KgfCm,
                        kWingSurfaceProfile, kWingSurfaceProfile});
    EXPECT_EQ(Shown().secondOpinion.real, "0.26");
    EXPECT_EQ(Shown().secondOpinion.thin, "0.36");
    EXPECT_EQ(Shown().secondOpinion.ratio, "1.00 volte il calcolo");
    EXPECT_EQ(Shown().estimateSteps.back().unit, "Kg*cm, per servo: 1 dei 2");
    EXPECT_EQ(Shown().sweepHeadings[6], "Seconda stima profilo reale (Kg*cm, per servo: 1 dei 2)");
    EXPECT_EQ(Shown().sweepRows[20].cells[6], "0.26");
    EXPECT_EQ(Shown().sweepRows[20].cells[8], "11.52") << "3 / 0.260204";
}

}  // namespace
}  // namespace coppia
