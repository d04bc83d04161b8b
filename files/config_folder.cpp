// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/config_folder.h"

#include <cstdlib>
#include <string_view>

#include "files/safe_file.h"

namespace coppia {

namespace {

std::optional<std::string_view> AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return std::nullopt;
    return std::string_view(value);
}

}  // namespace

std::optional<std::string> ConfigFolder() {
    if (const auto config = AbsoluteVariable("XDG_CONFIG_HOME"))
        return std::string(*config);
    if (const auto home = AbsoluteVariable("HOME")) {
        std::string folder(*home);
        if (folder.back() != '/')
            folder += '/';
        return folder + ".config";
    }
    return std::nullopt;
}

std::optional<std::string> ConfigFilePath(std::string_view name) {
    const std::optional<std::string> folder = ConfigFolder();
    if (!folder)
        return std::nullopt;
    return *folder + '/' + std::string(name);
}

SaveResult ReplaceConfigFile(const std::optional<std::string>& path, const std::string& bytes) {
    if (!path)
        return SaveResult{false, std::string(kNoConfigFolderReason), false};
    return ReplaceFile(*path, bytes);
}

std::string ConfigFileLocation(const std::optional<std::string>& path, std::string_view name) {
    return path ? *path : std::string(name);
}

}  // namespace coppia
