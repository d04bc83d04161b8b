// SPDX-License-Identifier: GPL-3.0-or-later
// What a browser provides of a system: no standard streams to keep open, no other instance
// sharing a folder. Its files are the page's (page_files.h), named by text.
#include "files/platform/platform.h"
#include "files/platform/web/page_files.h"

namespace coppia {

bool IsAbsolutePath(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

char PathSeparator() {
    return '/';
}

// A page's paths are names it made itself, UTF-8 throughout.
std::filesystem::path FileSystemPath(std::string_view path) {
    return std::filesystem::path(path);
}

std::string PathString(const std::filesystem::path& path) {
    return path.native();
}

bool PathsAreText() {
    return true;
}

void KeepStandardStreamsOpen() {}

void UseStartingConsole() {}

bool RunsUnderWine() {
    return false;
}

std::optional<std::string> OlderLastInputsPath() {
    return std::nullopt;
}

// The folder of the page's files that the page keeps in its storage between visits.
std::optional<std::string> ConfigFolder() {
    return std::string(kPageConfigFolder);
}

std::string_view NoConfigFolderReason() {
    return "nel browser non c'è una cartella di configurazione";
}

// One page, one program: nothing to lock against, and no handle to hold.
FolderLock::FolderLock(const std::string&) {
    handle_ = -1;
}

FolderLock::~FolderLock() = default;

}  // namespace coppia
