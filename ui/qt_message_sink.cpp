// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_message_sink.h"

#include <QMessageBox>

#include "ui/qt_text.h"

namespace coppia {

void QtMessageSink::ShowMessage(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Warning, ToQString(title), ToQString(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

}  // namespace coppia
