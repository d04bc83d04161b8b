// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/main/main_window_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "models/main/controls.h"

namespace coppia {
namespace {

TEST(MainWindowStateTest, StartsWithTheInitialTextsAndEveryFlagTrue) {
    const MainWindowState state;
    const std::vector<std::pair<Control, std::string>> texts = {
        {Control::Corsa, "20"},      {Control::Cp_Out, "0"},      {Control::Coppia, "0"},
        {Control::LungAlett, "500"}, {Control::CordaAlett, "60"}, {Control::BrAlett, "18"},
        {Control::Ang, "20.0"},      {Control::CarAla, "50"},     {Control::CordaAla, "300"},
        {Control::BrServ, "12"},     {Control::Vel, "60"}};
    for (const auto& [box, text] : texts) {
        EXPECT_EQ(state.Text(box), text) << EntryOf(box).name;
        EXPECT_TRUE(state.Enabled(box)) << EntryOf(box).name;
    }
    EXPECT_TRUE(state.Enabled(Control::Calc));
    EXPECT_TRUE(state.Visible(Control::UP));
    EXPECT_TRUE(state.Visible(Control::Down));
    // Both deflection fields are enabled and both toggles shown: no single mode yet.
    EXPECT_FALSE(state.Mode().has_value());
}

TEST(MainWindowStateTest, TheTableListsEveryControlOnceInItsOwnRow) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(kControls[i].id), i) << kControls[i].name;
    }
    int textBoxes = 0;
    for (const ControlEntry& entry : kControls) textBoxes += entry.kind == ControlKind::TextBox;
    EXPECT_EQ(textBoxes, 11);
}

class ChangeRuleTest : public testing::Test {
  protected:
    ChangeRuleTest() {
        state.SetChangeHandler([this](Control box) { raised.push_back(box); });
    }
    MainWindowState state;
    std::vector<Control> raised;
};

TEST_F(ChangeRuleTest, TheSameTextRaisesNothing) {
    state.SetText(Control::Vel, "60");
    EXPECT_TRUE(raised.empty());
}

TEST_F(ChangeRuleTest, ADifferentTextOfTheSameValueRaisesOnce) {
    state.SetText(Control::Vel, "60.0");
    EXPECT_EQ(raised, std::vector<Control>{Control::Vel});
    EXPECT_EQ(state.Text(Control::Vel), "60.0");
}

TEST_F(ChangeRuleTest, FlagsRaiseNothing) {
    state.SetEnabled(Control::Vel, false);
    state.SetEnabled(Control::Calc, false);
    state.SetVisible(Control::UP, false);
    EXPECT_TRUE(raised.empty());
    EXPECT_EQ(state.Text(Control::Vel), "60");
}

TEST(ChangeRuleNestingTest, AWriteInsideAHandlerRunsItsHandlerBeforeReturning) {
    MainWindowState state;
    std::vector<std::string> trace;
    state.SetChangeHandler([&](Control box) {
        trace.push_back("enter " + std::string(EntryOf(box).name));
        if (box == Control::Ang) {
            state.SetText(Control::Corsa, "21");
            trace.push_back("Corsa written");
            state.SetText(Control::Corsa, "21");  // same text: nothing
        }
        trace.push_back("leave " + std::string(EntryOf(box).name));
    });
    state.SetText(Control::Ang, "30");
    EXPECT_EQ(trace, (std::vector<std::string>{"enter Ang", "enter Corsa", "leave Corsa",
                                               "Corsa written", "leave Ang"}));
}

TEST(ChangeRuleNestingTest, ARunawayChainIsCutOffInsteadOfExhaustingTheStack) {
    MainWindowState state;
    int runs = 0;
    state.SetChangeHandler([&](Control box) {
        ++runs;
        state.SetText(box, state.Text(box) + "1");
    });
    state.SetText(Control::Vel, "1");
    EXPECT_GT(runs, 1);
    EXPECT_LT(runs, 1000);
}

TEST(MainWindowStateObserverTest, TellsOfEveryChangeAndOfNothingElse) {
    MainWindowState state;
    std::vector<Control> seen;
    state.AddObserver([&](Control control) { seen.push_back(control); });
    state.SetText(Control::Vel, "60");
    state.SetEnabled(Control::Vel, true);
    EXPECT_TRUE(seen.empty());
    state.SetText(Control::Vel, "61");
    state.SetEnabled(Control::Calc, false);
    state.SetVisible(Control::Down, false);
    EXPECT_EQ(seen, (std::vector<Control>{Control::Vel, Control::Calc, Control::Down}));
}

TEST(MainWindowStateObserverTest, EveryObserverIsToldUntilItIsRemoved) {
    MainWindowState state;
    std::vector<std::string> seen;
    const int first = state.AddObserver([&](Control) { seen.push_back("first"); });
    state.AddObserver([&](Control) { seen.push_back("second"); });
    state.SetText(Control::Vel, "61");
    state.RemoveObserver(first);
    state.SetEnabled(Control::Calc, false);
    EXPECT_EQ(seen, (std::vector<std::string>{"first", "second", "second"}));
}

}  // namespace
}  // namespace coppia
