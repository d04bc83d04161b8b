// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "files/analysis_settings.h"
#include "files/recent_files.h"
#include "models/analysis/analysis_window.h"
#include "models/model/model_window.h"
#include "web/core/handles.h"
#include "web/core/page_dialogs.h"
#include "web/core/page_main_window.h"

namespace coppia {

// The windows of a page made on a main window (page_main_window.h), each under a handle: the
// analysis and the model, which follow it as the desktop's follow theirs. What they keep between
// visits they keep as the desktop does, in files: the page's (files/platform/web/page_files.h).

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

Handles<PageAnalysis>& Analyses();
Handles<PageModel>& Models();

// After an event of an analysis, which may have changed its settings: each model window made on
// the same main window reads them, as it does when it comes to the front on the desktop, where
// one window is in front at a time.
void AfterAnalysisEvent(int mainHandle);

}  // namespace coppia
