// SPDX-License-Identifier: GPL-3.0-or-later
// What a browser provides of a system: no folders, no standard streams to keep open, no other
// instance sharing a folder. Names of files the page hands over are text.
#include "files/config_folder.h"
#include "files/platform.h"

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

// There is no configuration folder: what the page keeps it keeps in its own storage.
std::optional<std::string> ConfigFolder() {
    return std::nullopt;
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
