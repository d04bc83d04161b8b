// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "files/platform/web/page_files.h"

namespace coppia {

namespace {

// The page's one set of files, as a system has one file system.
struct PageFiles {
    std::map<std::string, std::string, std::less<>> bytes;
    std::vector<std::string> written;
    std::vector<std::pair<std::string, std::string>> refused;  // folder, reason
};

PageFiles& Files() {
    static PageFiles files;
    return files;
}

bool IsIn(std::string_view path, std::string_view folder) {
    return path.size() > folder.size() && path.starts_with(folder) &&
           (folder.ends_with('/') || path[folder.size()] == '/');
}

}  // namespace

std::string PagePathOf(std::string_view name) {
    std::string path = "/" + std::string(name);
    std::replace(path.begin() + 1, path.end(), '/', '-');
    return path;
}

void PutPageFile(const std::string& path, std::string bytes) {
    Files().bytes.insert_or_assign(path, std::move(bytes));
}

const std::string* PageFile(const std::string& path) {
    const auto found = Files().bytes.find(path);
    return found == Files().bytes.end() ? nullptr : &found->second;
}

void RemovePageFile(const std::string& path) {
    Files().bytes.erase(path);
}

std::vector<std::string> PageFilesIn(std::string_view folder) {
    std::vector<std::string> paths;
    for (const auto& [path, bytes] : Files().bytes) {
        if (IsIn(path, folder))
            paths.push_back(path);
    }
    return paths;
}

std::vector<std::string> TakeWrittenPageFiles() {
    return std::exchange(Files().written, {});
}

void RefusePageFilesIn(std::string folder, std::string reason) {
    auto& refused = Files().refused;
    std::erase_if(refused, [&folder](const auto& entry) { return entry.first == folder; });
    if (!reason.empty())
        refused.emplace_back(std::move(folder), std::move(reason));
}

std::string PageFileRefusal(const std::string& path) {
    if (path.empty())
        return "il nome del file è vuoto";
    for (const auto& [folder, reason] : Files().refused) {
        if (IsIn(path, folder))
            return reason;
    }
    return {};
}

void ReplacePageFile(const std::string& path, const std::string& bytes) {
    PutPageFile(path, bytes);
    std::vector<std::string>& written = Files().written;
    if (std::find(written.begin(), written.end(), path) == written.end())
        written.push_back(path);
}

}  // namespace coppia
