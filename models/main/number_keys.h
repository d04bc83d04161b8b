// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace coppia {

// What a character typed into a field that takes a number enters. Italians write 1,5, and the
// keypad's decimal key of an Italian layout types a comma: the comma enters the decimal point,
// which is what every number is read by. A pasted text is not changed.
constexpr char NumberFieldCharacter(char typed) {
    return typed == ',' ? '.' : typed;
}

// What typing these characters into a field that takes a number enters, each as above.
inline std::string NumberFieldTyped(std::string_view typed) {
    std::string entered(typed);
    for (char& c : entered) c = NumberFieldCharacter(c);
    return entered;
}

}  // namespace coppia
