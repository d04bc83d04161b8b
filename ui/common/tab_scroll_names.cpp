// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/tab_scroll_names.h"

#include <QTabBar>
#include <QToolButton>

namespace coppia {

void NameTabScrollButtons(QTabBar* bar) {
    // Qt makes the one that scrolls back first.
    const QList<QToolButton*> scrolls = bar->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly);
    if (scrolls.size() != 2)
        return;
    scrolls[0]->setAccessibleName(QStringLiteral("Scorri le schede indietro"));
    scrolls[1]->setAccessibleName(QStringLiteral("Scorri le schede avanti"));
}

}  // namespace coppia
