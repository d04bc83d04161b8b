// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis_opener.h"

#include <QDir>
#include <QPluginLoader>
#include <QScreen>
#include <QWidget>

#include "models/window_placement.h"
#include "ui/common/analysis_plugin.h"
#include "ui/qt_message_sink.h"

namespace coppia {

namespace {

// Narrow enough to stand beside the main window on a 1366 pixels wide screen, and no taller
// than a laptop's; its pages scroll where the screen leaves it less.
constexpr ScreenSize kLargestWindow{700, 700};
// Beside a main window centred on a 1920 pixels wide screen, or on a 1280 pixels wide one (2560
// at a scale of 2), it can still stand this narrow.
constexpr int kNarrowestBeside = 600;
constexpr int kGap = 12;

ScreenRect FromQt(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

}  // namespace

AnalysisOpener::AnalysisOpener(MainWindow& main, QWidget* mainView, QString pluginPath,
                               QObject* parent)
    : QObject(parent), main_(main), mainView_(mainView), pluginPath_(std::move(pluginPath)) {}

AnalysisOpener::~AnalysisOpener() {
    // Before the main window's model, which the analysis follows.
    delete window_;
}

bool AnalysisOpener::Open() {
    const bool first = !window_;
    if (!Create())
        return false;
    if (first)
        Place(false);
    Show();
    return true;
}

bool AnalysisOpener::OpenSideBySide() {
    if (!Create())
        return false;
    Place(true);
    Show();
    return true;
}

bool AnalysisOpener::Create() {
    if (window_)
        return true;
    QPluginLoader loader(pluginPath_);
    QObject* instance = loader.instance();
    auto* plugin = qobject_cast<AnalysisPlugin*>(instance);
    if (plugin == nullptr) {
        // Another Qt plugin in its place loads well, and Qt has no reason to give.
        const QString reason = instance != nullptr ? QStringLiteral("non è il modulo dell'analisi")
                                                   : loader.errorString();
        if (instance != nullptr)
            loader.unload();
        TellNotLoaded(reason);
        return false;
    }
    window_ = plugin->CreateAnalysisWindow(main_);
    return true;
}

void AnalysisOpener::TellNotLoaded(QString reason) {
    qWarning("coppia: the analysis window cannot be opened: %s", qUtf8Printable(reason));
    if (reason.endsWith(u'.'))
        reason.chop(1);  // the message ends as the others do
    QtMessageSink messages;
    messages.SetParent(mainView_);
    messages.ShowMessage(QStringLiteral("Modulo dell'Analisi Non Caricato da %1: %2!!")
                             .arg(QDir::cleanPath(pluginPath_), reason)
                             .toStdString(),
                         "Errore Analisi");
}

void AnalysisOpener::Place(bool pair) {
    const QScreen* screen = mainView_->screen();
    if (screen == nullptr) {
        window_->resize(kLargestWindow.width, kLargestWindow.height);
        return;
    }
    const ScreenRect available = FromQt(screen->availableGeometry());
    // The new window's frame is not known before it is shown: the main window's stands for it.
    const QRect mainFrame = mainView_->frameGeometry();
    const QRect mainClient = mainView_->geometry();
    const int frameWidth = mainFrame.width() - mainClient.width();
    const int frameHeight = mainFrame.height() - mainClient.height();
    ScreenRect placed;
    if (pair) {
        const PairPlacement pairPlaced =
            PlaceSideBySide(available, {mainFrame.width(), mainFrame.height()}, kLargestWindow,
                            kGap, kNarrowestBeside);
        mainView_->move(pairPlaced.main.left, pairPlaced.main.top);
        placed = pairPlaced.beside;
    } else {
        placed = PlaceBeside(available, FromQt(mainFrame), kLargestWindow, kGap, kNarrowestBeside);
    }
    window_->resize(placed.width - frameWidth, placed.height - frameHeight);
    window_->move(placed.left, placed.top);
}

void AnalysisOpener::Show() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace coppia
