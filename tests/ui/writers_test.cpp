// SPDX-License-Identifier: GPL-3.0-or-later
// Every file the program writes, aimed at every kind of thing a path can lead to.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMetaObject>
#include <map>
#include <optional>
#include <tuple>

#include "files/analysis_settings.h"
#include "files/last_inputs_file.h"
#include "models/main/main_window.h"
#include "tests/files/scratch_folder.h"
#include "tests/models/memory_last_inputs.h"
#include "tests/models/recording_messages.h"
#include "ui/main/main_window_view.h"
#include "ui/window_opener.h"

namespace coppia {
namespace {

// The main window and the analysis beside it, their settings in a folder of the test's own.
struct WritingWindows {
    WritingWindows() : model(messages, lastInputs), view(model) {
        // The analysis keeps its own settings in the configuration folder.
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.Path().string()));
        model.Main_Form_Load();
    }

    ScratchFolder config;
    ScratchFolder scratch;
    RecordingMessages messages;
    MemoryLastInputs lastInputs;
    MainWindow model;
    MainWindowView view;
    AnalysisOpener opener{model, &view, QStringLiteral(COPPIA_ANALYSIS_PLUGIN)};
};

#ifdef _WIN32
TEST(WriterTest, EveryWriterEveryTarget) {
    GTEST_SKIP() << "its targets are POSIX things (links, FIFOs, device nodes, modes, a file-size "
                    "limit); the Windows side's are files_tests' WindowsFileTest cases";
}
#else

enum class Writer { LastInputs, AnalysisSettings, Csv, Pdf, PrintToFile };
constexpr Writer kWriters[] = {Writer::LastInputs, Writer::AnalysisSettings, Writer::Csv,
                               Writer::Pdf, Writer::PrintToFile};
constexpr const char* kWriterNames[] = {"LastInputs", "AnalysisSettings", "Csv", "Pdf",
                                        "PrintToFile"};

constexpr LastInputsNumbers kNumbers = {40, 250, 55, 10, 15, 450, -12.5, 80};
const AnalysisSettings kSettings{4.5, RatingUnit::NewtonCm, 1.5, 60, {0.5, 2}};
const std::string kOldBytes = "the old file, which must stay whole\n";

struct TargetRow {
    const char* name;
    // Lays out the scratch folder and gives the path the writer is handed, as bytes; empty when
    // the system does not let the test make what the row needs.
    std::optional<std::string> (*make)(const fs::path& folder);
    const char* reason;  // null when the file is to be written
    bool unprivileged = false;
    bool fullDisk = false;
};

void PrintTo(const TargetRow& row, std::ostream* out) {
    *out << row.name;
}
void PrintTo(Writer writer, std::ostream* out) {
    *out << kWriterNames[static_cast<int>(writer)];
}

std::optional<std::string> OldFileAt(const fs::path& path) {
    Put(path, kOldBytes);
    return path.string();
}

std::optional<std::string> LinkTo(const fs::path& folder, const char* target) {
    fs::create_symlink(target, folder / "target");
    return (folder / "target").string();
}

// Everything in the folder, by path: its type, mode and owner, and what it holds or leads to.
using Snapshot = std::map<std::string, std::pair<std::string, std::string> >;

Snapshot SnapshotOf(const fs::path& folder) {
    Snapshot snapshot;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        struct stat entryStat {};
        lstat(entry.path().c_str(), &entryStat);
        const std::string kind = std::to_string(entryStat.st_mode) + " " +
                                 std::to_string(entryStat.st_uid) + " " +
                                 std::to_string(entryStat.st_rdev);
        std::string holds;
        if (S_ISREG(entryStat.st_mode))
            holds = Contents(entry.path());
        if (S_ISLNK(entryStat.st_mode))
            holds = fs::read_symlink(entry.path()).string();
        snapshot[fs::relative(entry.path(), folder).string()] = {kind, holds};
    }
    return snapshot;
}

