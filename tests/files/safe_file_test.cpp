// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/platform/safe_file.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#if defined(_WIN32)
#include <windows.h>
// windows.h names ReplaceFileA or ReplaceFileW "ReplaceFile", which is the program's own.
#undef ReplaceFile
#endif

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <ctime>
#include <thread>
#include <variant>

#include "files/analysis_settings.h"
#include "files/last_inputs_file.h"
#include "files/model_file.h"
#include "files/platform/temporary_name.h"
#include "files/recent_files.h"
#include "tests/files/scratch_folder.h"

namespace coppia {
namespace {

#if defined(_WIN32)
// A save on Windows opens no folder: the rename is written through instead of a folder's fsync.
constexpr int kFolderFlag = 0;
#else
constexpr int kFolderFlag = O_DIRECTORY;
#endif
#if defined(EDQUOT)
constexpr int kOverQuota = EDQUOT;
#else
constexpr int kOverQuota = -1;  // no such errno on Windows
#endif

using Names = std::vector<std::string>;

const std::string kOldBytes = "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n";
const std::string kNewBytes = "40.0\r\n250.0\r\n55.0\r\n10.0\r\n15.0\r\n450.0\r\n-12.5\r\n80.0\r\n";

// Passes every call of a save to the system, writing at most `chunk` bytes at a time, and
// records each; the call numbered `failAt` fails with `error` instead.
class RecordingCalls : public SaveCalls {
  public:
    RecordingCalls(std::size_t failAt, int error, std::size_t chunk = SIZE_MAX)
        : failAt_(failAt), error_(error), chunk_(chunk) {}

    int Open(const char* path, int flags, mode_t mode) override {
        const bool folder = kFolderFlag != 0 && (flags & kFolderFlag) != 0;
        if (Fails(folder ? "open folder" : "open"))
            return -1;
        const int fd = SaveCalls::Open(path, flags, mode);
        (folder ? folderFd_ : fileFd_) = fd;
        return fd;
    }
    ssize_t Write(int fd, const void* bytes, std::size_t size) override {
        if (Fails("write"))
            return -1;
        const ssize_t n = SaveCalls::Write(fd, bytes, std::min(size, chunk_));
        written_ += n > 0 ? static_cast<std::size_t>(n) : 0;
        return n;
    }
    int Fsync(int fd) override {
        if (Fails(fd == folderFd_ ? "fsync folder" : "fsync " + std::to_string(written_)))
            return -1;
        return SaveCalls::Fsync(fd);
    }
    int Close(int fd) override {
        const int closed = SaveCalls::Close(fd);  // a failed close still frees the descriptor
        return Fails(fd == folderFd_ ? "close folder" : "close") ? -1 : closed;
    }
    int Rename(const char* from, const char* to) override {
        return Fails("rename") ? -1 : SaveCalls::Rename(from, to);
    }

    Names calls;

  private:
    bool Fails(const std::string& call) {
        calls.push_back(call);
        if (calls.size() - 1 != failAt_)
            return false;
        errno = error_;
        return true;
    }

