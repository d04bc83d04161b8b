// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/save_result.h"

namespace coppia {

// The folder that keeps the program's files. On Windows %APPDATA%\coppia (the roaming
// application data, as the system names it). Elsewhere $XDG_CONFIG_HOME when it is an absolute path
// (a relative one is ignored, as the XDG rules say), otherwise $HOME/.config. Empty when
// neither names a folder, so that nothing lands at the root of the file system.
// Paths are the system's bytes, never decoded: a folder whose name is not UTF-8 is still
// the same folder.
std::optional<std::string> ConfigFolder();

// The file of this name in the configuration folder; empty when there is no such folder.
std::optional<std::string> ConfigFilePath(std::string_view name);

// Replaces the file at `path` in the configuration folder through the safe replace; fails, saying
// why, when there is no such folder.
SaveResult ReplaceConfigFile(const std::optional<std::string>& path, const std::string& bytes);
// Where such a file is kept, as the user is told it: its path, or its name alone.
std::string ConfigFileLocation(const std::optional<std::string>& path, std::string_view name);

// Why nothing can be saved when there is no configuration folder, in the system's words ($HOME
// means nothing on Windows): platform/<system>/platform.cpp.
std::string_view NoConfigFolderReason();

}  // namespace coppia
