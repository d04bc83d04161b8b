// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "models/shared/csv_text.h"
#include "ui/kit/paper_output.h"

class QWidget;

namespace coppia {

// The exports an added window offers, the same in each: its table as CSV, for Italian
// spreadsheets unless the user chooses the international format; its sheet as a PDF file, on
// paper, or printed to a file. Each file is one the user chooses first and goes through the safe
// replace; what became of it is told to the window's model.
class WindowExports {
  public:
    struct Window {
        QWidget* widget = nullptr;       // the dialogs' parent
        std::function<QString()> title;  // of the PDF file and of the printed document
        std::function<std::string(CsvFormat)> csv;
        PaintPages sheet;
        std::function<std::string()> folder;  // where the dialogs open, as the system's bytes
        std::function<QString()> name;        // the file name they propose, without extension
        // `path` was written (`reason` empty), or could not be, for `reason`.
        std::function<void(std::string_view what, const std::string& path,
                           const std::string& reason)>
            written;
    };

    explicit WindowExports(Window window) : window_(std::move(window)) {}

    // Each true when the file was written.
    bool Csv(const QString& path, CsvFormat format);
    bool Pdf(const QString& path);
    bool PrintToFile(const QString& path);
    // The same after a file dialog; printing after the print dialog.
    void ChooseAndWriteCsv();
    void ChooseAndWritePdf();
    void Print();

  private:
    QString ProposedPath(const QString& suffix) const;
    bool Told(std::string_view what, const QString& path, const QString& reason);

    Window window_;
};

}  // namespace coppia
