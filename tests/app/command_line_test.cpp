// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryFile>
#include <ostream>

#include "files/analysis_settings.h"
#include "files/model_file.h"
#include "files/platform/platform.h"
#include "models/model/model_table_file.h"
#include "tests/files/scratch_folder.h"
#include "tests/models/memory_analysis_settings.h"
#include "tests/models/model/session_fixture.h"

namespace coppia {
namespace {

// Where standard output goes: a pipe the test reads, nowhere, or a file that has no room.
enum class Output { Pipe, Closed, NoRoom };

struct StartRow {
    QStringList arguments;
    int exitStatus;
    QString output;  // all of standard output, or its first line when it ends with "..."
    QString error;   // all of standard error, apart from Qt's own notices
    Output to = Output::Pipe;
};

void PrintTo(const StartRow& row, std::ostream* out) {
    *out << "coppia " << row.arguments.join(' ').toStdString()
         << (row.to == Output::Closed   ? " >&-"
             : row.to == Output::NoRoom ? " > full"
                                        : "");
}

// A display-less shell: the program may reach Qt's platform only through -platform offscreen.
QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QStringLiteral("/nonexistent"));
    return environment;
}

// Keeps the program's own lines, dropping what Qt says about its surroundings ("QStandardPaths:
// XDG_RUNTIME_DIR not valid", ...).
QString ProgramLines(const QByteArray& stream) {
    QString text = QString::fromLocal8Bit(stream);
#ifdef _WIN32
    // A Windows program's text streams end their lines with CR LF.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
#endif
    QStringList lines = text.split('\n');
    lines.removeIf([](const QString& line) { return line.startsWith("QStandardPaths:"); });
    return lines.join('\n');
}

class StartTest : public testing::TestWithParam<StartRow> {};

TEST_P(StartTest, PrintsAndEndsWithItsExitStatusBeforeAnyWindow) {
    const StartRow& row = GetParam();
    QProcess program;
    program.setProcessEnvironment(WithoutDisplay());
    QTemporaryFile noRoom;
#ifdef _WIN32
    // Qt starts a Windows child with no hook to close its output or limit its file size.
    if (row.to != Output::Pipe)
        GTEST_SKIP() << "a closed or full standard output cannot be given to a Windows child";
#else
    if (row.to == Output::Closed)
        program.setChildProcessModifier([] { close(STDOUT_FILENO); });
    if (row.to == Output::NoRoom) {
        // A file-size limit of nothing: each write fails as on a full disk.
        ASSERT_TRUE(noRoom.open());
        program.setStandardOutputFile(noRoom.fileName());
        program.setChildProcessModifier([] {
            const rlimit none{0, 0};
            setrlimit(RLIMIT_FSIZE, &none);
        });
    }
#endif
    program.start(QStringLiteral(COPPIA_PROGRAM), row.arguments);
#ifdef _WIN32
    // Wine, starting other programs of the suite at the same moment, now and then refuses a start.
    if (!program.waitForStarted(60000) && program.error() == QProcess::FailedToStart)
        program.start(QStringLiteral(COPPIA_PROGRAM), row.arguments);
#endif
    ASSERT_TRUE(program.waitForFinished(60000))
        << (program.state() == QProcess::Running ? "still running: it opened a window"
                                                 : program.errorString().toStdString());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), row.exitStatus);
    const QString output = ProgramLines(program.readAllStandardOutput());
    if (row.output.endsWith("..."))
        EXPECT_TRUE(output.startsWith(row.output.chopped(3))) << output.toStdString();
    else
        EXPECT_EQ(output, row.output);
    EXPECT_EQ(ProgramLines(program.readAllStandardError()), row.error);
}

const QString kRefusal = QStringLiteral("\nTry 'coppia --help' for more information.\n");
const QString kVersion = QStringLiteral("coppia " COPPIA_VERSION "\n");

