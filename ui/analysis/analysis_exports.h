// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "models/csv_text.h"

class QWidget;

namespace coppia {

class AnalysisWindow;

// The analysis as files and on paper. Each file goes through the program's one safe replace:
// only a regular file (or a link to one) is replaced, whole or not at all, and nothing else at
// the path is opened. Each writer returns why the file could not be written, in Italian, or an
// empty text when it was.
QString WriteSweepCsv(const AnalysisWindow& model, const QString& path, CsvFormat format);
QString WriteSheetPdf(const AnalysisWindow& model, const QString& path);
// What the print dialog's printing to a file does, on a printer set up as for paper.
QString PrintSheetToFile(const AnalysisWindow& model, const QString& path);

// Asks for a printer, then prints the sheet on it. When the user chose to print to a file, the
// file's path and why it could not be written; nothing for paper, or when the user cancels.
struct PrintedFile {
    QString path;
    QString reason;
};
std::optional<PrintedFile> PrintSheet(const AnalysisWindow& model, QWidget* parent);

}  // namespace coppia
