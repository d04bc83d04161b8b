// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

#include "models/shared/control_text.h"

namespace coppia {

// The window's texts are UTF-8 ("Velocità", "Massimo 60°!!").
inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A control's caption, and what a screen reader says of it, as its window's table has them.
inline QString CaptionOf(const ControlText& control) {
    return ToQString(control.caption);
}
inline QString AccessibleNameOf(const ControlText& control) {
    return ToQString(control.accessibleName);
}

}  // namespace coppia
