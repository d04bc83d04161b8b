// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis_opener.h"

#include <QDir>
#include <QLayout>
#include <QPluginLoader>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/common/analysis_plugin.h"
#include "ui/qt_message_sink.h"

namespace coppia {

AnalysisOpener::AnalysisOpener(MainWindow& main, QWidget* mainView, QString pluginPath,
                               QObject* parent)
    : QObject(parent), main_(main), mainView_(mainView), pluginPath_(std::move(pluginPath)) {}

AnalysisOpener::~AnalysisOpener() {
    // Before the main window's model, which the analysis follows.
    delete window_;
}

bool AnalysisOpener::Open() {
    if (!window_) {
        QPluginLoader loader(pluginPath_);
        QObject* instance = loader.instance();
        auto* plugin = qobject_cast<AnalysisPlugin*>(instance);
        if (plugin == nullptr) {
            // Another Qt plugin in its place loads well, and Qt has no reason to give.
            const QString reason = instance != nullptr
                                       ? QStringLiteral("non è il modulo dell'analisi")
                                       : loader.errorString();
            if (instance != nullptr)
                loader.unload();
            TellNotLoaded(reason);
            return false;
        }
        window_ = plugin->CreateAnalysisWindow(main_);
        PlaceBesideTheMainWindow();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
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

void AnalysisOpener::PlaceBesideTheMainWindow() {
    // To the right of the main window where the screen has room, else as far right as it has;
    // never over the main window's fields when it can be helped.
    const QScreen* screen = mainView_->screen();
    // Its own size, which adjustSize() would cut to two thirds of the screen.
    window_->ensurePolished();
    if (window_->layout() != nullptr)
        window_->layout()->activate();
    window_->resize(window_->sizeHint().expandedTo(window_->minimumSizeHint()));
    if (screen == nullptr)
        return;
    const QRect available = screen->availableGeometry();
    const QRect main = mainView_->frameGeometry();
    const QSize size = window_->frameGeometry().size();
    QPoint at(main.right() + 1, main.top());
    at.setX(std::max(available.left(), std::min(at.x(), available.right() + 1 - size.width())));
    at.setY(std::max(available.top(), std::min(at.y(), available.bottom() + 1 - size.height())));
    window_->move(at);
}

}  // namespace coppia
