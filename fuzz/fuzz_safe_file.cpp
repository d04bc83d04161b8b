// SPDX-License-Identifier: GPL-3.0-or-later
// Saves and reads, in any order, of whatever a path may lead to: nothing, a regular file, links
// to one, to nowhere, to a FIFO and to a device node of the fuzzer's own, FIFOs with and without
// a writer, a folder, a path through a file, a folder that is gone; some saves under a file-size
// limit, as on a full disk. A regular file is replaced whole or left as it was, nothing else at a
// path is changed, nothing is waited for (libFuzzer's -timeout says so), and no temporary file
// is left behind.
#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "files/platform/safe_file.h"
#include "fuzz/fuzz_check.h"

namespace {

namespace fs = std::filesystem;

enum Kind : std::uint8_t {
    Missing,
    Regular,
    LinkToRegular,
    LinkToNowhere,
    EmptyFifo,
    FullFifo,
    LinkToFifo,
    DeviceNode,
    LinkToDevice,
    Folder,
    ThroughAFile,
    FolderGone,
    kKinds
};

// What lies at a path, to tell whether a save or a read changed it.
struct Look {
    bool there = false;
    mode_t mode = 0;
    dev_t device = 0;
    std::string leadsTo;
    std::string bytes;

    bool operator==(const Look&) const = default;
};

Look LookAt(const std::string& path) {
    Look look;
    struct stat entry {};
    if (lstat(path.c_str(), &entry) != 0)
        return look;
    look.there = true;
    look.mode = entry.st_mode;
    look.device = entry.st_rdev;
    if (S_ISLNK(entry.st_mode))
        look.leadsTo = fs::read_symlink(path).string();
    struct stat target {};
    if (stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode)) {
        std::ifstream in(path, std::ios::binary);
        look.bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    return look;
}

class Input {
  public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::string Bytes(std::size_t most) {
        const std::size_t count = std::min<std::size_t>(Byte() % (most + 1), size_ - at_);
        std::string bytes(reinterpret_cast<const char*>(data_ + at_), count);
        at_ += count;
        return bytes;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

const std::string& Scratch() {
    static const std::string folder = [] {
        signal(SIGXFSZ, SIG_IGN);
        std::string pattern = (fs::temp_directory_path() / "coppia-fuzz-XXXXXX").string();
        return std::string(mkdtemp(pattern.data()));
    }();
    return folder;
}

// Puts a thing of `kind` at the slot's path and gives the path; FIFOs' writers stay in `held`.
std::string Make(Kind kind, const std::string& slot, const std::string& bytes,
                 std::vector<int>& held) {
    const auto put = [&bytes](const std::string& path) {
        std::ofstream(path, std::ios::binary) << bytes;
    };
    const auto fifo = [&held](const std::string& path, bool full) {
        mkfifo(path.c_str(), 0600);
        if (full) {
            const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK);
            while (write(fd, "1.0\r\n", 5) > 0) {
            }
            held.push_back(fd);
        }
    };
    switch (kind) {
        case Regular:
            put(slot);
            break;
        case LinkToRegular:
            put(slot + ".vero");
            fs::create_symlink(fs::path(slot + ".vero").filename(), slot);
            break;
        case LinkToNowhere:
            fs::create_symlink("nessuno", slot);
            break;
        case EmptyFifo:
        case FullFifo:
            fifo(slot, kind == FullFifo);
            break;
        case LinkToFifo:
            fifo(slot + ".fifo", false);
            fs::create_symlink(fs::path(slot + ".fifo").filename(), slot);
            break;
        case DeviceNode:
        case LinkToDevice:
            // The numbers of the null device, in the fuzzer's folder: only root makes one, and a
            // fault would replace it, never the machine's.
            if (mknod((slot + ".dev").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
                put(slot + ".dev");
            if (kind == LinkToDevice)
                fs::create_symlink(fs::path(slot + ".dev").filename(), slot);
            else
                fs::rename(slot + ".dev", slot);
            break;
        case Folder:
            fs::create_directory(slot);
            break;
        case ThroughAFile:
            put(slot);
            return slot + "/x";
        case FolderGone:
            return slot + "/x";
        default:
            break;
    }
    return slot;
}

bool LeftTemporaries(const std::string& folder) {
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.path().filename().string().find(".coppia-") != std::string::npos)
            return true;
    }
    return false;
}

void CheckSave(const std::string& path, const std::string& bytes, const Look& before,
               bool inItsFolder, rlim_t limit) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const rlimit lowered{limit, old.rlim_max};
    if (limit != RLIM_INFINITY)
        setrlimit(RLIMIT_FSIZE, &lowered);
    const coppia::SaveResult saved = inItsFolder ? coppia::ReplaceFileInItsFolder(path, bytes)
                                                 : coppia::ReplaceFile(path, bytes);
    setrlimit(RLIMIT_FSIZE, &old);
    const Look after = LookAt(path);
    FUZZ_CHECK(saved.saved == saved.reason.empty(), "a failed save says why, a good one nothing");
    FUZZ_CHECK(!saved.folderGone || !saved.saved, "a save into a gone folder fails");
    if (saved.saved) {
        FUZZ_CHECK(after.bytes == bytes, "a save leaves the new bytes, whole");
        FUZZ_CHECK(!before.there || before.leadsTo == after.leadsTo, "a link stays a link");
        FUZZ_CHECK(bytes.size() <= limit, "no save beyond the file-size limit");
    } else {
        FUZZ_CHECK(after == before, "a failed save leaves what was there as it was");
    }
}

void CheckRead(const std::string& path, std::size_t limit, const Look& before) {
    const coppia::BoundedRead read = coppia::ReadRegularFile(path, limit);
    FUZZ_CHECK(LookAt(path) == before, "a read changes nothing");
    struct stat target {};
    const bool found = stat(path.c_str(), &target) == 0;
    const bool absent = !found && errno == ENOENT;
    if (found && S_ISREG(target.st_mode)) {
        FUZZ_CHECK(read.opened && read.problem.empty(), "a regular file is read");
        FUZZ_CHECK(read.bytes == before.bytes.substr(0, limit), "as far as the bound");
        FUZZ_CHECK(read.complete == (before.bytes.size() <= limit), "and says whether whole");
    } else {
        FUZZ_CHECK(!read.opened && read.bytes.empty(), "nothing else is read");
        FUZZ_CHECK(read.problem.empty() == absent, "what is there and not read is told");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const std::string folder = Scratch();
    fs::remove_all(folder);
    fs::create_directory(folder);
    std::vector<int> held;
    std::vector<std::string> paths;
    for (const char* name : {"Mervanti.ini", "modello.coppia", "misure.csv"}) {
        const auto kind = static_cast<Kind>(input.Byte() % kKinds);
        paths.push_back(Make(kind, folder + "/" + name, input.Bytes(64), held));
    }
    for (int step = 0; step < 16 && !input.Empty(); ++step) {
        const std::uint8_t what = input.Byte();
        const std::string& path = paths[(what >> 3) % paths.size()];
        const Look before = LookAt(path);
        switch (what % 4) {
            case 0:
            case 1: {
                // Now and then a save meets a full disk: a file-size limit a few bytes in.
                const rlim_t limit = (what & 0x80) != 0 ? input.Byte() % 32 : RLIM_INFINITY;
                CheckSave(path, input.Bytes(96), before, what % 4 == 1, limit);
                break;
            }
            case 2:
                CheckRead(path, input.Byte() % 80, before);
                break;
            default: {
                const std::string refusal = coppia::ReplaceRefusal(path);
                FUZZ_CHECK(LookAt(path) == before, "a look changes nothing");
                struct stat target {};
                FUZZ_CHECK(refusal.empty() ||
                               !(stat(path.c_str(), &target) == 0 && S_ISREG(target.st_mode)),
                           "a regular file root may write is never refused");
            }
        }
        FUZZ_CHECK(!LeftTemporaries(folder), "no temporary file is left behind");
    }
    for (const int fd : held) close(fd);
    return 0;
}
