// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/last_inputs_file.h"

#include <gtest/gtest.h>
#if !defined(_WIN32)
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "files/config_folder.h"
#include "tests/files/scratch_folder.h"

namespace coppia {
namespace {

namespace fs = std::filesystem;
using Values = std::vector<std::string>;

constexpr LastInputsNumbers kInitialNumbers = {50, 300, 60, 12, 18, 500, 20.0, 60};
constexpr LastInputsNumbers kOtherNumbers = {40, 250, 55, 10, 15, 450, -12.5, 80};
const std::string kInitialBytes =
    "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n";
const std::string kOtherBytes =
    "40.0\r\n250.0\r\n55.0\r\n10.0\r\n15.0\r\n450.0\r\n-12.5\r\n80.0\r\n";

// A fresh folder of its own for every test.
class LastInputsFileTest : public testing::Test {
  protected:
    LastInputsFileTest() : folder(FreshFolder()) {}
    ~LastInputsFileTest() override { fs::remove_all(folder); }

    std::string PathOf(const std::string& name) const { return (folder / name).string(); }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<unreadable>";
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

TEST_F(LastInputsFileTest, WritesTheFileByteForByteAndReadsItBack) {
    LastInputsFile file(PathOf("Mervanti.ini"));
    ASSERT_TRUE(file.Write(kInitialNumbers).saved);
    EXPECT_EQ(Contents(PathOf("Mervanti.ini")), kInitialBytes);
    EXPECT_EQ(file.ReadValues(),
              (Values{"50.0", "300.0", "60.0", "12.0", "18.0", "500.0", "20.0", "60.0"}));
    EXPECT_EQ(file.Location(), PathOf("Mervanti.ini"));
}

TEST_F(LastInputsFileTest, WritingTwiceLeavesOnlyTheSecondSetAndNoOtherFile) {
    LastInputsFile file(PathOf("Mervanti.ini"));
    ASSERT_TRUE(file.Write(kInitialNumbers).saved);
    ASSERT_TRUE(file.Write(kOtherNumbers).saved);
    EXPECT_EQ(Contents(PathOf("Mervanti.ini")), kOtherBytes);
    EXPECT_EQ(Names(), Values{"Mervanti.ini"});
}

TEST_F(LastInputsFileTest, CreatesTheMissingFolderPrivateToTheUser) {
    LastInputsFile file(PathOf("new/deeper/Mervanti.ini"));
    ASSERT_TRUE(file.Write(kInitialNumbers).saved);
    EXPECT_EQ(file.ReadValues().size(), 8u);
#if !defined(_WIN32)  // a folder on Windows takes its permissions from the one it lies in
    EXPECT_EQ(fs::status(folder / "new/deeper").permissions(), fs::perms::owner_all);
#endif
}

TEST_F(LastInputsFileTest, AReplacedFileKeepsItsPermissionsAndItsOwner) {
#if defined(_WIN32)
    GTEST_SKIP() << "POSIX modes and owners (chmod, chown): ReplaceFileW keeps Windows' own";
#else
    const std::string path = PathOf("Mervanti.ini");
    Put(path, kInitialBytes);
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    // Root saving a user's file leaves it the user's: a run under sudo must not lock them out.
    const uid_t owner = geteuid() == 0 ? 65534 : geteuid();
    ASSERT_EQ(chown(path.c_str(), owner, owner == 65534 ? 65534 : getegid()), 0);
    ASSERT_TRUE(LastInputsFile(path).Write(kOtherNumbers).saved);
    struct stat fileStat {};
    ASSERT_EQ(stat(path.c_str(), &fileStat), 0);
    EXPECT_EQ(fileStat.st_mode & 07777, 0640u);
    EXPECT_EQ(fileStat.st_uid, owner);
#endif
}

TEST_F(LastInputsFileTest, NoFileOrNoFolderMeansNoValues) {
    EXPECT_TRUE(LastInputsFile(PathOf("missing.ini")).ReadValues().empty());
    LastInputsFile nowhere(std::nullopt);
    EXPECT_TRUE(nowhere.ReadValues().empty());
    // In the system's words: Windows has no HOME.
#if defined(_WIN32)
    EXPECT_EQ(nowhere.Write(kInitialNumbers).reason,
              "cartella dei dati delle applicazioni sconosciuta (AppData non trovata)");
#else
    EXPECT_EQ(nowhere.Write(kInitialNumbers).reason,
              "cartella di configurazione sconosciuta (HOME non impostata)");
#endif
    EXPECT_EQ(nowhere.Location(), "Mervanti.ini");
}

#if !defined(_WIN32)
long PeakResidentKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
#endif

TEST_F(LastInputsFileTest, AHugeSparseFileIsReadOnlyAsFarAsTheBound) {
#if defined(_WIN32)
    GTEST_SKIP() << "no getrusage to see the peak memory, nor a sparse file, on Windows; the "
                    "bound itself is checked by AFileOfExactlyTheBoundIsReadToItsEnd";
#else
    const std::string path = PathOf("Mervanti.ini");
    {
        std::ofstream out(path, std::ios::binary);
        out << "50.0\r\n300.0\r\n";
        out.seekp(1LL << 30);  // a gigabyte of zeros that take no disk
        out << "end";
    }
    const long before = PeakResidentKib();
    const Values values = LastInputsFile(path).ReadValues();
    // Reading the whole gigabyte would raise the peak by as much.
    EXPECT_LT(PeakResidentKib() - before, 16 * 1024);
    // The third value, zero bytes up to the bound, is cut by it.
    EXPECT_EQ(values, (Values{"50.0", "300.0"}));
#endif
}

TEST_F(LastInputsFileTest, AFileOfExactlyTheBoundIsReadToItsEnd) {
    const std::string path = PathOf("Mervanti.ini");
    const std::string seven = "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n";
    // The last value runs to the end of the file, without a line end.
    std::string last = "6";
    last.append(kLastInputsReadLimit - seven.size() - 1, '0');
    Put(path, seven + last);
    Values values = LastInputsFile(path).ReadValues();
    ASSERT_EQ(values.size(), 8u);
    EXPECT_EQ(values[7], last);

    Put(path, seven + last + "0");  // one byte more: the last value is cut, and not read
    EXPECT_EQ(LastInputsFile(path).ReadValues().size(), 7u);
}

struct FolderRow {
    const char* config;  // XDG_CONFIG_HOME, or null for unset
    const char* home;    // HOME, or null for unset
    std::optional<std::string> folder;
};

// Names the row in test listings.
void PrintTo(const FolderRow& row, std::ostream* out) {
    *out << "XDG_CONFIG_HOME=" << (row.config ? row.config : "(unset)")
         << " HOME=" << (row.home ? row.home : "(unset)");
}

class ConfigFolderTest : public testing::TestWithParam<FolderRow> {
  protected:
    static void Set(const char* name, const char* value) {
#if defined(_WIN32)
        // Windows reads no XDG variable; the test is skipped there.
        std::string assignment = std::string(name) + "=" + (value ? value : "");
        _putenv(assignment.c_str());
#else
        if (value == nullptr) {
            unsetenv(name);
        } else {
            setenv(name, value, 1);
        }
#endif
    }
    void SetUp() override {
        Set("XDG_CONFIG_HOME", GetParam().config);
        Set("HOME", GetParam().home);
    }
    void TearDown() override {
        Set("XDG_CONFIG_HOME", savedConfig ? savedConfig->c_str() : nullptr);
        Set("HOME", savedHome ? savedHome->c_str() : nullptr);
    }
    static std::optional<std::string> Saved(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    std::optional<std::string> savedConfig = Saved("XDG_CONFIG_HOME");
    std::optional<std::string> savedHome = Saved("HOME");
};

TEST_P(ConfigFolderTest, FollowsTheXdgRules) {
#if defined(_WIN32)
    GTEST_SKIP() << "the XDG rules are not Windows': its folder is %APPDATA%\\coppia "
                    "(WindowsConfigFolderTest)";
#endif
    EXPECT_EQ(ConfigFolder(), GetParam().folder);
    const std::optional<std::string> path = LastInputsPath();
    EXPECT_EQ(path, GetParam().folder ? std::optional(*GetParam().folder + "/Mervanti.ini")
                                      : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, ConfigFolderTest,
    testing::Values(FolderRow{"/srv/config", "/home/pilota", "/srv/config"},
                    FolderRow{nullptr, "/home/pilota", "/home/pilota/.config"},
                    FolderRow{"", "/home/pilota/", "/home/pilota/.config"},
                    FolderRow{"config", "/home/pilota", "/home/pilota/.config"},
                    FolderRow{"./config", nullptr, std::nullopt},
                    FolderRow{nullptr, nullptr, std::nullopt}, FolderRow{nullptr, "", std::nullopt},
                    FolderRow{nullptr, "pilota", std::nullopt},
                    FolderRow{"/tmp/caff\xe8", nullptr, "/tmp/caff\xe8"}));

TEST_F(LastInputsFileTest, AFolderNamedInBytesThatAreNotUtf8IsTheSameFolder) {
#if defined(_WIN32)
    GTEST_SKIP() << "Windows names files in UTF-16, never in bytes: a path is UTF-8 text "
                    "(WindowsFileTest.AUnicodePathIsWrittenAndReadBack)";
#endif
    const fs::path latin1 = folder / "caff\xe8";
    const std::string path = (latin1 / "Mervanti.ini").string();
    LastInputsFile file(path);
    ASSERT_TRUE(file.Write(kInitialNumbers).saved);
    EXPECT_EQ(Contents(path), kInitialBytes);
    EXPECT_EQ(Names(), Values{"caff\xe8"});
    EXPECT_EQ(file.ReadValues().size(), 8u);
}

}  // namespace
}  // namespace coppia
