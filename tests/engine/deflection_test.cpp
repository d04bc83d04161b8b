// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/deflection.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

#include "engine/number_text.h"

namespace coppia {
namespace {

struct TravelRow {
    double angle;
    double chord;
    double travel;
};

// Names the row in test listings.
void PrintTo(const TravelRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.angle << " degrees on " << row.chord;
}

class TravelFromAngleTest : public testing::TestWithParam<TravelRow> {};

TEST_P(TravelFromAngleTest, UsesThreePointOneFourOneFiveForPi) {
    const auto travel = TravelFromAngle(GetParam().angle, GetParam().chord);
    ASSERT_TRUE(travel.has_value());
    EXPECT_NEAR(*travel, GetParam().travel, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, TravelFromAngleTest,
                         testing::Values(TravelRow{20, 60, 20.83717}, TravelRow{60, 60, 59.99840},
                                         TravelRow{-60, 60, -59.99840}, TravelRow{90, 50, 70.70904},
                                         TravelRow{-20, 60, -20.83717},
                                         TravelRow{20, -60, -20.83717}, TravelRow{35, 0, 0},
                                         TravelRow{0, 60, 0}));

TEST(TravelFromAngleTest, FollowsTheStepsToTheLastBit) {
    const double expected = (60.0 + 60.0) * std::sin((20 * 3.1415) / 360);
    EXPECT_EQ(*TravelFromAngle(20, 60), expected);
}

TEST(TravelFromAngleTest, FailsWhenAnIntermediateOverflows) {
    EXPECT_FALSE(TravelFromAngle(20, 9e307).has_value());  // the doubled chord
    EXPECT_FALSE(TravelFromAngle(6e307, 60).has_value());  // the angle times 3.1415
    EXPECT_FALSE(TravelFromAngle(-6e307, 60).has_value());
    EXPECT_TRUE(TravelFromAngle(5e307, 60).has_value());
}

struct AngleRow {
    double travel;
    double chord;
    double angle;
};

// Names the row in test listings.
void PrintTo(const AngleRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.travel << " on " << row.chord;
}

class AngleFromTravelTest : public testing::TestWithParam<AngleRow> {};

TEST_P(AngleFromTravelTest, GivesTheAngleOfTheTravel) {
    const auto angle = AngleFromTravel(GetParam().travel, GetParam().chord);
    ASSERT_TRUE(angle.has_value());
    EXPECT_NEAR(*angle, GetParam().angle, 5e-6);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, AngleFromTravelTest,
                         testing::Values(AngleRow{20.8, 60, 19.96395}, AngleRow{20, 60, 19.18870},
                                         AngleRow{60, 60, 60.00177}, AngleRow{-20, 60, -19.18870},
                                         AngleRow{20, -60, -19.18870}, AngleRow{0, 60, 0}));

TEST(AngleFromTravelTest, FollowsTheStepsToTheLastBit) {
    const double x = 20.8 / (60.0 + 60.0);
    const double expected = (360 * std::atan(x / std::sqrt(1 - x * x))) / 3.1415;
    EXPECT_EQ(*AngleFromTravel(20.8, 60), expected);
}

TEST(AngleFromTravelTest, FailsWhereNoAngleIsGiven) {
    EXPECT_FALSE(AngleFromTravel(20, 10).has_value());  // exactly twice the chord
    EXPECT_FALSE(AngleFromTravel(-20, 10).has_value());
    EXPECT_FALSE(AngleFromTravel(120.5, 60).has_value());  // longer than twice the chord
    EXPECT_FALSE(AngleFromTravel(-130, 60).has_value());
    EXPECT_FALSE(AngleFromTravel(20, 0).has_value());  // zero chord, any travel
    EXPECT_FALSE(AngleFromTravel(0, 0).has_value());
    EXPECT_FALSE(AngleFromTravel(0, -0.0).has_value());
    EXPECT_FALSE(AngleFromTravel(1e308, 1e-308).has_value());  // the quotient overflows
}

TEST(AngleFromTravelTest, JustUnderTwiceTheChordIsJustUnderTheLargestAngle) {
    const auto angle = AngleFromTravel(119.9999, 60);
    ASSERT_TRUE(angle.has_value());
    EXPECT_NEAR(*angle, 179.857, 5e-4);
    EXPECT_LT(*angle, 180.0053);
}

TEST(DeflectionTest, ThereAndBackThroughOneDecimal) {
    const double travel = *TravelFromAngle(20, 60);
    EXPECT_EQ(FormatNumber(travel, "##0.0"), "20.8");
    const double angle = *AngleFromTravel(*ReadNumber("20.8"), 60);
    EXPECT_NEAR(angle, 19.964, 5e-4);
    EXPECT_EQ(FormatNumber(angle, "#0.0"), "20.0");
}

struct CheckRow {
    double angle;
    AngleCheck check;
};

// Names the row in test listings.
void PrintTo(const CheckRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.angle;
}

class CheckDeflectionAngleTest : public testing::TestWithParam<CheckRow> {};

TEST_P(CheckDeflectionAngleTest, LimitsAreInclusive) {
    EXPECT_EQ(CheckDeflectionAngle(GetParam().angle), GetParam().check) << GetParam().angle;
}

INSTANTIATE_TEST_SUITE_P(Limits, CheckDeflectionAngleTest,
                         testing::Values(CheckRow{60, AngleCheck::AngleWithinLimits},
                                         CheckRow{-60, AngleCheck::AngleWithinLimits},
                                         CheckRow{0, AngleCheck::AngleWithinLimits},
                                         CheckRow{60.0001, AngleCheck::AngleAboveMaximum},
                                         CheckRow{60.01, AngleCheck::AngleAboveMaximum},
                                         CheckRow{-60.0001, AngleCheck::AngleBelowMinimum},
                                         CheckRow{-1e300, AngleCheck::AngleBelowMinimum}));

}  // namespace
}  // namespace coppia
