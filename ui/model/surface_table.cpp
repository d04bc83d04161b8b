// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/surface_table.h"

#include <QHeaderView>
#include <QItemSelection>

#include "models/model/model_controls.h"
#include "models/model/table_cell.h"
#include "ui/common/qt_text.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

bool IsFigure(std::size_t column) {
    const auto kind = static_cast<ModelColumn>(column);
    return IsComputedColumn(column) ? kind != ModelColumn::Verdetto
                                    : kind != ModelColumn::Superficie &&
                                          kind != ModelColumn::Tipo && kind != ModelColumn::Servo;
}

}  // namespace

void SurfaceTableModel::Show(const ModelDisplay& shown) {
    beginResetModel();
    headings_ = shown.headings;
    rows_ = shown.rows;
    endResetModel();
}

int SurfaceTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SurfaceTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(kModelColumnCount);
}

QVariant SurfaceTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size())
        return {};
    const ModelTableRow& row = rows_[static_cast<std::size_t>(index.row())];
    const auto column = static_cast<std::size_t>(index.column());
    const bool refusal = !row.refusal.empty() && IsComputedColumn(column);
    switch (role) {
        case Qt::DisplayRole:
            return ToQString(CellOf(row, column).text);
        case Qt::ToolTipRole:
            if (refusal)
                return ToQString(row.refusal);
            if (column == static_cast<std::size_t>(ModelColumn::Verdetto)) {
                return ToQString(row.otherVerdict.empty()
                                     ? row.verdictReason
                                     : row.otherVerdict + "\n" + row.verdictReason);
            }
            if (column == static_cast<std::size_t>(ModelColumn::SecondaStimaReale)) {
                if (!row.estimateProblem.empty())
                    return ToQString(row.estimateProblem);
                return ToQString(row.estimateIndicative.empty()
                                     ? row.estimateRatio
                                     : row.estimateRatio + "\n" + row.estimateIndicative);
            }
            return {};
        case Qt::ForegroundRole: {
            const Tone tone = CellOf(row, column).tone;
            return tone == Tone::Neutral ? QVariant() : ToneColour(tone);
        }
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                (IsFigure(column) && !refusal ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant SurfaceTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<std::size_t>(section) >= kModelColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        // Narrow columns: the unit on a line of its own, or two lines of words.
        QString heading = ToQString(headings_[static_cast<std::size_t>(section)]);
        if (heading.contains(QStringLiteral(" ("))) {
            heading.replace(QStringLiteral(" ("), QStringLiteral("\n("));
        } else if (heading.size() > 12) {
            const qsizetype middle = heading.size() / 2;
            const qsizetype before = heading.lastIndexOf(u' ', middle);
            const qsizetype after = heading.indexOf(u' ', middle);
            const qsizetype at =
                before < 0 || (after >= 0 && after - middle < middle - before) ? after : before;
            if (at > 0)
                heading[at] = u'\n';
        }
        return heading;
    }
    if (role == Qt::ToolTipRole)
        return ToQString(headings_[static_cast<std::size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

SurfaceTable::SurfaceTable(QWidget* parent) : QTableView(parent), rows_(this) {
    setObjectName(QStringLiteral("Tabella"));
    setAccessibleName(AccessibleNameOf(ModelControl("Tabella")));
    setModel(&rows_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    // Rows as tight as the text allows: more surfaces in sight.
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* header = horizontalHeader();
    header->setDefaultAlignment(Qt::AlignCenter);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    // A thousand rows are not all measured: the first hundred tell the widths.
    header->setResizeContentsPrecision(100);
    header->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SurfaceTable::TellSelection);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SurfaceTable::TellSelection);
}

void SurfaceTable::Show(const ModelDisplay& shown) {
    following_ = true;
    if (shown.rowsRevision != shownRevision_) {
        shownRevision_ = shown.rowsRevision;
        rows_.Show(shown);
        clearSpans();
        for (std::size_t r = 0; r < shown.rows.size(); ++r) {
            if (!shown.rows[r].refusal.empty()) {
                setSpan(static_cast<int>(r), static_cast<int>(kFirstComputedColumn), 1,
                        static_cast<int>(kComputedColumnCount));
            }
        }
    }
    QItemSelection selection;
    for (const std::size_t row : shown.selected) {
        const QModelIndex first = rows_.index(static_cast<int>(row), 0);
        const QModelIndex last = rows_.index(static_cast<int>(row), rows_.columnCount() - 1);
        selection.select(first, last);
    }
    if (selection != selectionModel()->selection())
        selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    const QModelIndex current =
        shown.current ? rows_.index(static_cast<int>(*shown.current), 0) : QModelIndex();
    if (current.row() != currentIndex().row()) {
        selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        if (current.isValid())
            scrollTo(current);
    }
    following_ = false;
}

void SurfaceTable::TellSelection() {
    if (following_)
        return;
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    const QModelIndex current = currentIndex();
    emit Selected(std::move(rows), current.isValid()
                                       ? std::optional(static_cast<std::size_t>(current.row()))
                                       : std::nullopt);
}

}  // namespace coppia
