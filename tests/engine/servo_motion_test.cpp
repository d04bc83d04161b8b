// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/servo_motion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>

namespace coppia {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kDegree = kPi / 180;
// A hundred thousand times finer than the 0.01 s a time is shown with.
constexpr double kTimeCheck = 1e-7;

ServoSheet Sheet() {
    return {2.5, 6.0, 0.12, 0.2, 2.0};  // Kg*cm, V, s/60°, A, A
}

double Rotation(double horn, double servo, double deflection) {
    return std::asin(horn * std::sin(std::fabs(deflection) * kDegree) / servo);
}

ServoLoad Constant(double load) {
    return [load](double) { return load; };
}

// k · θ (Kg*cm per radian of the servo arm), pushing back toward neutral from either side.
ServoLoad ProportionalToRotation(double k, double horn, double servo) {
    return [=](double deflection) {
        return std::copysign(k * Rotation(horn, servo, deflection), deflection);
    };
}

// The closed forms, for the data sheet's t60 and stall torque: ω₀ = (π/3)/t60.
double ConstantLoadTime(double rotation, double load) {
    return rotation / ((kPi / 3) / 0.12 * (1 - load / 2.5));
}
double ProportionalLoadTime(double rotation, double k) {
    return -(2.5 / ((kPi / 3) / 0.12 * k)) * std::log(1 - k * rotation / 2.5);
}

struct TimeRow {
    std::string name;
    double horn, servo, deflection;
    ServoLoad load;
    double seconds;
};

void PrintTo(const TimeRow& row, std::ostream* os) {
    *os << row.name;
}

class ClosedFormTest : public testing::TestWithParam<TimeRow> {};

TEST_P(ClosedFormTest, TimeUnderLoadMatchesTheClosedForm) {
    const TimeRow& row = GetParam();
    const ServoMotion m = MoveServo({row.horn, row.servo, 90, row.deflection}, Sheet(), row.load);
    ASSERT_EQ(m.loaded.outcome, MotionOutcome::Reached);
    EXPECT_NEAR(m.loaded.seconds, row.seconds, kTimeCheck);
    EXPECT_LE(m.timeError, kTimeTolerance);
    EXPECT_NEAR(m.unloaded.seconds,
                ConstantLoadTime(Rotation(row.horn, row.servo, row.deflection), 0), 1e-15);
}

const double k18 = 2.5 * 0.9 / Rotation(18, 12, 20);  // 90 % of the stall at the target

INSTANTIATE_TEST_SUITE_P(
    Loads, ClosedFormTest,
    testing::Values(
        TimeRow{"constant", 18, 12, 20, Constant(1), ConstantLoadTime(Rotation(18, 12, 20), 1)},
        TimeRow{"proportional", 18, 12, 20, ProportionalToRotation(k18, 18, 12),
                ProportionalLoadTime(Rotation(18, 12, 20), k18)},
        // A millionth short of the stall: the integrand ends a million times above its start.
        TimeRow{"proportional_near_stall", 12, 12, 30,
                ProportionalToRotation(2.5 * (1 - 1e-6) / (30 * kDegree), 12, 12),
                ProportionalLoadTime(30 * kDegree, 2.5 * (1 - 1e-6) / (30 * kDegree))},
        // The servo arm turned to 90°, straight along the rod.
        TimeRow{"arm_at_90", 20, 10, 30, ProportionalToRotation(1, 20, 10),
                ProportionalLoadTime(Rotation(20, 10, 30), 1)},
        // 0.02 Kg*cm per degree of the surface, driven to 90° by a horn half the servo arm:
        // dδ/dθ is infinite at the end. Worked by Simpson's rule over δ, where it is smooth.
        TimeRow{"steep_linkage", 10, 20, 90, [](double d) { return 0.02 * d; }, 0.088039281068531},
        // A load that helps counts as none: never faster than with no load.
        TimeRow{"helping", 18, 12, 20, Constant(-1), ConstantLoadTime(Rotation(18, 12, 20), 0)},
        TimeRow{"helping_up", 18, 12, -20, Constant(1), ConstantLoadTime(Rotation(18, 12, 20), 0)},
        // Helps for the first 10°, then opposes at 0.1 Kg*cm per degree.
        TimeRow{
            "helping_then_opposing", 12, 12, 20, [](double d) { return 0.1 * (d - 10); },
            ConstantLoadTime(10 * kDegree, 0) + ProportionalLoadTime(10 * kDegree, 0.1 / kDegree)}),
    [](const testing::TestParamInfo<TimeRow>& info) { return info.param.name; });

struct StopRow {
    std::string name;
    double horn, servo, deflection, stallTorque;
    ServoLoad load;
    double stop;
};

void PrintTo(const StopRow& row, std::ostream* os) {
    *os << row.name;
}

class StopTest : public testing::TestWithParam<StopRow> {};

TEST_P(StopTest, StopsWhereTheOpposingLoadFirstReachesTheStallTorque) {
    const StopRow& row = GetParam();
    ServoSheet sheet = Sheet();
    sheet.stallTorque = row.stallTorque;
    const ServoMotion m = MoveServo({row.horn, row.servo, 90, row.deflection}, sheet, row.load);
    ASSERT_EQ(m.loaded.outcome, MotionOutcome::StopsShort);
    EXPECT_NEAR(m.loaded.stopDeflection, row.stop, 1e-6);
    EXPECT_EQ(m.unloaded.outcome, MotionOutcome::Reached);
    EXPECT_EQ(m.holding.amperes, 2.0);  // stalled
}

const ServoLoad kTenthPerDegree = [](double d) { return 0.1 * d; };

INSTANTIATE_TEST_SUITE_P(
    Stalls, StopTest,
    testing::Values(StopRow{"equal_arms", 12, 12, 30, 2, kTenthPerDegree, 20},
                    StopRow{"long_horn", 18, 12, 30, 2, kTenthPerDegree, 20},
                    StopRow{"down", 18, 12, -30, 2, kTenthPerDegree, -20},
                    StopRow{"at_the_target", 12, 12, 20, 2, kTenthPerDegree, 20},
                    StopRow{"from_neutral", 12, 12, 20, 2, Constant(3), 0},
                    // 0.5 = 0.023570 · (δ + 7.040632 · 0.288000): the torque is a line in δ.
                    StopRow{"main_window", 18, 12, 20, 0.5,
                            LoadFromCalculation({300, 60, 60, 50, 0, 500, 18, 12}, 1,
                                                InitTorqueConstants()),
                            19.185349172631923}),
    [](const testing::TestParamInfo<StopRow>& info) { return info.param.name; });

TEST(ServoMotionTest, MainWindowInputsWithAFastServo) {
    const TorqueInputs in{300, 60, 60, 50, 20, 500, 18, 12};
    const ServoLoad load = LoadFromCalculation(in, 1, InitTorqueConstants());
    EXPECT_EQ(*LoadFromCalculation(in, 2, InitTorqueConstants())(20), 0x1.09d4cc31dd0e7p-2);
    const ServoMotion m = MoveServo({18, 12, 45, 20}, Sheet(), load);
    EXPECT_NEAR(m.rotation, 30.865882473, 1e-9);
    EXPECT_NEAR(m.loaded.seconds, 0.0700026745, 1e-9);  // shown "0.07"
    EXPECT_NEAR(m.unloaded.seconds, 0.0617317649, 1e-9);
    // 0.2 + 1.8 · 0.5192016 / 2.5
    EXPECT_NEAR(m.holding.amperes, 0.573825182, 1e-9);
}

TEST(ServoMotionTest, CurrentLineRunsFromNoLoadToStallAndStaysThere) {
    const struct {
        double load, amperes;
    } rows[] = {{0, 0.2}, {1.25, 1.1}, {-1.25, 1.1}, {2.5, 2.0}, {-2.5, 2.0}, {5, 2.0}};
    for (const auto& row : rows)
        EXPECT_DOUBLE_EQ(CurrentAtLoad(0.2, 2.0, 2.5, row.load), row.amperes) << row.load;
    // Holding takes the load's magnitude even where it helped on the way.
    EXPECT_DOUBLE_EQ(MoveServo({12, 12, 45, 20}, Sheet(), Constant(-1.25)).holding.amperes, 1.1);
}

struct MissingRow {
    std::string name;
    MotionInputs in;
    void (*change)(ServoSheet&);
    ServoLoad load;
    MotionOutcome loaded, unloaded;
    CurrentOutcome holding, starting;
    ServoDatum missingTime, missingHolding;  // where the outcome is Missing
};

void PrintTo(const MissingRow& row, std::ostream* os) {
    *os << row.name;
}

class MissingDataTest : public testing::TestWithParam<MissingRow> {};

TEST_P(MissingDataTest, EachFigureSaysWhatItLacks) {
    const MissingRow& row = GetParam();
    ServoSheet sheet = Sheet();
    row.change(sheet);
    const ServoMotion m = MoveServo(row.in, sheet, row.load);
    EXPECT_EQ(m.loaded.outcome, row.loaded);
    EXPECT_EQ(m.unloaded.outcome, row.unloaded);
    EXPECT_EQ(m.holding.outcome, row.holding);
    EXPECT_EQ(m.starting.outcome, row.starting);
    if (row.loaded == MotionOutcome::Missing) {
        EXPECT_EQ(m.loaded.missing, row.missingTime);
    }
    if (row.unloaded == MotionOutcome::Missing) {
        EXPECT_EQ(m.unloaded.missing, ServoDatum::Time60);
    }
    if (row.holding == CurrentOutcome::Missing) {
        EXPECT_EQ(m.holding.missing, row.missingHolding);
    }
}

using MO = MotionOutcome;
using CO = CurrentOutcome;
using SD = ServoDatum;
constexpr MotionInputs kUsual{18, 12, 45, 20};
const ServoLoad kRefusedPast10 = [](double d) -> std::optional<double> {
    return d > 10 ? std::nullopt : std::optional<double>(0.1);
};

INSTANTIATE_TEST_SUITE_P(
    Sheets, MissingDataTest,
    testing::Values(
        MissingRow{"all_given", kUsual, [](ServoSheet&) {}, Constant(1), MO::Reached, MO::Reached,
                   CO::Given, CO::Given, SD::Time60, SD::Time60},
        MissingRow{"no_time60", kUsual, [](ServoSheet& s) { s.time60.reset(); }, Constant(1),
                   MO::Missing, MO::Missing, CO::Given, CO::Given, SD::Time60, SD::Time60},
        MissingRow{"no_rating", kUsual, [](ServoSheet& s) { s.stallTorque.reset(); }, Constant(1),
                   MO::Missing, MO::Reached, CO::Missing, CO::Given, SD::StallTorque,
                   SD::StallTorque},
        MissingRow{"rating_negative", kUsual, [](ServoSheet& s) { s.stallTorque = -2.5; },
                   Constant(1), MO::Missing, MO::Reached, CO::Missing, CO::Given, SD::StallTorque,
                   SD::StallTorque},
        MissingRow{"no_noload_current", kUsual, [](ServoSheet& s) { s.noLoadCurrent.reset(); },
                   Constant(1), MO::Reached, MO::Reached, CO::Missing, CO::Given, SD::Time60,
                   SD::NoLoadCurrent},
        MissingRow{"no_stall_current", kUsual, [](ServoSheet& s) { s.stallCurrent.reset(); },
                   Constant(1), MO::Reached, MO::Reached, CO::Missing, CO::Missing, SD::Time60,
                   SD::StallCurrent},
        // Where it stops needs no speed.
        MissingRow{"stall_without_time60", kUsual, [](ServoSheet& s) { s.time60.reset(); },
                   Constant(3), MO::StopsShort, MO::Missing, CO::Given, CO::Given, SD::Time60,
                   SD::Time60},
        MissingRow{"refused_on_the_way", kUsual, [](ServoSheet&) {}, kRefusedPast10, MO::Refused,
                   MO::Reached, CO::Refused, CO::Given, SD::Time60, SD::Time60},
        MissingRow{"unreachable",
                   {24, 12, 45, 60},
                   [](ServoSheet&) {},
                   Constant(1),
                   MO::Unreachable,
                   MO::Unreachable,
                   CO::Given,
                   CO::Given,
                   SD::Time60,
                   SD::Time60},
        MissingRow{"no_horn",
                   {0, 12, 45, 20},
                   [](ServoSheet&) {},
                   Constant(1),
                   MO::Unreachable,
                   MO::Unreachable,
                   CO::Given,
                   CO::Given,
                   SD::Time60,
                   SD::Time60},
        MissingRow{"beyond_throw",
                   {18, 12, 30, 20},
                   [](ServoSheet&) {},
                   Constant(1),
                   MO::BeyondThrow,
                   MO::BeyondThrow,
                   CO::Given,
                   CO::Given,
                   SD::Time60,
                   SD::Time60}),
    [](const testing::TestParamInfo<MissingRow>& info) { return info.param.name; });

TEST(ServoMotionTest, NeutralTakesNoTimeEvenBeyondTheStall) {
    const ServoMotion m = MoveServo({18, 12, 45, 0}, Sheet(), Constant(3));
    EXPECT_EQ(m.loaded.outcome, MotionOutcome::Reached);
    EXPECT_EQ(m.loaded.seconds, 0);
    EXPECT_EQ(m.unloaded.seconds, 0);
    EXPECT_EQ(m.holding.amperes, 2.0);
}

}  // namespace
}  // namespace coppia
