// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/decimal_key_filter.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "models/main/number_keys.h"

namespace coppia {

bool DecimalKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().size() != 1 || key->text().at(0).unicode() > 0x7f)
        return QObject::eventFilter(watched, event);
    const char typed = key->text().at(0).toLatin1();
    const char entered = NumberFieldCharacter(typed);
    if (entered == typed)
        return QObject::eventFilter(watched, event);
    QKeyEvent retyped(QEvent::KeyPress, Qt::Key_Period, key->modifiers(), QString(QChar(entered)),
                      key->isAutoRepeat(), static_cast<quint16>(key->count()));
    QCoreApplication::sendEvent(watched, &retyped);
    return true;
}

}  // namespace coppia
