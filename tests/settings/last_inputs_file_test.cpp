// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/last_inputs_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>

namespace coppia {
namespace {

using Values = std::vector<std::string>;

const LastInputsTexts kInitialTexts = {"50", "300", "60", "12", "18", "500", "20.0", "60"};
const LastInputsTexts kOtherTexts = {"40", "250", "55", "10", "15", "450", "-12.5", "80"};

class LastInputsFileTest : public testing::Test {
  protected:
    QString PathOf(const char* name) const { return folder.filePath(name); }
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir folder;
};

TEST_F(LastInputsFileTest, WritesTheFileByteForByteAndReadsItBack) {
    LastInputsFile file(PathOf("Mervanti.ini"));
    ASSERT_TRUE(file.Write(kInitialTexts));
    EXPECT_EQ(Contents(file.Path()),
              "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n");
    EXPECT_EQ(file.ReadValues(),
              (Values{"50.0", "300.0", "60.0", "12.0", "18.0", "500.0", "20.0", "60.0"}));
}

TEST_F(LastInputsFileTest, WritingTwiceLeavesOnlyTheSecondSet) {
    LastInputsFile file(PathOf("Mervanti.ini"));
    ASSERT_TRUE(file.Write(kInitialTexts));
    ASSERT_TRUE(file.Write(kOtherTexts));
    EXPECT_EQ(Contents(file.Path()),
              "40.0\r\n250.0\r\n55.0\r\n10.0\r\n15.0\r\n450.0\r\n-12.5\r\n80.0\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Mervanti.ini"});
}

TEST_F(LastInputsFileTest, CreatesTheMissingFolder) {
    LastInputsFile file(PathOf("new/deeper/Mervanti.ini"));
    EXPECT_TRUE(file.Write(kInitialTexts));
    EXPECT_EQ(file.ReadValues().size(), 8u);
}

TEST_F(LastInputsFileTest, TextsOutsideAsciiAreWrittenAsUtf8) {
    LastInputsTexts texts = kInitialTexts;
    texts[0] = "velocità";
    LastInputsFile file(PathOf("Mervanti.ini"));
    ASSERT_TRUE(file.Write(texts));
    EXPECT_TRUE(Contents(file.Path()).startsWith("velocit\xc3\xa0\r\n"));
}

TEST_F(LastInputsFileTest, ASaveIntoAFolderThatCannotBeWrittenFailsAndKeepsTheOldFile) {
    if (geteuid() == 0) {
        // root writes anywhere; a path under a regular file cannot be written by anyone.
        QFile blocker(PathOf("blocker"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        EXPECT_FALSE(LastInputsFile(PathOf("blocker/Mervanti.ini")).Write(kInitialTexts));
        return;
    }
    LastInputsFile file(PathOf("Mervanti.ini"));
    ASSERT_TRUE(file.Write(kInitialTexts));
    ASSERT_EQ(chmod(folder.path().toLocal8Bit().constData(), 0555), 0);
    EXPECT_FALSE(file.Write(kOtherTexts));
    chmod(folder.path().toLocal8Bit().constData(), 0755);
    EXPECT_EQ(file.ReadValues()[0], "50.0");
}

TEST_F(LastInputsFileTest, ASaveThatNeverReachesTheRenameLeavesTheOldFileWhole) {
    LastInputsFile file(PathOf("Mervanti.ini"));
    ASSERT_TRUE(file.Write(kInitialTexts));
    const QByteArray before = Contents(file.Path());
    {
        // What a save looks like when the program dies before it is complete.
        QSaveFile interrupted(file.Path());
        ASSERT_TRUE(interrupted.open(QIODevice::WriteOnly));
        interrupted.write("40.0\r\n250");
    }
    EXPECT_EQ(Contents(file.Path()), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Mervanti.ini"});
}

TEST_F(LastInputsFileTest, NoFileMeansNoValues) {
    EXPECT_TRUE(LastInputsFile(PathOf("missing.ini")).ReadValues().empty());
}

TEST_F(LastInputsFileTest, ADirectoryAFifoOrADeviceAtThePathGiveNoValuesAtOnce) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("Mervanti.ini"));
    EXPECT_TRUE(LastInputsFile(PathOf("Mervanti.ini")).ReadValues().empty());

    const QString fifo = PathOf("fifo.ini");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(LastInputsFile(fifo).ReadValues().empty());
    EXPECT_TRUE(LastInputsFile("/dev/zero").ReadValues().empty());
    // A blocked open would never come back; this only guards against a slow one.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(LastInputsFileTest, AHugeFileIsReadOnlyAsFarAsItsValuesNeed) {
    const QString path = PathOf("Mervanti.ini");
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << "50.0\r\n300.0\r\n";
        // A sparse gigabyte after two values: reading it all would take the memory.
        out.seekp(1LL << 30);
        out << "end";
    }
    const Values values = LastInputsFile(path).ReadValues();
    // The third value, zero bytes up to the read limit, is cut by it.
    EXPECT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0], "50.0");
    EXPECT_EQ(values[1], "300.0");
}

TEST_F(LastInputsFileTest, AValueCutByTheReadLimitIsNotRead) {
    const QString path = PathOf("Mervanti.ini");
    {
        std::ofstream out(path.toStdString(), std::ios::binary);
        out << "50.0\r\n" << std::string(kLastInputsReadLimit, '7') << "\r\n60.0\r\n";
    }
    EXPECT_EQ(LastInputsFile(path).ReadValues(), Values{"50.0"});
}

TEST(LastInputsPathTest, LiesInTheUsersConfigurationFolder) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    EXPECT_EQ(LastInputsPath(), folder + "/Mervanti.ini");
    EXPECT_TRUE(LastInputsPath().endsWith("/Mervanti.ini"));
}

}  // namespace
}  // namespace coppia
