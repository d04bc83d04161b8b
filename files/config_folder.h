// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/platform/platform.h"
#include "files/platform/save_result.h"

namespace coppia {

// The configuration folder itself, ConfigFolder(), is the system's: files/platform/platform.h.

// The file of this name in the configuration folder; empty when there is no such folder.
std::optional<std::string> ConfigFilePath(std::string_view name);

// Replaces the file at `path` in the configuration folder through the safe replace; fails, saying
// why, when there is no such folder.
SaveResult ReplaceConfigFile(const std::optional<std::string>& path, const std::string& bytes);
// Where such a file is kept, as the user is told it: its path, or its name alone.
std::string ConfigFileLocation(const std::optional<std::string>& path, std::string_view name);

}  // namespace coppia
