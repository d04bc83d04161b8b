// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <random>
#include <string_view>

namespace coppia {

namespace {

// The temporary file's name is the file's name, a dot and this many letters or digits.
constexpr std::size_t kTemporarySuffixLength = 6;
constexpr std::string_view kAlphanumerics =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// The user's reason in Italian, whatever the language of the system's own messages.
std::string ReasonOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "permesso negato";
        case ENOSPC:
            return "disco pieno";
        case EDQUOT:
            return "spazio disco esaurito per l'utente";
        case EFBIG:
            return "file troppo grande";
        case EROFS:
            return "file system in sola lettura";
        case ENOENT:
            return "cartella inesistente";
        case ENOTDIR:
            return "il percorso attraversa un file che non è una cartella";
        case EIO:
            return "errore di lettura o scrittura sul disco";
        default:
            return std::strerror(error);
    }
}

SaveResult Failed(std::string reason) {
    return SaveResult{false, std::move(reason)};
}
SaveResult FailedWithErrno() {
    return Failed(ReasonOf(errno));
}

const std::string kNotARegularFile = "non è un file normale";

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

// Where the bytes go: the path itself, or the regular file its symbolic links lead to. Empty,
// with the reason, when anything but a regular file or nothing lies there.
struct Target {
    std::string path;
    bool exists = false;
    mode_t mode = 0;
};

std::optional<Target> TargetOf(const std::string& path, std::string& reason) {
    struct stat linkStat {};
    if (lstat(path.c_str(), &linkStat) != 0) {
        if (errno != ENOENT) {
            reason = ReasonOf(errno);
            return std::nullopt;
        }
        if (!MakeFolders(FolderOf(path))) {
            reason = ReasonOf(errno);
            return std::nullopt;
        }
        return Target{path, false, 0};
    }
    struct stat fileStat {};
    if (stat(path.c_str(), &fileStat) != 0 || !S_ISREG(fileStat.st_mode)) {
        reason = kNotARegularFile;  // a device, a FIFO, a folder, a link that leads nowhere
        return std::nullopt;
    }
    Target target{path, true, fileStat.st_mode};
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
    if (access(target.path.c_str(), W_OK) != 0) {
        reason = ReasonOf(errno);
        return std::nullopt;
    }
    return target;
}

bool IsTemporaryName(std::string_view name, std::string_view fileName) {
    if (name.size() != fileName.size() + 1 + kTemporarySuffixLength)
        return false;
    if (name.substr(0, fileName.size()) != fileName || name[fileName.size()] != '.')
        return false;
    for (char c : name.substr(fileName.size() + 1)) {
        if (kAlphanumerics.find(c) == std::string_view::npos)
            return false;
    }
    return true;
}

// Creates a new temporary file beside the target, with a name no file has.
int CreateTemporary(const std::string& target, std::string& temporary) {
    std::random_device entropy;
    std::mt19937 random(entropy());
    std::uniform_int_distribution<std::size_t> pick(0, kAlphanumerics.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target + '.';
        for (std::size_t i = 0; i < kTemporarySuffixLength; ++i)
            temporary += kAlphanumerics[pick(random)];
        // The mode is filtered by the umask, as for any file the user creates.
        const int fd =
            open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
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

// Leftovers of saves that were killed before their rename: only names of exactly the
// temporary form, and only regular files.
void RemoveLeftovers(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string fileName = NameOf(target);
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTemporaryName(entry->d_name, fileName))
            continue;
        struct stat leftover {};
        if (fstatat(dirfd(dir), entry->d_name, &leftover, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(leftover.st_mode)) {
            unlinkat(dirfd(dir), entry->d_name, 0);
        }
    }
    closedir(dir);
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

}  // namespace

std::optional<BoundedRead> ReadRegularFile(const std::string& path, std::size_t limit) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    // The type of what was opened, not of what lay at the path a moment before.
    struct stat fileStat {};
    if (fstat(fd, &fileStat) != 0 || !S_ISREG(fileStat.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    // One byte beyond the limit tells a file that goes on from one that ends there. Read
    // through a buffer of known size, so that the fortified read guards it.
    std::string bytes;
    bool complete = true;
    char chunk[4096];
    while (bytes.size() <= limit) {
        const std::size_t wanted = std::min(sizeof chunk, limit + 1 - bytes.size());
        const ssize_t n = read(fd, chunk, wanted);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            complete = false;  // what was read stands; a value the error cut is not read
        if (n <= 0)
            break;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
    close(fd);
    if (bytes.size() > limit) {
        complete = false;
        bytes.resize(limit);
    }
    return BoundedRead{std::move(bytes), complete};
}

SaveResult ReplaceFile(const std::string& path, const std::string& bytes) {
    std::string reason;
    const std::optional<Target> target = TargetOf(path, reason);
    if (!target)
        return Failed(reason);

    std::string temporary;
    const int fd = CreateTemporary(target->path, temporary);
    if (fd < 0)
        return FailedWithErrno();
    const auto abandon = [&] {
        const int error = errno;
        close(fd);
        unlink(temporary.c_str());
        return Failed(ReasonOf(error));
    };
    if (target->exists && fchmod(fd, target->mode & 07777) != 0)
        return abandon();
    // A full disk or a file-size limit shows up here, or at the latest in fsync or close:
    // the rename happens only when every step succeeded.
    if (!WriteAll(fd, bytes))
        return abandon();
    if (fsync(fd) != 0 && errno != EINVAL)
        return abandon();
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Failed(ReasonOf(error));
    }
    // The path may have changed while the bytes were written.
    std::string lateReason;
    if (!TargetOf(path, lateReason)) {
        unlink(temporary.c_str());
        return Failed(lateReason);
    }
    if (rename(temporary.c_str(), target->path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        return Failed(ReasonOf(error));
    }
    SyncFolder(FolderOf(target->path));
    RemoveLeftovers(target->path);
    return SaveResult{true, {}};
}

}  // namespace coppia
