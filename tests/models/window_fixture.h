// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "models/main/main_window.h"
#include "tests/models/memory_last_inputs.h"
#include "tests/models/recording_messages.h"

namespace coppia {

// A window model with recorded messages and the last-inputs file in memory.
class WindowFixture : public testing::Test {
  protected:
    WindowFixture() : window(messages, lastInputs) {}

    void Load(std::optional<std::string> fileBytes = std::nullopt) {
        lastInputs.bytes = std::move(fileBytes);
        window.Main_Form_Load();
    }
    // Replaces the whole text of a box, as a paste over a selection does.
    void Enter(Control box, const std::string& text) { ASSERT_TRUE(window.UserEdit(box, text)); }
    // Empties the box, then types the text one keystroke at a time.
    void Retype(Control box, const std::string& text) {
        Enter(box, "");
        window.UserTypes(box, text);
    }
    const std::string& Text(Control box) const { return window.State().Text(box); }
    const MainWindowState& State() const { return window.State(); }

    RecordingMessages messages;
    MemoryLastInputs lastInputs;
    MainWindow window;
};

}  // namespace coppia