INSTANTIATE_TEST_SUITE_P(
    CommandLines, StartTest,
    testing::Values(
        StartRow{{"--help"}, 0, "Usage: coppia [options] [FILE...]\n...", ""},
        StartRow{{"-h"}, 0, "Usage: coppia [options] [FILE...]\n...", ""},
        StartRow{{"--version"}, 0, kVersion, ""}, StartRow{{"-v"}, 0, kVersion, ""},
        // Before Qt has read them its options cannot tell from unknown ones: help still wins.
        StartRow{{"-platform", "offscreen", "-reverse", "--version"}, 0, kVersion, ""},
        StartRow{{"--no-such-option", "--help"}, 0, "Usage: coppia [options] [FILE...]\n...", ""},
        // Output that never arrived is a failure, and said so.
        StartRow{
            {"--version"}, 1, "", "coppia: write error: Bad file descriptor\n", Output::Closed},
        StartRow{{"--help"}, 1, "", "coppia: write error: File too large\n", Output::NoRoom},
        // Qt takes its own options, and only what is left is refused.
        StartRow{{"-platform", "offscreen", "-style", "fusion", "-reverse", "-qwindowgeometry",
                  "300x200+10+10", "--no-such-option"},
                 1,
                 "",
                 "coppia: Unknown option 'no-such-option'." + kRefusal},
        // A model file is taken, an unknown option still refused.
        StartRow{{"--platform", "offscreen", "sport.coppia", "--modelo"},
                 1,
                 "",
                 "coppia: Unknown option 'modelo'." + kRefusal},
        // The table of one model, and nothing that would need a window.
        StartRow{{"--csv"}, 1, "", "coppia: Missing value after '--csv'." + kRefusal},
        StartRow{{"--csv", "sport.coppia", "altro.coppia"},
                 1,
                 "",
                 "coppia: --csv writes the table of one model: FILE 'altro.coppia' is not "
                 "taken" +
                     kRefusal},
        StartRow{{"-platform", "offscreen", "--csv", "sport.coppia"},
                 1,
                 "",
                 "coppia: Unknown option 'platform'." + kRefusal}));

// Runs the program with a configuration folder of its own and no display; gives its exit
// status, standard output as bytes and standard error.
struct ProgramRun {
    int exitStatus = -1;
    QByteArray output;
    QString error;
};
[[maybe_unused]] ProgramRun RunProgram(const QStringList& arguments, const fs::path& config) {
    QProcess program;
    QProcessEnvironment environment = WithoutDisplay();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(Utf8(config)));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(COPPIA_PROGRAM), arguments);
    EXPECT_TRUE(program.waitForFinished(60000)) << "still running: it opened a window";
    return {program.exitCode(), program.readAllStandardOutput(),
            ProgramLines(program.readAllStandardError())};
}

TEST(ModelTableTest, CsvWritesTheModelsTableAsTheWindowExportsItAndNothingElse) {
#ifdef _WIN32
    GTEST_SKIP() << "the configuration folder is the system's: the window tests' to fill";
#else
    const ScratchFolder config;
    const std::string example = COPPIA_SOURCE_DIR "/docs/esempio.coppia";
    const ProgramRun run = RunProgram({"--csv", QString::fromStdString(example)}, config.Path());
    EXPECT_EQ(run.exitStatus, 0);
    EXPECT_EQ(run.error, "");
    MemoryAnalysisSettings defaults;
    const ModelFileTable table = ModelFileCsv(example, defaults, CsvFormat::International);
    EXPECT_EQ(run.output.toStdString(), table.csv);
    EXPECT_TRUE(run.output.startsWith("\xEF\xBB\xBFSuperficie,Verdetto,Margine,"));
    // Each servo's time and currents close its row, as in the window's table.
    EXPECT_TRUE(
        run.output.contains(",Tempo sotto carico (s),Tempo a vuoto (s),Corrente in tenuta "
                            "(A),Corrente di spunto (A)\r\nAlettone sinistro,"));
    EXPECT_TRUE(run.output.contains(",0.07,0.06,1.00,2.50\r\nAlettone destro,"));
    EXPECT_TRUE(Listing(config.Path()).empty()) << "no file written, not even the settings";

    // Settings that cannot be read are told, and the defaults used, as the window does.
    fs::create_directory(config.Path() / "coppia-analisi.ini");
    const ProgramRun unreadable =
        RunProgram({"--csv=" + QString::fromStdString(example)}, config.Path());
    EXPECT_EQ(unreadable.exitStatus, 0);
    EXPECT_EQ(unreadable.output.toStdString(), table.csv);
    AnalysisSettingsFile kept(Utf8(config.Path() / "coppia-analisi.ini"));
    EXPECT_EQ(unreadable.error, QString::fromStdString(ReadJudgingSettings(kept).problem) + "\n");

    // A refused file: the window's reason, and no table.
    const fs::path missing = config.Path() / "manca.coppia";
    const ProgramRun refused =
        RunProgram({"--csv", QString::fromStdString(Utf8(missing))}, config.Path());
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_TRUE(refused.output.isEmpty());
    const auto fault = std::get<ModelFileFault>(ReadModelFile(Utf8(missing)));
    EXPECT_EQ(refused.error, QString::fromStdString(ModelRefusalText(Utf8(missing), fault)) + "\n");
#endif
}

