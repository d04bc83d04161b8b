// SPDX-License-Identifier: GPL-3.0-or-later
// The safe replace and the bounded read on POSIX calls.
#include "files/platform/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <ctime>
#include <optional>
#include <string_view>

#include "files/platform/error_reason.h"
#include "files/platform/read_opened_file.h"
#include "files/platform/temporary_name.h"

namespace coppia {

namespace {

static_assert(kLongestName == NAME_MAX);

SaveResult Failed(std::string reason) {
    return SaveResult{false, std::move(reason), false};
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, std::string_view name) {
    return folder.back() == '/' ? folder + std::string(name) : folder + '/' + std::string(name);
}

// Like mkdir -p; new folders are private to the user, as configuration folders should be.
bool MakeFolders(const std::string& folder) {
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at < folder.size() && folder[at] != '/')
            continue;
        const std::string step = folder.substr(0, at);
        if (mkdir(step.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat folderStat {};
    if (stat(folder.c_str(), &folderStat) != 0)
        return false;
    if (!S_ISDIR(folderStat.st_mode)) {
        errno = ENOTDIR;
        return false;
    }
    return true;
}

// Where the bytes go: the path itself, or the regular file its symbolic links lead to.
struct Target {
    std::string path;
    bool exists = false;
    struct stat old {};
};

// Empty, with the reason, when anything but a regular file lies at the path, or when nothing
// does and its folder is missing (and is not to be made) or not a folder. Opens nothing.
std::optional<Target> TargetOf(const std::string& path, bool makeFolders, std::string& reason) {
    struct stat linkStat {};
    if (lstat(path.c_str(), &linkStat) != 0) {
        if (errno != ENOENT) {
            reason = ReasonOf(errno);
            return std::nullopt;
        }
        const std::string folder = FolderOf(path);
        struct stat folderStat {};
        if (makeFolders ? !MakeFolders(folder) : stat(folder.c_str(), &folderStat) != 0) {
            reason = ReasonOf(errno);
            return std::nullopt;
        }
        if (!makeFolders && !S_ISDIR(folderStat.st_mode)) {
            reason = ReasonOf(ENOTDIR);
            return std::nullopt;
        }
        return Target{path, false, {}};
    }
    Target target{path, true, {}};
    if (stat(path.c_str(), &target.old) != 0) {
        // A link that leads nowhere is no file to replace.
        reason = errno == ENOENT ? std::string(kNotARegularFile) : ReasonOf(errno);
        return std::nullopt;
    }
    if (!S_ISREG(target.old.st_mode)) {
        reason = S_ISDIR(target.old.st_mode) ? kAFolder : kNotARegularFile;
        return std::nullopt;
    }
    if (S_ISLNK(linkStat.st_mode)) {
        // A buffer of known size, so that the fortified realpath guards it.
        char resolved[PATH_MAX];
        if (realpath(path.c_str(), resolved) == nullptr) {
            reason = ReasonOf(errno);
            return std::nullopt;
        }
        target.path = resolved;
    }
    // A file the user may not write stays as it is, although its folder would let a rename
    // replace it: it belongs to someone else, or was made read-only on purpose.
    if (faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        reason = ReasonOf(errno);
        return std::nullopt;
    }
    return target;
}

// Creates a new temporary file beside the target, with a name no file has.
int CreateTemporary(SaveCalls& calls, const std::string& target, mode_t mode,
                    std::string& temporary) {
    const std::string prefix = Join(FolderOf(target), TemporaryPrefix(NameOf(target)));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = RandomTemporaryName(prefix);
        const int fd = calls.Open(temporary.c_str(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file keeps the old one's owner (where the system lets it: as root) and mode.
bool KeepOwnerAndMode(int fd, const struct stat& old) {
    if (old.st_uid != geteuid() || old.st_gid != getegid()) {
        if (fchown(fd, old.st_uid, old.st_gid) != 0 && fchown(fd, -1, old.st_gid) != 0) {
            // Neither is allowed: the file becomes the user's own, as with any editor.
        }
    }
    return fchmod(fd, old.st_mode & 07777) == 0;
}

bool WriteAll(SaveCalls& calls, int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = calls.Write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself reach the disk. The error of the folder's fsync, or 0; a folder the
// user may not read cannot be synced, and is no failure of the disk.
int SyncFolder(SaveCalls& calls, const std::string& folder) {
    const int fd = calls.Open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (fd < 0)
        return 0;
    int error = 0;
    if (calls.Fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    calls.Close(fd);
    return error;
}

// Leftovers of saves that were killed before their rename: only names of exactly the
// temporary form, only regular files, and only old ones.
void RemoveLeftovers(const std::string& target) {
    const std::string prefix = TemporaryPrefix(NameOf(target));
    DIR* dir = opendir(FolderOf(target).c_str());
    if (dir == nullptr)
        return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, prefix))
            continue;
        struct stat leftover {};
        if (fstatat(dirfd(dir), entry->d_name, &leftover, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(leftover.st_mode) &&
            now - leftover.st_mtime >=
                std::chrono::duration_cast<std::chrono::seconds>(kLeftoverAge).count()) {
            unlinkat(dirfd(dir), entry->d_name, 0);
        }
    }
    closedir(dir);
}

}  // namespace

int SaveCalls::Open(const char* path, int flags, mode_t mode) {
    return open(path, flags, mode);
}
ssize_t SaveCalls::Write(int fd, const void* bytes, std::size_t size) {
    return write(fd, bytes, size);
}
int SaveCalls::Fsync(int fd) {
    return fsync(fd);
}
int SaveCalls::Close(int fd) {
    return close(fd);
}
int SaveCalls::Rename(const char* from, const char* to) {
    return rename(from, to);
}

int ReadCalls::Open(const char* path, int flags) {
    return open(path, flags);
}
ssize_t ReadCalls::Read(int fd, void* bytes, std::size_t size) {
    return read(fd, bytes, size);
}

BoundedRead ReadRegularFile(const std::string& path, std::size_t limit, ReadCalls& calls) {
    BoundedRead result;
    // The type first, so that a device is not even opened: opening some has effects.
    struct stat pathStat {};
    if (stat(path.c_str(), &pathStat) != 0) {
        if (errno != ENOENT)
            result.problem = ReasonOf(errno);
        return result;
    }
    if (!S_ISREG(pathStat.st_mode)) {
        result.problem = S_ISDIR(pathStat.st_mode) ? kAFolder : kNotARegularFile;
        return result;
    }
    // Without waiting: a FIFO put at the path since has no writer to wait for.
    const int fd = calls.Open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            result.problem = ReasonOf(errno);
        return result;
    }
    // The type of what was opened, not of what lay at the path a moment before.
    struct stat fileStat {};
    if (fstat(fd, &fileStat) != 0 || !S_ISREG(fileStat.st_mode)) {
        close(fd);
        result.problem = kNotARegularFile;
        return result;
    }
    result.opened = true;
    ReadOpenedFile(
        result, limit,
        [&](char* chunk, std::size_t wanted) {
            ssize_t n = 0;
            do {
                n = calls.Read(fd, chunk, wanted);
            } while (n < 0 && errno == EINTR);
            return static_cast<std::ptrdiff_t>(n);
        },
        [] { return ReasonOf(errno); });
    close(fd);
    return result;
}

SaveResult ReplaceFile(const std::string& path, const std::string& bytes, SaveCalls& calls,
                       MissingFolders missing) {
    std::string reason;
    const std::optional<Target> target = TargetOf(path, missing == MissingFolders::Make, reason);
    if (!target) {
        SaveResult failed = Failed(reason);
        struct stat folderStat {};
        failed.folderGone = missing == MissingFolders::Refuse &&
                            stat(FolderOf(path).c_str(), &folderStat) != 0 && errno == ENOENT;
        if (failed.folderGone)
            failed.reason = "la cartella " + FolderOf(path) + " non esiste più";
        return failed;
    }

    // Private until it has the old file's mode; a new file gets the user's usual one.
    std::string temporary;
    const int fd = CreateTemporary(calls, target->path, target->exists ? 0600 : 0666, temporary);
    if (fd < 0)
        return Failed(ReasonOf(errno));
    const auto abandon = [&](bool open) {
        const int error = errno;
        if (open)
            calls.Close(fd);
        unlink(temporary.c_str());
        return Failed(ReasonOf(error));
    };
    if (target->exists && !KeepOwnerAndMode(fd, target->old))
        return abandon(true);
    // A full disk or a file-size limit shows up here, or at the latest in fsync or close:
    // the rename happens only when every step succeeded.
    if (!WriteAll(calls, fd, bytes))
        return abandon(true);
    if (calls.Fsync(fd) != 0 && errno != EINVAL)
        return abandon(true);
    if (calls.Close(fd) != 0)
        return abandon(false);
    // The path may have changed while the bytes were written.
    std::string lateReason;
    if (!TargetOf(path, false, lateReason)) {
        unlink(temporary.c_str());
        return Failed(lateReason);
    }
    if (calls.Rename(temporary.c_str(), target->path.c_str()) != 0)
        return abandon(false);
    // The new bytes are in place; a folder whose disk does not confirm the rename may lose it
    // at a crash, which the user must hear of.
    if (const int error = SyncFolder(calls, FolderOf(target->path)); error != 0)
        return Failed(ReasonOf(error));
    RemoveLeftovers(target->path);
    return SaveResult{true, {}, false};
}

std::string ReplaceRefusal(const std::string& path) {
    std::string reason;
    const std::optional<Target> target = TargetOf(path, false, reason);
    if (!target)
        return reason;
    if (faccessat(AT_FDCWD, FolderOf(target->path).c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return ReasonOf(errno);
    return {};
}

}  // namespace coppia
