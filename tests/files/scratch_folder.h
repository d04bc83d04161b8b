// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#if !defined(_WIN32)
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#if defined(__EMSCRIPTEN__)
#include "files/platform/web/page_files.h"
#endif

namespace coppia {

namespace fs = std::filesystem;

#if defined(__EMSCRIPTEN__)
// In a browser the program's files are the page's (files/platform/web/page_files.h): a test's files
// are made there, as the page hands files over, and read back from there; a folder is a part of a
// path.
inline fs::path FreshFolder() {
    static int made = 0;
    return fs::path("/coppia-" + std::to_string(++made));
}
#else
// A new folder of the test's own in the system's temporary folder: "coppia-Ab3dE9".
inline fs::path FreshFolder() {
#if defined(_WIN32)
    // No mkdtemp: a random name, made only where no folder has it.
    std::mt19937 random{std::random_device{}()};
    for (;;) {
        const fs::path folder =
            fs::temp_directory_path() / ("coppia-" + std::to_string(random() % 1000000000));
        if (fs::create_directory(folder))
            return folder;
    }
#else
    std::string pattern = (fs::temp_directory_path() / "coppia-XXXXXX").string();
    return mkdtemp(pattern.data());
#endif
}
#endif

// A path as the program keeps it, in UTF-8 whatever the system's code page (which
// fs::path::string() gives on Windows).
inline std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// The path the program keeps as UTF-8, as the system names it.
inline fs::path PathFromUtf8(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

// A fresh folder of the test's own, removed with everything in it at the end.
class ScratchFolder {
  public:
    ScratchFolder() : path_(FreshFolder()) {}
#if defined(__EMSCRIPTEN__)
    ~ScratchFolder() {
        for (const std::string& path : PageFilesIn(path_.string())) RemovePageFile(path);
    }
#else
    ~ScratchFolder() {
        // A folder a test made read-only would keep what it holds.
        for (const auto& entry : fs::recursive_directory_iterator(path_)) {
            if (entry.is_directory() && !entry.is_symlink())
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
        }
        fs::remove_all(path_);
    }
#endif
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& Path() const {
        return path_;
    }
    std::string operator/(const std::string& name) const {
        return Utf8(path_ / PathFromUtf8(name));
    }

    // The names in the folder itself, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
#if defined(__EMSCRIPTEN__)
        for (const std::string& path : PageFilesIn(path_.string()))
            names.push_back(fs::path(path).lexically_relative(path_).begin()->string());
        names.erase(std::unique(names.begin(), names.end()), names.end());
#else
        for (const auto& entry : fs::directory_iterator(path_))
            names.push_back(Utf8(entry.path().filename()));
#endif
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    fs::path path_;
};

#if defined(__EMSCRIPTEN__)
inline std::string Contents(const fs::path& path) {
    const std::string* bytes = PageFile(path.string());
    return bytes != nullptr ? *bytes : "<unreadable>";
}

inline void Put(const fs::path& path, const std::string& bytes) {
    PutPageFile(path.string(), bytes);
}

inline bool Exists(const fs::path& path) {
    return PageFile(path.string()) != nullptr;
}

inline void RemoveAll(const fs::path& folder) {
    for (const std::string& path : PageFilesIn(folder.string())) RemovePageFile(path);
}

// The paths in the folder and below, sorted.
inline std::vector<fs::path> Listing(const fs::path& folder) {
    const std::vector<std::string> paths = PageFilesIn(folder.string());
    return {paths.begin(), paths.end()};
}

// A file of the source tree, where the program finds it: handed over to the page's files under
// its path, as the page hands over a file the user picks.
inline void HandOver(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    PutPageFile(path, std::string(std::istreambuf_iterator<char>(in), {}));
}
#else
inline std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<unreadable>";
}

inline void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline bool Exists(const fs::path& path) {
    return fs::exists(path);
}

inline void RemoveAll(const fs::path& folder) {
    fs::remove_all(folder);
}

// The paths in the folder itself, sorted.
inline std::vector<fs::path> Listing(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// A file of the source tree is where the program finds it.
inline void HandOver(const std::string&) {}
#endif

#if !defined(_WIN32)
// A character device node of the test's own, with the numbers of the system's null (minor 3) or
// zero (minor 5) device: whatever a fault does to it happens in the test's folder, never to the
// machine's /dev. Only root makes one; false elsewhere.
inline bool MakeDeviceNode(const fs::path& path, unsigned minor) {
    return mknod(path.c_str(), S_IFCHR | 0666, makedev(1, minor)) == 0;
}

// Root may write any file, and the suite runs as root: a check of permissions runs with the
// effective user and group of nobody, as long as this lives. Nothing changes for other users.
class AsUnprivilegedUser {
  public:
    static constexpr uid_t kNobody = 65534;

    AsUnprivilegedUser() {
        if (geteuid() == 0)
            dropped_ = setegid(kNobody) == 0 && seteuid(kNobody) == 0;
    }
    ~AsUnprivilegedUser() {
        if (dropped_ && seteuid(0) == 0 && setegid(0) == 0)
            dropped_ = false;
    }
    AsUnprivilegedUser(const AsUnprivilegedUser&) = delete;
    AsUnprivilegedUser& operator=(const AsUnprivilegedUser&) = delete;

    // Hands what the test made to that user, who then owns it as a user owns their files.
    static bool Give(const fs::path& path) {
        return geteuid() != 0 || lchown(path.c_str(), kNobody, kNobody) == 0;
    }

  private:
    bool dropped_ = false;
};

// Every write to a file beyond `bytes` fails with EFBIG, as writes to a full disk fail, as long as
// this lives: the file-size limit of the whole process, lowered and raised back.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit old_{};
    sighandler_t oldHandler_ = SIG_DFL;
};

#endif  // !defined(_WIN32)

}  // namespace coppia
