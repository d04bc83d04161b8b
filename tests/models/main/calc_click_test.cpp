// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <utility>
#include <vector>

#include "models/main/main_window.h"
#include "tests/models/memory_last_inputs.h"
#include "tests/models/recording_messages.h"

namespace coppia {
namespace {

using Shown = RecordingMessages::Shown;

// A loaded window with the angle entered, so that setting the chord leaves the angle alone.
class CalcClickTest : public testing::Test {
  protected:
    CalcClickTest() : window(messages, lastInputs) {
        window.Main_Form_Load();
        window.UserClick(Control::UP);
    }

    void Enter(Control box, const std::string& text) { ASSERT_TRUE(window.UserEdit(box, text)); }
    const std::string& Text(Control box) const { return window.State().Text(box); }

    RecordingMessages messages;
    MemoryLastInputs lastInputs;
    MainWindow window;
};

TEST_F(CalcClickTest, InitialTextsGiveTheWorkedResultsAndMakeThemCurrent) {
    EXPECT_TRUE(window.State().ResultsStale());
    ASSERT_TRUE(window.UserClick(Control::Calc));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(Control::Cp_Out), "0.29");
    EXPECT_EQ(Text(Control::Coppia), "00.52");
    EXPECT_TRUE(window.State().ResultsCurrent());
    EXPECT_NEAR(window.LastResult().ServoTorque, 0.5192016, 1e-7);
}

struct ClickRow {
    const char* name;
    std::vector<std::pair<Control, const char*>> inputs;
    const char* cpOut;
    const char* coppia;
    Shown shown;
};

// Names the row in test listings.
void PrintTo(const ClickRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.name;
}

class CalcClickCaseTest : public CalcClickTest, public testing::WithParamInterface<ClickRow> {};

TEST_P(CalcClickCaseTest, ShowsTheResultsInTheirPatterns) {
    for (const auto& [box, text] : GetParam().inputs) Enter(box, text);
    window.UserClick(Control::Calc);
    EXPECT_EQ(messages.shown, GetParam().shown);
    EXPECT_EQ(Text(Control::Cp_Out), GetParam().cpOut);
    EXPECT_EQ(Text(Control::Coppia), GetParam().coppia);
    EXPECT_TRUE(window.State().ResultsCurrent());
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, CalcClickCaseTest,
    testing::Values(ClickRow{"Stall",
                             {{Control::Vel, "20"}},
                             "2.59",
                             "00.10",
                             {RecordingMessages::Of(messages::StallRisk)}},
                    ClickRow{"LowestRatio", {{Control::CordaAlett, "7.5"}}, "0.29", "00.01", {}},
                    ClickRow{"HighestRatio", {{Control::CordaAlett, "240"}}, "0.29", "03.18", {}},
                    ClickRow{"NoLoading", {{Control::CarAla, "0"}}, "0.00", "00.47", {}},
                    ClickRow{"NegativeAngle", {{Control::Ang, "-20.0"}}, "0.29", "-00.42", {}},
                    ClickRow{"ManyIntegerDigits",
                             {{Control::Vel, "300"},
                              {Control::LungAlett, "800"},
                              {Control::CordaAlett, "90"},
                              {Control::BrServ, "20"},
                              {Control::BrAlett, "10"},
                              {Control::Ang, "30"}},
                             "0.01",
                             "162.88",
                             {}},
                    ClickRow{
                        "UnitsAfterTheNumber", {{Control::Vel, "60 km/h"}}, "0.29", "00.52", {}}),
    [](const testing::TestParamInfo<ClickRow>& info) { return std::string(info.param.name); });

TEST_F(CalcClickTest, TheStallWarningComesAfterTheLiftAndBeforeTheTorque) {
    Enter(Control::Vel, "20");
    std::vector<std::string> seen;
    messages.onShow = [&] {
        seen = {Text(Control::Cp_Out), Text(Control::Coppia),
                window.State().Enabled(Control::Calc) ? "stale" : "current"};
    };
    window.UserClick(Control::Calc);
    EXPECT_EQ(seen, (std::vector<std::string>{"2.59", "0", "stale"}));
}

TEST_F(CalcClickTest, TheAngleIsReadWhileItsFieldIsDisabled) {
    Enter(Control::Ang, "-20.0");
    window.UserClick(Control::Down);
    ASSERT_FALSE(window.State().Enabled(Control::Ang));
    window.UserClick(Control::Calc);
    EXPECT_EQ(Text(Control::Coppia), "-00.42");
}

TEST_F(CalcClickTest, ADisabledButtonTakesNoClick) {
    window.UserClick(Control::Calc);
    Enter(Control::Coppia, "typed");
    EXPECT_FALSE(window.UserClick(Control::Calc));
    EXPECT_EQ(Text(Control::Coppia), "typed");
}

class PlainFieldEditTest : public CalcClickTest, public testing::WithParamInterface<Control> {};

TEST_P(PlainFieldEditTest, GreysTheResultsAndKeepsTheirTexts) {
    window.UserClick(Control::Calc);
    ASSERT_TRUE(window.State().ResultsCurrent());
    const std::string before = Text(GetParam());
    window.UserTypes(GetParam(), "5");
    EXPECT_EQ(Text(GetParam()), before + "5");
    EXPECT_TRUE(window.State().ResultsStale());
    EXPECT_EQ(Text(Control::Cp_Out), "0.29");
    EXPECT_EQ(Text(Control::Coppia), "00.52");
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(SixFields, PlainFieldEditTest,
                         testing::Values(Control::Vel, Control::CarAla, Control::CordaAla,
                                         Control::LungAlett, Control::BrAlett, Control::BrServ),
                         [](const testing::TestParamInfo<Control>& info) {
                             return std::string(EntryOf(info.param).name);
                         });

TEST_F(CalcClickTest, ACommaTypedIntoAnInputFieldEntersThePoint) {
    window.UserTypes(Control::Vel, ",5");
    window.UserTypes(Control::Ang, ",5");
    EXPECT_EQ(Text(Control::Vel), "60.5");
    EXPECT_EQ(Text(Control::Ang), "20.0.5");
    window.UserClick(Control::Calc);
    EXPECT_EQ(Text(Control::Cp_Out), "0.28");
    // A result field keeps what is typed, and a paste is not changed.
    window.UserTypes(Control::Coppia, ",5");
    EXPECT_EQ(Text(Control::Coppia), "00.53,5");
    Enter(Control::CarAla, "1,5");
    EXPECT_EQ(Text(Control::CarAla), "1,5");
}

struct RefusalRow {
    const char* name;
    std::vector<std::pair<Control, const char*>> inputs;
    Message message;
    bool byTravel = false;  // the travel entered, not the angle
};

// Names the row in test listings.
void PrintTo(const RefusalRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.name;
}

class CalcRefusalTest : public CalcClickTest, public testing::WithParamInterface<RefusalRow> {};

// A refused click shows its one message and changes nothing: no text, no flag.
TEST_P(CalcRefusalTest, ShowsOneMessageAndChangesNothing) {
    window.UserClick(Control::Calc);
    Enter(Control::Coppia, "old torque");
    if (GetParam().byTravel)
        window.UserClick(Control::Down);
    for (const auto& [box, text] : GetParam().inputs) Enter(box, text);
    const int savesBefore = lastInputs.writes;
    std::vector<std::string> textsBefore;
    for (const ControlEntry& entry : kControls) {
        if (IsTextBox(entry.id))
            textsBefore.push_back(window.State().Text(entry.id));
    }
    const TorqueResult resultBefore = window.LastResult();

    window.UserClick(Control::Calc);

    EXPECT_EQ(messages.shown, Shown{RecordingMessages::Of(GetParam().message)});
    std::vector<std::string> textsAfter;
    for (const ControlEntry& entry : kControls) {
        if (IsTextBox(entry.id))
            textsAfter.push_back(window.State().Text(entry.id));
    }
    EXPECT_EQ(textsAfter, textsBefore);
    EXPECT_TRUE(window.State().ResultsStale());
    EXPECT_EQ(window.LastResult().ServoTorque, resultBefore.ServoTorque);
    EXPECT_EQ(lastInputs.writes, savesBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CalcRefusalTest,
    testing::Values(
        RefusalRow{
            "RatioBelowRange", {{Control::CordaAlett, "7.4"}}, messages::ChordRatioOutOfRange},
        RefusalRow{
            "RatioAboveRange", {{Control::CordaAlett, "241"}}, messages::ChordRatioOutOfRange},
        RefusalRow{"BothChordsCleared",
                   {{Control::CordaAla, ""}, {Control::CordaAlett, ""}},
                   messages::ChordRatioOutOfRange},
        RefusalRow{"WingChordCleared", {{Control::CordaAla, ""}}, messages::ChordRatioOutOfRange},
        RefusalRow{"SpeedCleared", {{Control::Vel, ""}}, messages::ZeroSpeed},
        RefusalRow{"HornArmCleared", {{Control::BrAlett, "abc"}}, messages::ZeroHornArm},
        RefusalRow{"TorqueOverflows", {{Control::LungAlett, "1e308"}}, messages::ResultOutOfRange},
        RefusalRow{"LiftOverflows",
                   {{Control::CarAla, "1e308"}, {Control::Vel, "1"}},
                   messages::ResultOutOfRange},
        RefusalRow{"ChordBeyondTheDoubleRange",
                   {{Control::CordaAla, "1e400"}},
                   messages::NumberOutOfRange},
        RefusalRow{"LengthBeyondTheDoubleRange",
                   {{Control::LungAlett, "-1e400"}},
                   messages::NumberOutOfRange},
        RefusalRow{"RatioBeforeZeroSpeed",
                   {{Control::CordaAlett, "7.4"}, {Control::Vel, "0"}},
                   messages::ChordRatioOutOfRange},
        RefusalRow{"RatioBeforeAnUnreadableSpeed",
                   {{Control::CordaAlett, "7.4"}, {Control::Vel, "1e999"}},
                   messages::ChordRatioOutOfRange},
        RefusalRow{"ZeroSpeedBeforeZeroArm",
                   {{Control::Vel, "0"}, {Control::BrAlett, "0"}},
                   messages::ZeroSpeed},
        RefusalRow{"UnreadableSpeedBeforeZeroArm",
                   {{Control::Vel, "1e999"}, {Control::BrAlett, "0"}},
                   messages::NumberOutOfRange},
        RefusalRow{"UnreadableArmBeforeZeroArm",
                   {{Control::BrServ, "9e999"}, {Control::BrAlett, "0"}},
                   messages::NumberOutOfRange},
        RefusalRow{"LiftOverflowBeforeAnUnreadableAngle",
                   {{Control::CarAla, "1e308"}, {Control::Vel, "1"}, {Control::Ang, "1e400"}},
                   messages::ResultOutOfRange},
        // The angle shown belongs to an earlier keystroke of the travel.
        RefusalRow{"TravelWithNoAngle",
                   {{Control::Corsa, "13"}, {Control::Corsa, "130"}},
                   messages::TravelOutOfRange,
                   true},
        RefusalRow{"TravelOfExactlyTwiceTheChord",
                   {{Control::Corsa, "-120"}},
                   messages::TravelOutOfRange,
                   true},
        RefusalRow{"TravelBeyondTheDoubleRange",
                   {{Control::Corsa, "1e400"}},
                   messages::NumberOutOfRange,
                   true},
        RefusalRow{"RatioBeforeTravel",
                   {{Control::Corsa, "130"}, {Control::CordaAlett, "7.4"}},
                   messages::ChordRatioOutOfRange,
                   true},
        RefusalRow{"TravelBeforeZeroSpeed",
                   {{Control::Corsa, "130"}, {Control::Vel, "0"}},
                   messages::TravelOutOfRange,
                   true}),
    [](const testing::TestParamInfo<RefusalRow>& info) { return std::string(info.param.name); });

TEST_F(CalcClickTest, ATravelWithAnAngleIsCalculatedWithThatAngle) {
    window.UserClick(Control::Down);
    Enter(Control::Corsa, "119.9");
    window.UserClick(Control::Calc);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(window.State().ResultsCurrent());
    EXPECT_EQ(Text(Control::Ang), "175.3");
}

// Every text the window can show, spelled out once.
TEST(MessagesTest, AreTheWindowsOwnWords) {
    using Words = std::pair<std::string, std::string>;
    const std::vector<std::pair<Message, Words>> rows = {
        {messages::ChordRatioOutOfRange,
         {"Corda Alett./Corda Alare Fuori Gamma!!", "Rapp. Alett/Ala"}},
        {messages::StallRisk, {"Possibile Condizione di Stallo!!", "Vel. & Car. Alare"}},
        {messages::AngleAboveMaximum, {"Massimo 60°!!", "Errore Dato Immesso"}},
        {messages::AngleBelowMinimum, {"Massimo -60°!!", "Errore Dato Immesso"}},
        {messages::ZeroSpeed, {"Velocità Nulla!!", "Vel. & Car. Alare"}},
        {messages::ZeroHornArm, {"Braccio Alettone Nullo!!", "Errore Dato Immesso"}},
        {messages::ResultOutOfRange, {"Risultato Fuori Limite!!", "Errore Dato Immesso"}},
        {messages::NumberOutOfRange, {"Numero Fuori Limite!!", "Errore Dato Immesso"}},
        {messages::TravelOutOfRange, {"Corsa Fuori Limite!!", "Errore Dato Immesso"}},
    };
    for (const auto& [message, words] : rows) {
        EXPECT_EQ(RecordingMessages::Of(message), words);
    }
    EXPECT_EQ(messages::SaveFailedText("/home/pilota/.config/Mervanti.ini", "disco pieno"),
              "Dati Non Salvati in /home/pilota/.config/Mervanti.ini: disco pieno!!");
    EXPECT_EQ(messages::kSaveFailedTitle, "Errore Salvataggio");
}

}  // namespace
}  // namespace coppia
