// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace coppia {

// Why a call on a file failed, in the user's Italian words, from the system's error number,
// whatever the language of the system's own messages.
std::string ReasonOf(int error);

// What lies at a path that is neither a regular file nor a link to one.
inline constexpr std::string_view kNotARegularFile = "non è un file normale";
inline constexpr std::string_view kAFolder = "è una cartella";

}  // namespace coppia
