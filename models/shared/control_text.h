// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

namespace coppia {

// A control of an added window as every view of it shows and names it: the desktop's widget
// and the page's element alike.
struct ControlText {
    std::string_view name;     // the widget's objectName, the element's id
    std::string_view caption;  // its label or its text, "&" before the letter of its Alt+ key
    std::string_view accessibleName;  // what a screen reader says of it; empty: the caption
};

inline constexpr ControlText kNoControl{};

// The entry of `name` in `table`; an empty one when there is none.
constexpr const ControlText& ControlNamed(std::span<const ControlText> table,
                                          std::string_view name) {
    for (const ControlText& control : table) {
        if (control.name == name)
            return control;
    }
    return kNoControl;
}

}  // namespace coppia
