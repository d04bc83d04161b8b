// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "models/analysis/analysis_window.h"
#include "models/analysis/text_clipboard.h"
#include "tests/models/memory_analysis_settings.h"
#include "tests/models/window_fixture.h"

namespace coppia {

class StringClipboard : public TextClipboard {
  public:
    void SetText(std::string_view copied) override { text = copied; }
    std::string text;
};

// The main window loaded with its initial texts, and the analysis following it.
class AnalysisWindowTest : public WindowFixture {
  protected:
    AnalysisWindowTest() : analysis(window.State(), window.Loan(), settings, clipboard) {
        window.AddObserver([this](Control) { analysis.Main_Change(); });
        Load();
        analysis.Analisi_Form_Load();
    }

    const AnalysisDisplay& Shown() const { return analysis.Display(); }
    std::vector<std::string> StepValues() const {
        std::vector<std::string> values;
        for (const AnalysisStep& step : Shown().steps) values.push_back(step.value);
        return values;
    }

    MemoryAnalysisSettings settings;
    StringClipboard clipboard;
    AnalysisWindow analysis;
};

// One column of the sweep's rows.
inline std::vector<std::string> Column(const std::vector<SweepTableRow>& rows, std::size_t column) {
    std::vector<std::string> cells;
    for (const SweepTableRow& row : rows) cells.push_back(row.cells.at(column));
    return cells;
}

}  // namespace coppia
