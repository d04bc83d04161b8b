// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/page_windows.h"

namespace coppia {

PageAnalysis::PageAnalysis(int mainHandle, PageMainWindow& main)
    : mainHandle(mainHandle),
      main(main.window),
      window(main.window.State(), main.window.Loan(), settings, clipboard) {
    // Each change of a field is noted; the analysis follows them all at once after the event,
    // which is all the page shows of it.
    observer = this->main.AddObserver([this](Control) { mainChanged = true; });
}

PageAnalysis::~PageAnalysis() {
    main.RemoveObserver(observer);
}

PageModel::PageModel(int mainHandle, PageMainWindow& main)
    : mainHandle(mainHandle), window(main.window, dialogs, recent, settings) {}

Handles<PageAnalysis>& Analyses() {
    static Handles<PageAnalysis> windows;
    return windows;
}

Handles<PageModel>& Models() {
    static Handles<PageModel> windows;
    return windows;
}

void AfterEvent(int mainHandle) {
    Analyses().ForEach([mainHandle](PageAnalysis& analysis) {
        if (analysis.mainHandle == mainHandle && analysis.mainChanged) {
            analysis.mainChanged = false;
            analysis.window.Main_Change();
        }
    });
}

void AfterAnalysisEvent(int mainHandle) {
    AfterEvent(mainHandle);
    Models().ForEach([mainHandle](PageModel& model) {
        if (model.mainHandle == mainHandle)
            model.window.Modello_Form_Activate();
    });
}

void DestroyMainWindow(int mainHandle) {
    Models().RemoveIf(
        [mainHandle](const PageModel& model) { return model.mainHandle == mainHandle; });
    Analyses().RemoveIf(
        [mainHandle](const PageAnalysis& analysis) { return analysis.mainHandle == mainHandle; });
    MainWindows().Remove(mainHandle);
}

}  // namespace coppia
