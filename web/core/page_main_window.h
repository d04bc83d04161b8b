// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "models/main/main_window.h"
#include "web/core/handles.h"
#include "web/core/page_last_inputs.h"

namespace coppia {

// The messages of a window, each shown as a dialog once the event has run, in the order the
// window raised them; the desktop shows them as the event runs, with the same texts in the
// same order.
class PageMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override {
        shown.emplace_back(std::string(text), std::string(title));
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

struct PageMainWindow {
    PageMessages messages;
    PageLastInputs lastInputs;
    MainWindow window{messages, lastInputs};
};

Handles<PageMainWindow>& MainWindows();

// After every event on a page's main window: the windows made on it follow the fields, once.
// Defined by the windows that follow, which the whole core has (page_windows.cpp) and the
// calculator's core, which the page loads first, has not (calculator_alone.cpp).
void AfterEvent(int mainHandle);
// Closes a main window with the windows made on it, as the desktop's do.
void DestroyMainWindow(int mainHandle);

}  // namespace coppia
