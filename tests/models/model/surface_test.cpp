// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "models/model/surface_calculation.h"

namespace coppia {
namespace {

struct CalculationRow {
    const char* name;
    std::function<void(Surface&)> change;
    std::optional<Message> refusal;
    double angle;           // the angle computed with
    double torquePerServo;  // to 1e-7
};

void PrintTo(const CalculationRow& row, std::ostream* out) {
    *out << row.name;
}

class SurfaceCalculationTest : public testing::TestWithParam<CalculationRow> {};

TEST_P(SurfaceCalculationTest, ComputesAsCalculaDoesAndSharesTheTorqueBetweenServos) {
    const CalculationRow& row = GetParam();
    Surface surface;  // the main window's initial inputs
    row.change(surface);
    const SurfaceCalculation calculation = CalculateSurface(surface, InitTorqueConstants());
    EXPECT_EQ(calculation.refusal.has_value(), row.refusal.has_value());
    if (calculation.refusal && row.refusal) {
        EXPECT_EQ(calculation.refusal->text, row.refusal->text);
    }
    EXPECT_EQ(calculation.inputs.Ang, row.angle);
    EXPECT_NEAR(calculation.torquePerServo, row.torquePerServo, 1e-7);
    if (!row.refusal) {
        EXPECT_EQ(calculation.torquePerServo * surface.servoCount, calculation.result.ServoTorque);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, SurfaceCalculationTest,
    testing::Values(CalculationRow{"OneServo", [](Surface&) {}, std::nullopt, 20, 0.5192016},
                    CalculationRow{"ThreeServos", [](Surface& s) { s.servoCount = 3; },
                                   std::nullopt, 20, 0.5192016 / 3},
                    // Corsa 20 on 60 is 19.1887 degrees, shown and computed as 19.2.
                    CalculationRow{"Travel",
                                   [](Surface& s) {
                                       s.deflection = DeflectionInput::Travel;
                                       s.inputs.Ang = 75;  // not read
                                   },
                                   std::nullopt, 19.2, 0.5003453},
                    CalculationRow{"TravelWithNoAngle",
                                   [](Surface& s) {
                                       s.deflection = DeflectionInput::Travel;
                                       s.inputs.Corsa = 120;
                                   },
                                   messages::TravelOutOfRange, 0, 0},
                    CalculationRow{"RatioBeforeTravel",
                                   [](Surface& s) {
                                       s.deflection = DeflectionInput::Travel;
                                       s.inputs.Corsa = 130;
                                       s.inputs.CordaAla = 61;
                                   },
                                   messages::ChordRatioOutOfRange, 0, 0},
                    CalculationRow{"ZeroSpeed", [](Surface& s) { s.inputs.Vel = 0; },
                                   messages::ZeroSpeed, 20, 0},
                    CalculationRow{"ZeroHornArm", [](Surface& s) { s.inputs.BrAlett = 0; },
                                   messages::ZeroHornArm, 20, 0}));

}  // namespace
}  // namespace coppia
