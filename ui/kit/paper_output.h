// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QPagedPaintDevice;
class QWidget;

namespace coppia {

// Files and paper from the added windows. Each file goes through the program's one safe
// replace: only a regular file (or a link to one) is replaced, whole or not at all, and nothing
// else at the path is opened, so that a FIFO there cannot block. Each writer returns why the
// file could not be written, in Italian, or an empty text when it was.

// Paints a sheet on a device, from its first page on.
using PaintPages = std::function<void(QPagedPaintDevice&)>;

QString WriteFileSafely(const QString& path, const std::string& bytes);
// The sheet on A4 as a PDF file, titled `title`.
QString WritePdf(const QString& path, const QString& title, const PaintPages& paint);
// What the print dialog's printing to a file does, on a printer set up as for paper.
QString PrintToFile(const QString& path, const QString& title, const PaintPages& paint);

// Asks for a printer, then prints the sheet on it. When the user chose to print to a file, the
// file's path and why it could not be written; nothing for paper, or when the user cancels.
struct PrintedFile {
    QString path;
    QString reason;
};
// `proposedFile` is where the dialog proposes to print to a file when there is no printer.
std::optional<PrintedFile> PrintWithDialog(QWidget* parent, const QString& title,
                                           const PaintPages& paint, const QString& proposedFile);

}  // namespace coppia
