// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/refusal_text.h"

#include <cmath>

#include "engine/number_text.h"

namespace coppia {

std::string RefusalText(const Message& refusal, const TorqueResult& result) {
    std::string text = "Calcolo impossibile: " + std::string(refusal.text);
    if (refusal.text == messages::ChordRatioOutOfRange.text && std::isfinite(result.ChordRatio)) {
        text += " Rapporto " + FormatNumber(result.ChordRatio, "#0.000") + ", ammesso " +
                FormatPlainNumber(MinChordRatio) + "–" + FormatPlainNumber(MaxChordRatio);
    }
    return text;
}

}  // namespace coppia
