// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/hinge_estimate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <utility>
#include <vector>

#include "engine/datcom_tables.h"

namespace coppia {
namespace {

constexpr double kPi = std::numbers::pi;

// The lift a flap's deflection gives a thin section, per radian (Houghton & Carpenter, 4.5).
double LiftPerDeflection(double chordRatio) {
    const double phi = std::acos(2 * chordRatio - 1);
    return 2 * (kPi - phi + std::sin(phi));
}

struct CheckRow {
    double chordRatio, alpha, delta, liftDelta;  // per radian, to four decimals
};

class GlauertTest : public testing::TestWithParam<CheckRow> {};

TEST_P(GlauertTest, DerivativesAndLiftMeetTheCheckValues) {
    const CheckRow& row = GetParam();
    const HingeDerivatives d = GlauertDerivatives(row.chordRatio);
    EXPECT_NEAR(d.alpha, row.alpha, 5e-5);
    EXPECT_NEAR(d.delta, row.delta, 5e-5);
    EXPECT_NEAR(LiftPerDeflection(row.chordRatio), row.liftDelta, 5e-5);
}

// A whole plate hinged at its nose turns as the incidence does: both derivatives are the
// moment about the leading edge, -c_l / 4 = -pi / 2, and its lift 2 pi.
INSTANTIATE_TEST_SUITE_P(CheckValues, GlauertTest,
                         testing::Values(CheckRow{0.1, -0.3449, -0.8842, 2.4870},
                                         CheckRow{0.2, -0.4994, -0.9229, 3.4546},
                                         CheckRow{0.3, -0.6274, -0.9654, 4.1516},
                                         CheckRow{0.4, -0.7448, -1.0127, 4.6985},
                                         CheckRow{1.0, -kPi / 2, -kPi / 2, 2 * kPi}));

// The thin-airfoil problem solved afresh: the vortex sheet of a flat plate (chord 1, speed 1)
// with a flap of chord E hinged at 1 - E, lumped into one vortex per panel at its quarter,
// made tangent to the plate at its three quarters. Panels are spaced by cosines on each side of
// the hinge, so that an edge falls on it and they crowd where the loading is singular.
struct SheetSolution {
    double liftAlpha = 0, liftDelta = 0, hingeAlpha = 0, hingeDelta = 0;
};

SheetSolution SolveVortexSheet(double chordRatio, int panelsEachSide) {
    const double hinge = 1 - chordRatio;
    std::vector<double> edges;
    for (int k = 0; k <= panelsEachSide; ++k)
        edges.push_back(hinge * (1 - std::cos(kPi * k / panelsEachSide)) / 2);
    for (int k = 1; k <= panelsEachSide; ++k)
        edges.push_back(hinge + chordRatio * (1 - std::cos(kPi * k / panelsEachSide)) / 2);
    const int n = static_cast<int>(edges.size()) - 1;
    std::vector<double> vortex(n), control(n);
    for (int j = 0; j < n; ++j) {
        vortex[j] = edges[j] + (edges[j + 1] - edges[j]) / 4;
        control[j] = edges[j] + 3 * (edges[j + 1] - edges[j]) / 4;
    }
    // Downwash at control i from a unit vortex j equals the local incidence: alpha (all 1), or
    // the flap's deflection (1 aft of the hinge). Two right-hand sides, Gaussian elimination.
    std::vector<std::vector<double>> m(n, std::vector<double>(n + 2));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) m[i][j] = 1 / (2 * kPi * (control[i] - vortex[j]));
        m[i][n] = 1;
        m[i][n + 1] = control[i] > hinge ? 1 : 0;
    }
    for (int k = 0; k < n; ++k) {
        for (int i = k + 1; i < n; ++i)
            if (std::fabs(m[i][k]) > std::fabs(m[k][k]))
                std::swap(m[i], m[k]);
        for (int i = k + 1; i < n; ++i) {
            const double f = m[i][k] / m[k][k];
            for (int j = k; j < n + 2; ++j) m[i][j] -= f * m[k][j];
        }
    }
    SheetSolution s;
    std::vector<double> g(n);
    for (const int rhs : {n, n + 1}) {
        double lift = 0, hingeMoment = 0;
        for (int i = n - 1; i >= 0; --i) {
            double sum = m[i][rhs];
            for (int j = i + 1; j < n; ++j) sum -= m[i][j] * g[j];
            g[i] = sum / m[i][i];
            // Load 2 Gamma (in q c) at the vortex; aft of the hinge it turns the edge up.
            lift += 2 * g[i];
            if (vortex[i] > hinge)
                hingeMoment -= 2 * g[i] * (vortex[i] - hinge) / (chordRatio * chordRatio);
        }
        (rhs == n ? s.liftAlpha : s.liftDelta) = lift;
        (rhs == n ? s.hingeAlpha : s.hingeDelta) = hingeMoment;
    }
    return s;
}

