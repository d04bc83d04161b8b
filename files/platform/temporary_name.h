// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace coppia {

// The names of a save's temporary files, the same on every system: ".Mervanti.ini.coppia-Ab3dE9",
// hidden (on POSIX) and marked as the program's, so that no name a user gives a file is taken
// for one.

// The longest name a folder takes: NAME_MAX bytes on Linux, as many UTF-16 units on Windows.
inline constexpr std::size_t kLongestName = 255;

// What every temporary name of the file starts with. A long name is cut so that the temporary
// one still fits the longest name a folder takes.
std::string TemporaryPrefix(std::string_view fileName);

// Whether `name` is one of the temporary names that start with `prefix`.
bool IsTemporaryName(std::string_view name, std::string_view prefix);

// `prefix` followed by a fresh random suffix.
std::string RandomTemporaryName(std::string_view prefix);

}  // namespace coppia
