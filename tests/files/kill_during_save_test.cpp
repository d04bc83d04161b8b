// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#if !defined(_WIN32)
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "files/last_inputs_file.h"
#include "files/platform/safe_file.h"
#include "tests/files/kill_test_inputs.h"

namespace coppia {
namespace {

#if !defined(_WIN32)
std::string Printable(const std::string& bytes) {
    std::string text;
    for (char c : bytes) {
        if (c == '\r') {
            text += "\\r";
        } else if (c == '\n') {
            text += "\\n";
        } else {
            text += c;
        }
    }
    return text;
}
#endif

// A process killed at any moment of a save leaves the file with the old eight lines or the new
// eight lines, whole: never a mix, never a part, never empty.
TEST(KillDuringSaveTest, EveryKillLeavesOneWholeSetOfInputs) {
#if defined(_WIN32)
    GTEST_SKIP() << "fork, execl, SIGKILL and waitpid are POSIX";
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "coppia-XXXXXX").string();
    const std::filesystem::path folder = mkdtemp(pattern.data());
    const std::string path = (folder / "Mervanti.ini").string();
    ASSERT_TRUE(LastInputsFile(path).Write(kKillTestOldInputs).saved);
    const std::string oldBytes = EncodeLastInputs(kKillTestOldInputs);
    const std::string newBytes = EncodeLastInputs(kKillTestNewInputs);

    const auto seed =
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMicroseconds(2'000, 25'000);
    int sawOld = 0, sawNew = 0;
    constexpr int kKills = 200;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            execl(LAST_INPUTS_WRITER, LAST_INPUTS_WRITER, path.c_str(), nullptr);
            _exit(127);
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;

        std::ifstream file(path, std::ios::binary);
        ASSERT_TRUE(file) << "no file after kill " << kill;
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
            << "after kill " << kill << " (seed " << seed << ") the file holds \""
            << Printable(bytes) << '"';
        (bytes == oldBytes ? sawOld : sawNew) += 1;
    }
    // Both sets were found, so the kills did land while saves were going on.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
    // A killed save leaves a hidden temporary file of the program's form, which a later save
    // removes once it is old enough that no running save can own it.
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name == "Mervanti.ini")
            continue;
        EXPECT_TRUE(name.starts_with(".Mervanti.ini.coppia-")) << name;
        const std::time_t old =
            std::time(nullptr) -
            std::chrono::seconds(kLeftoverAge + std::chrono::minutes(1)).count();
        const timespec times[2] = {{old, 0}, {old, 0}};
        utimensat(AT_FDCWD, entry.path().c_str(), times, 0);
    }
    ASSERT_TRUE(LastInputsFile(path).Write(kKillTestOldInputs).saved);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"Mervanti.ini"});
    std::filesystem::remove_all(folder);
#endif
}

}  // namespace
}  // namespace coppia
