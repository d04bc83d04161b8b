// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace coppia {

// One line of the last-inputs file: the window field it keeps and the pattern it is written by.
struct LastInputsEntry {
    std::string_view field;
    std::string_view pattern;
};

// A value's meaning is its line number: the writer and the reader walk this one list.
inline constexpr std::array<LastInputsEntry, 8> kLastInputsLayout = {{
    {"CarAla", "#00.0"},
    {"CordaAla", "#000.0"},
    {"CordaAlett", "#00.0"},
    {"BrServ", "#00.0"},
    {"BrAlett", "#00.0"},
    {"LungAlett", "#000.0"},
    {"Ang", "#00.0"},
    {"Vel", "#00.0"},
}};

// The eight field texts in the order of kLastInputsLayout.
using LastInputsTexts = std::array<std::string, kLastInputsLayout.size()>;

// True for a number and nothing else, blanks at either end aside: an optional sign, digits
// with at most one "." and at least one digit, an optional exponent.
bool IsPlainNumberText(std::string_view text);

// A field's text as its line: the number by the row's pattern, or any other text unchanged.
std::string LastInputsLine(std::string_view text, std::string_view pattern);

// The whole file: the eight lines, each ended by CR LF.
std::string EncodeLastInputs(const LastInputsTexts& texts);

// The file's values in order, at most eight. Values are split at commas and line ends,
// blanks before a value are skipped, a value in double quotes keeps its commas, an empty line
// is an empty value, and the end of the bytes before a value means no value is left.
// `complete` is false when the bytes are only the start of a longer file: a value that runs
// into their end is then cut, and reading ends before it.
std::vector<std::string> DecodeLastInputs(std::string_view bytes, bool complete = true);

}  // namespace coppia
