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

// Bit for bit: the grouping of every operation is deliberate, and a regrouping that moves the
// last bit of any intermediate must fail here. Shown to the digits the window rounds from.
TEST(TorqueTest, InitialTextsGiveEveryIntermediateOfTheWorkedCase) {
    const TorqueResult r = Calculate(InitialInputs());
    EXPECT_EQ(r.Outcome, TorqueOutcome::Complete);
    EXPECT_TRUE(r.RatioInRange);
    EXPECT_EQ(r.ChordRatio, 0.2);
    EXPECT_EQ(r.SpeedSquared, 0x1.15c71f5b6e8dep+8);     // 277.777822222224
    EXPECT_EQ(r.LiftCoefficient, 0x1.26e975bd57fe3p-2);  // 0.2879999539200055
    EXPECT_FALSE(r.StallRisk);
    EXPECT_EQ(r.AngleFactor, 0x1.c299b90838a37p+2);        // 7.040632494000014
    EXPECT_EQ(r.EffectiveAngle, 0x1.6071777a66177p+4);     // 22.027701833839696
    EXPECT_EQ(r.HingeCoefficient, 0x1.7d1dd0b3d176bp-31);  // 6.932468128e-10
    EXPECT_EQ(r.HingeTorque, 0x1.e8a90df23fc3fp+2);        // 7.6353182664598185
    EXPECT_EQ(r.ServoTorque, 0x1.09d4cc31dd0e7p-1);        // 0.5192016421192677
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

// The lift coefficient of the initial speed and loading, 0.2879999539200055.
constexpr double kLift = 0x1.26e975bd57fe3p-2;

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
    EXPECT_EQ(r.LiftCoefficient, row.liftCoefficient);
    EXPECT_EQ(r.StallRisk, row.stall);
    EXPECT_EQ(r.EffectiveAngle, row.effectiveAngle);
    EXPECT_EQ(r.ServoTorque, row.servoTorque);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, TorqueCaseTest,
    testing::Values(
        CaseRow{"RatioExactlyAtTheLowerBound", [](TorqueInputs& in) { in.CordaAlett = 7.5; },
                TorqueOutcome::Complete, kLift, false, 0x1.48603cad8a06bp+4, 0x1.3aa1cf65f3af9p-7},
        CaseRow{"RatioJustBelowTheLowerBound", [](TorqueInputs& in) { in.CordaAlett = 7.4; },
                TorqueOutcome::RatioOutOfRange, 0, false, 0, 0},
        CaseRow{"RatioExactlyAtTheUpperBound", [](TorqueInputs& in) { in.CordaAlett = 240; },
                TorqueOutcome::Complete, kLift, false, 0x1.84238a913556ep+5, 0x1.967db225a5899p+1},
        CaseRow{"RatioJustAboveTheUpperBound", [](TorqueInputs& in) { in.CordaAlett = 241; },
                TorqueOutcome::RatioOutOfRange, 0, false, 0, 0},
        CaseRow{"UpperBoundFromOtherChords",
                [](TorqueInputs& in) {
                    in.CordaAlett = 60;
                    in.CordaAla = 75;
                },
                TorqueOutcome::Complete, kLift, false, 0x1.84238a913556ep+5, 0x1.967db225a5899p-3},
        CaseRow{"NoWingLoading", [](TorqueInputs& in) { in.CarAla = 0; }, TorqueOutcome::Complete,
                0, false, 20, 0x1.e2b8c131f6b5ep-2},
        CaseRow{"SlowFlightWarnsButCompletes", [](TorqueInputs& in) { in.Vel = 20; },
                TorqueOutcome::Complete, 0x1.4bc6a47502fdfp+1, true, 0x1.31fe99a6cb698p+5,
                0x1.9a4e5d4f097b0p-4},
        CaseRow{"NegativeDeflection", [](TorqueInputs& in) { in.Ang = -20.0; },
                TorqueOutcome::Complete, kLift, false, -0x1.1f8e888599e89p+4,
                -0x1.b1c7ea00334eep-2},
        CaseRow{"TwoNegativeChordsGiveAPositiveRatio",
                [](TorqueInputs& in) {
                    in.CordaAla = -300;
                    in.CordaAlett = -60;
                },
                TorqueOutcome::Complete, kLift, false, 0x1.6071777a66177p+4, 0x1.09d4cc31dd0e7p-1},
        CaseRow{"ZeroSurfaceLength", [](TorqueInputs& in) { in.LungAlett = 0; },
                TorqueOutcome::Complete, kLift, false, 0x1.6071777a66177p+4, 0}),
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
