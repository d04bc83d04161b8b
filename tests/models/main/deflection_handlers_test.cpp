// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "tests/models/window_fixture.h"

namespace coppia {
namespace {

using Shown = RecordingMessages::Shown;

const Shown kAboveMaximum{RecordingMessages::Of(messages::AngleAboveMaximum)};
const Shown kBelowMinimum{RecordingMessages::Of(messages::AngleBelowMinimum)};

class ByAngleTest : public WindowFixture {
  protected:
    ByAngleTest() {
        Load();
        window.UserClick(Control::UP);
        window.UserClick(Control::Calc);  // results current, to see them go stale
    }
};

struct TypedAngleRow {
    const char* typed;
    Shown shown;
    const char* ang;
    const char* corsa;
};

// Names the row in test listings.
void PrintTo(const TypedAngleRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << '"' << row.typed << '"';
}

class TypedAngleTest : public ByAngleTest, public testing::WithParamInterface<TypedAngleRow> {};

TEST_P(TypedAngleTest, IsLimitedKeystrokeByKeystroke) {
    Retype(Control::Ang, GetParam().typed);
    EXPECT_EQ(messages.shown, GetParam().shown);
    EXPECT_EQ(Text(Control::Ang), GetParam().ang);
    EXPECT_EQ(Text(Control::Corsa), GetParam().corsa);
    EXPECT_TRUE(State().ResultsStale());
    EXPECT_EQ(State().Mode(), DeflectionInput::Angle);
}

INSTANTIATE_TEST_SUITE_P(Typing, TypedAngleTest,
                         testing::Values(TypedAngleRow{"65", kAboveMaximum, "60.0", "60.0"},
                                         TypedAngleRow{"-70", kBelowMinimum, "-60.0", "-60.0"},
                                         TypedAngleRow{"60", {}, "60", "60.0"},
                                         TypedAngleRow{"-60", {}, "-60", "-60.0"},
                                         TypedAngleRow{"60.01", kAboveMaximum, "60.0", "60.0"},
                                         TypedAngleRow{"75", kAboveMaximum, "60.0", "60.0"},
                                         TypedAngleRow{"-", {}, "-", "0.0"},
                                         TypedAngleRow{"20", {}, "20", "20.8"},
                                         TypedAngleRow{"-20", {}, "-20", "-20.8"}));

TEST_F(ByAngleTest, TheLimitTestRunsAtTheKeystrokeThatCrossesIt) {
    Retype(Control::Ang, "7");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(Control::Corsa), "7.3");
    window.UserTypes(Control::Ang, "5");
    EXPECT_EQ(messages.shown, kAboveMaximum);
}

TEST_F(ByAngleTest, TheMessageIsShownBeforeTheAngleIsReplaced) {
    Retype(Control::Ang, "6");
    std::string angWhileShown;
    messages.onShow = [&] { angWhileShown = Text(Control::Ang); };
    window.UserTypes(Control::Ang, "5");
    EXPECT_EQ(angWhileShown, "65");
}

TEST_F(ByAngleTest, AChordEditConvertsTheAngleIntoTheTravel) {
    Retype(Control::CordaAlett, "50");
    EXPECT_EQ(Text(Control::Corsa), "17.4");
    EXPECT_EQ(Text(Control::Ang), "20.0");
    EXPECT_TRUE(State().ResultsStale());
    Retype(Control::CordaAlett, "");
    EXPECT_EQ(Text(Control::Corsa), "0.0");
}

// A conversion that fails ends silently, but the results no longer belong to the fields.
TEST_F(ByAngleTest, AnAngleBeyondTheDoubleRangeEndsTheHandlerSilentlyAndStale) {
    Enter(Control::Ang, "1e400");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(Control::Ang), "1e400");
    EXPECT_EQ(Text(Control::Corsa), "20");
    EXPECT_TRUE(State().ResultsStale());
}

