// SPDX-License-Identifier: GPL-3.0-or-later
// The bounded read on Windows calls, with wide (UTF-16) paths.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cerrno>

#include "files/platform/error_reason.h"
#include "files/platform/read_opened_file.h"
#include "files/platform/safe_file.h"
#include "files/platform/windows/windows_path.h"

namespace coppia {

namespace {

// Why the last call failed: in errno where a call put in the system's place (a test's) said it
// so, in the system's own code otherwise.
std::string LastReason() {
    const int error = errno;
    return error != 0 ? ReasonOf(error) : ReasonOfWindowsError(GetLastError());
}

}  // namespace

// Opens for reading only, sharing everything, so that another program's handle is never in
// the way of a read. Windows has no flags to give: nothing it opens waits for a writer.
int ReadCalls::Open(const char* path, int) {
    HANDLE file = CreateFileW(WideCallPath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    errno = 0;
    return file == INVALID_HANDLE_VALUE ? -1 : DescriptorOf(file, _O_RDONLY | _O_BINARY);
}

ssize_t ReadCalls::Read(int fd, void* bytes, std::size_t size) {
    DWORD n = 0;
    errno = 0;
    if (!ReadFile(HandleOf(fd), bytes, static_cast<DWORD>(size), &n, nullptr))
        return -1;
    return static_cast<ssize_t>(n);
}

BoundedRead ReadRegularFile(const std::string& path, std::size_t limit, ReadCalls& calls) {
    BoundedRead result;
    // The name first, so that a device is not even opened: opening some has effects.
    if (IsDevicePath(path)) {
        result.problem = kNotARegularFile;
        return result;
    }
    const DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        const DWORD error = GetLastError();
        if (attributes != INVALID_FILE_ATTRIBUTES)
            result.problem = kAFolder;
        else if (!IsNotFound(error))
            result.problem = ReasonOfWindowsError(error);
        return result;
    }
    errno = 0;
    SetLastError(ERROR_SUCCESS);
    const int fd = calls.Open(path.c_str(), O_RDONLY | O_BINARY);
    if (fd < 0) {
        if (errno != 0 ? errno != ENOENT : !IsNotFound(GetLastError()))
            result.problem = LastReason();
        return result;
    }
    // The type of what was opened, not of what lay at the path a moment before.
    if (GetFileType(HandleOf(fd)) != FILE_TYPE_DISK) {
        _close(fd);
        result.problem = kNotARegularFile;
        return result;
    }
    result.opened = true;
    ReadOpenedFile(
        result, limit,
        [&](char* chunk, std::size_t wanted) {
            errno = 0;
            SetLastError(ERROR_SUCCESS);
            return static_cast<std::ptrdiff_t>(calls.Read(fd, chunk, wanted));
        },
        LastReason);
    _close(fd);
    return result;
}

}  // namespace coppia
