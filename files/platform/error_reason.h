// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace coppia {

// Why a call on a file failed, in the user's Italian words, from the system's error number,
// whatever the language of the system's own messages.
std::string ReasonOf(int error);

// Why a Windows call on a file failed, in the same words, from GetLastError()'s code; one the
// program does not know is "errore di sistema N". Built only for Windows
// (windows/error_reason.cpp).
std::string ReasonOfWindowsError(unsigned long error);

// What lies at a path that is neither a regular file nor a link to one.
inline constexpr std::string_view kNotARegularFile = "non è un file normale";
inline constexpr std::string_view kAFolder = "è una cartella";
// A file that another program holds open without sharing it, such as a spreadsheet a CSV.
inline constexpr std::string_view kOpenElsewhere = "il file è aperto in un altro programma";
// A file whose read-only attribute (Windows) is set.
inline constexpr std::string_view kReadOnlyFile = "il file è in sola lettura";

}  // namespace coppia
