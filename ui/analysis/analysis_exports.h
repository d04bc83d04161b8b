// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace coppia {

class AnalysisWindow;

// The analysis as files and on paper. Each writer returns why the file could not be written, in
// Italian, or an empty text when it was; a file is written whole or left as it was.
QString WriteSweepCsv(const AnalysisWindow& model, const QString& path);
QString WriteSheetPdf(const AnalysisWindow& model, const QString& path);
// Asks for a printer, then prints the sheet on it.
void PrintSheet(const AnalysisWindow& model, QWidget* parent);

}  // namespace coppia
