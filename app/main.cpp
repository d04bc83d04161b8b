// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "settings/last_inputs_file.h"
#include "ui/main_window.h"
#include "ui/main_window_view.h"
#include "ui/qt_message_sink.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("coppia"));
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.coppia.coppia"));
    coppia::QtMessageSink messages;
    coppia::LastInputsFile lastInputs(coppia::LastInputsPath());
    coppia::MainWindow model(messages, lastInputs);
    coppia::MainWindowView view(model);
    messages.SetParent(&view);
    view.LoadAndShow();
    return app.exec();
}
