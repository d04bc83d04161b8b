// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/platform/platform.h"

namespace coppia {

namespace {

std::optional<std::string_view> AbsoluteVariable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] != '/')
        return std::nullopt;
    return std::string_view(value);
}

}  // namespace

bool IsAbsolutePath(std::string_view path) {
    return !path.empty() && path.front() == '/';
}

char PathSeparator() {
    return '/';
}

std::filesystem::path FileSystemPath(std::string_view path) {
    return std::filesystem::path(path);
}

std::string PathString(const std::filesystem::path& path) {
    return path.native();
}

bool PathsAreText() {
    return false;
}

void KeepStandardStreamsOpen() {
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        if (fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        // open() takes the lowest free number: the stream that is missing.
        const int opened = open("/dev/null", O_RDWR);
        if (opened >= 0 && opened != stream)
            close(opened);
    }
}

void UseStartingConsole() {}

bool RunsUnderWine() {
    return false;
}

std::optional<std::string> OlderLastInputsPath() {
    return std::nullopt;
}

std::optional<std::string> ConfigFolder() {
    if (const auto config = AbsoluteVariable("XDG_CONFIG_HOME"))
        return std::string(*config);
    if (const auto home = AbsoluteVariable("HOME")) {
        std::string folder(*home);
        if (folder.back() != '/')
            folder += '/';
        return folder + ".config";
    }
    return std::nullopt;
}

std::string_view NoConfigFolderReason() {
    return "cartella di configurazione sconosciuta (HOME non impostata)";
}

// flock on the folder itself; another instance holds it only while it reads and replaces a file
// there.
FolderLock::FolderLock(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, slash + 1);
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    while (fd >= 0 && flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    handle_ = fd;
}

FolderLock::~FolderLock() {
    if (handle_ >= 0)
        close(static_cast<int>(handle_));
}

}  // namespace coppia
