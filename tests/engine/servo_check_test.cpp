// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/servo_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "engine/number_text.h"

namespace coppia {
namespace {

TEST(TorqueUnitsTest, OneKilogramForceCentimetreInEveryUnit) {
    const TorqueInUnits one = ConvertTorque(1);
    EXPECT_EQ(one.kgfCm, 1);
    EXPECT_EQ(one.newtonCm, 9.80665);
    EXPECT_DOUBLE_EQ(one.newtonM, 0.0980665);
    EXPECT_NEAR(one.ozfIn, 13.88739016, 1e-8);  // worked by hand: 9.80665 / 0.706155
    EXPECT_DOUBLE_EQ(KgfCmFromNewtonCm(9.80665), 1);
    EXPECT_DOUBLE_EQ(ConvertTorque(KgfCmFromNewtonCm(0.706155)).ozfIn, 1);
}

struct LinkageRow {
    double horn, servo, deflection, servoThrow;
    LinkageOutcome outcome;
    double rotation;  // degrees, to 1e-6
    bool beyondThrow;
};

class LinkageTest : public testing::TestWithParam<LinkageRow> {};

TEST_P(LinkageTest, TurnsTheServoArmByTheArcsineOfTheArmsAndDeflection) {
    const LinkageRow& row = GetParam();
    const LinkageResult r = CheckLinkage(row.horn, row.servo, row.deflection, row.servoThrow);
    EXPECT_EQ(r.outcome, row.outcome);
    EXPECT_NEAR(r.rotation, row.rotation, 1e-6);
    EXPECT_EQ(r.beyondThrow, row.beyondThrow);
}

INSTANTIATE_TEST_SUITE_P(
    ArmPairs, LinkageTest,
    testing::Values(
        // The window's initial inputs: asin(18 · sin 20° / 12) = asin(0.513030) = 30.8659°.
        LinkageRow{18, 12, 20, 45, LinkageOutcome::Reachable, 30.865882473, false},
        LinkageRow{18, 12, 20, 30, LinkageOutcome::Reachable, 30.865882473, true},
        LinkageRow{12, 12, 30, 45, LinkageOutcome::Reachable, 30, false},
        LinkageRow{10, 20, 30, 45, LinkageOutcome::Reachable, 14.477512186, false},
        // Up and down deflections need the same rotation; arms count by their length.
        LinkageRow{12, 12, -45, 45, LinkageOutcome::Reachable, 45, false},
        LinkageRow{-18, -12, -20, 45, LinkageOutcome::Reachable, 30.865882473, false},
        LinkageRow{18, 12, 0, 45, LinkageOutcome::Reachable, 0, false},
        // A horn twice the servo arm at 30° needs the arm straight along the rod: 90°.
        LinkageRow{20, 10, 30, 90, LinkageOutcome::Reachable, 90 - 1.2e-6, false},
        LinkageRow{24, 12, 60, 45, LinkageOutcome::Unreachable, 0, false},
        LinkageRow{18, 0, 20, 45, LinkageOutcome::Unreachable, 0, false},
        LinkageRow{0, 0, 20, 45, LinkageOutcome::Unreachable, 0, false}));

TEST(LinkageTest, AnUnreachableDeflectionReportsTheSineItWouldNeed) {
    const LinkageResult r = CheckLinkage(24, 12, 60, 45);
    EXPECT_NEAR(r.sine, std::sqrt(3.0), 1e-12);
}

struct MarginRow {
    double needed, rated, factor;
    double margin, minimumRating;
    Verdict verdict;
};

class ServoCheckTest : public testing::TestWithParam<MarginRow> {};

TEST_P(ServoCheckTest, JudgesTheMarginAgainstOneAndTheFactor) {
    const MarginRow& row = GetParam();
    const ServoCheck check = CheckServo(row.needed, row.rated, row.factor);
    EXPECT_DOUBLE_EQ(check.margin, row.margin);
    EXPECT_DOUBLE_EQ(check.minimumRating, row.minimumRating);
    EXPECT_EQ(check.verdict, row.verdict);
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    VerdictBoundaries, ServoCheckTest,
    testing::Values(MarginRow{1.5, 3, 2, 2, 3, Verdict::Sufficient},
                    MarginRow{1.5, 2.9985, 2, 1.999, 3, Verdict::AtTheLimit},
                    MarginRow{1.5, 1.5, 2, 1, 3, Verdict::AtTheLimit},
                    MarginRow{1.5, 1.4985, 2, 0.999, 3, Verdict::Insufficient},
                    MarginRow{1.5, 1.5, 1, 1, 1.5, Verdict::Sufficient},
                    // The margin is on the magnitude: a downward deflection needs as much.
                    MarginRow{-1.5, 3, 2, 2, 3, Verdict::Sufficient},
                    MarginRow{0, 3, 2, kInfinity, 0, Verdict::Sufficient},
                    MarginRow{0.52, 0, 2, 0, 1.04, Verdict::Insufficient}));

// The window's initial inputs.
TorqueInputs InitialInputs() {
    return TorqueInputs{300, 60, 60, 50, 20.0, 500, 18, 12};
}

struct SweepRow {
    double speed;
    int angle;
};

class SweepTest : public testing::TestWithParam<SweepRow> {};

TEST_P(SweepTest, EachPointIsCalculateTorqueAtThatAngleAndSpeed) {
    const SweepRow& row = GetParam();
    const TorqueConstants constants = InitTorqueConstants();
    const std::vector<SweepCurve> curves = SweepTorque(InitialInputs(), {48, row.speed}, constants);
    ASSERT_EQ(curves.size(), 2u);
    const SweepCurve& curve = curves[1];
    EXPECT_EQ(curve.speed, row.speed);
    ASSERT_EQ(curve.points.size(), 61u);
    TorqueInputs direct = InitialInputs();
    direct.Vel = row.speed;
    direct.Ang = row.angle;
    const TorqueResult expected = CalculateTorque(direct, constants);
    const TorqueResult& swept = curve.points[static_cast<std::size_t>(row.angle)];
    EXPECT_EQ(swept.Outcome, expected.Outcome);
    EXPECT_EQ(swept.EffectiveAngle, expected.EffectiveAngle);
    EXPECT_EQ(swept.ServoTorque, expected.ServoTorque);  // bit for bit: the same calculation
}

INSTANTIATE_TEST_SUITE_P(BoundaryAnglesAndThePeak, SweepTest,
                         testing::Values(SweepRow{60, 0}, SweepRow{60, 60}, SweepRow{90, 0},
                                         SweepRow{90, 60}, SweepRow{0, 30}));

TEST(SweepTest, ThePeakIsTheLargestTorqueAndARefusedCurveHasNone) {
    const TorqueConstants constants = InitTorqueConstants();
    const std::vector<SweepCurve> curves = SweepTorque(InitialInputs(), {60, 0}, constants);
    ASSERT_EQ(curves[0].peakAngle, 60);
    for (const TorqueResult& point : curves[0].points) {
        EXPECT_LE(point.ServoTorque, curves[0].points[60].ServoTorque);
    }
    EXPECT_FALSE(curves[1].peakAngle.has_value());
    EXPECT_EQ(curves[1].points[0].Outcome, TorqueOutcome::ZeroSpeed);

    // A surface whose lift turns it the other way needs most torque at no deflection.
    TorqueInputs against = InitialInputs();
    against.CarAla = -2000;
    const SweepCurve turned = SweepTorque(against, {60}, constants)[0];
    EXPECT_EQ(turned.peakAngle, 0);
}

struct HoldingRow {
    const char* name;
    double vel, ang, carAla, brServ;  // the rest as the window's initial inputs
    double rating;                    // Kg*cm
    HoldingLimit::Reach deflectionReach;
    double deflection;
    HoldingLimit::Reach speedReach;
    double speed;
};

void PrintTo(const HoldingRow& row, std::ostream* out) {
    *out << row.name;
}

class HoldingLimitTest : public testing::TestWithParam<HoldingRow> {};

TEST_P(HoldingLimitTest, TheLimitsAgreeWithTheCalculation) {
    const HoldingRow& row = GetParam();
    const TorqueConstants constants = InitTorqueConstants();
    TorqueInputs in = InitialInputs();
    in.Vel = row.vel;
    in.Ang = row.ang;
    in.CarAla = row.carAla;
    in.BrServ = row.brServ;
    const auto holdsWith = [&](double TorqueInputs::*varied, double value) {
        TorqueInputs at = in;
        at.*varied = value;
        return std::fabs(CalculateTorque(at, constants).ServoTorque) <= row.rating;
    };

    const HoldingLimit deflection = LargestDeflectionHeld(in, row.rating, constants);
    EXPECT_EQ(deflection.reach, row.deflectionReach);
    EXPECT_DOUBLE_EQ(deflection.value, row.deflection);
    // On the side the surface is deflected to, every whole degree beyond the figure fails; the
    // figure, typed, holds and a tenth more not.
    const double side = in.Ang < 0 ? -1 : 1;
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
        if (angle > std::fabs(deflection.value)) {
            EXPECT_FALSE(holdsWith(&TorqueInputs::Ang, side * angle)) << side * angle;
        }
    }
    if (deflection.reach == HoldingLimit::Reach::UpTo) {
        const double typed = *ReadNumber(FormatNumber(deflection.value, "#0.0"));
        EXPECT_TRUE(holdsWith(&TorqueInputs::Ang, typed));
        EXPECT_FALSE(holdsWith(&TorqueInputs::Ang, typed + side * 0.1));
    }

