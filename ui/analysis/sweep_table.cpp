// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/sweep_table.h"

#include <QHeaderView>
#include <algorithm>

#include "models/analysis/analysis_controls.h"
#include "ui/common/qt_text.h"

namespace coppia {

QString SweepHeadingLines(const std::string& heading) {
    QString label = ToQString(heading);
    label.replace(QStringLiteral("Coppia a "), QString());
    // The second estimate's columns are narrow: their headers name it "stima", the tooltips
    // and the CSV in full.
    label.replace(QStringLiteral("Seconda stima profilo "), QStringLiteral("Stima\n"));
    label.replace(QStringLiteral("Margine seconda stima"), QStringLiteral("Margine\nstima"));
    label.replace(QStringLiteral(", "), QStringLiteral("\n"));
    label.replace(QStringLiteral(" ("), QStringLiteral("\n("));
    label.replace(QStringLiteral(": "), QStringLiteral(":\n"));
    for (const QString& word : {QStringLiteral("Tempo "), QStringLiteral("Corrente ")}) {
        if (label.startsWith(word))
            label[word.size() - 1] = u'\n';
    }
    return label;
}

SweepTable::SweepTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("Tabella"));
    setAccessibleName(AccessibleNameOf(AnalysisControl("Tabella")));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setAlternatingRowColors(false);
    // The row's mark has a column of its own; a header beside it would be blank for most rows.
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void SweepTable::Show(const std::vector<std::string>& headings,
                      const std::vector<SweepTableRow>& rows) {
    QStringList labels;
    for (const std::string& heading : headings) labels << SweepHeadingLines(heading);
    setColumnCount(static_cast<int>(headings.size()));
    setRowCount(static_cast<int>(rows.size()));
    setHorizontalHeaderLabels(labels);
    for (int c = 0; c < columnCount(); ++c)
        horizontalHeaderItem(c)->setToolTip(ToQString(headings[static_cast<std::size_t>(c)]));
    for (int r = 0; r < rowCount(); ++r) {
        const SweepTableRow& row = rows[static_cast<std::size_t>(r)];
        const QBrush background = row.peak      ? QBrush(kPeakRowColour)
                                  : row.current ? QBrush(kCurrentRowColour)
                                                : QBrush();
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* cell = item(r, c);
            if (cell == nullptr) {
                cell = new QTableWidgetItem;
                cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                setItem(r, c, cell);
            }
            const std::size_t column = static_cast<std::size_t>(c);
            cell->setText(column < row.cells.size() ? ToQString(row.cells[column]) : QString());
            cell->setBackground(background);
        }
    }
    FitColumns();
}

void SweepTable::FitColumns() {
    QHeaderView* header = horizontalHeader();
    int needed = 0;
    for (int c = 0; c < columnCount(); ++c)
        needed += std::max(sizeHintForColumn(c), header->sectionSizeHint(c));
    const auto mode =
        needed > viewport()->width() ? QHeaderView::ResizeToContents : QHeaderView::Stretch;
    if (header->sectionResizeMode(0) != mode)
        header->setSectionResizeMode(mode);
}

void SweepTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitColumns();
}

std::vector<std::pair<int, int>> SweepTable::SelectedCells() const {
    std::vector<std::pair<int, int>> cells;
    for (const QModelIndex& index : selectedIndexes())
        cells.emplace_back(index.row(), index.column());
    return cells;
}

}  // namespace coppia
