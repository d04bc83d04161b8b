#include "ui/qt_message_sink.h"

#include <QMessageBox>
#include <QString>

namespace coppia {

void QtMessageSink::ShowMessage(std::string_view text, std::string_view title) {
    QMessageBox box(QMessageBox::Warning,
                    QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace coppia
