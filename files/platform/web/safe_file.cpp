// SPDX-License-Identifier: GPL-3.0-or-later
// The safe replace and the bounded read in a browser, on the page's files (page_files.h): a
// replace puts the new bytes in place of the old ones whole, as a rename does on a disk, and
// no path reaches a call of any system, so that the web build links none.
#include <cerrno>

#include "files/platform/safe_file.h"
#include "files/platform/web/page_files.h"

namespace coppia {

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

// The page's files are bytes already: no call of a system reads them.
BoundedRead ReadRegularFile(const std::string& path, std::size_t limit, ReadCalls&) {
    const std::string* bytes = PageFile(path);
    if (bytes == nullptr)
        return BoundedRead{};
    return BoundedRead{true, bytes->substr(0, limit), bytes->size() <= limit, {}};
}

// Every folder is there: a page's files have none to make or to lose.
SaveResult ReplaceFile(const std::string& path, const std::string& bytes, SaveCalls&,
                       MissingFolders) {
    std::string refusal = PageFileRefusal(path);
    if (!refusal.empty())
        return SaveResult{false, std::move(refusal), false};
    ReplacePageFile(path, bytes);
    return SaveResult{true, {}, false};
}

std::string ReplaceRefusal(const std::string& path) {
    return PageFileRefusal(path);
}

}  // namespace coppia
