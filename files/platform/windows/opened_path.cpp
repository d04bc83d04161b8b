// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>

#include "files/platform/opened_path.h"
#include "files/platform/windows/windows_path.h"

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
    const std::string fullPath = Utf8Path(full);
    return FinalPath(fullPath).value_or(fullPath);
}

}  // namespace coppia
