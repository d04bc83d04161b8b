// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/config_folder.h"

#include <string_view>

#include "files/platform/platform.h"
#include "files/platform/safe_file.h"

namespace coppia {

std::optional<std::string> ConfigFilePath(std::string_view name) {
    const std::optional<std::string> folder = ConfigFolder();
    if (!folder)
        return std::nullopt;
    return *folder + PathSeparator() + std::string(name);
}

SaveResult ReplaceConfigFile(const std::optional<std::string>& path, const std::string& bytes) {
    if (!path)
        return SaveResult{false, std::string(NoConfigFolderReason()), false};
    return ReplaceFile(*path, bytes);
}

std::string ConfigFileLocation(const std::optional<std::string>& path, std::string_view name) {
    return path ? *path : std::string(name);
}

}  // namespace coppia
