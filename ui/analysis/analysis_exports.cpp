// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_exports.h"

#include <QDateTime>
#include <QIODevice>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "models/analysis_window.h"
#include "ui/analysis/analysis_sheet.h"
#include "ui/analysis/atomic_save.h"
#include "ui/common/qt_text.h"

namespace coppia {

QString WriteSweepCsv(const AnalysisWindow& model, const QString& path) {
    const std::string csv = model.CsvText();
    return SaveAtomically(
        path, [&csv](QIODevice& file) { file.write(csv.data(), static_cast<qint64>(csv.size())); });
}

QString WriteSheetPdf(const AnalysisWindow& model, const QString& path) {
    // QPdfWriter writes to the QSaveFile, so that the file is replaced whole or not at all;
    // a QPrinter could only write to the path itself.
    return SaveAtomically(path, [&model](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(ToQString(kAnalysisTitle));
        writer.setCreator(QStringLiteral("coppia"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
        writer.setResolution(300);
        PaintSheet(writer, model, QDateTime::currentDateTime());
    });
}

void PrintSheet(const AnalysisWindow& model, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    printer.setDocName(ToQString(kAnalysisTitle));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() == QDialog::Accepted)
        PaintSheet(printer, model, QDateTime::currentDateTime());
}

}  // namespace coppia
