// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/torque.h"
#include "files/analysis_settings.h"
#include "models/analysis/analysis_display.h"
#include "models/shared/csv_text.h"

namespace coppia {

// What the summary says was asked: the main window's inputs as read, and the servo's, each
// empty while its field holds no valid number.
struct SummaryQuestion {
    TorqueInputs inputs;
    std::optional<double> travel;  // mm, as the main window shows it
    std::optional<double> rating;
    RatingUnit unit = RatingUnit::KgfCm;
    std::optional<double> safetyFactor;
};

// What the window shows, in lines of plain text.
struct Summary {
    std::vector<std::string> facts;  // the inputs, the torque, the Cp, the linkage
    std::string servo;               // "Servo da 3 Kg*cm, fattore di sicurezza 2"
    // The verdict's words, its reason, the margin and what the servo holds; or why there is no
    // verdict.
    std::vector<std::string> verdict;
};
Summary Summarise(const SummaryQuestion& question, const AnalysisDisplay& shown);

// The summary as Copia puts it on the clipboard: the title, then a line each.
std::string SummaryText(const Summary& summary);

// The sweep table, headings first, as CSV in the given format.
std::string SweepCsv(const std::vector<std::string>& headings,
                     const std::vector<SweepTableRow>& rows, CsvFormat format);

}  // namespace coppia
