// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recent_files.h"

#include <algorithm>

#include "files/config_folder.h"
#include "files/safe_file.h"

namespace coppia {

namespace {

// Eight paths of the longest length the system allows, and some.
constexpr std::size_t kReadLimit = 64 * 1024;

bool IsListable(std::string_view path) {
    return !path.empty() && path.front() == '/' && path.find('\n') == std::string_view::npos;
}

}  // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> recent, const std::string& path) {
    if (!IsListable(path))
        return recent;
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kMaxRecentFiles)
        recent.resize(kMaxRecentFiles);
    return recent;
}

std::string EncodeRecentFiles(const std::vector<std::string>& recent) {
    std::string bytes;
    for (const std::string& path : recent) bytes += path + "\n";
    return bytes;
}

std::vector<std::string> DecodeRecentFiles(std::string_view bytes) {
    std::vector<std::string> recent;
    while (!bytes.empty() && recent.size() < kMaxRecentFiles) {
        const std::size_t end = std::min(bytes.find('\n'), bytes.size());
        const std::string line(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (IsListable(line) && std::find(recent.begin(), recent.end(), line) == recent.end())
            recent.push_back(line);
    }
    return recent;
}

std::optional<std::string> RecentFilesPath() {
    return ConfigFilePath(kRecentFilesFileName);
}

std::vector<std::string> RecentFilesFile::Read() {
    if (!path_)
        return {};
    const BoundedRead read = ReadRegularFile(*path_, kReadLimit);
    // A line the limit or a failed read cut is no path.
    return DecodeRecentFiles(WholeLines(read));
}

SaveResult RecentFilesFile::Write(const std::vector<std::string>& recent) {
    return ReplaceConfigFile(path_, EncodeRecentFiles(recent));
}

std::string RecentFilesFile::Location() const {
    return ConfigFileLocation(path_, kRecentFilesFileName);
}

}  // namespace coppia
