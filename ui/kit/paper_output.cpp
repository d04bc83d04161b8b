// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/paper_output.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "files/platform/safe_file.h"
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
std::string PdfBytes(const QString& title, const QPageLayout& layout, int resolution,
                     const PaintPages& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("coppia"));
        writer.setPageLayout(layout);
        writer.setResolution(resolution);
        paint(writer);
    }
    return buffer.data().toStdString();
}

// Refuses what lies at the path before any drawing, without opening it.
QString WritePdfTo(const QString& path, const QString& title, const QPageLayout& layout,
                   int resolution, const PaintPages& paint) {
    if (const std::string refusal = ReplaceRefusal(PathBytes(path)); !refusal.empty())
        return ToQString(refusal);
    return WriteFileSafely(path, PdfBytes(title, layout, resolution, paint));
}

void SetUpForTheSheet(QPrinter& printer, const QString& title) {
    printer.setPageLayout(SheetLayout());
    printer.setDocName(title);
}

// On paper as the printer prints. To a file as the PDF export writes, in the page layout chosen
// for the printer: a printer writing its file itself would open whatever lies at the path, and
// empty the old file before the first page is drawn.
QString PrintOn(QPrinter& printer, const QString& title, const PaintPages& paint) {
    if (printer.outputFileName().isEmpty()) {
        paint(printer);
        return {};
    }
    return WritePdfTo(printer.outputFileName(), title, printer.pageLayout(), printer.resolution(),
                      paint);
}

}  // namespace

QString WriteFileSafely(const QString& path, const std::string& bytes) {
    const std::string target = PathBytes(path);
    if (const std::string refusal = ReplaceRefusal(target); !refusal.empty())
        return ToQString(refusal);
    return ToQString(ReplaceFile(target, bytes).reason);
}

QString WritePdf(const QString& path, const QString& title, const PaintPages& paint) {
    return WritePdfTo(path, title, SheetLayout(), 300, paint);
}

QString PrintToFile(const QString& path, const QString& title, const PaintPages& paint) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpForTheSheet(printer, title);
    printer.setOutputFileName(path);
    return PrintOn(printer, title, paint);
}

std::optional<PrintedFile> PrintWithDialog(QWidget* parent, const QString& title,
                                           const PaintPages& paint, const QString& proposedFile) {
    QPrinter printer(QPrinter::HighResolution);
    SetUpForTheSheet(printer, title);
    // Without a printer the sheet goes to a file: proposed where the exports go, not home.
    if (QPrinterInfo::defaultPrinter().isNull())
        printer.setOutputFileName(proposedFile);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QString reason = PrintOn(printer, title, paint);
    if (printer.outputFileName().isEmpty())
        return std::nullopt;
    return PrintedFile{printer.outputFileName(), reason};
}

}  // namespace coppia