TEST_F(ByAngleTest, AnOverflowingTravelEndsTheHandlerSilentlyAndStale) {
    Enter(Control::CordaAlett, "1e308");
    EXPECT_EQ(Text(Control::Corsa), "20");
    EXPECT_TRUE(State().ResultsStale());
    Enter(Control::Ang, "30");
    EXPECT_EQ(Text(Control::Corsa), "20");
    EXPECT_TRUE(State().ResultsStale());
    EXPECT_TRUE(messages.shown.empty());
}

class ByTravelTest : public WindowFixture {
  protected:
    ByTravelTest() {
        Load();
        window.UserClick(Control::Calc);
    }
};

TEST_F(ByTravelTest, ATravelGivesAnUnlimitedAngle) {
    Enter(Control::Corsa, "119.9");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(Control::Ang), "175.3");
    EXPECT_TRUE(State().ResultsStale());
}

TEST_F(ByTravelTest, ATravelWithNoAngleLeavesTheAngleButMakesTheResultsStale) {
    for (const char* travel : {"120", "130", "-120", "1e400"}) {
        Enter(Control::Corsa, "20.8");
        window.UserClick(Control::Calc);
        ASSERT_TRUE(State().ResultsCurrent());
        Enter(Control::Corsa, travel);
        EXPECT_EQ(Text(Control::Ang), "20.0") << travel;
        EXPECT_TRUE(State().ResultsStale()) << travel;
        EXPECT_EQ(Text(Control::Corsa), travel);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ByTravelTest, ANegativeTravelGivesANegativeAngle) {
    Retype(Control::Corsa, "-20.8");
    EXPECT_EQ(Text(Control::Ang), "-20.0");
    Retype(Control::Corsa, "");
    EXPECT_EQ(Text(Control::Ang), "0.0");
}

TEST_F(ByTravelTest, AChordEditConvertsTheTravelIntoTheAngle) {
    Enter(Control::CordaAlett, "50");
    EXPECT_EQ(Text(Control::Ang), "23.1");
    EXPECT_TRUE(State().ResultsStale());
    for (const char* chord : {"0", "", "9", "1e400"}) {  // no angle on these chords
        Enter(Control::CordaAlett, "50");
        window.UserClick(Control::Calc);
        ASSERT_TRUE(State().ResultsCurrent());
        Enter(Control::CordaAlett, chord);
        EXPECT_EQ(Text(Control::Ang), "23.1") << chord;
        EXPECT_TRUE(State().ResultsStale()) << chord;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ByTravelTest, ADerivedAngleBeyondSixtyIsTestedOnlyWhenTheAngleItselfIsEdited) {
    Enter(Control::Corsa, "100");
    EXPECT_EQ(Text(Control::Ang), "112.9");
    window.UserClick(Control::UP);
    EXPECT_TRUE(messages.shown.empty());
    Enter(Control::CordaAlett, "55");  // converts the angle into the travel, untested
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Text(Control::Ang), "112.9");
    window.UserTypes(Control::Ang, "0");
    EXPECT_EQ(messages.shown, kAboveMaximum);
}

TEST_F(ByTravelTest, SwitchingThereAndBackKeepsBothTexts) {
    Enter(Control::Corsa, "30");
    const std::string ang = Text(Control::Ang);
    window.UserClick(Control::UP);
    EXPECT_EQ(State().Mode(), DeflectionInput::Angle);
    EXPECT_FALSE(window.UserEdit(Control::Corsa, "1"));
    window.UserClick(Control::Down);
    EXPECT_EQ(State().Mode(), DeflectionInput::Travel);
    EXPECT_FALSE(window.UserEdit(Control::Ang, "1"));
    EXPECT_EQ(Text(Control::Corsa), "30");
    EXPECT_EQ(Text(Control::Ang), ang);
}

TEST_F(ByTravelTest, AHiddenToggleTakesNoClick) {
    EXPECT_FALSE(window.UserClick(Control::Down));
    EXPECT_EQ(State().Mode(), DeflectionInput::Travel);
    EXPECT_TRUE(window.UserClick(Control::UP));
    EXPECT_FALSE(window.UserClick(Control::UP));
}

}  // namespace
}  // namespace coppia