class VortexSheetTest : public testing::TestWithParam<double> {};

// With 160 panels each side the sheet is within 0.2 % of the closed forms (its error falls about
// threefold from 80 panels to 160); a slipped term in a closed form moves them by far more.
TEST_P(VortexSheetTest, AgreesWithTheClosedForms) {
    const double e = GetParam();
    const SheetSolution sheet = SolveVortexSheet(e, 160);
    const HingeDerivatives d = GlauertDerivatives(e);
    EXPECT_NEAR(sheet.liftAlpha, 2 * kPi, 1e-9);
    EXPECT_NEAR(sheet.liftDelta / LiftPerDeflection(e), 1, 3e-3);
    EXPECT_NEAR(sheet.hingeAlpha / d.alpha, 1, 3e-3);
    EXPECT_NEAR(sheet.hingeDelta / d.delta, 1, 3e-3);
}

INSTANTIATE_TEST_SUITE_P(ChordRatios, VortexSheetTest,
                         testing::Values(0.025, 0.1, 0.2, 0.3, 0.4, 0.6, 0.8));

struct FactorRow {
    double (*factor)(double, double);
    double x, chordRatio, expected;
};

class FactorTest : public testing::TestWithParam<FactorRow> {};

TEST_P(FactorTest, ReadsTheTableAlongStraightLinesAndHoldsItsEnds) {
    const FactorRow& row = GetParam();
    EXPECT_NEAR(row.factor(row.x, row.chordRatio), row.expected, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    DeflectionFactors, FactorTest,
    testing::Values(FactorRow{DeflectionFactor, 0.85, 0.10, 0.88},
                    FactorRow{DeflectionFactor, 0.85, 0.25, 0.87},
                    FactorRow{DeflectionFactor, 0.60, 0.40, 0.415},
                    FactorRow{DeflectionFactor, 0.825, 0.10, (0.84 + 0.88) / 2},
                    FactorRow{DeflectionFactor, 0.85, 0.175, (0.88 + 0.87) / 2},
                    FactorRow{DeflectionFactor, 0.75, 0.325, (0.775 + 0.745) / 2},
                    FactorRow{DeflectionFactor, 0.85, 0.05, 0.88},
                    FactorRow{DeflectionFactor, 0.85, 0.8, 0.85},
                    FactorRow{DeflectionFactor, 0.50, 0.40, 0.415},
                    FactorRow{DeflectionFactor, 1.10, 0.25, 1.0}));

INSTANTIATE_TEST_SUITE_P(IncidenceFactors, FactorTest,
                         testing::Values(FactorRow{IncidenceFactor, 0.84, 0.10, 0.50},
                                         FactorRow{IncidenceFactor, 0.85, 0.40, (0.65 + 0.70) / 2},
                                         FactorRow{IncidenceFactor, 0.85, 0.20,
                                                   0.54 + (0.675 - 0.54) / 3},
                                         FactorRow{IncidenceFactor, 0.75, 0.25, (0.135 + 0.34) / 2},
                                         FactorRow{IncidenceFactor, 0.70, 0.10, -0.10},
                                         FactorRow{IncidenceFactor, 0.60, 0.10, -0.10},
                                         FactorRow{IncidenceFactor, 0.85, 0.8, 0.675}));

// Each row over the thin plate's own value in its column, -0.88 at E 0.10 and -1.02 at 0.40.
INSTANTIATE_TEST_SUITE_P(
    ThicknessFactors, FactorTest,
    testing::Values(FactorRow{ThicknessFactor, 0, 0.25, 1},
                    FactorRow{ThicknessFactor, 0.12, 0.10, 0.70 / 0.88},
                    FactorRow{ThicknessFactor, 0.12, 0.40, 0.94 / 1.02},
                    FactorRow{ThicknessFactor, 0.09, 0.10, (0.77 + 0.735) / 2 / 0.88},
                    FactorRow{ThicknessFactor, 0.05, 0.40, (0.995 + 0.985) / 2 / 1.02},
                    FactorRow{ThicknessFactor, 0.12, 0.20,
                              0.70 / 0.88 + (0.94 / 1.02 - 0.70 / 0.88) / 3},
                    FactorRow{ThicknessFactor, 0.12, 0.05, 0.70 / 0.88},
                    FactorRow{ThicknessFactor, 0.15, 0.10, 0.64 / 0.88},
                    FactorRow{ThicknessFactor, 0.20, 0.10, 0.64 / 0.88}));

// The main window's initial texts.
TorqueInputs InitialInputs() {
    TorqueInputs in;
    in.CordaAla = 300;
    in.CordaAlett = 60;
    in.Vel = 60;
    in.CarAla = 50;
    in.Ang = 20;
    in.LungAlett = 500;
    in.BrAlett = 18;
    in.BrServ = 12;
    return in;
}

HingeEstimate Estimate(const TorqueInputs& in, const SectionProfile& profile = {}) {
    return EstimateHingeMoment(in, profile, InitTorqueConstants());
}

// Worked by hand. E = 60 / 300 = 0.2: C_h_alpha = -0.499382, C_h_delta = -0.922877 per radian.
// C_L = 0.288000 (the calculation's); q = 1.225 / 2 x (60 / 3.6)^2 = 170.1389 Pa;
// q c_f^2 b_f = 170.1389 x 0.06^2 x 0.5 = 0.306250 N*m; arms 12 / 18; 20 degrees = 0.349066 rad.
// Thin plate: alpha = 0.288 / 2 pi = 0.0458366, C_h_alpha alpha = -0.022890.
//   Down: C_h = -0.022890 - 0.322145 = -0.345035, H = -0.105667 N*m,
//         torque 0.105667 x 100 / 9.80665 x 2 / 3 = 0.718335 Kg*cm, over 0.519202: 1.383537.
//   Up:   C_h = -0.022890 + 0.322145 = 0.299255, torque -0.623025; the calculation at -20
//         degrees is 0.519202 x (-20 + 7.040632 x 0.288) / 22.027702 = -0.423614: 1.470737.
// Real section, sealed, 12 %: r = 0.85, c_l_alpha,theory = 6.3 + 5 x 0.12 = 6.9,
//   alpha = 0.288 / (0.85 x 6.9) = 0.0491049; K_alpha = 0.54 + (0.675 - 0.54) / 3 = 0.585,
//   K_delta = 0.88 - 0.01 x 2 / 3 = 0.873333, thickness 0.795455 + (0.921569 - 0.795455) / 3
//   = 0.837493: C_h_alpha = -0.292138, C_h_delta = -0.675002, C_h_alpha alpha = -0.014345.
//   Down: C_h = -0.249965, torque 0.520408, 1.002324. Up: C_h = 0.221275, -0.460676, 1.087490.
TEST(HingeEstimateTest, InitialTextsGiveTheWorkedCase) {
    const HingeEstimate e = Estimate(InitialInputs());
    ASSERT_EQ(e.outcome, HingeEstimateOutcome::Complete);
    EXPECT_NEAR(e.factors.incidence, 0.585, 1e-12);
    EXPECT_NEAR(e.factors.deflection, 0.873333, 1e-6);
    EXPECT_NEAR(e.factors.thickness, 0.837493, 1e-6);
    EXPECT_NEAR(e.thinAngleOfAttack, 0.0458366, 1e-7);
    EXPECT_NEAR(e.realAngleOfAttack, 0.0491049, 1e-7);
    EXPECT_NEAR(e.momentScale, 0.306250, 1e-6);
    EXPECT_NEAR(e.down.thin.newtonMetres, -0.105667, 1e-6);
    EXPECT_NEAR(e.down.thin.servoTorque, 0.718335, 1e-6);
    EXPECT_NEAR(e.down.thin.ratio.value(), 1.383537, 1e-6);
    EXPECT_NEAR(e.down.real.servoTorque, 0.520408, 1e-6);
    EXPECT_NEAR(e.down.real.ratio.value(), 1.002324, 1e-6);
    EXPECT_EQ(e.up.deflection, -20);
    EXPECT_NEAR(e.up.calculationTorque, -0.423614, 1e-6);
    EXPECT_NEAR(e.up.thin.servoTorque, -0.623025, 1e-6);
    EXPECT_NEAR(e.up.thin.ratio.value(), 1.470737, 1e-6);
    EXPECT_NEAR(e.up.real.servoTorque, -0.460676, 1e-6);
    EXPECT_NEAR(e.up.real.ratio.value(), 1.087490, 1e-6);
    EXPECT_EQ(e.larger, DeflectedSide::Down);
    EXPECT_FALSE(e.indicative);
}

// A trainer's elevator, worked by hand: no load, so C_h = C_h_delta delta on both sides.
// E = 54 / 180 = 0.3: C_h_delta = -0.965403; q c_f^2 b_f = 170.1389 x 0.054^2 x 0.6 = 0.297675.
// Thin: C_h = -0.336989, torque 0.100313 x 100 / 9.80665 x 10 / 15 = 0.681940 Kg*cm.
// Real, 9 % sealed: K_delta = 0.87 - 0.02 / 3 = 0.863333; thickness at 0.09 is 0.855114 at
// E 0.10 and 0.943627 at 0.40, so 0.914123 at 0.3: C_h = -0.265949, torque 0.538182.
// The calculation gives 0.389373: ratios 1.751379 and 1.382176.
TEST(HingeEstimateTest, AnUnloadedElevatorNeedsTheSameTorqueEitherWay) {
    TorqueInputs in = InitialInputs();
    in.CordaAla = 180;
    in.CordaAlett = 54;
    in.CarAla = 0;
    in.LungAlett = 600;
    in.BrAlett = 15;
    in.BrServ = 10;
    const HingeEstimate e = Estimate(in, kTailSurfaceProfile);
    ASSERT_EQ(e.outcome, HingeEstimateOutcome::Complete);
    EXPECT_EQ(e.thinAngleOfAttack, 0);
    EXPECT_NEAR(e.down.thin.servoTorque, 0.681940, 1e-6);
    EXPECT_NEAR(e.down.real.servoTorque, 0.538182, 1e-6);
    EXPECT_NEAR(e.down.thin.ratio.value(), 1.751379, 1e-6);
    EXPECT_NEAR(e.down.real.ratio.value(), 1.382176, 1e-6);
    EXPECT_LT(e.down.real.newtonMetres, 0);
    EXPECT_EQ(e.up.thin.servoTorque, -e.down.thin.servoTorque);
    EXPECT_EQ(e.up.real.servoTorque, -e.down.real.servoTorque);
    EXPECT_EQ(e.up.real.ratio, e.down.real.ratio);
    EXPECT_EQ(e.larger, DeflectedSide::Down);
}

struct SideRow {
    double carAla, ang;
    DeflectedSide larger;
    bool indicative;
};

class LargerSideTest : public testing::TestWithParam<SideRow> {};

// The sides come from |Ang|, whatever its sign; a wing pushed down (negative loading) is worse
// with its surface up. Beyond 20 degrees either way the estimate is only indicative.
TEST_P(LargerSideTest, NamesTheSideWhereTheTwoTermsAdd) {
    TorqueInputs in = InitialInputs();
    in.CarAla = GetParam().carAla;
    in.Ang = GetParam().ang;
    const HingeEstimate e = Estimate(in);
    ASSERT_EQ(e.outcome, HingeEstimateOutcome::Complete);
    EXPECT_EQ(e.larger, GetParam().larger);
    EXPECT_EQ(e.indicative, GetParam().indicative);
    const HingeSide& larger = SideOf(e, e.larger);
    const HingeSide& other =
        SideOf(e, e.larger == DeflectedSide::Down ? DeflectedSide::Up : DeflectedSide::Down);
    EXPECT_GT(std::fabs(larger.real.servoTorque), std::fabs(other.real.servoTorque));
    EXPECT_GT(std::fabs(larger.thin.servoTorque), std::fabs(other.thin.servoTorque));
    TorqueInputs down = in;
    down.Ang = std::fabs(in.Ang);
    EXPECT_EQ(e.down.deflection, down.Ang);
    EXPECT_EQ(e.down.calculationTorque, CalculateTorque(down, InitTorqueConstants()).ServoTorque);
    EXPECT_EQ(e.calculation.ServoTorque, CalculateTorque(in, InitTorqueConstants()).ServoTorque);
}

INSTANTIATE_TEST_SUITE_P(Loadings, LargerSideTest,
                         testing::Values(SideRow{50, 20, DeflectedSide::Down, false},
                                         SideRow{50, -20, DeflectedSide::Down, false},
                                         SideRow{120, 5, DeflectedSide::Down, false},
                                         SideRow{-50, 20, DeflectedSide::Up, false},
                                         SideRow{50, 20.1, DeflectedSide::Down, true},
                                         SideRow{50, -35, DeflectedSide::Down, true}));

TEST(HingeEstimateTest, GivesNoEstimateForInputsTheCalculationRefusesAndSaysWhy) {
    using enum TorqueOutcome;
    constexpr double kEndless = std::numeric_limits<double>::infinity();
    const struct {
        double TorqueInputs::*field;
        double value;
        TorqueOutcome reason;
    } rows[] = {{&TorqueInputs::CordaAla, 0, RatioOutOfRange},
                {&TorqueInputs::CordaAlett, 300, RatioOutOfRange},
                {&TorqueInputs::Vel, 0, ZeroSpeed},
                {&TorqueInputs::CarAla, kEndless, LiftOutOfRange},
                {&TorqueInputs::BrAlett, 0, ZeroHornArm},
                {&TorqueInputs::LungAlett, 1e308, TorqueOutOfRange}};
    for (const auto& row : rows) {
        TorqueInputs in = InitialInputs();
        in.*row.field = row.value;
        const HingeEstimate e = Estimate(in);
        EXPECT_EQ(e.outcome, HingeEstimateOutcome::CalculationRefused);
        EXPECT_EQ(e.calculation.Outcome, row.reason);
        EXPECT_EQ(e.down.real.servoTorque, 0);
        EXPECT_FALSE(e.down.real.ratio.has_value());
    }
}

TEST(HingeEstimateTest, TakesThicknessesFromTheThinPlateToTwentyPercent) {
    using enum HingeEstimateOutcome;
    for (const auto& [percent, outcome] :
         {std::pair{0.0, Complete}, std::pair{20.0, Complete}, std::pair{-0.5, ThicknessOutOfRange},
          std::pair{20.5, ThicknessOutOfRange},
          std::pair{std::numeric_limits<double>::quiet_NaN(), ThicknessOutOfRange}}) {
        EXPECT_EQ(Estimate(InitialInputs(), {percent, HingeGap::Open}).outcome, outcome) << percent;
    }
}

// An open gap lowers the lift slope the section's incidence is read against, and both factors:
// r = 0.75, a = 0.75 x 6.9 = 5.175; K_alpha and K_delta are the table's at r = 0.75.
TEST(HingeEstimateTest, AnOpenGapIsReadAtItsOwnLiftSlopeRatio) {
    const HingeEstimate e = Estimate(InitialInputs(), {12, HingeGap::Open});
    EXPECT_EQ(e.factors.liftSlopeRatio, 0.75);
    EXPECT_NEAR(e.realAngleOfAttack, e.calculation.LiftCoefficient / 5.175, 1e-15);
    EXPECT_EQ(e.factors.incidence, IncidenceFactor(0.75, 0.2));
    EXPECT_EQ(e.factors.deflection, DeflectionFactor(0.75, 0.2));
}

TEST(HingeEstimateTest, GivesNoRatioAgainstATorqueOfZero) {
    TorqueInputs in = InitialInputs();
    in.CarAla = 0;
    in.Ang = 0;
    const HingeEstimate e = Estimate(in);
    ASSERT_EQ(e.outcome, HingeEstimateOutcome::Complete);
    EXPECT_EQ(e.down.calculationTorque, 0);
    EXPECT_EQ(e.down.real.servoTorque, 0);
    EXPECT_FALSE(e.down.thin.ratio.has_value());
    EXPECT_FALSE(e.up.real.ratio.has_value());
}

}  // namespace
}  // namespace coppia
