// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_window_plugin.h"

#include <memory>

#include "files/analysis_settings.h"
#include "models/analysis/analysis_window.h"
#include "models/main/main_window.h"
#include "ui/analysis/analysis_view.h"
#include "ui/analysis/qt_clipboard.h"

namespace coppia {

namespace {

// The view with everything it stands on: the model, its settings file and the clipboard,
// and its place among the main window's observers, which it leaves when it is destroyed.
class AnalysisWindowWithModel : public AnalysisView {
  public:
    AnalysisWindowWithModel(MainWindow& main, std::unique_ptr<AnalysisSettingsFile> settings,
                            std::unique_ptr<QtClipboard> clipboard,
                            std::unique_ptr<AnalysisWindow> model)
        : AnalysisView(*model),
          main_(main),
          settings_(std::move(settings)),
          clipboard_(std::move(clipboard)),
          model_(std::move(model)) {
        observer_ = main_.AddObserver([this](Control) { model_->Main_Change(); });
        model_->Analisi_Form_Load();
    }
    ~AnalysisWindowWithModel() override { main_.RemoveObserver(observer_); }

  private:
    MainWindow& main_;
    std::unique_ptr<AnalysisSettingsFile> settings_;
    std::unique_ptr<QtClipboard> clipboard_;
    std::unique_ptr<AnalysisWindow> model_;
    int observer_ = 0;
};

}  // namespace

QWidget* AnalysisWindowPlugin::CreateAnalysisWindow(MainWindow& main) {
    auto settings = std::make_unique<AnalysisSettingsFile>(AnalysisSettingsPath());
    auto clipboard = std::make_unique<QtClipboard>();
    auto model = std::make_unique<AnalysisWindow>(main.State(), main.Loan(), *settings, *clipboard);
    return new AnalysisWindowWithModel(main, std::move(settings), std::move(clipboard),
                                       std::move(model));
}

}  // namespace coppia
