// SPDX-License-Identifier: GPL-3.0-or-later
// The safe replace in a browser: a page has no file system. What it keeps it holds as bytes
// (the last inputs in the page's storage, a model as a download), handed over by the page
// through the web core, so that no path reaches a file call here and the web build links none.
#include <cerrno>

#include "files/safe_file.h"

namespace coppia {

namespace {

// Why a path is refused: in a browser no path names a file the program may write.
constexpr std::string_view kNoFileSystem = "nel browser non si scrivono file";

}  // namespace

// The calls exist so that a SaveCalls can be made; none of them is ever made here.
int SaveCalls::Open(const char*, int, mode_t) {
    errno = ENOSYS;
    return -1;
}
ssize_t SaveCalls::Write(int, const void*, std::size_t) {
    errno = ENOSYS;
    return -1;
}
int SaveCalls::Fsync(int) {
    errno = ENOSYS;
    return -1;
}
int SaveCalls::Close(int) {
    errno = ENOSYS;
    return -1;
}
int SaveCalls::Rename(const char*, const char*) {
    errno = ENOSYS;
    return -1;
}

int ReadCalls::Open(const char*, int) {
    errno = ENOSYS;
    return -1;
}
ssize_t ReadCalls::Read(int, void*, std::size_t) {
    errno = ENOSYS;
    return -1;
}

// No file is there: what the page holds comes in as bytes, not through a path.
BoundedRead ReadRegularFile(const std::string&, std::size_t, ReadCalls&) {
    return BoundedRead{};
}

SaveResult ReplaceFile(const std::string&, const std::string&, SaveCalls&, MissingFolders) {
    return SaveResult{false, std::string(kNoFileSystem), false};
}

std::string ReplaceRefusal(const std::string&) {
    return std::string(kNoFileSystem);
}

}  // namespace coppia
