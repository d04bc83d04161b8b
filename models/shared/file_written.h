// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "models/shared/tone.h"

namespace coppia {

// What a window's status line says of a file it wrote, or could not write, for `reason`: the
// same words in every window.
struct FileWritten {
    std::string text;
    Tone tone = Tone::Neutral;
};

inline FileWritten TellFileWritten(std::string_view what, std::string_view path,
                                   std::string_view reason) {
    std::string text = std::string(what);
    if (reason.empty())
        return {text.append(" salvato in ").append(path), Tone::Good};
    text.append(" non salvato in ").append(path).append(": ").append(reason).append("!!");
    return {std::move(text), Tone::Bad};
}

}  // namespace coppia
