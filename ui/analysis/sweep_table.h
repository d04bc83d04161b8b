// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableWidget>
#include <utility>
#include <vector>

#include "models/analysis/analysis_window.h"

namespace coppia {

// The sweep as a real table, read cell by cell by a screen reader: a row per whole degree, the
// peak's and the current deflection's rows coloured and named in their last column. One stop
// of the keyboard: Tab leaves it, the arrows move inside.
class SweepTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit SweepTable(QWidget* parent = nullptr);

    void Show(const std::vector<std::string>& headings, const std::vector<SweepTableRow>& rows);
    // The selected cells, as (row, column).
    std::vector<std::pair<int, int>> SelectedCells() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // The columns share the width while what they hold fits; where it does not (a servo's data
    // sheet missing says so in words), each is as wide as its text, and the table scrolls.
    void FitColumns();
};

// A heading of the sweep for a narrow column, in the window and on paper: the speed, its role,
// the unit and whose share it is on lines of their own; a time or a current over three lines.
QString SweepHeadingLines(const std::string& heading);

// The colours that mark the peak's row and the current deflection's, in the window and on paper.
inline const QColor kPeakRowColour(255, 222, 173);
inline const QColor kCurrentRowColour(190, 220, 255);

}  // namespace coppia
