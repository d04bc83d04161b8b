// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QTableView>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "models/model/model_display.h"

namespace coppia {

// The rows of the model window's table as Qt reads them, cell by cell, without an item for
// each: a thousand surfaces show at once.
class SurfaceTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    using QAbstractTableModel::QAbstractTableModel;

    void Show(const ModelDisplay& shown);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    std::array<std::string, kModelColumnCount> headings_;
    std::vector<ModelTableRow> rows_;
};

// The table, one surface a row, a refused surface's reason across its computed columns. Rows
// are selected whole, several at once to compare them. One stop of the keyboard: Tab leaves
// it, the arrows move inside.
class SurfaceTable : public QTableView {
    Q_OBJECT
  public:
    explicit SurfaceTable(QWidget* parent = nullptr);

    // Redraws the rows when they changed, and takes the model's selection.
    void Show(const ModelDisplay& shown);

  signals:
    // The user selected these rows; `current` has the keyboard's focus.
    void Selected(std::vector<std::size_t> rows, std::optional<std::size_t> current);

  private:
    void TellSelection();

    SurfaceTableModel rows_;
    std::uint64_t shownRevision_ = 0;
    bool following_ = false;
};

}  // namespace coppia
