// SPDX-License-Identifier: GPL-3.0-or-later
// The bounded read on Windows calls, with wide (UTF-16) paths.
#include <windows.h>

#include <algorithm>

#include "files/error_reason.h"
#include "files/safe_file.h"
#include "files/windows_path.h"

namespace coppia {

BoundedRead ReadRegularFile(const std::string& path, std::size_t limit) {
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
    HANDLE file = CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        if (const DWORD error = GetLastError(); !IsNotFound(error))
            result.problem = ReasonOfWindowsError(error);
        return result;
    }
    // The type of what was opened, not of what lay at the path a moment before.
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        result.problem = kNotARegularFile;
        return result;
    }
    result.opened = true;
    // One byte beyond the limit tells a file that goes on from one that ends there.
    char chunk[4096];
    while (result.bytes.size() <= limit) {
        const DWORD wanted =
            static_cast<DWORD>(std::min(sizeof chunk, limit + 1 - result.bytes.size()));
        DWORD n = 0;
        if (!ReadFile(file, chunk, wanted, &n, nullptr)) {
            // What was read stands; a value the error cut is not read.
            result.complete = false;
            result.problem = ReasonOfWindowsError(GetLastError());
            break;
        }
        if (n == 0)
            break;
        result.bytes.append(chunk, n);
    }
    CloseHandle(file);
    if (result.bytes.size() > limit) {
        result.complete = false;
        result.bytes.resize(limit);
    }
    return result;
}

}  // namespace coppia
