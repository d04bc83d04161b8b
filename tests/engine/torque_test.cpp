// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/torque.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

namespace coppia {
namespace {

// The window's initial texts.
TorqueInputs InitialInputs() {
    TorqueInputs in;
    in.Ang = 20.0;
    in.Vel = 60;
    in.CarAla = 50;
    in.CordaAla = 300;
    in.CordaAlett = 60;
    in.LungAlett = 500;
    in.BrAlett = 18;
    in.BrServ = 12;
    return in;
}

TorqueResult Calculate(const TorqueInputs& in) {
    return CalculateTorque(in, InitTorqueConstants());
}

TEST(TorqueTest, InitialTextsGiveEveryIntermediateOfTheWorkedCase) {
    const TorqueResult r = Calculate(InitialInputs());
    EXPECT_EQ(r.Outcome, TorqueOutcome::Complete);
    EXPECT_TRUE(r.RatioInRange);
    EXPECT_DOUBLE_EQ(r.ChordRatio, 0.2);
    EXPECT_NEAR(r.SpeedSquared, 277.777822, 1e-6);
    EXPECT_NEAR(r.LiftCoefficient, 0.28799995, 1e-8);
    EXPECT_FALSE(r.StallRisk);
    EXPECT_NEAR(r.AngleFactor, 7.0406325, 1e-7);
    EXPECT_NEAR(r.EffectiveAngle, 22.027702, 1e-6);
    EXPECT_NEAR(r.HingeCoefficient, 6.932468e-10, 1e-16);
    EXPECT_NEAR(r.HingeTorque, 7.635318, 1e-6);
    EXPECT_NEAR(r.ServoTorque, 0.5192016, 1e-7);
}

TEST(TorqueTest, LiftCoefficientGroupsTheLoadingOverTheQuarteredSquare) {
    // 0.2 * 50 / (SpeedSquared * 0.125) differs in the last bits from 1.6 * 50 / SpeedSquared.
    const TorqueResult r = Calculate(InitialInputs());
    const double speed = 60 * 0.2777778;
    EXPECT_EQ(r.LiftCoefficient, (0.2 * (50.0 * 1)) / ((speed * speed) * 0.125));
}

struct CaseRow {
    const char* name;
    void (*change)(TorqueInputs&);
    TorqueOutcome outcome;
    double liftCoefficient;
    bool stall;
    double effectiveAngle;
    double servoTorque;
};

// Names the row in test listings.
void PrintTo(const CaseRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.name;
}

class TorqueCaseTest : public testing::TestWithParam<CaseRow> {};

TEST_P(TorqueCaseTest, MatchesTheWorkedValues) {
    const CaseRow& row = GetParam();
    TorqueInputs in = InitialInputs();
    row.change(in);
    const TorqueResult r = Calculate(in);
    ASSERT_EQ(r.Outcome, row.outcome);
    if (row.outcome != TorqueOutcome::Complete) {
        EXPECT_FALSE(r.RatioInRange);
        return;
    }
    EXPECT_NEAR(r.LiftCoefficient, row.liftCoefficient, 1e-7);
    EXPECT_EQ(r.StallRisk, row.stall);
    EXPECT_NEAR(r.EffectiveAngle, row.effectiveAngle, 1e-6);
    EXPECT_NEAR(r.ServoTorque, row.servoTorque, 1e-7);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, TorqueCaseTest,
    testing::Values(
        CaseRow{"RatioExactlyAtTheLowerBound", [](TorqueInputs& in) { in.CordaAlett = 7.5; },
                TorqueOutcome::Complete, 0.28799995, false, 20.523495, 0.0096018},
        CaseRow{"RatioJustBelowTheLowerBound", [](TorqueInputs& in) { in.CordaAlett = 7.4; },
                TorqueOutcome::RatioOutOfRange, 0, false, 0, 0},
        CaseRow{"RatioExactlyAtTheUpperBound", [](TorqueInputs& in) { in.CordaAlett = 240; },
                TorqueOutcome::Complete, 0.28799995, false, 48.517354, 3.1757109},
        CaseRow{"RatioJustAboveTheUpperBound", [](TorqueInputs& in) { in.CordaAlett = 241; },
                TorqueOutcome::RatioOutOfRange, 0, false, 0, 0},
        CaseRow{"UpperBoundFromOtherChords",
                [](TorqueInputs& in) {
                    in.CordaAlett = 60;
                    in.CordaAla = 75;
                },
                TorqueOutcome::Complete, 0.28799995, false, 48.517354, 0.1984819},
        CaseRow{"NoWingLoading", [](TorqueInputs& in) { in.CarAla = 0; }, TorqueOutcome::Complete,
                0, false, 20, 0.4714079},
        CaseRow{"SlowFlightWarnsButCompletes", [](TorqueInputs& in) { in.Vel = 20; },
                TorqueOutcome::Complete, 2.5919996, true, 38.249317, 0.1001724},
        CaseRow{"NegativeDeflection", [](TorqueInputs& in) { in.Ang = -20.0; },
                TorqueOutcome::Complete, 0.28799995, false, -17.972298, -0.4236142},
        CaseRow{"TwoNegativeChordsGiveAPositiveRatio",
                [](TorqueInputs& in) {
                    in.CordaAla = -300;
                    in.CordaAlett = -60;
                },
                TorqueOutcome::Complete, 0.28799995, false, 22.027702, 0.5192016},
        CaseRow{"ZeroSurfaceLength", [](TorqueInputs& in) { in.LungAlett = 0; },
                TorqueOutcome::Complete, 0.28799995, false, 22.027702, 0}),
    [](const testing::TestParamInfo<CaseRow>& info) { return std::string(info.param.name); });

TEST(TorqueTest, ALiftCoefficientOfExactlyTheThresholdIsNoStall) {
    TorqueInputs in = InitialInputs();
    in.Vel = 10;  // SpeedSquared is then exactly 1/8 of (10 * 0.2777778)^2; pick the loading
    const double speed = in.Vel * 0.2777778;
    const double speedSquared = speed * speed;
    in.CarAla = 1.2 * (speedSquared * 0.125) / 0.2;
    const TorqueResult r = Calculate(in);
    ASSERT_EQ(r.LiftCoefficient, 1.2);
    EXPECT_FALSE(r.StallRisk);
    in.CarAla = std::nextafter(in.CarAla, 1e9);
    EXPECT_TRUE(Calculate(in).StallRisk);
}

struct PolynomialRow {
    double ratio;
    double angleFactor;
    double hingeTimes1e10;
};

// Names the row in test listings.
void PrintTo(const PolynomialRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << "ratio " << row.ratio;
}

class PolynomialTest : public testing::TestWithParam<PolynomialRow> {};

TEST_P(PolynomialTest, AngleFactorAndHingeCoefficientMatchTheTable) {
    const PolynomialRow& row = GetParam();
    TorqueInputs in = InitialInputs();
    in.CordaAla = 1000;
    in.CordaAlett = row.ratio * 1000;
    const TorqueResult r = Calculate(in);
    ASSERT_EQ(r.Outcome, TorqueOutcome::Complete);
    EXPECT_NEAR(r.AngleFactor, row.angleFactor, 5e-7);
    EXPECT_NEAR(r.HingeCoefficient * 1e10, row.hingeTimes1e10, 5e-7);
}

INSTANTIATE_TEST_SUITE_P(Table, PolynomialTest,
                         testing::Values(PolynomialRow{0.025, 1.817693, 8.806487},
                                         PolynomialRow{0.1, 4.189087, 7.995230},
                                         PolynomialRow{0.2, 7.040632, 6.932468},
                                         PolynomialRow{0.3, 10.359531, 5.891024},
                                         PolynomialRow{0.5, 21.583138, 3.885572},
                                         PolynomialRow{0.8, 99.018607, 1.203220}));

struct FailureRow {
    const char* name;
    void (*change)(TorqueInputs&);
    TorqueOutcome outcome;
};

// Names the row in test listings.
void PrintTo(const FailureRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.name;
}

class TorqueFailureTest : public testing::TestWithParam<FailureRow> {};

TEST_P(TorqueFailureTest, ReportsInsteadOfANonFiniteNumber) {
    TorqueInputs in = InitialInputs();
    GetParam().change(in);
    EXPECT_EQ(Calculate(in).Outcome, GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Divisors, TorqueFailureTest,
    testing::Values(FailureRow{"BothChordsZero",
                               [](TorqueInputs& in) {
                                   in.CordaAla = 0;
                                   in.CordaAlett = 0;
                               },
                               TorqueOutcome::RatioOutOfRange},
                    FailureRow{"WingChordZero", [](TorqueInputs& in) { in.CordaAla = 0; },
                               TorqueOutcome::RatioOutOfRange},
                    FailureRow{"ZeroSpeed", [](TorqueInputs& in) { in.Vel = 0; },
                               TorqueOutcome::ZeroSpeed},
                    FailureRow{"ZeroSpeedAndNoLoading",
                               [](TorqueInputs& in) {
                                   in.Vel = 0;
                                   in.CarAla = 0;
                               },
                               TorqueOutcome::ZeroSpeed},
                    FailureRow{"SpeedSquaredUnderflows", [](TorqueInputs& in) { in.Vel = 1e-200; },
                               TorqueOutcome::LiftOutOfRange},
                    FailureRow{"HugeLoading",
                               [](TorqueInputs& in) {
                                   in.CarAla = 1e308;
                                   in.Vel = 1;
                               },
                               TorqueOutcome::LiftOutOfRange},
                    FailureRow{"ZeroHornArm", [](TorqueInputs& in) { in.BrAlett = 0; },
                               TorqueOutcome::ZeroHornArm},
                    FailureRow{"TorqueOverflows", [](TorqueInputs& in) { in.LungAlett = 1e308; },
                               TorqueOutcome::TorqueOutOfRange},
                    FailureRow{"ZeroSpeedMetBeforeZeroArm",
                               [](TorqueInputs& in) {
                                   in.Vel = 0;
                                   in.BrAlett = 0;
                               },
                               TorqueOutcome::ZeroSpeed}),
    [](const testing::TestParamInfo<FailureRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace coppia
