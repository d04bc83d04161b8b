// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTimer>
#include <csignal>

#include "app/command_line.h"
#include "app/standard_streams.h"
#include "files/last_inputs_file.h"
#include "models/main_window.h"
#include "ui/common/qt_message_sink.h"
#include "ui/main_window_view.h"
#include "ui/qt_italian.h"
#include "ui/window_opener.h"

int main(int argc, char* argv[]) {
    // A file-size limit then fails the write with EFBIG, which is told as a full disk is,
    // instead of killing the program with the user's edits.
    std::signal(SIGXFSZ, SIG_IGN);
    // Output the user asked for is written first, to where it was asked: a closed output there
    // is an error, and said so.
    if (const auto answer = coppia::CommandLine(coppia::Arguments(argc, argv)).Answer())
        return coppia::Finish(*answer);
    coppia::KeepStandardStreamsOpen();
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
    // The plugin is found relative to the program, in the build tree as when installed.
    coppia::AnalysisOpener analysis(
        model, &view,
        QApplication::applicationDirPath() + QStringLiteral("/" COPPIA_ANALYSIS_PLUGIN));
    QObject::connect(&view, &coppia::MainWindowView::AnalysisRequested, &analysis,
                     &coppia::WindowOpener::Open);
    view.LoadAndShow();
    // --analisi opens the analysis beside the main window, the two centred as a pair.
    if (commandLine.IsSet(QStringLiteral("analisi")))
        analysis.OpenSideBySide();
    return app.exec();
}
