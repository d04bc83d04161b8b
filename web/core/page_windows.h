// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "files/analysis_settings.h"
#include "files/recent_files.h"
#include "models/analysis/analysis_window.h"
#include "models/main/main_window.h"
#include "models/model/model_window.h"
#include "web/core/handles.h"
#include "web/core/page_dialogs.h"
#include "web/core/page_last_inputs.h"

namespace coppia {

// The windows of a page, each under a handle: the main window, and the analysis and model
// windows made on one, which follow it as the desktop's follow theirs. What they keep between
// visits they keep as the desktop does, in files: the page's (files/page_files.h).

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

// The text Copia riepilogo copied, for the page to put on the system's clipboard.
class PageClipboard : public TextClipboard {
  public:
    void SetText(std::string_view text) override { copied = text; }
    std::string copied;
};

struct PageAnalysis {
    explicit PageAnalysis(int mainHandle, PageMainWindow& main);
    ~PageAnalysis();
    PageAnalysis(const PageAnalysis&) = delete;
    PageAnalysis& operator=(const PageAnalysis&) = delete;

    int mainHandle;
    MainWindow& main;
    AnalysisSettingsFile settings{AnalysisSettingsPath()};
    PageClipboard clipboard;
    AnalysisWindow window;
    int observer = 0;
    bool mainChanged = false;  // since the analysis last followed it
};

struct PageModel {
    explicit PageModel(int mainHandle, PageMainWindow& main);

    int mainHandle;
    PageDialogs dialogs;
    RecentFilesFile recent{RecentFilesPath()};
    AnalysisSettingsFile settings{AnalysisSettingsPath()};
    ModelWindow window;
};

Handles<PageMainWindow>& MainWindows();
Handles<PageAnalysis>& Analyses();
Handles<PageModel>& Models();

// After every event on a page's window: each analysis made on the same main window follows the
// fields, once.
void AfterEvent(int mainHandle);
// After an event of an analysis, which may have changed its settings: each model window made on
// the same main window reads them, as it does when it comes to the front on the desktop, where
// one window is in front at a time.
void AfterAnalysisEvent(int mainHandle);

// Closes a main window with the windows made on it, as the desktop's do.
void DestroyMainWindow(int mainHandle);

}  // namespace coppia
