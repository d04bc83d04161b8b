// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/window_exports.h"

#include <QDir>
#include <QFileDialog>

#include "ui/common/path_bytes.h"

namespace coppia {

bool WindowExports::Csv(const QString& path, CsvFormat format) {
    return Told("CSV", path, WriteFileSafely(path, window_.csv(format)));
}

bool WindowExports::Pdf(const QString& path) {
    return Told("PDF", path, WritePdf(path, window_.title(), window_.sheet));
}

bool WindowExports::PrintToFile(const QString& path) {
    return Told("PDF", path, coppia::PrintToFile(path, window_.title(), window_.sheet));
}

void WindowExports::ChooseAndWriteCsv() {
    const QString italian = QStringLiteral("CSV per fogli di calcolo in italiano (*.csv)");
    const QString international = QStringLiteral("CSV internazionale (*.csv)");
    QString chosen = italian;
    const QString path = QFileDialog::getSaveFileName(
        window_.widget, QStringLiteral("Esporta CSV"), ProposedPath(QStringLiteral("csv")),
        italian + QStringLiteral(";;") + international, &chosen);
    if (!path.isEmpty())
        Csv(path, chosen == international ? CsvFormat::International : CsvFormat::Italian);
}

void WindowExports::ChooseAndWritePdf() {
    const QString path = QFileDialog::getSaveFileName(window_.widget, QStringLiteral("Esporta PDF"),
                                                      ProposedPath(QStringLiteral("pdf")),
                                                      QStringLiteral("Documento PDF (*.pdf)"));
    if (!path.isEmpty())
        Pdf(path);
}

void WindowExports::Print() {
    if (const std::optional<PrintedFile> printed =
            PrintWithDialog(window_.widget, window_.title(), window_.sheet, ProposedPath("pdf"))) {
        Told("PDF", printed->path, printed->reason);
    }
}

QString WindowExports::ProposedPath(const QString& suffix) const {
    QString folder = PathQString(window_.folder());
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(window_.name() + QLatin1Char('.') + suffix);
}

bool WindowExports::Told(std::string_view what, const QString& path, const QString& reason) {
    window_.written(what, PathBytes(path), reason.toStdString());
    return reason.isEmpty();
}

}  // namespace coppia
