// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shlobj.h>

#include <cctype>
#include <cstdio>
#include <functional>

#include "files/platform/platform.h"
#include "files/platform/windows/windows_path.h"

namespace coppia {

bool IsAbsolutePath(std::string_view path) {
    const auto separator = [](char c) { return c == '/' || c == '\\'; };
    if (path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':' &&
        separator(path[2]))
        return true;
    return path.size() >= 3 && separator(path[0]) && separator(path[1]);  // \\server\share
}

char PathSeparator() {
    return '\\';
}

std::filesystem::path FileSystemPath(std::string_view path) {
    return std::filesystem::path(WidePath(path));
}

std::string PathString(const std::filesystem::path& path) {
    return Utf8Path(path.native());
}

bool PathsAreText() {
    return true;
}

// The files' code writes through handles, never through descriptor numbers a missing stream
// could lend to a file.
void KeepStandardStreamsOpen() {}

namespace {

bool HasStream(DWORD stream) {
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

}  // namespace

void UseStartingConsole() {
    // Output sent to a file or a pipe arrives as the handles the program was given.
    const bool hasOutput = HasStream(STD_OUTPUT_HANDLE);
    const bool hasError = HasStream(STD_ERROR_HANDLE);
    if ((hasOutput && hasError) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    // The texts are UTF-8, as the program's code page is.
    SetConsoleOutputCP(CP_UTF8);
    if (!hasOutput)
        std::freopen("CONOUT$", "w", stdout);
    if (!hasError)
        std::freopen("CONOUT$", "w", stderr);
}

bool RunsUnderWine() {
    // Wine's own ntdll says its version; Windows' has no such function.
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The file the program this one replaces kept at the root of the system's drive. It is only
// ever read: nothing is written to C:\.
std::optional<std::string> OlderLastInputsPath() {
    return std::string("C:\\Mervanti.ini");
}

std::optional<std::string> ConfigFolder() {
    PWSTR folder = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &folder) != S_OK) {
        CoTaskMemFree(folder);
        return std::nullopt;
    }
    std::string path = Utf8Path(folder);
    CoTaskMemFree(folder);
    if (path.empty())
        return std::nullopt;
    return JoinPath(path, "coppia");
}

std::string_view NoConfigFolderReason() {
    return "cartella dei dati delle applicazioni sconosciuta (AppData non trovata)";
}

// A folder cannot be locked on Windows, so the lock is a mutex named after the folder: the
// same folder, however its path is spelt in letters' case, gives the same name.
FolderLock::FolderLock(const std::string& file) {
    std::wstring folder = WidePath(FolderOfPath(file));
    CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    const std::wstring name =
        L"Local\\coppia-folder-" + std::to_wstring(std::hash<std::wstring>{}(folder));
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    if (mutex == nullptr)
        return;
    const DWORD waited = WaitForSingleObject(mutex, INFINITE);
    // An instance that ended while holding it leaves it abandoned, and so free.
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        CloseHandle(mutex);
        return;
    }
    handle_ = reinterpret_cast<std::intptr_t>(mutex);
}

FolderLock::~FolderLock() {
    if (handle_ == -1)
        return;
    HANDLE mutex = reinterpret_cast<HANDLE>(handle_);
    ReleaseMutex(mutex);
    CloseHandle(mutex);
}

}  // namespace coppia
