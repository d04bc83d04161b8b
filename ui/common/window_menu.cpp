// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/window_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace coppia {

QMenu* AddWindowMenu(QMenuBar* menus) {
    // No Alt+letter of its own: each letter of its name is taken in one window or the other.
    // Alt, then the arrows, reach it; its entries have their shortcuts.
    QMenu* windows = menus->addMenu(QStringLiteral("Finestra"));
    windows->setObjectName(QStringLiteral("MenuFinestra"));
    struct Entry {
        const char* name;
        QString text;
        QKeySequence keys;
    };
    const Entry entries[] = {
        {kOpenMainAction, QStringLiteral("Finestra &principale"), {}},
        {kOpenAnalysisAction, QStringLiteral("&Analisi della Coppia"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A)},
        {kOpenModelAction, QStringLiteral("&Modello"),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)},
    };
    for (const Entry& entry : entries) {
        QAction* action = windows->addAction(entry.text);
        action->setObjectName(QString::fromUtf8(entry.name));
        action->setShortcut(entry.keys);
        // No editing key of a text box: they work from every field of the window.
        action->setShortcutContext(Qt::WindowShortcut);
        menus->parentWidget()->addAction(action);
    }
    return windows;
}

}  // namespace coppia
