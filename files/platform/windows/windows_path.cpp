// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/platform/windows/windows_path.h"

#include <io.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <optional>

namespace coppia {

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

std::size_t LastSeparator(const std::string& path) {
    return path.find_last_of("/\\");
}

}  // namespace

std::wstring WidePath(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int size = static_cast<int>(utf8.size());
    const int wideSize = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), wideSize);
    return wide;
}

std::string Utf8Path(std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int narrowSize =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowSize), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, narrow.data(), narrowSize, nullptr, nullptr);
    return narrow;
}

std::wstring WideCallPath(std::string_view utf8) {
    std::wstring wide = WidePath(utf8);
    if (wide.size() < MAX_PATH - 12 || wide.starts_with(LR"(\\?\)") || wide.starts_with(LR"(\\.\)"))
        return wide;
    const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (size == 0)
        return wide;
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), size, full.data(), nullptr));
    if (full.starts_with(LR"(\\)"))
        return LR"(\\?\UNC\)" + full.substr(2);
    return LR"(\\?\)" + full;
}

unsigned long Attributes(const std::string& path) {
    return GetFileAttributesW(WideCallPath(path).c_str());
}

int DescriptorOf(void* handle, int flags) {
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), flags);
    if (fd < 0) {
        CloseHandle(handle);
        SetLastError(ERROR_TOO_MANY_OPEN_FILES);
    }
    errno = 0;
    return fd;
}

void* HandleOf(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

bool IsNotFound(unsigned long error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::string FolderOfPath(const std::string& path) {
    const std::size_t separator = LastSeparator(path);
    if (separator == std::string::npos)
        return ".";
    // "C:\x" lies in "C:\", "\x" in "\".
    if (separator == 0 || (separator == 2 && path[1] == ':'))
        return path.substr(0, separator + 1);
    return path.substr(0, separator);
}

std::string NameOfPath(const std::string& path) {
    const std::size_t separator = LastSeparator(path);
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string JoinPath(const std::string& folder, std::string_view name) {
    if (IsSeparator(folder.back()))
        return folder + std::string(name);
    return folder + '\\' + std::string(name);
}

bool IsDevicePath(const std::string& path) {
    if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
        (path[2] == '.' || path[2] == '?') && IsSeparator(path[3]))
        return true;
    // The system reads "con.txt" and "CON " as CON: the part before the first dot, without
    // the spaces after it.
    std::string base = NameOfPath(path);
    base = base.substr(0, base.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN",    "AUX",
                                                          "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), base) != kDevices.end())
        return true;
    if (!base.starts_with("COM") && !base.starts_with("LPT"))
        return false;
    // The digits 1 to 9, and the superscripts ¹, ² and ³, which the system takes for 1, 2 and 3.
    const std::string_view number = std::string_view(base).substr(3);
    constexpr std::array<std::string_view, 3> kSuperscripts = {"\xc2\xb9", "\xc2\xb2", "\xc2\xb3"};
    return (number.size() == 1 && number[0] >= '1' && number[0] <= '9') ||
           std::find(kSuperscripts.begin(), kSuperscripts.end(), number) != kSuperscripts.end();
}

// The path a symbolic link or junction leads to; empty when it leads nowhere.
std::optional<std::string> FinalPath(const std::string& path) {
    HANDLE file = CreateFileW(WideCallPath(path).c_str(), 0,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::wstring resolved(MAX_PATH, L'\0');
    DWORD size = GetFinalPathNameByHandleW(file, resolved.data(), MAX_PATH, 0);
    if (size >= MAX_PATH) {
        resolved.resize(size);
        size = GetFinalPathNameByHandleW(file, resolved.data(), size, 0);
    }
    CloseHandle(file);
    if (size == 0)
        return std::nullopt;
    resolved.resize(size);
    // "\\?\C:\x" is "C:\x"; "\\?\UNC\server\x" is "\\server\x".
    if (resolved.starts_with(LR"(\\?\UNC\)"))
        resolved.replace(0, 8, LR"(\\)");
    else if (resolved.starts_with(LR"(\\?\)"))
        resolved.erase(0, 4);
    return Utf8Path(resolved);
}

}  // namespace coppia
