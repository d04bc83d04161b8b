// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/table_cell.h"

#include "models/shared/installation_verdict.h"

namespace coppia {

namespace {

Tone CellTone(const ModelTableRow& row, ModelColumn column) {
    switch (column) {
        case ModelColumn::Verdetto:
            return row.verdictTone;
        case ModelColumn::Rotazione:
            return row.rotationTone;
        case ModelColumn::MargineSecondaStima:
            return row.estimateCheck && row.estimateCheck->verdict != Verdict::Sufficient
                       ? ToneOf(row.estimateCheck->verdict)
                       : Tone::Neutral;
        case ModelColumn::TempoCarico:
            return row.motionTone;
        default:
            return Tone::Neutral;
    }
}

}  // namespace

TableCell CellOf(const ModelTableRow& row, std::size_t column) {
    if (!row.refusal.empty() && IsComputedColumn(column))
        return {column == kFirstComputedColumn ? std::string_view(row.refusal) : std::string_view(),
                row.verdictTone};
    return {row.cells.at(column), CellTone(row, static_cast<ModelColumn>(column))};
}

}  // namespace coppia
