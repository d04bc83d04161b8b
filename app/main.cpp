// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTimer>
#include <csignal>

#include "app/command_line.h"
#include "app/model_table_answer.h"
#include "files/last_inputs_file.h"
#include "files/platform/platform.h"
#include "models/main/main_window.h"
#include "ui/added_windows.h"
#include "ui/common/path_bytes.h"
#include "ui/common/qt_message_sink.h"
#include "ui/main/main_window_view.h"
#include "ui/qt_italian.h"

namespace {

// Where paths are text (Windows), the name as Qt read it from the wide command line, whatever
// the code page, in the system's spelling; elsewhere the system's own bytes.
std::optional<std::string> ModelFilePath(const coppia::CommandLine& commandLine, int argc,
                                         char* argv[]) {
    if (!coppia::PathsAreText())
        return coppia::ModelFileBytes(argc, argv);
    if (const auto file = commandLine.ModelFile())
        return coppia::PathBytes(*file);
    return std::nullopt;
}

// `coppia --csv FILE`: the model's table on standard output, from the model window's plugin,
// with no display and no window.
int WriteModelTable(const coppia::CommandLine& commandLine, int argc, char* argv[]) {
    if (const auto refusal = commandLine.CsvRefusal())
        return coppia::Finish(*refusal);
    const std::string file = coppia::PathsAreText() ? commandLine.CsvFile()->toStdString()
                                                    : coppia::CsvFileBytes(argc, argv).value();
    // Only to know the program's folder, where the plugin lies.
    const QCoreApplication core(argc, argv);
    return coppia::Finish(coppia::ModelTableAnswer(
        QCoreApplication::applicationDirPath() + QStringLiteral("/" COPPIA_MODEL_PLUGIN), file));
}

}  // namespace

int main(int argc, char* argv[]) {
    // A file-size limit then fails the write with EFBIG, which is told as a full disk is,
    // instead of killing the program with the user's edits.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    coppia::UseStartingConsole();
    // Output the user asked for is written first, to where it was asked: a closed output there
    // is an error, and said so.
    const coppia::CommandLine early(coppia::Arguments(argc, argv));
    if (const auto answer = early.Answer())
        return coppia::Finish(*answer);
    if (early.IsSet(QStringLiteral("csv")))
        return WriteModelTable(early, argc, argv);
    coppia::KeepStandardStreamsOpen();
    if (coppia::RunsUnderWine() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
    QApplication app(argc, argv);  // takes Qt's own options out of argv
    const coppia::CommandLine commandLine(QApplication::arguments());
    if (const auto refusal = commandLine.Refusal())
        return coppia::Finish(*refusal);
    QApplication::setApplicationName(QStringLiteral("coppia"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.coppia.coppia"));
    // Qt's own Italian texts for its standard menus and dialogs, loaded at the event loop's first
    // turn, once the window is on the screen: there they cost its start-up nothing.
    QTimer::singleShot(0, &app, [&app] { coppia::InstallQtItalian(app); });
    coppia::QtMessageSink messages;
    coppia::LastInputsFile lastInputs(coppia::LastInputsPath());
    coppia::MainWindow model(messages, lastInputs);
    coppia::MainWindowView view(model);
    messages.SetParent(&view);
    // The plugins are found relative to the program, in the build tree as when installed.
    const QString programFolder = QApplication::applicationDirPath();
    coppia::AddedWindows added(model, &view,
                               programFolder + QStringLiteral("/" COPPIA_ANALYSIS_PLUGIN),
                               programFolder + QStringLiteral("/" COPPIA_MODEL_PLUGIN));
    QObject::connect(&view, &coppia::MainWindowView::AnalysisRequested, &added.Analysis(),
                     &coppia::WindowOpener::Open);
    QObject::connect(&view, &coppia::MainWindowView::ModelRequested, &added.Model(),
                     &coppia::WindowOpener::Open);
    view.LoadAndShow();
    // --analisi opens the analysis beside the main window, the two centred as a pair; --modello
    // or a model file the model window likewise; both, the three side by side where the screen
    // holds them.
    const std::optional<std::string> file = ModelFilePath(commandLine, argc, argv);
    added.OpenAtStart(commandLine.IsSet(QStringLiteral("analisi")),
                      file || commandLine.IsSet(QStringLiteral("modello")), file);
    return app.exec();
}
