// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/section_and_sheet.h"

#include "engine/number_text.h"

namespace coppia {

std::optional<HingeGap> HingeGapNamed(std::string_view word) {
    for (std::size_t i = 0; i < kHingeGapNames.size(); ++i) {
        if (word == kHingeGapNames[i])
            return static_cast<HingeGap>(i);
    }
    return std::nullopt;
}

bool IsValidFigure(const ServoFigureKey& figure, double value) {
    return value >= figure.least && value <= figure.most;
}

std::string FigureRange(const ServoFigureKey& figure) {
    return "un numero da " + FormatPlainNumber(figure.least) + " a " +
           FormatPlainNumber(figure.most) + " " + std::string(figure.unit);
}

const ServoFigureKey* FigureOutOfRange(const ServoFigures& figures) {
    for (const ServoFigureKey& figure : kServoFigureKeys) {
        const std::optional<double>& value = figures.*figure.value;
        if (value && !IsValidFigure(figure, *value))
            return &figure;
    }
    return nullptr;
}

ServoSheet SheetOf(const ServoFigures& figures, std::optional<double> ratingKgfCm) {
    return ServoSheet{ratingKgfCm, figures.voltage, figures.time60, figures.noLoadCurrent,
                      figures.stallCurrent};
}

}  // namespace coppia
