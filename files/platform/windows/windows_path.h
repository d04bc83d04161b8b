// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace coppia {

// Paths on Windows, for the Windows side of files/ only. The program keeps paths as UTF-8
// std::string; the system's wide calls take UTF-16.

std::wstring WidePath(std::string_view utf8);
std::string Utf8Path(std::wstring_view wide);

// The path as the system's calls take it: WidePath's, or, for a path too long for the classic
// limit (MAX_PATH less the 12 characters CreateDirectoryW keeps for a short name), its long form
// ("\\?\C:\...", "\\?\UNC\server\..."), made whole first, since the system then folds no "/",
// "." nor ".." itself. A program that says longPathAware in its manifest may go without on a
// Windows that allows long paths; others may not.
std::wstring WideCallPath(std::string_view utf8);

// GetFileAttributesW of the path: INVALID_FILE_ATTRIBUTES, with GetLastError() saying why,
// when there is nothing there or it cannot be seen.
unsigned long Attributes(const std::string& path);
// Whether GetLastError()'s code says there is nothing at a path (the file, or a folder on the way).
bool IsNotFound(unsigned long error);

// The path a symbolic link or junction leads to, without the "\\?\" prefix; empty when it
// leads nowhere.
std::optional<std::string> FinalPath(const std::string& path);

// The C library's descriptor of a handle CreateFileW gave, which then owns it, for the calls of
// safe_file.h, which speak in descriptors on every system; -1, with the handle closed and
// GetLastError() saying why, when the C library has none left. And the handle of a descriptor.
int DescriptorOf(void* handle, int flags);
void* HandleOf(int fd);

// Either separator: Windows takes "/" as well as "\".
std::string FolderOfPath(const std::string& path);
std::string NameOfPath(const std::string& path);
std::string JoinPath(const std::string& folder, std::string_view name);

// A name the system takes for a device in every folder ("CON", "nul.txt", "COM1", "LPT3.csv",
// "AUX", "PRN", and "COM¹" as "COM1"), or a path into the device namespace ("\\.\PhysicalDrive0",
// "\\?\..."): no file, and opening one may block or reach a device.
bool IsDevicePath(const std::string& path);

}  // namespace coppia
