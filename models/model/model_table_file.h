// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "files/analysis_settings.h"
#include "models/shared/csv_text.h"

namespace coppia {

// The analysis's settings as the model window judges with them, and what it says when they are
// there but cannot be read (it then judges with the defaults); the problem is empty otherwise.
struct JudgingSettings {
    AnalysisSettings settings;
    std::string problem;
};
JudgingSettings ReadJudgingSettings(AnalysisSettingsStore& store);

// The table of the model file at `path` (the system's bytes), as "Esporta CSV…" of the model
// window writes it in `format` after opening the file, judged with the settings `store` holds:
// without a window, for scripts. When the file is refused, no CSV and the window's reason.
struct ModelFileTable {
    bool read = false;
    std::string csv;
    std::string refusal;  // "Il modello /x/sport.coppia non può essere aperto: ..."
    std::string settingsProblem;
};
ModelFileTable ModelFileCsv(const std::string& path, AnalysisSettingsStore& store,
                            CsvFormat format);

}  // namespace coppia