TEST(CommandLineTest, APlainStartIsNeitherAnsweredNorRefused) {
    const CommandLine commandLine(QStringList{"coppia"});
    EXPECT_FALSE(commandLine.Answer());
    EXPECT_FALSE(commandLine.Refusal());
    EXPECT_FALSE(commandLine.IsSet("help"));
    EXPECT_FALSE(commandLine.IsSet("analisi"));
    EXPECT_FALSE(commandLine.ModelFile());
    const CommandLine withAnalysis(QStringList{"coppia", "--analisi"});
    EXPECT_FALSE(withAnalysis.Refusal());
    EXPECT_TRUE(withAnalysis.IsSet("analisi"));
    const CommandLine withModels(
        QStringList{"coppia", "--modello", "sport 160.coppia", "--", "-altro.coppia"});
    EXPECT_FALSE(withModels.Refusal());
    EXPECT_TRUE(withModels.IsSet("modello"));
    EXPECT_EQ(withModels.ModelFile(), "sport 160.coppia");
    EXPECT_EQ(CommandLine(QStringList{"coppia", "--", "-altro.coppia"}).ModelFile(),
              "-altro.coppia");
    // The same file as the system names it, a name that is not UTF-8 included.
    char program[] = "coppia", option[] = "--modello", name[] = "caff\xe8.coppia", end[] = "--",
         dashed[] = "-altro.coppia";
    char* withBytes[] = {program, option, name, end, dashed};
    EXPECT_EQ(ModelFileBytes(5, withBytes), "caff\xe8.coppia");
    char* afterEnd[] = {program, option, end, dashed};
    EXPECT_EQ(ModelFileBytes(4, afterEnd), "-altro.coppia");
    EXPECT_FALSE(ModelFileBytes(2, withBytes));
    // And the file of --csv, given after it or joined to it by "=".
    char csv[] = "--csv", joined[] = "-csv=caff\xe8.coppia";
    char* csvApart[] = {program, csv, name};
    EXPECT_EQ(CsvFileBytes(3, csvApart), "caff\xe8.coppia");
    char* csvJoined[] = {program, option, joined};
    EXPECT_EQ(CsvFileBytes(3, csvJoined), "caff\xe8.coppia");
    EXPECT_FALSE(CsvFileBytes(3, withBytes));
    EXPECT_EQ(CommandLine(QStringList{"coppia", "--csv", "a.coppia"}).CsvFile(), "a.coppia");
    EXPECT_FALSE(CommandLine(QStringList{"coppia", "--csv", "a.coppia"}).CsvRefusal());
}

// The manual page is the Linux package's: the help points to it there alone.
TEST(CommandLineTest, TheHelpPointsToTheManualPageWhereThereIsOne) {
    const std::optional<EarlyEnd> help = CommandLine(QStringList{"coppia", "--help"}).Answer();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->output.contains("work as in every\nQt program."));
#ifdef _WIN32
    EXPECT_FALSE(help->output.contains("coppia(1)"));
#else
    EXPECT_TRUE(help->output.contains("Qt program. See coppia(1).\n"));
#endif
}

// In a child, so that the test's own streams stay as they are: the missing ones come back on
// /dev/null, and a file opened next does not take their place.
TEST(StandardStreamsTest, MissingStreamsAreOpenedOnTheNullDevice) {
#ifdef _WIN32
    GTEST_SKIP() << "POSIX descriptor numbers only: the Windows side writes files through handles";
#else
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        close(STDOUT_FILENO);
        close(STDERR_FILENO);
        KeepStandardStreamsOpen();
        struct stat null {
        }, err{}, out{};
        const bool onNull = stat("/dev/null", &null) == 0 && fstat(STDERR_FILENO, &err) == 0 &&
                            fstat(STDOUT_FILENO, &out) == 0 && err.st_rdev == null.st_rdev &&
                            out.st_rdev == null.st_rdev;
        const int next = open("/dev/null", O_RDONLY);
        _exit(onNull && next > STDERR_FILENO ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
#endif
}

}  // namespace
}  // namespace coppia
