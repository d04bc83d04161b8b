// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/sweep_table.h"

#include <QHeaderView>

#include "ui/common/qt_text.h"

namespace coppia {

QString RowMark(const SweepTableRow& row) {
    if (row.peak && row.current)
        return QStringLiteral("picco, attuale");
    if (row.peak)
        return QStringLiteral("picco");
    if (row.current)
        return QStringLiteral("attuale");
    return {};
}

SweepTable::SweepTable(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("Tabella"));
    setAccessibleName(
        QStringLiteral("Tabella della coppia al servo per ogni grado di deflessione"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setAlternatingRowColors(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

void SweepTable::Show(const std::vector<std::string>& headings,
                      const std::vector<SweepTableRow>& rows) {
    QStringList labels;
    // Narrow columns: the speed, its role and the unit on lines of their own.
    for (const std::string& heading : headings) {
        QString label = ToQString(heading);
        label.replace(QStringLiteral("Coppia a "), QString());
        label.replace(QStringLiteral(", "), QStringLiteral("\n"));
        label.replace(QStringLiteral(" ("), QStringLiteral("\n("));
        labels << label;
    }
    setColumnCount(static_cast<int>(headings.size()));
    setRowCount(static_cast<int>(rows.size()));
    setHorizontalHeaderLabels(labels);
    QStringList marks;
    for (int r = 0; r < rowCount(); ++r) {
        const SweepTableRow& row = rows[static_cast<std::size_t>(r)];
        marks << RowMark(row);
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
    setVerticalHeaderLabels(marks);
}

}  // namespace coppia
