// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "models/model/model_window.h"
#include "tests/files/scratch_folder.h"
#include "tests/models/memory_analysis_settings.h"
#include "tests/models/model/scripted_dialogs.h"
#include "tests/models/window_fixture.h"

namespace coppia {

inline const std::string kExample = COPPIA_SOURCE_DIR "/docs/esempio.coppia";

inline const std::string& Cell(const ModelTableRow& row, ModelColumn column) {
    return row.cells[static_cast<std::size_t>(column)];
}

// The main window's model, and the model window reading it, with dialogs that answer as told,
// the recent files and the analysis's settings in memory.
class ModelWindowTest : public WindowFixture {
  protected:
    ModelWindowTest() : model(window, dialogs, recent, settings) {
        HandOver(kExample);
        Load();  // nothing remembered: the main window's initial texts
        model.Modello_Form_Load();
    }
    void OpenExample() { ASSERT_TRUE(model.Modello_ApriFile(kExample)); }
    const ModelDisplay& Shown() const { return model.Display(); }
    const Model& Content() const { return model.Session().Document().Content(); }
    void Select(std::vector<std::size_t> rows) {
        model.Modello_Tabella_Select(rows, rows.empty() ? std::nullopt : std::optional(rows[0]));
    }

    ScriptedDialogs dialogs;
    MemoryRecentFiles recent;
    MemoryAnalysisSettings settings;
    ModelWindow model;
};

}  // namespace coppia