    const HoldingLimit speed = HighestSpeedHeld(in, row.rating, constants);
    EXPECT_EQ(speed.reach, row.speedReach);
    EXPECT_DOUBLE_EQ(speed.value, row.speed);
    if (speed.reach == HoldingLimit::Reach::UpTo) {
        // At the inputs' own deflection, downward ones included.
        EXPECT_TRUE(holdsWith(&TorqueInputs::Vel, speed.value));
        EXPECT_FALSE(holdsWith(&TorqueInputs::Vel, speed.value + 0.1));
    }
}

using Reach = HoldingLimit::Reach;

INSTANTIATE_TEST_SUITE_P(
    Servos, HoldingLimitTest,
    testing::Values(
        // 37.68°, 18.58°, 134.48 and 94.45 Km/h, rounded down so that the figures hold.
        HoldingRow{"SixKgCm", 120, 30, 50, 20, 6, Reach::UpTo, 37.6, Reach::UpTo, 134.4},
        HoldingRow{"SixKgCmWithAFactorOfTwo", 120, 30, 50, 20, 3, Reach::UpTo, 18.5, Reach::UpTo,
                   94.4},
        HoldingRow{"TheWholeRange", 60, 20, 50, 12, 3, Reach::Throughout, 60, Reach::UpTo, 150.1},
        HoldingRow{"BeyondTenTimesTheSpeed", 60, 20, 50, 12, 1000, Reach::Throughout, 60,
                   Reach::Throughout, 600},
        // The lift's own torque, the same at any speed, is already beyond it.
        HoldingRow{"Nowhere", 60, 20, 50, 12, 0.01, Reach::Nowhere, 0, Reach::Nowhere, 1},
        // A lift against the deflection: it holds from about 3° on, and up to 45.5°.
        HoldingRow{"NotAtNeutral", 60, 30, -600, 12, 0.5, Reach::UpTo, 45.5, Reach::UpTo, 73.9},
        // Down 30°, the lift takes some of the deflection back: the same servo holds a faster
        // model than up 30°, and a larger deflection downward than upward.
        HoldingRow{"SixKgCmDownward", 120, -30, 50, 20, 6, Reach::UpTo, -38.6, Reach::UpTo, 136.2},
        HoldingRow{"DownwardWithAFactorOfTwo", 120, -30, 50, 20, 3, Reach::UpTo, -19.5, Reach::UpTo,
                   96.9},
        // The lift that held the surface up adds to a downward deflection: held at no speed.
        HoldingRow{"DownwardWithTheLift", 60, -20, -600, 12, 0.5, Reach::Nowhere, 0, Reach::Nowhere,
                   1},
        // Far beyond what the servo holds, the search still starts from the slowest speeds.
        HoldingRow{"FarAboveTheHighestSpeed", 5000, 20, 50, 12, 1.5, Reach::UpTo, 0, Reach::UpTo,
                   105.3},
        HoldingRow{"TheSameFromTheModelsSpeed", 60, 20, 50, 12, 1.5, Reach::Throughout, 60,
                   Reach::UpTo, 105.3},
        HoldingRow{"BelowOneKmH", 0.5, 20, 50, 12, 3, Reach::Throughout, 60, Reach::Throughout,
                   5}));

}  // namespace
}  // namespace coppia
