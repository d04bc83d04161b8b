// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include <map>
#include <string>
#include <vector>

#include "tests/models/window_fixture.h"

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
        EXPECT_EQ(State().Mode(), DeflectionInput::Travel);
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
    window.AddObserver([&](Control control) {
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
    window.AddObserver([&](Control control) {
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

TEST_F(FormLoadTest, OnlyTheFirstFailedSaveOfARunIsToldAndTheResultsStayShown) {
    Load();
    lastInputs.failure = "permesso negato";
    window.UserClick(Control::Calc);
    EXPECT_EQ(messages.shown,
              (Shown{{"Dati Non Salvati in /home/pilota/.config/Mervanti.ini: permesso negato!!",
                      "Errore Salvataggio"}}));
    EXPECT_TRUE(State().ResultsCurrent());
    EXPECT_EQ(Text(Control::Coppia), "00.52");

    Enter(Control::Vel, "70");
    window.UserClick(Control::Calc);
    EXPECT_EQ(lastInputs.writes, 2);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(State().ResultsCurrent());
    EXPECT_FALSE(window.WriteLastInputs());
}

TEST_F(FormLoadTest, ASaveThatSucceedsAfterAFailureIsNotTold) {
    Load();
    window.UserClick(Control::Calc);
    lastInputs.failure = "disco pieno";
    Enter(Control::Vel, "70");
    window.UserClick(Control::Calc);
    EXPECT_EQ(messages.shown.size(), 1u);
    lastInputs.failure.reset();
    Enter(Control::Vel, "80");
    window.UserClick(Control::Calc);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(*lastInputs.bytes,
              FileOf({"50.0", "300.0", "60.0", "12.0", "18.0", "500.0", "20.0", "80.0"}));
}

struct SavedLineRow {
    const char* name;
    Control field;
    const char* text;
    size_t line;
    const char* written;
    const char* readBack;
};

// Names the row in test listings.
void PrintTo(const SavedLineRow& row, std::ostream* out) {
    *out << row.name;
}

class SavedLineTest : public FormLoadTest, public testing::WithParamInterface<SavedLineRow> {};

// Each line is the number the calculation read from its field, by the row's pattern: whatever
// the field shows, the file keeps its eight numeric lines and the next start gets the number.
TEST_P(SavedLineTest, IsTheNumberTheCalculationRead) {
    Load();
    window.UserClick(Control::UP);  // so that the angle can be typed
    Enter(GetParam().field, GetParam().text);
    window.UserClick(Control::Calc);
    ASSERT_TRUE(State().ResultsCurrent());
    std::vector<std::string> lines = kInitialLines;
    lines[GetParam().line - 1] = GetParam().written;
    EXPECT_EQ(*lastInputs.bytes, FileOf(lines));

    RecordingMessages nextMessages;
    MainWindow next(nextMessages, lastInputs);
    next.Main_Form_Load();
    EXPECT_EQ(next.State().Text(GetParam().field), GetParam().readBack);
    EXPECT_EQ(next.State().Text(Control::CordaAla),
              GetParam().field == Control::CordaAla ? GetParam().readBack : "300");
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SavedLineTest,
    testing::Values(SavedLineRow{"DecimalComma", Control::CarAla, "1,5", 1, "01.0", "1"},
                    SavedLineRow{"Letters", Control::CarAla, "abc", 1, "00.0", "0"},
                    SavedLineRow{"Empty", Control::CarAla, "", 1, "00.0", "0"},
                    SavedLineRow{"LineBreak", Control::CarAla, "45\r\n55", 1, "45.0", "45"},
                    SavedLineRow{"LeadingQuote", Control::CarAla, "\"5,5", 1, "00.0", "0"},
                    SavedLineRow{"Units", Control::Vel, "60 km/h", 8, "60.0", "60"},
                    SavedLineRow{"AngleBelowTen", Control::Ang, "5", 7, "05.0", "5.0"},
                    SavedLineRow{"ArmBelowTen", Control::BrServ, "5", 4, "05.0", "5"},
                    SavedLineRow{"SixteenIntegerDigits", Control::LungAlett, "1234567890123456", 6,
                                 "1234567890123460.0", "1.23456789012346E+15"},
                    SavedLineRow{"Blanks", Control::CordaAla, " 2 50 ", 2, "250.0", "250"}),
    [](const testing::TestParamInfo<SavedLineRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace coppia
