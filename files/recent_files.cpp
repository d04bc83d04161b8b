// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/recent_files.h"

#include <algorithm>

#include "files/config_folder.h"
#include "files/platform/platform.h"
#include "files/platform/safe_file.h"

namespace coppia {

namespace {

// Eight paths of the longest length the system allows, and some.
constexpr std::size_t kReadLimit = 64 * 1024;

// One absolute path: no line break, which would make it two lines, and no NUL, which ends a
// path for the system before its end.
bool IsListable(std::string_view path) {
    return IsAbsolutePath(path) &&
           path.find_first_of(std::string_view("\n\r\0", 3)) == std::string_view::npos;
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

std::vector<std::string> MergedRecentFiles(const std::string& path,
                                           const std::vector<std::string>& stored,
                                           const std::vector<std::string>& known) {
    std::vector<std::string> merged;
    for (const std::vector<std::string>* list : {&stored, &known}) {
        for (const std::string& entry : *list) {
            if (IsListable(entry) && std::find(merged.begin(), merged.end(), entry) == merged.end())
                merged.push_back(entry);
        }
    }
    if (merged.size() > kMaxRecentFiles)
        merged.resize(kMaxRecentFiles);
    return WithRecentFile(std::move(merged), path);
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
        std::string line(bytes.substr(0, end));
        // A list edited on another system ends its lines with CR LF.
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (IsListable(line) && std::find(recent.begin(), recent.end(), line) == recent.end())
            recent.push_back(line);
    }
    return recent;
}

RecentUpdate RecentFilesStore::Add(const std::string& path, const std::vector<std::string>& known) {
    const std::vector<std::string> stored = Read();
    RecentUpdate update{MergedRecentFiles(path, stored, known), SaveResult{true, {}, false}};
    if (update.recent != stored)
        update.result = Write(update.recent);
    return update;
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

RecentUpdate RecentFilesFile::Add(const std::string& path, const std::vector<std::string>& known) {
    if (!path_)
        return RecentFilesStore::Add(path, known);
    const FolderLock lock(*path_);
    return RecentFilesStore::Add(path, known);
}

std::string RecentFilesFile::Location() const {
    return ConfigFileLocation(path_, kRecentFilesFileName);
}

}  // namespace coppia