class WriterTest : public testing::TestWithParam<std::tuple<Writer, TargetRow> >,
                   protected WritingWindows {
  protected:
    // Why the writer could not write the file at `path`; empty when it did.
    std::string Write(Writer writer, const std::string& path) {
        if (writer == Writer::LastInputs) {
            const SaveResult result = LastInputsFile(path).Write(kNumbers);
            return result.saved ? "" : result.reason;
        }
        if (writer == Writer::AnalysisSettings) {
            const SaveResult result = AnalysisSettingsFile(path).Write(kSettings);
            return result.saved ? "" : result.reason;
        }
        // Through the plugin's boundary, as the window's buttons do after their dialogs.
        const char* method = writer == Writer::Csv   ? "ExportCsv"
                             : writer == Writer::Pdf ? "ExportPdf"
                                                     : "PrintToFile";
        bool saved = false;
        EXPECT_TRUE(QMetaObject::invokeMethod(analysis, method, Q_RETURN_ARG(bool, saved),
                                              Q_ARG(QString, QFile::decodeName(path.c_str()))));
        const QString told =
            analysis->findChild<QLabel*>("StatoFile")->toolTip();  // whole, not elided
        return saved ? "" : told.mid(told.lastIndexOf(": ") + 2).chopped(2).toStdString();
    }

    static bool IsWhatTheWriterWrites(Writer writer, const std::string& bytes) {
        switch (writer) {
            case Writer::LastInputs:
                return bytes == EncodeLastInputs(kNumbers);
            case Writer::AnalysisSettings:
                return bytes == EncodeAnalysisSettings(kSettings);
            case Writer::Csv:
                return bytes ==
                       Contents(COPPIA_SOURCE_DIR "/tests/models/analysis/initial_sweep_it.csv");
            default:
                return bytes.starts_with("%PDF-") && bytes.find("%%EOF") != std::string::npos;
        }
    }

    QWidget* analysis = nullptr;
};

TEST_P(WriterTest, WritesARegularFileWholeOrLeavesEverythingAsItWas) {
    const auto& [writer, target] = GetParam();
    const std::optional<std::string> path = target.make(scratch.Path());
    if (!path)
        GTEST_SKIP() << "only root makes device nodes";
    if (writer >= Writer::Csv) {
        ASSERT_TRUE(opener.Open());
        analysis = opener.Window();
    }
    const Snapshot before = SnapshotOf(scratch.Path());
    std::string told;
    {
        std::optional<AsUnprivilegedUser> nobody;
        if (target.unprivileged)
            nobody.emplace();
        std::optional<FileSizeLimit> fullDisk;
        if (target.fullDisk)
            fullDisk.emplace(16);
        told = Write(writer, *path);
    }
    Snapshot expected = before;
    if (target.reason == nullptr) {
        EXPECT_EQ(told, "");
        const fs::path written = fs::canonical(*path);
        const std::string bytes = Contents(written);
        EXPECT_TRUE(IsWhatTheWriterWrites(writer, bytes)) << bytes.substr(0, 200);
        // The file alone holds new bytes; its mode and owner stay, and a link stays a link.
        expected[fs::relative(written, scratch.Path()).string()].second = bytes;
    } else {
        EXPECT_EQ(told, target.reason);
    }
    // Byte for byte, and nothing left beside it.
    EXPECT_EQ(SnapshotOf(scratch.Path()), expected);
}

