// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/closes_with_main_window.h"

#include <QEvent>
#include <QWidget>

#include "ui/window_opener.h"

namespace coppia {

ClosesWithMainWindow::ClosesWithMainWindow(QWidget* mainView, std::vector<WindowOpener*> added)
    : added_(std::move(added)) {
    mainView->installEventFilter(this);
}

bool ClosesWithMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Close)
        return QObject::eventFilter(watched, event);
    for (WindowOpener* window : added_) {
        if (!window->Close()) {
            event->ignore();
            return true;
        }
    }
    return false;
}

}  // namespace coppia
