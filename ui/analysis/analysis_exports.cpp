// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_exports.h"

#include <QBuffer>
#include <QDateTime>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "files/safe_file.h"
#include "models/analysis_window.h"
#include "ui/analysis/analysis_sheet.h"
#include "ui/common/path_bytes.h"
#include "ui/common/qt_text.h"

namespace coppia {

namespace {

QPageLayout SheetLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(12, 12, 12, 12),
                       QPageLayout::Millimeter);
}

// The sheet as the bytes of a PDF file. Drawn in memory, so that a file is touched only once
// the whole sheet is ready, and then only through the safe replace.
std::string SheetPdf(const AnalysisWindow& model, const QPageLayout& layout, int resolution) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(ToQString(kAnalysisTitle));
        writer.setCreator(QStringLiteral("coppia"));
        writer.setPageLayout(layout);
        writer.setResolution(resolution);
        PaintSheet(writer, model, QDateTime::currentDateTime());
    }
    return buffer.data().toStdString();
}

// Refuses what lies at the path before any work, without opening it: a FIFO there would
// block until some reader came.
QString WriteSheetTo(const AnalysisWindow& model, const QString& path, const QPageLayout& layout,
                     int resolution) {
    const std::string target = PathBytes(path);
    if (const std::string refusal = ReplaceRefusal(target); !refusal.empty())
        return ToQString(refusal);
    return ToQString(ReplaceFile(target, SheetPdf(model, layout, resolution)).reason);
}

void SetUpForTheSheet(QPrinter& printer) {
    printer.setPageLayout(SheetLayout());
    printer.setDocName(ToQString(kAnalysisTitle));
}

// On paper as the printer prints. To a file as the PDF export writes, in the page layout
// chosen for the printer: a printer writing its file itself would open whatever lies at the
// path, and empty the old file before the first page is drawn.
QString PrintSheetOn(const AnalysisWindow& model, QPrinter& printer) {
    if (printer.outputFileName().isEmpty()) {
        PaintSheet(printer, model, QDateTime::currentDateTime());
        return {};
    }
    return WriteSheetTo(model, printer.outputFileName(), printer.pageLayout(),
                        printer.resolution());
}

}  // namespace

QString WriteSweepCsv(const AnalysisWindow& model, const QString& path, CsvFormat format) {
    const std::string target = PathBytes(path);
    if (const std::string refusal = ReplaceRefusal(target); !refusal.empty())
        return ToQString(refusal);
    return ToQString(ReplaceFile(target, model.CsvText(format)).reason);
}

QString WriteSheetPdf(const AnalysisWindow& model, const QString& path) {
    return WriteSheetTo(model, path, SheetLayout(), 300);
}

QString PrintSheetToFile(const AnalysisWindow& model, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpForTheSheet(printer);
    printer.setOutputFileName(path);
    return PrintSheetOn(model, printer);
}

std::optional<PrintedFile> PrintSheet(const AnalysisWindow& model, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpForTheSheet(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString reason = PrintSheetOn(model, printer);
    if (printer.outputFileName().isEmpty())
        return std::nullopt;
    return PrintedFile{printer.outputFileName(), reason};
}

}  // namespace coppia
