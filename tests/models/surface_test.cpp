// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <functional>
#include <variant>

#include "engine/number_text.h"
#include "files/model_file.h"
#include "models/surface_calculation.h"
#include "models/surface_transfer.h"
#include "tests/models/window_fixture.h"

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

Model ExampleModel() {
    const std::string path = COPPIA_SOURCE_DIR "/docs/esempio.coppia";
    std::variant<Model, ModelFileFault> read = ReadModelFile(path);
    if (const auto* fault = std::get_if<ModelFileFault>(&read))
        ADD_FAILURE() << ModelRefusalText(path, *fault);
    return std::get_if<Model>(&read) ? std::get<Model>(read) : Model{};
}

class SurfaceTransferTest : public WindowFixture {};

TEST_F(SurfaceTransferTest, TheMainWindowComputesTheTorqueOfEachExampleSurfaceLoadedIntoIt) {
    Load();  // nothing remembered: Ang 20.0 and Corsa 20 are not each other's
    std::vector<Surface> surfaces = ExampleModel().surfaces;
    ASSERT_EQ(surfaces.size(), 6u);
    Surface onTheStartTexts;
    onTheStartTexts.deflection = DeflectionInput::Travel;
    onTheStartTexts.inputs.Ang = 19.2;
    surfaces.insert(surfaces.begin(), onTheStartTexts);
    const TorqueConstants constants = InitTorqueConstants();
    for (const Surface& surface : surfaces) {
        SCOPED_TRACE(surface.name);
        const SurfaceCalculation calculation = CalculateSurface(surface, constants);
        ASSERT_FALSE(calculation.refusal);
        EXPECT_GT(std::abs(calculation.torquePerServo) * 2, 0.5);  // a servo's worth of work
        ASSERT_TRUE(LoadIntoMainWindow(surface, window));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(window.LastResult().ServoTorque),
                  std::bit_cast<std::uint64_t>(calculation.result.ServoTorque));
        EXPECT_EQ(Text(Control::Coppia), FormatNumber(calculation.result.ServoTorque, "#00.00"));
        EXPECT_TRUE(State().ResultsCurrent());
        // Taken back, it is the same surface.
        std::variant<Surface, std::string> back = SurfaceFromMainWindow(State(), surface);
        ASSERT_TRUE(std::holds_alternative<Surface>(back)) << std::get<std::string>(back);
        EXPECT_EQ(std::get<Surface>(back), surface);
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lastInputs.writes, 7);

    // An angle beyond 60 that a travel left in Ang cannot be kept as an angle.
    window.UserClick(Control::Down);
    Retype(Control::Corsa, "119.9");
    window.UserClick(Control::UP);
    std::variant<Surface, std::string> steep = SurfaceFromMainWindow(State(), Surface{});
    ASSERT_TRUE(std::holds_alternative<std::string>(steep));
    EXPECT_EQ(std::get<std::string>(steep),
              "il campo Ang della finestra principale: l'angolo deve stare fra -60 e 60 gradi");
}

}  // namespace
}  // namespace coppia
