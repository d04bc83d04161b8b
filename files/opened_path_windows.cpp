// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "files/opened_path.h"
#include "files/windows_path.h"

namespace coppia {

// The full path as the system makes it (the current folder and drive put in, "." and ".."
// folded as Windows folds them, "/" made "\"), then, for a file that is there, the path its
// links lead to.
std::string ResolvedPath(const std::string& path) {
    if (path.empty())
        return path;
    const std::wstring wide = WidePath(path);
    DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return path;
    std::wstring full(size, L'\0');
    size = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
    full.resize(size);
    HANDLE file =
        CreateFileW(full.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Utf8Path(full);
    std::wstring final(MAX_PATH, L'\0');
    DWORD finalSize = GetFinalPathNameByHandleW(file, final.data(), MAX_PATH, 0);
    if (finalSize >= MAX_PATH) {
        final.resize(finalSize);
        finalSize = GetFinalPathNameByHandleW(file, final.data(), finalSize, 0);
    }
    CloseHandle(file);
    if (finalSize == 0 || finalSize >= final.size())
        return Utf8Path(full);
    final.resize(finalSize);
    if (final.starts_with(LR"(\\?\UNC\)"))
        final.replace(0, 8, LR"(\\)");
    else if (final.starts_with(LR"(\\?\)"))
        final.erase(0, 4);
    return Utf8Path(final);
}

}  // namespace coppia
