// SPDX-License-Identifier: GPL-3.0-or-later
// The safe replace on Windows calls, with wide (UTF-16) paths: a
// temporary file beside the file, written and flushed, then put in the file's place by
// ReplaceFileW (which keeps the old file's attributes and permissions) or, for a new file,
// MoveFileExW written through.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h names ReplaceFileA or ReplaceFileW "ReplaceFile", which is the program's own.
#undef ReplaceFile

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "files/platform/error_reason.h"
#include "files/platform/safe_file.h"
#include "files/platform/temporary_name.h"
#include "files/platform/windows/windows_path.h"

namespace coppia {

namespace {

SaveResult Failed(std::string reason) {
    return SaveResult{false, std::move(reason), false};
}

void ClearErrors() {
    errno = 0;
    SetLastError(ERROR_SUCCESS);
}

// Why the last call failed: in errno where a call put in the system's place (a test's) said it
// so, in the system's own code otherwise.
std::string LastReason() {
    const int error = errno;
    return error != 0 ? ReasonOf(error) : ReasonOfWindowsError(GetLastError());
}

// Like mkdir -p: the missing folders from the outermost in.
bool MakeFolders(const std::string& folder) {
    std::vector<std::string> missing;
    for (std::string step = folder; Attributes(step) == INVALID_FILE_ATTRIBUTES;) {
        missing.push_back(step);
        const std::string outer = FolderOfPath(step);
        if (outer == step || outer == ".")
            break;
        step = outer;
    }
    for (auto step = missing.rbegin(); step != missing.rend(); ++step) {
        if (!CreateDirectoryW(WideCallPath(*step).c_str(), nullptr) &&
            GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    const DWORD attributes = Attributes(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        SetLastError(ERROR_DIRECTORY);
        return false;
    }
    return true;
}

// Why a file that is there cannot be written, found by opening it for writing with every
// sharing allowed, which changes nothing: a device, the read-only attribute, a file another
// program holds without sharing it, no permission. Empty when it can.
std::string WriteRefusal(const std::string& path, DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return std::string(kReadOnlyFile);
    HANDLE file = CreateFileW(WideCallPath(path).c_str(), GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return ReasonOfWindowsError(GetLastError());
    const DWORD type = GetFileType(file);
    CloseHandle(file);
    return type == FILE_TYPE_DISK ? std::string() : std::string(kNotARegularFile);
}

struct Target {
    std::string path;
    bool exists = false;
};

// The new file's folder, made when asked and missing; the reason when it cannot be had.
std::optional<Target> NewTarget(const std::string& path, bool makeFolders, std::string& reason) {
    const std::string folder = FolderOfPath(path);
    if (makeFolders) {
        if (!MakeFolders(folder)) {
            reason = ReasonOfWindowsError(GetLastError());
            return std::nullopt;
        }
        return Target{path, false};
    }
    const DWORD attributes = Attributes(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        reason = ReasonOfWindowsError(IsNotFound(error) ? ERROR_PATH_NOT_FOUND : error);
        return std::nullopt;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        reason = ReasonOfWindowsError(ERROR_DIRECTORY);
        return std::nullopt;
    }
    return Target{path, false};
}

// Empty, with the reason, when anything but a file the user may write lies at the path (a
// device name, a folder, a read-only file, one open in another program), or when nothing does
// and its folder is missing (and is not to be made).
std::optional<Target> TargetOf(const std::string& path, bool makeFolders, std::string& reason) {
    if (IsDevicePath(path)) {
        reason = kNotARegularFile;
        return std::nullopt;
    }
    DWORD attributes = Attributes(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (IsNotFound(error))
            return NewTarget(path, makeFolders, reason);
        reason = ReasonOfWindowsError(error);
        return std::nullopt;
    }
    Target target{path, true};
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        const std::optional<std::string> resolved = FinalPath(path);
        attributes = resolved ? Attributes(*resolved) : INVALID_FILE_ATTRIBUTES;
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            reason = kNotARegularFile;  // a link that leads nowhere is no file to replace
            return std::nullopt;
        }
        target.path = *resolved;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        reason = kAFolder;
        return std::nullopt;
    }
    reason = WriteRefusal(target.path, attributes);
    if (reason.empty())
        return target;
    // Gone since the look (another program's save moving it aside): the path holds no file now.
    if (Attributes(path) == INVALID_FILE_ATTRIBUTES && IsNotFound(GetLastError())) {
        reason.clear();
        return NewTarget(path, makeFolders, reason);
    }
    return std::nullopt;
}

// Creates a new temporary file beside the target, with a name no file has.
int CreateTemporary(SaveCalls& calls, const std::string& target, std::string& temporary) {
    const std::string prefix = JoinPath(FolderOfPath(target), TemporaryPrefix(NameOfPath(target)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = RandomTemporaryName(prefix);
        ClearErrors();
        const int fd = calls.Open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_BINARY, 0666);
        const bool taken = errno == EEXIST || GetLastError() == ERROR_FILE_EXISTS;
        if (fd >= 0 || !taken)
            return fd;
    }
    return -1;
}

bool WriteAll(SaveCalls& calls, int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        ClearErrors();
        const ssize_t n = calls.Write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            if (n == 0)
                SetLastError(ERROR_WRITE_FAULT);
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Leftovers of saves that were killed before their rename: only names of exactly the
// temporary form, only files, and only old ones.
void RemoveLeftovers(const std::string& target) {
    const std::string folder = FolderOfPath(target);
    const std::string prefix = TemporaryPrefix(NameOfPath(target));
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(WideCallPath(JoinPath(folder, prefix + "*")).c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& time) {  // 100 ns each
        return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    const std::uint64_t oldest =
        std::chrono::duration_cast<std::chrono::nanoseconds>(kLeftoverAge).count() / 100;
    do {
        const std::string name = Utf8Path(entry.cFileName);
        const bool file = (entry.dwFileAttributes &
                           (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0;
        // Written after `now` was taken, by a save running beside this one: not old at all.
        const std::uint64_t written = ticks(entry.ftLastWriteTime);
        if (IsTemporaryName(name, prefix) && file && written <= ticks(now) &&
            ticks(now) - written >= oldest)
            DeleteFileW(WideCallPath(JoinPath(folder, name)).c_str());
    } while (FindNextFileW(search, &entry));
    FindClose(search);
}

}  // namespace

// Opens only to create a temporary file (the flags say so on every system), shared with no
// other program until it takes the file's place. Windows has no modes: the new file gets its
// folder's permissions, or the old file's through ReplaceFileW.
int SaveCalls::Open(const char* path, int, mode_t) {
    HANDLE file = CreateFileW(WideCallPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    errno = 0;
    return file == INVALID_HANDLE_VALUE ? -1 : DescriptorOf(file, _O_WRONLY | _O_BINARY);
}

ssize_t SaveCalls::Write(int fd, const void* bytes, std::size_t size) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1 << 30));
    if (!WriteFile(HandleOf(fd), bytes, chunk, &written, nullptr))
        return -1;
    return static_cast<ssize_t>(written);
}

int SaveCalls::Fsync(int fd) {
    return FlushFileBuffers(HandleOf(fd)) ? 0 : -1;
}

int SaveCalls::Close(int fd) {
    const int closed = _close(fd);
    errno = 0;
    return closed;
}

int SaveCalls::Rename(const char* from, const char* to) {
    const std::wstring source = WideCallPath(from);
    const std::wstring target = WideCallPath(to);
    errno = 0;
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
        if (ReplaceFileW(target.c_str(), source.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                         nullptr, nullptr))
            return 0;
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return -1;
    }
    // A new file, or an old one gone meanwhile: the rename itself, which reaches the disk
    // before it returns.
    if (MoveFileExW(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return -1;
}

namespace {

SaveResult RefusedTarget(const std::string& path, const std::string& reason,
                         MissingFolders missing) {
    SaveResult failed = Failed(reason);
    const std::string folder = FolderOfPath(path);
    failed.folderGone = missing == MissingFolders::Refuse &&
                        Attributes(folder) == INVALID_FILE_ATTRIBUTES && IsNotFound(GetLastError());
    if (failed.folderGone)
        failed.reason = "la cartella " + folder + " non esiste più";
    return failed;
}

// ReplaceFileW failed with ERROR_UNABLE_TO_MOVE_REPLACEMENT: the old file is already gone, and
// the new bytes, whole, are still under the temporary name. They take the file's place as a new
// file's do. Where even that fails they stay there, and the user hears where, unless another
// save has put a whole file in its place meanwhile.
SaveResult PutInPlaceOfTheRemoved(SaveCalls& calls, const std::string& temporary,
                                  const std::string& target) {
    ClearErrors();
    if (calls.Rename(temporary.c_str(), target.c_str()) == 0) {
        RemoveLeftovers(target);
        return SaveResult{true, {}, false};
    }
    const std::string why = LastReason();
    if (Attributes(target) != INVALID_FILE_ATTRIBUTES) {
        DeleteFileW(WideCallPath(temporary).c_str());
        return Failed(why);
    }
    return Failed(why + "; il nuovo contenuto è rimasto in " + temporary);
}

}  // namespace

SaveResult ReplaceFile(const std::string& path, const std::string& bytes, SaveCalls& calls,
                       MissingFolders missing) {
    std::string reason;
    const std::optional<Target> target = TargetOf(path, missing == MissingFolders::Make, reason);
    if (!target)
        return RefusedTarget(path, reason, missing);

    std::string temporary;
    const int fd = CreateTemporary(calls, target->path, temporary);
    if (fd < 0)
        return Failed(LastReason());
    const auto abandon = [&](bool open) {
        const std::string why = LastReason();
        if (open)
            calls.Close(fd);
        DeleteFileW(WideCallPath(temporary).c_str());
        return Failed(why);
    };
    // A full disk shows up here, or at the latest in the flush or the close: the file is put
    // in place only when every step succeeded.
    if (!WriteAll(calls, fd, bytes))
        return abandon(true);
    ClearErrors();
    if (calls.Fsync(fd) != 0)
        return abandon(true);
    ClearErrors();
    if (calls.Close(fd) != 0)
        return abandon(false);
    // The path may have changed while the bytes were written.
    std::string lateReason;
    if (!TargetOf(path, false, lateReason)) {
        DeleteFileW(WideCallPath(temporary).c_str());
        return Failed(lateReason);
    }
    ClearErrors();
    if (calls.Rename(temporary.c_str(), target->path.c_str()) != 0) {
        if (errno == 0 && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
            return PutInPlaceOfTheRemoved(calls, temporary, target->path);
        return abandon(false);
    }
    RemoveLeftovers(target->path);
    return SaveResult{true, {}, false};
}

std::string ReplaceRefusal(const std::string& path) {
    std::string reason;
    TargetOf(path, false, reason);
    return reason;
}

}  // namespace coppia
