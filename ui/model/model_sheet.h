// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

class QPagedPaintDevice;

namespace coppia {

class ModelWindow;

// The whole model on A4, on as many pages as it takes, each titled and numbered ("pagina 2 di
// 3"): the model's worst verdict first, the totals and the notes, the table with the verdicts,
// the plot comparing the selected surfaces (or all that have a verdict), and every surface's
// inputs, side by side; all in letters of 8 points or more.
void PaintModelSheet(QPagedPaintDevice& device, const ModelWindow& model, const QDateTime& when);

}  // namespace coppia
