// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows side of the files: what lies at a path that is no file of the user's, the
// sharing of a file another program holds, wide paths, the configuration folder, and the words
// for the system's error codes. Built for Windows only.
#include <windows.h>
// windows.h names ReplaceFileA or ReplaceFileW "ReplaceFile", which is the program's own.
#undef ReplaceFile

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>

#include "files/config_folder.h"
#include "files/last_inputs_file.h"
#include "files/platform/error_reason.h"
#include "files/platform/opened_path.h"
#include "files/platform/platform.h"
#include "files/platform/safe_file.h"
#include "files/platform/windows/windows_path.h"
#include "files/recent_files.h"
#include "tests/files/scratch_folder.h"

namespace coppia {
namespace {

using Names = std::vector<std::string>;

const std::string kOldBytes = "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n";
const std::string kNewBytes = "40.0\r\n250.0\r\n55.0\r\n10.0\r\n15.0\r\n450.0\r\n-12.5\r\n80.0\r\n";

struct DeviceRow {
    const char* name;
    std::string path;  // in the test's folder unless it starts with "\\"
    bool device;
};

void PrintTo(const DeviceRow& row, std::ostream* out) {
    *out << row.name;
}

class DeviceNameTest : public testing::TestWithParam<DeviceRow> {};

// A device's name is one in every folder: writing "CON" would print to the console, reading
// "COM1" would wait for a modem. Neither is opened; names that only look alike are files.
TEST_P(DeviceNameTest, IsRefusedLikeADeviceOnLinuxAndOnlyThen) {
    const DeviceRow& row = GetParam();
    ScratchFolder folder;
    const std::string path = row.path.starts_with("\\\\") ? row.path : folder / row.path;
    const char* refusal = row.device ? "non è un file normale" : "";
    EXPECT_EQ(ReplaceRefusal(path), refusal);
    const SaveResult saved = ReplaceFile(path, kNewBytes);
    EXPECT_EQ(saved.reason, refusal);
    const BoundedRead read = ReadRegularFile(path, 1024);
    EXPECT_EQ(read.problem, refusal);
    EXPECT_EQ(read.bytes, row.device ? "" : kNewBytes);
    EXPECT_EQ(folder.Names(), row.device ? Names{} : Names{row.path});
}

INSTANTIATE_TEST_SUITE_P(
    Names, DeviceNameTest,
    testing::Values(
        DeviceRow{"Con", "CON", true}, DeviceRow{"NulLowerCase", "nul", true},
        DeviceRow{"NulWithExtension", "NUL.txt", true},
        DeviceRow{"AuxWithTwoExtensions", "aux.ini.bak", true}, DeviceRow{"Prn", "PRN", true},
        DeviceRow{"Com1", "com1", true}, DeviceRow{"Com9Csv", "COM9.csv", true},
        DeviceRow{"Lpt1", "LPT1", true}, DeviceRow{"Lpt3Ini", "lpt3.ini", true},
        DeviceRow{"ConBeforeSpaces", "CON  .txt", true}, DeviceRow{"ConOut", "CONOUT$", true},
        DeviceRow{"DevicePath", "\\\\.\\NUL", true},
        DeviceRow{"DevicePathWithSlashes", "//./COM1", true},
        DeviceRow{"RawPath", "\\\\?\\C:\\coppia-raw.ini", true},
        DeviceRow{"Com10IsAFile", "COM10", false}, DeviceRow{"Com0IsAFile", "COM0.csv", false},
        DeviceRow{"ConsoleIsAFile", "console.ini", false},
        DeviceRow{"ContoIsAFile", "CONTO.txt", false}, DeviceRow{"NullIsAFile", "null", false},
        // The system reads the superscripts ¹, ² and ³ as the digits.
        DeviceRow{"ComSuperscriptOne", "COM\xc2\xb9", true},
        DeviceRow{"LptSuperscriptTwoTxt", "lpt\xc2\xb2.txt", true},
        DeviceRow{"ComSuperscriptThreeIni", "Com\xc2\xb3.ini", true},
        DeviceRow{"ComSuperscriptFourIsAFile", "COM\xe2\x81\xb4", false},
        DeviceRow{"ComOneSuperscriptOneIsAFile", "COM1\xc2\xb9", false}),
    [](const testing::TestParamInfo<DeviceRow>& info) { return std::string(info.param.name); });

std::wstring Wide(const std::string& path) {
    return fs::u8path(path).wstring();
}

TEST(WindowsFileTest, AFileWithTheReadOnlyAttributeIsLeftAsItIsWithTheReason) {
    ScratchFolder folder;
    const std::string path = folder / "Mervanti.ini";
    Put(path, kOldBytes);
    ASSERT_TRUE(SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(ReplaceRefusal(path), "il file è in sola lettura");
    EXPECT_EQ(ReplaceFile(path, kNewBytes).reason, "il file è in sola lettura");
    EXPECT_EQ(Contents(path), kOldBytes);
    EXPECT_EQ(folder.Names(), Names{"Mervanti.ini"});
    EXPECT_EQ(ReadRegularFile(path, 1024).bytes, kOldBytes);  // still read
    SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL);
}

struct SharingRow {
    const char* name;
    DWORD access;  // of the other program's handle
    DWORD share;
    const char* saveReason;
    const char* readProblem;
};

void PrintTo(const SharingRow& row, std::ostream* out) {
    *out << row.name;
}

class SharingTest : public testing::TestWithParam<SharingRow> {};

// A CSV open in a spreadsheet, the last inputs in an editor that locks them: the file stays
// whole, and the user hears which program to close.
TEST_P(SharingTest, AFileHeldOpenByAnotherProgramIsToldAsSuch) {
    const SharingRow& row = GetParam();
    ScratchFolder folder;
    const std::string path = folder / "misure.csv";
    Put(path, kOldBytes);
    HANDLE held = CreateFileW(Wide(path).c_str(), row.access, row.share, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const SaveResult saved = ReplaceFile(path, kNewBytes);
    const BoundedRead read = ReadRegularFile(path, 1024);
    CloseHandle(held);
    EXPECT_EQ(saved.reason, row.saveReason);
    EXPECT_EQ(read.problem, row.readProblem);
    const std::string kept = std::string(row.saveReason).empty() ? kNewBytes : kOldBytes;
    EXPECT_EQ(read.bytes, std::string(row.readProblem).empty() ? kept : "");
    EXPECT_EQ(Contents(path), kept);
    EXPECT_EQ(folder.Names(), Names{"misure.csv"});
}

INSTANTIATE_TEST_SUITE_P(
    OtherHandles, SharingTest,
    testing::Values(SharingRow{"SharingNothing", GENERIC_READ | GENERIC_WRITE, 0,
                               "il file è aperto in un altro programma",
                               "il file è aperto in un altro programma"},
                    SharingRow{"SharingReadingOnly", GENERIC_READ, FILE_SHARE_READ,
                               "il file è aperto in un altro programma", ""},
                    SharingRow{"SharingEverything", GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, "", ""}),
    [](const testing::TestParamInfo<SharingRow>& info) { return std::string(info.param.name); });

TEST(WindowsFileTest, AFolderIsRefusedAndKept) {
    ScratchFolder folder;
    const std::string path = folder / "modelli";
    fs::create_directory(path);
    EXPECT_EQ(ReplaceRefusal(path), "è una cartella");
    EXPECT_EQ(ReplaceFile(path, kNewBytes).reason, "è una cartella");
    EXPECT_EQ(ReadRegularFile(path, 1024).problem, "è una cartella");
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(folder.Names(), Names{"modelli"});
}

TEST(WindowsFileTest, AUnicodePathIsWrittenAndReadBack) {
    ScratchFolder folder;
    const std::string inner = Utf8(folder.Path()) + "\\Cartella \xc3\xa8";  // "Cartella è"
    const std::string path = inner + "\\Mod\xc3\xa8llo \xc3\xbc.coppia";    // "Modèllo ü.coppia"
    const SaveResult saved = ReplaceFile(path, kNewBytes);
    ASSERT_TRUE(saved.saved) << saved.reason;
    EXPECT_EQ(ReadRegularFile(path, 1024).bytes, kNewBytes);
    // The system sees the names themselves, not their UTF-8 bytes read in its code page.
    EXPECT_EQ(Contents(fs::path(L"" + folder.Path().wstring() +
                                L"\\Cartella \u00e8\\Mod\u00e8llo \u00fc.coppia")),
              kNewBytes);
    ASSERT_TRUE(ReplaceFile(path, kOldBytes).saved);
    EXPECT_EQ(ReadRegularFile(path, 1024).bytes, kOldBytes);
    EXPECT_EQ(ResolvedPath(path), path);
}

// Fails the first rename as ReplaceFileW fails with ERROR_UNABLE_TO_MOVE_REPLACEMENT: the old
// file already removed, the new one still under its temporary name. A rename after it fails
// with `then`, unless that is ERROR_SUCCESS.
class RemovedButNotReplaced : public SaveCalls {
  public:
    explicit RemovedButNotReplaced(DWORD then) : then_(then) {}
    int Rename(const char* from, const char* to) override {
        temporary = from;
        errno = 0;
        if (++renames_ == 1) {
            DeleteFileW(Wide(to).c_str());
            SetLastError(ERROR_UNABLE_TO_MOVE_REPLACEMENT);
            return -1;
        }
        if (then_ == ERROR_SUCCESS)
            return SaveCalls::Rename(from, to);
        SetLastError(then_);
        return -1;
    }

    std::string temporary;

  private:
    DWORD then_;
    int renames_ = 0;
};

class RemovedButNotReplacedTest : public testing::TestWithParam<DWORD> {};

// The old file is gone either way: the new bytes must not go with it.
TEST_P(RemovedButNotReplacedTest, TheNewBytesTakeTheFilesPlaceOrStayWhereTheUserIsTold) {
    ScratchFolder folder;
    const std::string path = folder / "Mervanti.ini";
    Put(path, kOldBytes);
    RemovedButNotReplaced calls(GetParam());
    const SaveResult saved = ReplaceFile(path, kNewBytes, calls);
    if (GetParam() == ERROR_SUCCESS) {
        EXPECT_TRUE(saved.saved) << saved.reason;
        EXPECT_EQ(Contents(path), kNewBytes);
        EXPECT_EQ(folder.Names(), Names{"Mervanti.ini"});
    } else {
        EXPECT_FALSE(saved.saved);
        EXPECT_EQ(saved.reason,
                  "permesso negato; il nuovo contenuto è rimasto in " + calls.temporary);
        EXPECT_EQ(Contents(PathFromUtf8(calls.temporary)), kNewBytes);
        EXPECT_EQ(folder.Names(), Names{NameOfPath(calls.temporary)});
    }
}

INSTANTIATE_TEST_SUITE_P(ThenTheMove, RemovedButNotReplacedTest,
                         testing::Values(ERROR_SUCCESS, ERROR_ACCESS_DENIED),
                         [](const testing::TestParamInfo<DWORD>& info) {
                             return info.param == ERROR_SUCCESS ? "Succeeds" : "IsRefused";
                         });

struct LongPathRow {
    const char* name;
    std::string path;
    std::wstring wide;  // as the system's calls get it
};

void PrintTo(const LongPathRow& row, std::ostream* out) {
    *out << row.name;
}

class LongPathTest : public testing::TestWithParam<LongPathRow> {};

// Beyond the classic limit the system takes only the long form, in which it folds nothing.
TEST_P(LongPathTest, IsGivenToTheSystemInItsLongFormOnlyBeyondTheClassicLimit) {
    EXPECT_EQ(WideCallPath(GetParam().path), GetParam().wide);
}

const std::string kLongName(120, 'n');
const std::wstring kWideLongName(120, L'n');

INSTANTIATE_TEST_SUITE_P(
    Paths, LongPathTest,
    testing::Values(
        LongPathRow{"Short", "C:/modelli/../Mervanti.ini", L"C:/modelli/../Mervanti.ini"},
        LongPathRow{"LongFolded", "C:/" + kLongName + "/../" + kLongName + "/" + kLongName + "/x",
                    L"\\\\?\\C:\\" + kWideLongName + L"\\" + kWideLongName + L"\\x"},
        LongPathRow{"LongOnAShare", "\\\\pc\\modelli\\" + kLongName + "\\" + kLongName,
                    L"\\\\?\\UNC\\pc\\modelli\\" + kWideLongName + L"\\" + kWideLongName},
        LongPathRow{"AlreadyLong", "\\\\?\\C:\\" + kLongName + "\\" + kLongName + "\\.",
                    L"\\\\?\\C:\\" + kWideLongName + L"\\" + kWideLongName + L"\\."}),
    [](const testing::TestParamInfo<LongPathRow>& info) { return std::string(info.param.name); });

// Folders too deep for the C library's listing, which ScratchFolder's removal uses: removed
// through the long form, the deepest first.
class DeepFolders {
  public:
    explicit DeepFolders(const fs::path& top) : folders_{Utf8(top)} {
        for (const char letter : {'a', 'b', 'c', 'd', 'e'})
            folders_.push_back(folders_.back() + "\\" + std::string(60, letter));
    }
    ~DeepFolders() {
        DeleteFileW(WideCallPath(File()).c_str());
        for (auto folder = folders_.rbegin(); folder + 1 != folders_.rend(); ++folder)
            RemoveDirectoryW(WideCallPath(*folder).c_str());
    }
    DeepFolders(const DeepFolders&) = delete;
    DeepFolders& operator=(const DeepFolders&) = delete;

    std::string File() const { return folders_.back() + "\\Mervanti.ini"; }

  private:
    std::vector<std::string> folders_;
};

// A model kept deep in folders: made, written, replaced and read back.
TEST(WindowsFileTest, APathBeyondTheClassicLimitIsSavedReplacedAndRead) {
    ScratchFolder folder;
    const DeepFolders deep(folder.Path());
    const std::string path = deep.File();
    ASSERT_GT(path.size(), 300u);
    EXPECT_EQ(ReplaceRefusal(path), "cartella inesistente");
    const SaveResult saved = ReplaceFile(path, kOldBytes);
    ASSERT_TRUE(saved.saved) << saved.reason;
    EXPECT_EQ(ReplaceRefusal(path), "");
    const SaveResult replaced = ReplaceFile(path, kNewBytes);
    ASSERT_TRUE(replaced.saved) << replaced.reason;
    EXPECT_EQ(ReadRegularFile(path, 1024).bytes, kNewBytes);
    EXPECT_EQ(ResolvedPath(path), path);
}

struct ErrorRow {
    DWORD code;
    const char* words;
};

class WindowsErrorTest : public testing::TestWithParam<ErrorRow> {};

TEST_P(WindowsErrorTest, SaysWhatHappenedInItalian) {
    EXPECT_EQ(ReasonOfWindowsError(GetParam().code), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, WindowsErrorTest,
    testing::Values(ErrorRow{ERROR_SHARING_VIOLATION, "il file è aperto in un altro programma"},
                    ErrorRow{ERROR_LOCK_VIOLATION, "il file è aperto in un altro programma"},
                    ErrorRow{ERROR_ACCESS_DENIED, "permesso negato"},
                    ErrorRow{ERROR_DISK_FULL, "disco pieno"},
                    ErrorRow{ERROR_HANDLE_DISK_FULL, "disco pieno"},
                    ErrorRow{ERROR_PATH_NOT_FOUND, "cartella inesistente"},
                    ErrorRow{ERROR_FILE_NOT_FOUND, "file inesistente"},
                    ErrorRow{ERROR_WRITE_PROTECT, "disco protetto dalla scrittura"},
                    ErrorRow{ERROR_INVALID_NAME, "nome non valido"},
                    ErrorRow{ERROR_FILENAME_EXCED_RANGE, "nome troppo lungo"},
                    ErrorRow{ERROR_BAD_NETPATH, "file system remoto non raggiungibile"},
                    ErrorRow{1295, "spazio disco esaurito per l'utente"},
                    ErrorRow{ERROR_UNABLE_TO_REMOVE_REPLACED,
                             "il file da sostituire non può essere tolto"},
                    ErrorRow{ERROR_CRC, "errore di lettura o scrittura sul disco"},
                    ErrorRow{12345, "errore di sistema 12345"},
                    ErrorRow{0xFFFFFFFF, "errore di sistema 4294967295"}));

TEST(WindowsConfigFolderTest, IsTheRoamingApplicationDataFolder) {
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr);
    EXPECT_EQ(ConfigFolder(), std::string(appData) + "\\coppia");
    EXPECT_EQ(LastInputsPath(), std::string(appData) + "\\coppia\\Mervanti.ini");
    EXPECT_EQ(OlderLastInputsPath(), "C:\\Mervanti.ini");
}

// The older program's file fills the fields until the program's own is written; it is read,
// never written.
TEST(WindowsConfigFolderTest, TheOlderProgramsFileIsReadUntilTheNewOneIsThere) {
    ScratchFolder folder;
    const std::string older = folder / "Mervanti.ini";
    const std::string path = folder / "coppia\\Mervanti.ini";
    Put(older, kOldBytes);
    LastInputsFile file(path, older);
    EXPECT_EQ(file.ReadValues(), DecodeLastInputs(kOldBytes, true));
    const LastInputsNumbers other = {40, 250, 55, 10, 15, 450, -12.5, 80};
    ASSERT_TRUE(file.Write(other).saved);
    EXPECT_EQ(Contents(path), kNewBytes);
    EXPECT_EQ(Contents(older), kOldBytes);
    EXPECT_EQ(file.ReadValues(), DecodeLastInputs(kNewBytes, true));
    EXPECT_TRUE(
        LastInputsFile(folder / "altrove\\Mervanti.ini", std::nullopt).ReadValues().empty());
}

// Instances adding at the same moment: the folder's lock lets none write over another's entry.
TEST(WindowsFileTest, ThreadsAddingAtOnceLoseNoEntry) {
    ScratchFolder folder;
    const std::string path = folder / std::string(kRecentFilesFileName);
    std::vector<std::thread> threads;
    for (int i = 0; i < 6; ++i) {
        threads.emplace_back([&path, i] {
            RecentFilesFile theirs(path);
            theirs.Add("C:\\m" + std::to_string(i), theirs.Read());
        });
    }
    for (std::thread& thread : threads) thread.join();
    std::vector<std::string> listed = RecentFilesFile(path).Read();
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, (Names{"C:\\m0", "C:\\m1", "C:\\m2", "C:\\m3", "C:\\m4", "C:\\m5"}));
}

}  // namespace
}  // namespace coppia
