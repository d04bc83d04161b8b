// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/main/field_calculation.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace coppia {
namespace {

struct FieldsRow {
    const char* name;
    // Texts written over the initial ones, no change handler running: the fields as they stand.
    std::vector<std::pair<Control, std::string>> texts;
    bool byTravel;  // Corsa enabled, Ang not; else the other way round
    std::optional<Message> refusal;
    bool deflectionKnown;
    bool armsRead;
    bool sweepInputsRead;
};

void PrintTo(const FieldsRow& row, std::ostream* out) {
    *out << row.name;
}

class FieldCalculationTest : public testing::TestWithParam<FieldsRow> {};

TEST_P(FieldCalculationTest, RefusesWithTheFirstFaultCalcolaMeetsAndSaysWhatWasRead) {
    const FieldsRow& row = GetParam();
    MainWindowState state;
    state.SetEnabled(Control::Corsa, row.byTravel);
    state.SetEnabled(Control::Ang, !row.byTravel);
    for (const auto& [box, text] : row.texts) state.SetText(box, text);
    const FieldCalculation calculation = CalculateFromFields(state, InitTorqueConstants());
    EXPECT_EQ(calculation.refusal.has_value(), row.refusal.has_value());
    if (calculation.refusal && row.refusal) {
        EXPECT_EQ(calculation.refusal->text, row.refusal->text);
        EXPECT_EQ(calculation.refusal->title, row.refusal->title);
    }
    EXPECT_EQ(calculation.deflectionKnown, row.deflectionKnown);
    EXPECT_EQ(calculation.armsRead, row.armsRead);
    EXPECT_EQ(calculation.sweepInputsRead, row.sweepInputsRead);
    // The torque is computed whatever the refusal, from what was read.
    EXPECT_EQ(calculation.result.ServoTorque,
              CalculateTorque(calculation.inputs, InitTorqueConstants()).ServoTorque);
}

const std::string kBeyond = "1e400";

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldCalculationTest,
    testing::Values(
        FieldsRow{"Initial", {}, true, std::nullopt, true, true, true},
        FieldsRow{"InitialByAngle", {}, false, std::nullopt, true, true, true},
        // The chords are read first: nothing after them is told.
        FieldsRow{"ChordBeforeEverything",
                  {{Control::CordaAlett, kBeyond},
                   {Control::Corsa, "130"},
                   {Control::Vel, "0"},
                   {Control::BrAlett, "0"}},
                  true,
                  messages::NumberOutOfRange,
                  false,
                  true,
                  false},
        FieldsRow{"RatioBeforeTravel",
                  {{Control::CordaAla, "61"}, {Control::Corsa, "130"}},
                  true,
                  messages::ChordRatioOutOfRange,
                  false,
                  true,
                  true},
        FieldsRow{"TravelBeforeSpeed",
                  {{Control::Corsa, "130"}, {Control::Vel, "0"}},
                  true,
                  messages::TravelOutOfRange,
                  false,
                  true,
                  true},
        FieldsRow{"TravelBeforeLoadingBeyondADouble",
                  {{Control::Corsa, "130"}, {Control::CarAla, kBeyond}},
                  true,
                  messages::TravelOutOfRange,
                  false,
                  true,
                  false},
        FieldsRow{"TravelBeyondADouble",
                  {{Control::Corsa, kBeyond}, {Control::Vel, kBeyond}},
                  true,
                  messages::NumberOutOfRange,
                  false,
                  true,
                  false},
        // By angle the travel is not read, whatever it holds.
        FieldsRow{"TravelNotReadByAngle",
                  {{Control::Corsa, kBeyond}},
                  false,
                  std::nullopt,
                  true,
                  true,
                  true},
        FieldsRow{"LoadingBeforeZeroSpeed",
                  {{Control::CarAla, kBeyond}, {Control::Vel, "0"}},
                  true,
                  messages::NumberOutOfRange,
                  true,
                  true,
                  false},
        FieldsRow{"ZeroSpeedBeforeTheAngle",
                  {{Control::Vel, "0"}, {Control::Ang, kBeyond}},
                  false,
                  messages::ZeroSpeed,
                  false,
                  true,
                  true},
        // A text with no number reads as 0, as CALCOLA reads it.
        FieldsRow{"SpeedWithNoNumber",
                  {{Control::Vel, "km/h"}},
                  true,
                  messages::ZeroSpeed,
                  true,
                  true,
                  true},
        FieldsRow{"LiftBeyondADouble",
                  {{Control::CarAla, "1e308"}, {Control::Vel, "1e-150"}},
                  true,
                  messages::ResultOutOfRange,
                  true,
                  true,
                  true},
        FieldsRow{"AngleBeforeZeroHornArm",
                  {{Control::Ang, kBeyond}, {Control::BrAlett, "0"}},
                  false,
                  messages::NumberOutOfRange,
                  false,
                  true,
                  true},
        FieldsRow{"LengthBeforeZeroHornArm",
                  {{Control::LungAlett, kBeyond}, {Control::BrAlett, "0"}},
                  true,
                  messages::NumberOutOfRange,
                  true,
                  true,
                  false},
        FieldsRow{"ServoArmBeyondADouble",
                  {{Control::BrServ, kBeyond}},
                  true,
                  messages::NumberOutOfRange,
                  true,
                  false,
                  false},
        FieldsRow{"HornArmBeyondADouble",
                  {{Control::BrAlett, "-" + kBeyond}},
                  true,
                  messages::NumberOutOfRange,
                  true,
                  false,
                  false},
        FieldsRow{"ZeroHornArm",
                  {{Control::BrAlett, "0"}},
                  true,
                  messages::ZeroHornArm,
                  true,
                  true,
                  true},
        FieldsRow{"TorqueBeyondADouble",
                  {{Control::LungAlett, "1e300"}, {Control::BrServ, "1e300"}},
                  true,
                  messages::ResultOutOfRange,
                  true,
                  true,
                  true},
        // A zero servo arm gives a torque of 0: nothing refuses it here.
        FieldsRow{"ZeroServoArm", {{Control::BrServ, "0"}}, true, std::nullopt, true, true, true}));

// What could not be read is computed with as 0, so that the torque and every flag stay defined.
TEST(FieldCalculationTest, AFieldBeyondADoubleIsReadAsZero) {
    MainWindowState state;
    state.SetText(Control::Vel, "1e400");
    state.SetText(Control::BrServ, "-1e400");
    const FieldCalculation calculation = CalculateFromFields(state, InitTorqueConstants());
    EXPECT_EQ(calculation.inputs.Vel, 0);
    EXPECT_EQ(calculation.inputs.BrServ, 0);
    EXPECT_EQ(calculation.inputs.CordaAla, 300);
    EXPECT_EQ(calculation.inputs.Ang, 20);
}

}  // namespace
}  // namespace coppia
