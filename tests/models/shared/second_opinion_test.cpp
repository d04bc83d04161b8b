// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/second_opinion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace coppia {
namespace {

// The main window's initial inputs: an aileron of E = 0.2 on a wing flying at C_L = 0.288.
TorqueInputs Aileron() {
    return {300, 60, 60, 50, 20, 500, 18, 12};
}

// A trainer's elevator, which carries no load: E = 0.3.
TorqueInputs Elevator() {
    return {180, 54, 60, 0, 20, 600, 15, 10};
}

struct TextsRow {
    const char* name;
    std::function<void(TorqueInputs&)> change;
    SectionProfile profile;
    int share;
    SecondOpinionTexts texts;
};

void PrintTo(const TextsRow& row, std::ostream* out) {
    *out << row.name;
}

class SecondOpinionTextsTest : public testing::TestWithParam<TextsRow> {};

TEST_P(SecondOpinionTextsTest, SayTheEstimateItsSideItsRatioAndItsAssumptions) {
    TorqueInputs in = Aileron();
    GetParam().change(in);
    const SecondOpinion opinion =
        SecondOpinionOf(in, GetParam().profile, GetParam().share, InitTorqueConstants());
    const SecondOpinionTexts texts = TextsOf(opinion);
    const SecondOpinionTexts& expected = GetParam().texts;
    EXPECT_EQ(texts.problem, expected.problem);
    EXPECT_EQ(texts.real, expected.real);
    EXPECT_EQ(texts.ratio, expected.ratio);
    EXPECT_EQ(texts.thin, expected.thin);
    EXPECT_EQ(texts.side, expected.side);
    EXPECT_EQ(texts.source, "teoria del profilo sottile (Glauert); correzioni DATCOM");
    EXPECT_EQ(texts.assumption, expected.assumption);
    EXPECT_EQ(texts.indicative, expected.indicative);
}

const std::string kDown = "con il bordo d'uscita in giù, il lato più caricato";
const std::string kSealed12 =
    "spessore 12% della corda; rapporto delle pendenze 0.85: fessura "
    "sigillata";

// The figures are the engine's worked cases: down, the real section gives 0.520408 Kg*cm and
// the thin airfoil 0.718335; the calculation 0.519202 at +20° and -0.423614 at -20°.
INSTANTIATE_TEST_SUITE_P(
    WorkedByHand, SecondOpinionTextsTest,
    testing::Values(
        TextsRow{"Aileron",
                 [](TorqueInputs&) {},
                 kWingSurfaceProfile,
                 1,
                 {"", "0.52", "1.00 volte il calcolo", "0.72", kDown, "", kSealed12, ""}},
        // Typed upwards, the side that loads the servo more is still the one given, and its
        // ratio is to the calculation as the window shows it: 0.520408 / 0.423614.
        TextsRow{"AileronTypedUp",
                 [](TorqueInputs& in) { in.Ang = -20; },
                 kWingSurfaceProfile,
                 1,
                 {"", "0.52", "1.23 volte il calcolo", "0.72", kDown, "", kSealed12, ""}},
        // 0.538182 and 0.681940 over 0.389373, the same either way.
        TextsRow{"UnloadedElevator",
                 [](TorqueInputs& in) { in = Elevator(); },
                 kTailSurfaceProfile,
                 1,
                 {"", "0.54", "1.38 volte il calcolo", "0.68", "uguale da entrambi i lati", "",
                  "spessore 9% della corda; rapporto delle pendenze 0.85: fessura sigillata", ""}},
        // Open: r = 0.75, K_alpha 0.135 + 0.205 / 3, K_delta 0.80 - 0.025 x 2 / 3, alpha 3.19°:
        // C_h = -0.005651 - 0.211336, 0.451753 Kg*cm.
        TextsRow{"OpenGap",
                 [](TorqueInputs&) {},
                 {12, HingeGap::Open},
                 1,
                 {"", "0.45", "0.87 volte il calcolo", "0.72", kDown, "",
                  "spessore 12% della corda; rapporto delle pendenze 0.75: fessura aperta", ""}},
        TextsRow{"BeyondTwentyDegrees",
                 [](TorqueInputs& in) { in.Ang = 20.5; },
                 kWingSurfaceProfile,
                 1,
                 {"", "0.53", "1.00 volte il calcolo", "0.74", kDown, "", kSealed12,
                  "Stima indicativa oltre 20° di deflessione: lì la corrente si stacca e la "
                  "coppia vera cresce meno della stima"}},
        TextsRow{"NothingToCompareWith",
                 [](TorqueInputs& in) {
                     in = Elevator();
                     in.Ang = 0;
                 },
                 kTailSurfaceProfile,
                 1,
                 {"", "0.00", "il calcolo dà 0", "0.00", "uguale da entrambi i lati", "",
                  "spessore 9% della corda; rapporto delle pendenze 0.85: fessura sigillata", ""}},
        TextsRow{"ThicknessOutOfRange",
                 [](TorqueInputs&) {},
                 {21, HingeGap::Sealed},
                 1,
                 {"Seconda stima non disponibile: lo spessore del profilo deve essere un numero "
                  "da 0 a 20 (% della corda)",
                  "", "", "", "", "",
                  "spessore 21% della corda; rapporto delle pendenze 0.85: "
                  "fessura sigillata",
                  ""}},
        // Refused, it says nothing: the calculation's refusal says why.
        TextsRow{"CalculationRefused",
                 [](TorqueInputs& in) { in.Vel = 0; },
                 kWingSurfaceProfile,
                 1,
                 {"", "", "", "", "", "", kSealed12, ""}}));

// The steps of the initial inputs, each worked by hand: E = 0.2, C_L = 0.288, q = 170.1389 Pa;
// K_alpha 0.54 + (0.675 - 0.54) / 3, K_delta 0.88 - 0.01 x 2 / 3, thickness 0.795455 +
// (0.921569 - 0.795455) / 3; alpha = 0.288 / (0.85 x 6.9) = 2.81°; C_h = -0.292138 x 0.049105
// - 0.675002 x 0.349066 = -0.249965; H = 0.306250 N*m x C_h.
TEST(SecondOpinionTest, TheStepsLeadFromTheDerivativesToTheTorqueWithTheirUnits) {
    const SecondOpinion opinion =
        SecondOpinionOf(Aileron(), kWingSurfaceProfile, 2, InitTorqueConstants());
    const std::vector<EstimateStep> steps = EstimateSteps(opinion, "per servo: 1 dei 2");
    ASSERT_EQ(steps.size(), kEstimateStepCount);
    std::vector<std::string> values;
    std::vector<std::string> units;
    for (const EstimateStep& step : steps) {
        values.push_back(step.value);
        units.push_back(step.unit);
    }
    EXPECT_EQ(values,
              (std::vector<std::string>{"170.1", "-0.4994", "-0.9229", "0.85", "6.900", "0.585",
                                        "0.873", "0.837", "-0.2921", "-0.6750", "2.81", "20.0",
                                        "-0.2500", "-0.0766", "0.26", "0.36"}));
    EXPECT_EQ(units,
              (std::vector<std::string>{"Pa", "1/rad", "1/rad", "fessura sigillata", "1/rad", "",
                                        "", "", "1/rad", "1/rad", "°", "°", "", "N·m",
                                        "Kg*cm, per servo: 1 dei 2", "Kg*cm, per servo: 1 dei 2"}));
    EXPECT_EQ(steps[10].name, "Incidenza α = Cp / (r · c_lα)");
}

struct JudgedRow {
    const char* name;
    double ang;
    JudgeWith with;
    SectionProfile profile;
    double kgfCm;
    bool estimate;
    std::string words;
};

void PrintTo(const JudgedRow& row, std::ostream* out) {
    *out << row.name;
}

class JudgedTorqueTest : public testing::TestWithParam<JudgedRow> {};

TEST_P(JudgedTorqueTest, IsTheCalculationsOrTheLargerOfTheTwoAndSaysWhich) {
    TorqueInputs in = Aileron();
    in.Ang = GetParam().ang;
    const JudgedTorque judged = JudgedTorqueOf(
        SecondOpinionOf(in, GetParam().profile, 1, InitTorqueConstants()), GetParam().with);
    EXPECT_NEAR(judged.kgfCm, GetParam().kgfCm, 1e-6);
    EXPECT_EQ(judged.estimate, GetParam().estimate);
    EXPECT_EQ(judged.words, GetParam().words);
}

const std::string kOn = "Verdetto, margine, coppia minima e limiti sulla ";

INSTANTIATE_TEST_SUITE_P(
    Choices, JudgedTorqueTest,
    testing::Values(
        JudgedRow{"Calculation", -20, JudgeWith::Calculation, kWingSurfaceProfile, 0.423614, false,
                  kOn + "coppia del calcolo"},
        JudgedRow{"PrudentTakesTheEstimate", -20, JudgeWith::Prudent, kWingSurfaceProfile, 0.520408,
                  true, kOn + "seconda stima (profilo reale), più alta del calcolo"},
        // Open, the real section gives 0.451753 against the calculation's 0.519202.
        JudgedRow{"PrudentKeepsTheCalculation",
                  20,
                  JudgeWith::Prudent,
                  {12, HingeGap::Open},
                  0.519202,
                  false,
                  kOn + "coppia del calcolo, non più bassa della seconda stima (profilo reale)"},
        JudgedRow{"PrudentWithoutAnEstimate",
                  20,
                  JudgeWith::Prudent,
                  {25, HingeGap::Sealed},
                  0.519202,
                  false,
                  kOn + "coppia del calcolo: la seconda stima non è disponibile"}));

// Judged on the larger torque, a servo holds less: the limit found is the largest tenth at
// which both torques are within the rating, and the next tenth is not.
TEST(JudgedTorqueAtTest, TheHoldingSearchesJudgeOnTheLargerTorque) {
    const TorqueConstants constants = InitTorqueConstants();
    TorqueInputs in = Aileron();
    in.Ang = -20;
    const double rating = 0.8;
    const TorqueAt prudent = JudgedTorqueAt(kWingSurfaceProfile, JudgeWith::Prudent, constants);
    const HoldingLimit both = LargestDeflectionHeld(in, rating, prudent);
    const HoldingLimit calculation = LargestDeflectionHeld(in, rating, constants);
    ASSERT_EQ(both.reach, HoldingLimit::Reach::UpTo);
    ASSERT_EQ(calculation.reach, HoldingLimit::Reach::UpTo);
    EXPECT_GT(both.value, calculation.value) << "upwards: a negative figure, nearer to 0";
    const auto larger = [&](double ang) {
        TorqueInputs at = in;
        at.Ang = ang;
        const HingeEstimate e = EstimateHingeMoment(at, kWingSurfaceProfile, constants);
        return std::max(std::fabs(e.calculation.ServoTorque),
                        std::fabs(SideOf(e, e.larger).real.servoTorque));
    };
    EXPECT_LE(larger(both.value), rating);
    EXPECT_GT(larger(both.value - 0.1), rating);
    EXPECT_EQ(*prudent(in), larger(-20));
    EXPECT_NEAR(*JudgedTorqueAt(kWingSurfaceProfile, JudgeWith::Calculation, constants)(in),
                0.423614, 1e-6);
    in.Vel = 0;
    EXPECT_FALSE(prudent(in)) << "refused: no limit from a curve with holes";
}

}  // namespace
}  // namespace coppia
