// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/torque.h"
#include "files/analysis_settings.h"
#include "models/analysis_display.h"

namespace coppia {

// The unit of a servo's rating as the window writes it.
std::string_view RatingUnitName(RatingUnit unit);

// What the servo check was asked: the rating and the factor as the user typed them.
struct ServoQuestion {
    std::string rating;
    RatingUnit unit = RatingUnit::KgfCm;
    std::string safetyFactor;
};

// The plain-text summary of what the window shows, as Copia puts it on the clipboard.
std::string SummaryText(const TorqueInputs& inputs, const AnalysisDisplay& shown,
                        const ServoQuestion& servo);

// The sweep table as comma-separated UTF-8: the headings, then one line per row, each ended by
// CR LF; "." is the decimal point whatever the locale.
std::string SweepCsv(const std::vector<std::string>& headings,
                     const std::vector<SweepTableRow>& rows);

}  // namespace coppia
