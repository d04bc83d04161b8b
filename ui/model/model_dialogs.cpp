// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/model_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include "files/model_file.h"
#include "models/model/model_controls.h"
#include "models/model/model_display.h"
#include "ui/common/path_bytes.h"
#include "ui/common/qt_text.h"
#include "ui/model/new_surface_dialog.h"

namespace coppia {

namespace {

const QString kModelFilter = QStringLiteral("Modelli (*.coppia)");

}  // namespace

void QtModelDialogs::SetParent(QWidget* parent) {
    parent_ = parent;
    messages_.SetParent(parent);
}

SaveChoice QtModelDialogs::AskToSave(std::string_view question) {
    QMessageBox box(QMessageBox::Question, ToQString(kModelTitle), ToQString(question),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.button(QMessageBox::Save)->setText(ToQString(kSaveChoiceCaptions[0]));
    box.button(QMessageBox::Discard)->setText(ToQString(kSaveChoiceCaptions[1]));
    box.button(QMessageBox::Cancel)->setText(ToQString(kSaveChoiceCaptions[2]));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Salva;
        case QMessageBox::Discard:
            return SaveChoice::NonSalvare;
        default:
            return SaveChoice::Annulla;
    }
}

std::optional<std::string> QtModelDialogs::AskFileToOpen() {
    const QString folder = folder_ ? PathQString(folder_()) : QString();
    const QString path = QFileDialog::getOpenFileName(
        parent_, ToQString(kOpenDialogTitle), folder.isEmpty() ? QDir::homePath() : folder,
        kModelFilter + QStringLiteral(";;Tutti i file (*)"));
    if (path.isEmpty())
        return std::nullopt;
    return PathBytes(path);
}

std::optional<std::string> QtModelDialogs::AskFileToSave(std::string_view suggestion) {
    QString folder = folder_ ? PathQString(folder_()) : QString();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString path =
        QFileDialog::getSaveFileName(parent_, ToQString(kSaveDialogTitle),
                                     QDir(folder).filePath(ToQString(suggestion)), kModelFilter);
    if (path.isEmpty())
        return std::nullopt;
    const QFileInfo file(path);
    return PathBytes(
        file.dir().filePath(ToQString(NamedAsModelFile(file.fileName().toStdString()))));
}

std::optional<std::string> QtModelDialogs::AskText(std::string_view question,
                                                   std::string_view current) {
    bool accepted = false;
    const QString text = QInputDialog::getText(parent_, ToQString(kModelTitle), ToQString(question),
                                               QLineEdit::Normal, ToQString(current), &accepted);
    if (!accepted)
        return std::nullopt;
    return text.toStdString();
}

std::optional<NewSurface> QtModelDialogs::AskNewSurface(const NewSurface& proposal,
                                                        const NewSurfaceAdvisor& advise) {
    return AskNewSurfaceDialog(parent_, proposal, advise);
}

void QtModelDialogs::ShowMessage(std::string_view text, std::string_view title) {
    messages_.ShowMessage(text, title);
}

}  // namespace coppia
