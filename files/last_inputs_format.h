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

// The eight numbers in the order of kLastInputsLayout, each as the calculation read it from
// its field.
using LastInputsNumbers = std::array<double, kLastInputsLayout.size()>;

// The whole file: each number by its row's pattern, eight lines, each ended by CR LF. Only
// numbers, so that no text can add a line, split one or swallow the rest of the file.
std::string EncodeLastInputs(const LastInputsNumbers& numbers);

// The file's values in order, at most eight. Values are split at commas and line ends,
// blanks before a value are skipped, a value in double quotes keeps its commas, an empty line
// is an empty value, and the end of the bytes before a value means no value is left.
// `complete` is false when the bytes are only the start of a longer file: a value that runs
// into their end is then cut, and reading ends before it.
std::vector<std::string> DecodeLastInputs(std::string_view bytes, bool complete = true);

}  // namespace coppia
