// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <string>
#include <vector>

#include "tests/ui/window_fixture.h"

namespace coppia {
namespace {

using Shown = RecordingMessages::Shown;

std::string FileOf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

const std::vector<std::string> kInitialLines = {"50.0", "300.0", "60.0", "12.0",
                                                "18.0", "500.0", "20.0", "60.0"};

std::string InitialFileWith(size_t line, const std::string& text) {
    std::vector<std::string> lines = kInitialLines;
    lines[line - 1] = text;
    return FileOf(lines);
}

class FormLoadTest : public WindowFixture {
  protected:
    void ExpectStartState() const {
        EXPECT_EQ(State().Mode(), DeflectionMode::ByTravel);
        EXPECT_TRUE(State().ResultsStale());
    }
    std::map<Control, std::string> Texts(std::initializer_list<Control> boxes) const {
        std::map<Control, std::string> texts;
        for (Control box : boxes) texts[box] = Text(box);
        return texts;
    }
};

TEST_F(FormLoadTest, WithoutAFileTheInitialTextsStayUnconverted) {
    std::vector<Control> textsWritten;
    window.SetObserver([&](Control control) {
        if (IsTextBox(control) && Text(control) != EntryOf(control).initialText) {
            textsWritten.push_back(control);
        }
    });
    Load();
    EXPECT_TRUE(textsWritten.empty());
    EXPECT_EQ(Text(Control::Ang), "20.0");
    EXPECT_EQ(Text(Control::Corsa), "20");
    EXPECT_EQ(Text(Control::Coppia), "0");
    EXPECT_EQ(Text(Control::Cp_Out), "0");
    ExpectStartState();
}

TEST_F(FormLoadTest, AFileOfTheInitialTextsDerivesTheTravel) {
    Load(FileOf(kInitialLines));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(
        Texts({Control::CarAla, Control::CordaAla, Control::CordaAlett, Control::BrServ,
               Control::BrAlett, Control::LungAlett, Control::Vel, Control::Ang, Control::Corsa}),
        (std::map<Control, std::string>{{Control::CarAla, "50"},
                                        {Control::CordaAla, "300"},
                                        {Control::CordaAlett, "60"},
                                        {Control::BrServ, "12"},
                                        {Control::BrAlett, "18"},
                                        {Control::LungAlett, "500"},
                                        {Control::Vel, "60"},
                                        {Control::Ang, "20.0"},
                                        {Control::Corsa, "20.8"}}));
    ExpectStartState();
}

struct LoadRow {
    const char* name;
    std::string file;
    Shown shown;
    std::map<Control, std::string> texts;
};

// Names the row in test listings.
void PrintTo(const LoadRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.name;
}

class FormLoadCaseTest : public FormLoadTest, public testing::WithParamInterface<LoadRow> {};

TEST_P(FormLoadCaseTest, FillsTheFieldsAndStartsByTravel) {
    Load(GetParam().file);
    EXPECT_EQ(messages.shown, GetParam().shown);
    for (const auto& [box, text] : GetParam().texts) {
        EXPECT_EQ(Text(box), text) << EntryOf(box).name;
    }
    ExpectStartState();
}

const Shown kAboveMaximum{RecordingMessages::Of(messages::AngleAboveMaximum)};

INSTANTIATE_TEST_SUITE_P(
    Files, FormLoadCaseTest,
    testing::Values(
        LoadRow{"RememberedAngleBeyondTheLimit",
                InitialFileWith(7, "66.4"),
                kAboveMaximum,
                {{Control::Ang, "60.0"}, {Control::Corsa, "60.0"}}},
        LoadRow{"SmallChordDerivesAnAngleBeyondTheLimit",
                InitialFileWith(3, "15"),
                kAboveMaximum,
                {{Control::CordaAlett, "15"}, {Control::Ang, "20.0"}, {Control::Corsa, "5.2"}}},
        LoadRow{"NegativeAngle",
                InitialFileWith(7, "-05.0"),
                {},
                {{Control::Ang, "-5.0"}, {Control::Corsa, "-5.2"}}},
        LoadRow{"ThreeLines",
                FileOf({"40", "250", "60"}),
                {},
                {{Control::CarAla, "40"},
                 {Control::CordaAla, "250"},
                 {Control::BrServ, "12"},
                 {Control::Vel, "60"},
                 {Control::Ang, "20.0"},
                 {Control::Corsa, "20"}}},
        LoadRow{"NotNumbers", InitialFileWith(8, "abc"), {}, {{Control::Vel, "0"}}},
        LoadRow{"EmptyLine", InitialFileWith(1, ""), {}, {{Control::CarAla, "0"}}},
        LoadRow{"NumberWithText", InitialFileWith(4, "12abc"), {}, {{Control::BrServ, "12"}}},
        // Every later field gets the line above its own: Ang gets the length, 500.
        LoadRow{"CommaInTheFirstLine",
                InitialFileWith(1, "1,5"),
                kAboveMaximum,
                {{Control::CarAla, "1"},
                 {Control::CordaAla, "5"},
                 {Control::CordaAlett, "300"},
                 {Control::BrServ, "60"},
                 {Control::BrAlett, "12"},
                 {Control::LungAlett, "18"},
                 {Control::Ang, "60.0"},
                 {Control::Vel, "20"}}},
        LoadRow{"NumberBeyondTheRangeEndsTheReading",
                FileOf({"40", "1e999", "45", "10"}),
                {},
                {{Control::CarAla, "40"},
                 {Control::CordaAla, "300"},
                 {Control::CordaAlett, "60"},
                 {Control::BrServ, "12"}}}),
    [](const testing::TestParamInfo<LoadRow>& info) { return std::string(info.param.name); });

TEST_F(FormLoadTest, TheRememberedAngleIsSetAsItsPlainNumberFirst) {
    std::vector<std::string> angTexts;
    window.SetObserver([&](Control control) {
        if (control == Control::Ang)
            angTexts.push_back(Text(Control::Ang));
    });
    Load(InitialFileWith(7, "-05.0"));
    ASSERT_FALSE(angTexts.empty());
    EXPECT_EQ(angTexts.front(), "-5");
}

TEST_F(FormLoadTest, AfterACalculationTheFileReadsBackIntoTheSameWindow) {
    Load();
    Enter(Control::Vel, "75");
    window.UserClick(Control::Calc);
    ASSERT_TRUE(lastInputs.bytes.has_value());
    EXPECT_EQ(*lastInputs.bytes,
              FileOf({"50.0", "300.0", "60.0", "12.0", "18.0", "500.0", "20.0", "75.0"}));

    RecordingMessages nextMessages;
    MainWindow next(nextMessages, lastInputs);
    next.Main_Form_Load();
    EXPECT_EQ(next.State().Text(Control::Vel), "75");
    EXPECT_EQ(next.State().Text(Control::Corsa), "20.8");
}

TEST_F(FormLoadTest, ACalculationRefusedForItsChordsSavesNothing) {
    Load();
    Enter(Control::CordaAla, "3000");
    window.UserClick(Control::Calc);
    EXPECT_EQ(lastInputs.writes, 0);
}

TEST_F(FormLoadTest, AFailedSaveShowsNothingAndLeavesTheResultsShown) {
    Load();
    lastInputs.failWrites = true;
    window.UserClick(Control::Calc);
    EXPECT_EQ(lastInputs.writes, 1);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(State().ResultsCurrent());
    EXPECT_EQ(Text(Control::Coppia), "00.52");
    EXPECT_FALSE(window.WriteLastInputs());
}

}  // namespace
}  // namespace coppia