    std::size_t failAt_;
    int error_;
    std::size_t chunk_;
    std::size_t written_ = 0;
    int fileFd_ = -1;
    int folderFd_ = -1;
};

TEST(SaveCallsTest, EveryByteReachesTheDiskBeforeTheRenameAndTheRenameBeforeTheEnd) {
    ScratchFolder folder;
    Put(folder / "Mervanti.ini", kOldBytes);
    RecordingCalls calls(SIZE_MAX, 0, 20);
    ASSERT_TRUE(ReplaceFile(folder / "Mervanti.ini", kNewBytes, calls).saved);
    // Short writes go on where they stopped; fsync comes after the last of the 51 bytes. On
    // Windows the rename is written through, and no folder is synced after it.
#if defined(_WIN32)
    EXPECT_EQ(calls.calls,
              (Names{"open", "write", "write", "write", "fsync 51", "close", "rename"}));
#else
    EXPECT_EQ(calls.calls, (Names{"open", "write", "write", "write", "fsync 51", "close", "rename",
                                  "open folder", "fsync folder", "close folder"}));
#endif
    EXPECT_EQ(Contents(folder / "Mervanti.ini"), kNewBytes);
}

struct FailedCallRow {
    const char* name;
    std::size_t call;  // in the order above, writing all at once
    int error;
    const char* reason;                  // empty when the save still succeeds
    bool newBytes;                       // what the file then holds
    const char* notOnWindows = nullptr;  // why the row is a POSIX behaviour only
};

void PrintTo(const FailedCallRow& row, std::ostream* out) {
    *out << row.name;
}

class FailedCallTest : public testing::TestWithParam<FailedCallRow> {};

constexpr const char* kNoFolderSync =
    "Windows syncs no folder: MoveFileExW writes the rename through";

TEST_P(FailedCallTest, KeepsTheFileWholeLeavesNoTemporaryAndTellsTheReason) {
    const FailedCallRow& row = GetParam();
#if defined(_WIN32)
    if (row.notOnWindows != nullptr)
        GTEST_SKIP() << row.notOnWindows;
#endif
    ScratchFolder folder;
    Put(folder / "Mervanti.ini", kOldBytes);
    RecordingCalls calls(row.call, row.error);
    const SaveResult result = ReplaceFile(folder / "Mervanti.ini", kNewBytes, calls);
    EXPECT_EQ(result.saved, std::string(row.reason).empty());
    EXPECT_EQ(result.reason, row.reason);
    EXPECT_EQ(Contents(folder / "Mervanti.ini"), row.newBytes ? kNewBytes : kOldBytes);
    EXPECT_EQ(folder.Names(), Names{"Mervanti.ini"});
}

INSTANTIATE_TEST_SUITE_P(
    EachCallOfASave, FailedCallTest,
    testing::Values(
        FailedCallRow{"OpenNoPermission", 0, EACCES, "permesso negato", false},
        FailedCallRow{"OpenTooManyFiles", 0, EMFILE, "troppi file aperti", false},
        FailedCallRow{"WriteDiskFull", 1, ENOSPC, "disco pieno", false},
        FailedCallRow{"WriteOverQuota", 1, kOverQuota, "spazio disco esaurito per l'utente", false,
                      "Windows has no EDQUOT: its quota is ERROR_DISK_QUOTA_EXCEEDED"},
        FailedCallRow{"WriteInterrupted", 1, EINTR, "", true,
                      "Windows interrupts no write with a signal (EINTR)"},
        FailedCallRow{"FsyncDiskError", 2, EIO, "errore di lettura o scrittura sul disco", false},
        // Some file systems cannot sync; the bytes are then as safe as they can be.
        FailedCallRow{"FsyncNotSupported", 2, EINVAL, "", true,
                      "FlushFileBuffers has no file system that cannot sync (EINVAL)"},
        FailedCallRow{"CloseDiskFull", 3, ENOSPC, "disco pieno", false},
        FailedCallRow{"RenameBusy", 4, EBUSY, "file in uso", false},
        FailedCallRow{"FolderUnreadable", 5, EACCES, "", true, kNoFolderSync},
        // The rename is done and cannot be taken back: the file is new, the save not sure.
        FailedCallRow{"FolderFsyncDiskError", 6, EIO, "errore di lettura o scrittura sul disco",
                      true, kNoFolderSync},
        FailedCallRow{"FolderCloseError", 7, EIO, "", true, kNoFolderSync}),
    [](const testing::TestParamInfo<FailedCallRow>& info) { return std::string(info.param.name); });

enum class Kind { File, Folder, Link };

struct SweepRow {
    const char* name;
    Kind kind;
    std::chrono::seconds age;  // untouched for this long
    bool removed;
};

// Older than any save takes, and a few seconds: a save that may still be running.
constexpr std::chrono::seconds kOld = kLeftoverAge + std::chrono::minutes(1);
constexpr std::chrono::seconds kSecondsOld{5};

void PrintTo(const SweepRow& row, std::ostream* out) {
    *out << row.name << " (" << row.age.count() << " s)";
}

class SweepTest : public testing::TestWithParam<SweepRow> {};

#if defined(_WIN32)
// Dates a file or folder back: MinGW's fs::last_write_time cannot date a folder (_wutime).
bool MakeOld(const std::string& path, std::chrono::seconds age) {
    HANDLE entry = CreateFileW(fs::u8path(path).c_str(), FILE_WRITE_ATTRIBUTES,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (entry == INVALID_HANDLE_VALUE)
        return false;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const std::uint64_t ticks = ((std::uint64_t{now.dwHighDateTime} << 32) | now.dwLowDateTime) -
                                static_cast<std::uint64_t>(age.count()) * 10'000'000;
    const FILETIME old{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    const bool dated = SetFileTime(entry, nullptr, &old, &old);
    CloseHandle(entry);
    return dated;
}
#endif

TEST_P(SweepTest, RemovesOnlyOldLeftoversOfThisFilesTemporaryForm) {
    const SweepRow& row = GetParam();
    ScratchFolder folder;
    const std::string path = folder / row.name;
    if (row.kind == Kind::File)
        Put(path, "40.0\r\n250");
    if (row.kind == Kind::Folder)
        fs::create_directory(path);
#if defined(_WIN32)
    if (row.kind == Kind::Link)
        GTEST_SKIP() << "a symbolic link on Windows needs a privilege the tests do not have";
    if (row.age.count() != 0) {
        ASSERT_TRUE(MakeOld(path, row.age));
    }
#else
    if (row.kind == Kind::Link)
        fs::create_symlink("elsewhere", path);
    if (row.age.count() != 0) {
        const std::time_t old = std::time(nullptr) - row.age.count();
        const timespec times[2] = {{old, 0}, {old, 0}};
        ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
    }
#endif
    ASSERT_TRUE(ReplaceFile(folder / "Mervanti.ini", kNewBytes).saved);
    EXPECT_EQ(fs::exists(fs::symlink_status(path)), !row.removed);
}

INSTANTIATE_TEST_SUITE_P(
    NamesBesideTheFile, SweepTest,
    testing::Values(SweepRow{"Mervanti.ini.backup", Kind::File, kOld, false},
                    SweepRow{"Mervanti.ini.orig01", Kind::File, kOld, false},
                    SweepRow{"Mervanti.ini.Ab3dE9", Kind::File, kOld, false},
                    SweepRow{".Mervanto.ini.coppia-Ab3dE9", Kind::File, kOld, false},
                    SweepRow{".Mervanti.ini.coppia-Ab3dE9", Kind::File, kOld, true},
                    SweepRow{".Mervanti.ini.coppia-Zz9Yx8", Kind::File, {}, false},
                    SweepRow{".Mervanti.ini.coppia-Zz9Yx7", Kind::File, kSecondsOld, false},
                    SweepRow{".Mervanti.ini.coppia-Zz9Yx6", Kind::File,
                             kLeftoverAge - std::chrono::minutes(1), false},
                    // Written after the sweep looked at the clock: another save's, running.
                    SweepRow{".Mervanti.ini.coppia-Zz9Yx5", Kind::File, -kSecondsOld, false},
                    SweepRow{".Mervanti.ini.coppia-Ab3dE", Kind::File, kOld, false},
                    SweepRow{".Mervanti.ini.coppia-Ab-dE9", Kind::File, kOld, false},
                    SweepRow{".Mervanti.ini.coppia-Ab3dE9x", Kind::File, kOld, false},
                    SweepRow{".Mervanti.ini.coppia-F0lder", Kind::Folder, kOld, false},
                    SweepRow{".Mervanti.ini.coppia-L1nk00", Kind::Link, kOld, false}),
    [](const testing::TestParamInfo<SweepRow>& info) {
        std::string name = info.param.name;
        std::replace_if(
            name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
        const auto age = info.param.age.count();
        name += age < 0 ? "_in" : "_";
        name += std::to_string(age < 0 ? -age : age);
        return name + "s";
    });

TEST(ReplaceFileTest, AFileWithTheLongestNameAFolderTakesIsSaved) {
    ScratchFolder folder;
    const std::string name(kLongestName, 'n');
    const SaveResult result = ReplaceFile(folder / name, kNewBytes);
    EXPECT_TRUE(result.saved) << result.reason;
    EXPECT_EQ(folder.Names(), Names{name});
}

// What a reader finds: no value, the settings' defaults and the reason; and it returns at once.
struct UnreadableRow {
    const char* name;
    // Puts something that is not a readable file at the path, filled with `valid` where it can
    // hold bytes; false when the system does not let the test make it.
    bool (*make)(const fs::path& path, const std::string& valid, std::vector<int>& keptOpen);
    const char* problem;
};

void PrintTo(const UnreadableRow& row, std::ostream* out) {
    *out << row.name;
}

class UnreadableTest : public testing::TestWithParam<UnreadableRow> {};

TEST_P(UnreadableTest, GivesNoValueAndTellsWhyTheSettingsAreNotRead) {
    ScratchFolder folder;
#if !defined(_WIN32)
    ASSERT_TRUE(AsUnprivilegedUser::Give(folder.Path()));
#endif
    std::vector<int> keptOpen;
    const fs::path lastInputs = folder.Path() / "Mervanti.ini";
    const fs::path settings = folder.Path() / "coppia-analisi.ini";
    const fs::path model = folder.Path() / "modello.coppia";
    const fs::path recent = folder.Path() / "coppia-recenti.txt";
    if (!GetParam().make(lastInputs, kNewBytes, keptOpen) ||
        !GetParam().make(settings, "CoppiaServo=4.5\nFattoreSicurezza=3\n", keptOpen) ||
        !GetParam().make(model, EncodeModel(Model{}), keptOpen) ||
        !GetParam().make(recent, "/home/pilota/modello.coppia\n", keptOpen)) {
#if defined(_WIN32)
        GTEST_SKIP() << "Windows has no FIFOs, device nodes, POSIX permissions nor, without a "
                        "privilege, symbolic links (its devices: windows_file_test.cpp)";
#else
        GTEST_SKIP() << "only root makes device nodes";
#endif
    }
    {
#if !defined(_WIN32)
        const AsUnprivilegedUser nobody;
#endif
        EXPECT_TRUE(LastInputsFile(lastInputs.string()).ReadValues().empty());
        AnalysisSettingsFile file(settings.string());
        EXPECT_EQ(file.Read(), AnalysisSettings{});
        EXPECT_EQ(file.ReadProblem(), GetParam().problem);
        const std::variant<Model, ModelFileFault> read = ReadModelFile(model.string());
        ASSERT_TRUE(std::holds_alternative<ModelFileFault>(read));
        EXPECT_EQ(std::get<ModelFileFault>(read).reason, GetParam().problem);
        EXPECT_TRUE(RecentFilesFile(recent.string()).Read().empty());
    }
#if !defined(_WIN32)
    for (const int fd : keptOpen) close(fd);
#endif
}

#if defined(_WIN32)
// None of these can be made on Windows; the rows are skipped there.
bool MakeFullFifo(const fs::path&, const std::string&, std::vector<int>&) {
    return false;
}
template <bool (*Make)(const fs::path&, const std::string&, std::vector<int>&)>
bool Linked(const fs::path&, const std::string&, std::vector<int>&) {
    return false;
}
bool MakeDataDevice(const fs::path&, const std::string&, std::vector<int>&) {
    return false;
}
bool MakeUnreadable(const fs::path&, const std::string&, std::vector<int>&) {
    return false;
}
#else
// A FIFO that a writer keeps full of a valid file: the test holds both ends.
bool MakeFullFifo(const fs::path& path, const std::string& valid, std::vector<int>& keptOpen) {
    if (mkfifo(path.c_str(), 0666) != 0)
        return false;
    const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK);
    while (write(fd, valid.data(), valid.size()) > 0) {
    }
    keptOpen.push_back(fd);
    return true;
}

// The same, a symbolic link away.
template <bool (*Make)(const fs::path&, const std::string&, std::vector<int>&)>
bool Linked(const fs::path& path, const std::string& valid, std::vector<int>& keptOpen) {
    const fs::path target = path.string() + ".dove";
    std::error_code error;
    fs::create_symlink(target.filename(), path, error);
    return !error && Make(target, valid, keptOpen);
}

bool MakeDataDevice(const fs::path& path, const std::string&, std::vector<int>&) {
    return MakeDeviceNode(path, 5);
}

bool MakeUnreadable(const fs::path& path, const std::string& valid, std::vector<int>&) {
    Put(path, valid);
    return AsUnprivilegedUser::Give(path) && chmod(path.c_str(), 0200) == 0;
}
#endif

INSTANTIATE_TEST_SUITE_P(
    Paths, UnreadableTest,
    testing::Values(UnreadableRow{"FifoKeptFull", MakeFullFifo, "non è un file normale"},
                    UnreadableRow{"LinkToAFifoKeptFull", Linked<MakeFullFifo>,
                                  "non è un file normale"},
                    UnreadableRow{"LinkToADevice", Linked<MakeDataDevice>, "non è un file normale"},
                    UnreadableRow{"DeviceYieldingData", MakeDataDevice, "non è un file normale"},
                    UnreadableRow{"Folder",
                                  [](const fs::path& path, const std::string&, std::vector<int>&) {
                                      return fs::create_directory(path);
                                  },
                                  "è una cartella"},
                    UnreadableRow{"FileTheUserMayNotRead", MakeUnreadable, "permesso negato"}),
    [](const testing::TestParamInfo<UnreadableRow>& info) { return std::string(info.param.name); });

// What a race leaves: the test's FIFOs and their ends, and a watch that frees a reader that
// waits for a writer, so that a read that would wait fails the test instead of hanging it.
struct Held {
    std::vector<int> fds;
    std::thread watch;
    std::atomic<bool> done{false};
    std::atomic<bool> waited{false};

    ~Held() {
        done = true;
        if (watch.joinable())
            watch.join();
#if !defined(_WIN32)
        for (const int fd : fds) close(fd);
#endif
    }
};

// Passes a read's calls to the system, but first puts something else at the path, between the
// reader's look at its type and its opening, as another program may; reads at most `chunk`
// bytes at a time, and the read numbered `failAt` fails with `error`.
class RacingCalls : public ReadCalls {
  public:
    using Swap = std::string (*)(const std::string& path, Held& held);
    RacingCalls(Swap swap, Held& held, std::size_t failAt, int error)
        : swap_(swap), held_(held), failAt_(failAt), error_(error) {}

    int Open(const char* path, int flags) override {
        const std::string reached = swap_ != nullptr ? swap_(path, held_) : path;
        return ReadCalls::Open(reached.c_str(), flags);
    }
    ssize_t Read(int fd, void* bytes, std::size_t size) override {
        if (reads_++ == failAt_) {
            errno = error_;
            return -1;
        }
        return ReadCalls::Read(fd, bytes, std::min<std::size_t>(size, 20));
    }

  private:
    Swap swap_;
    Held& held_;
    std::size_t failAt_;
    int error_;
    std::size_t reads_ = 0;
};

struct RaceRow {
    const char* name;
    RacingCalls::Swap swap;  // nullptr: the file stays
    std::size_t failingRead;
    const char* problem;
    std::size_t bytesRead;  // of kNewBytes
    const char* notOnWindows = nullptr;
};

void PrintTo(const RaceRow& row, std::ostream* out) {
    *out << row.name;
}

class RaceTest : public testing::TestWithParam<RaceRow> {};

TEST_P(RaceTest, WhatTheReadReachesIsCheckedAgainAndNeverWaitedFor) {
    const RaceRow& row = GetParam();
#if defined(_WIN32)
    if (row.notOnWindows != nullptr)
        GTEST_SKIP() << row.notOnWindows;
#endif
    ScratchFolder folder;
    const std::string path = folder / "Mervanti.ini";
    Put(path, kNewBytes);
    Held held;
    RacingCalls calls(row.swap, held, row.failingRead, EIO);
    const auto started = std::chrono::steady_clock::now();
    const BoundedRead read = ReadRegularFile(path, 1024, calls);
    held.done = true;
    EXPECT_FALSE(held.waited) << "the read waited for a writer";
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    EXPECT_EQ(read.problem, row.problem);
    EXPECT_EQ(read.bytes, kNewBytes.substr(0, row.bytesRead));
    EXPECT_EQ(read.opened, row.bytesRead > 0);
    EXPECT_EQ(read.complete, row.failingRead == SIZE_MAX);
    // A line the error cut is not taken for a shorter one.
    const std::string cut = kNewBytes.substr(0, row.bytesRead);
    EXPECT_EQ(WholeLines(read), read.complete ? cut : cut.substr(0, cut.rfind('\n') + 1));
}

#if defined(_WIN32)
// Windows puts no FIFO at a path; what the read reaches is its null device instead.
std::string NullDevice(const std::string&, Held&) {
    return "\\\\.\\NUL";
}
std::string FifoKeptFull(const std::string&, Held&) {
    return {};
}
std::string FifoWithoutWriter(const std::string&, Held&) {
    return {};
}
std::string LinkToZeroDevice(const std::string&, Held&) {
    return {};
}
#else
std::string NullDevice(const std::string& path, Held&) {
    fs::remove(path);
    fs::create_symlink("/dev/null", path);
    return path;
}

// A FIFO renamed over the file; a writer keeps it full of a valid file.
std::string FifoKeptFull(const std::string& path, Held& held) {
    const std::string fifo = path + ".fifo";
    mkfifo(fifo.c_str(), 0666);
    const int fd = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    while (write(fd, kOldBytes.data(), kOldBytes.size()) > 0) {
    }
    held.fds.push_back(fd);
    rename(fifo.c_str(), path.c_str());
    return path;
}

// A FIFO with no writer: opening it to read waits for one, unless told not to.
std::string FifoWithoutWriter(const std::string& path, Held& held) {
    fs::remove(path);
    mkfifo(path.c_str(), 0666);
    held.watch = std::thread([&held, path] {
        const auto patience = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        while (!held.done) {
            if (std::chrono::steady_clock::now() > patience) {
                // Succeeds only while a reader waits in open.
                if (const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                    held.waited = true;
                    close(fd);
                    return;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    return path;
}

std::string LinkToZeroDevice(const std::string& path, Held&) {
    fs::remove(path);
    fs::create_symlink("/dev/zero", path);
    return path;
}
#endif

constexpr const char* kNoFifos = "Windows puts no FIFO nor a link to a device at a path";

INSTANTIATE_TEST_SUITE_P(
    ChangedAfterTheLook, RaceTest,
    testing::Values(
        RaceRow{"NullDevice", NullDevice, SIZE_MAX, "non è un file normale", 0},
        RaceRow{"FifoKeptFull", FifoKeptFull, SIZE_MAX, "non è un file normale", 0, kNoFifos},
        RaceRow{"FifoWithoutWriter", FifoWithoutWriter, SIZE_MAX, "non è un file normale", 0,
                kNoFifos},
        RaceRow{"LinkToZeroDevice", LinkToZeroDevice, SIZE_MAX, "non è un file normale", 0,
                kNoFifos},
        // 20 bytes at a time: the third read fails, within the fourth line.
        RaceRow{"DiskErrorHalfWay", nullptr, 2, "errore di lettura o scrittura sul disco", 40}),
    [](const testing::TestParamInfo<RaceRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace coppia
