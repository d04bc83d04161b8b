// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <random>
#include <string>

#include "settings/last_inputs_file.h"
#include "tests/settings/kill_test_inputs.h"

namespace coppia {
namespace {

std::string Printable(const QByteArray& bytes) {
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

// A process killed at any moment of a save leaves the file with the old eight lines or the new
// eight lines, whole: never a mix, never a part, never empty.
TEST(KillDuringSaveTest, EveryKillLeavesOneWholeSetOfInputs) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Mervanti.ini");
    ASSERT_TRUE(LastInputsFile(path).Write(kKillTestOldInputs));
    const QByteArray oldBytes = QByteArray::fromStdString(EncodeLastInputs(kKillTestOldInputs));
    const QByteArray newBytes = QByteArray::fromStdString(EncodeLastInputs(kKillTestNewInputs));

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
            execl(LAST_INPUTS_WRITER, LAST_INPUTS_WRITER, path.toLocal8Bit().constData(), nullptr);
            _exit(127);
        }
        usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself, status " << status;

        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "no file after kill " << kill;
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
            << "after kill " << kill << " (seed " << seed << ") the file holds \""
            << Printable(bytes) << '"';
        (bytes == oldBytes ? sawOld : sawNew) += 1;
    }
    // Both sets were found, so the kills did land while saves were going on.
    EXPECT_GT(sawOld, 0);
    EXPECT_GT(sawNew, 0);
}

}  // namespace
}  // namespace coppia
