// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/qt_message_sink.h"

#include <QMessageBox>
#include <QShowEvent>

#include "ui/common/qt_text.h"

namespace coppia {

namespace {

// A message shown while the window is still hidden (during the load) stands in the middle of
// where the window will appear. Qt would place it by a size the box has not settled on yet.
class CentredOnHiddenParent : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        const QWidget* parent = parentWidget();
        if (parent != nullptr && !parent->isVisible()) {
            QRect frame = frameGeometry();
            frame.moveCenter(parent->geometry().center());
            move(frame.topLeft());
        }
    }
};

}  // namespace

void QtMessageSink::ShowMessage(std::string_view text, std::string_view title) {
    CentredOnHiddenParent box(QMessageBox::Warning, ToQString(title), ToQString(text),
                              QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace coppia