const TargetRow kTargets[] = {
    {"RegularFile", [](const fs::path& folder) { return OldFileAt(folder / "target"); }, nullptr},
    {"LinkToARegularFile",
     [](const fs::path& folder) {
         OldFileAt(folder / "real");
         return LinkTo(folder, "real");
     },
     nullptr},
    {"LinkLeadingNowhere", [](const fs::path& folder) { return LinkTo(folder, "missing"); },
     "non è un file normale"},
    // A node of the test's own: a fault replaces it, never the machine's /dev/null.
    {"LinkToADeviceNode",
     [](const fs::path& folder) {
         return MakeDeviceNode(folder / "null", 3) ? LinkTo(folder, "null") : std::nullopt;
     },
     "non è un file normale"},
    {"Fifo",
     [](const fs::path& folder) -> std::optional<std::string> {
         mkfifo((folder / "target").c_str(), 0600);
         return (folder / "target").string();
     },
     "non è un file normale"},
    {"Folder",
     [](const fs::path& folder) -> std::optional<std::string> {
         fs::create_directory(folder / "target");
         return (folder / "target").string();
     },
     "è una cartella"},
    {"PathThroughAFile",
     [](const fs::path& folder) -> std::optional<std::string> {
         Put(folder / "blocker", kOldBytes);
         return (folder / "blocker" / "target").string();
     },
     "il percorso attraversa un file che non è una cartella"},
    {"ReadOnlyFile",
     [](const fs::path& folder) -> std::optional<std::string> {
         OldFileAt(folder / "target");
         chmod((folder / "target").c_str(), 0444);
         AsUnprivilegedUser::Give(folder);
         AsUnprivilegedUser::Give(folder / "target");
         return (folder / "target").string();
     },
     "permesso negato", true},
    {"ReadOnlyFolder",
     [](const fs::path& folder) -> std::optional<std::string> {
         fs::create_directory(folder / "locked");
         OldFileAt(folder / "locked" / "target");
         for (const fs::path& own : {folder, folder / "locked", folder / "locked" / "target"})
             AsUnprivilegedUser::Give(own);
         chmod((folder / "locked").c_str(), 0555);
         return (folder / "locked" / "target").string();
     },
     "permesso negato", true},
    {"FullDisk", [](const fs::path& folder) { return OldFileAt(folder / "target"); },
     "file troppo grande", false, true},
    {"FolderNotNamedInUtf8",
     [](const fs::path& folder) {
         fs::create_directory(folder / "caff\xe8");
         return OldFileAt(folder / "caff\xe8" / "target");
     },
     nullptr},
};

INSTANTIATE_TEST_SUITE_P(EveryWriterEveryTarget, WriterTest,
                         testing::Combine(testing::ValuesIn(kWriters), testing::ValuesIn(kTargets)),
                         [](const testing::TestParamInfo<std::tuple<Writer, TargetRow> >& info) {
                             return std::string(
                                        kWriterNames[static_cast<int>(std::get<0>(info.param))]) +
                                    "_" + std::get<1>(info.param).name;
                         });

#endif

// A path as Qt's file dialogs give it, with "/" on Windows too, and in any script.
class ExportSpellingTest : public testing::TestWithParam<bool>, protected WritingWindows {};

// Saved or not, the status line names the file as the system spells it, and the next export
// starts in its folder, kept in that spelling.
TEST_P(ExportSpellingTest, TheStatusAndTheNextExportNameThePathAsTheSystemDoes) {
    const bool saved = GetParam();
    const std::string folder =
        Utf8(scratch.Path() / PathFromUtf8("caff\u00e8 \u041d\u0438\u0446\u0446\u0430"));
    const std::string path = Utf8(PathFromUtf8(folder) / "misure.csv");
    fs::create_directories(PathFromUtf8(saved ? folder : path));
    // On Windows the settings are %APPDATA%'s, which earlier tests may have written.
    const std::string before = AnalysisSettingsFile(AnalysisSettingsPath()).Read().exportFolder;
    ASSERT_TRUE(opener.Open());
    bool written = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(
        opener.Window(), "ExportCsv", Q_RETURN_ARG(bool, written),
        Q_ARG(QString, QDir::fromNativeSeparators(QString::fromStdString(path)))));
    EXPECT_EQ(written, saved);
    const QString told = opener.Window()->findChild<QLabel*>("StatoFile")->toolTip();
    EXPECT_EQ(told.toStdString(), saved ? "CSV salvato in " + path
                                        : "CSV non salvato in " + path + ": è una cartella!!");
    const std::string next = AnalysisSettingsFile(AnalysisSettingsPath()).Read().exportFolder;
    EXPECT_EQ(next, saved ? folder : before);
}

INSTANTIATE_TEST_SUITE_P(SavedOrNot, ExportSpellingTest, testing::Bool(),
                         [](const testing::TestParamInfo<bool>& info) {
                             return std::string(info.param ? "Saved" : "NotSaved");
                         });

}  // namespace
}  // namespace coppia
