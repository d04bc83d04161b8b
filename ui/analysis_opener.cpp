// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis_opener.h"

#include <QLayout>
#include <QPluginLoader>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/common/analysis_plugin.h"

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
        auto* plugin = qobject_cast<AnalysisPlugin*>(loader.instance());
        if (plugin == nullptr) {
            qWarning("coppia: the analysis window cannot be opened: %s",
                     qUtf8Printable(loader.errorString()));
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
