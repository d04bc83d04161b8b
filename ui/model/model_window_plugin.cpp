// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/model_window_plugin.h"

#include <memory>

#include "files/analysis_settings.h"
#include "files/recent_files.h"
#include "models/model/model_table_file.h"
#include "models/model/model_window.h"
#include "ui/model/model_dialogs.h"
#include "ui/model/model_view.h"

namespace coppia {

namespace {

// What the view stands on, made before it: its dialogs, the recent files' list, the analysis's
// settings (read, never written here) and the model.
struct ModelParts {
    explicit ModelParts(MainWindow& main)
        : recent(RecentFilesPath()),
          settings(AnalysisSettingsPath()),
          model(main, dialogs, recent, settings) {}

    QtModelDialogs dialogs;
    RecentFilesFile recent;
    AnalysisSettingsFile settings;
    ModelWindow model;
};

// The view with everything it stands on.
class ModelWindowWithModel : public ModelView {
  public:
    explicit ModelWindowWithModel(std::unique_ptr<ModelParts> parts)
        : ModelView(parts->model), parts_(std::move(parts)) {
        ModelParts& p = *parts_;
        p.dialogs.SetParent(this);
        // The file dialogs open in the model's folder, or the last model's.
        p.dialogs.SetFolder([&p] { return p.model.Session().Folder(); });
        p.model.Modello_Form_Load();
    }

  private:
    std::unique_ptr<ModelParts> parts_;
};

}  // namespace

QWidget* ModelWindowPlugin::CreateModelWindow(MainWindow& main) {
    return new ModelWindowWithModel(std::make_unique<ModelParts>(main));
}

bool ModelWindowPlugin::ModelTableCsv(const std::string& path, std::string& csv,
                                      std::string& problem) {
    AnalysisSettingsFile settings(AnalysisSettingsPath());
    ModelFileTable table = ModelFileCsv(path, settings, CsvFormat::International);
    csv = std::move(table.csv);
    problem = table.read ? std::move(table.settingsProblem) : std::move(table.refusal);
    return table.read;
}

}  // namespace coppia
