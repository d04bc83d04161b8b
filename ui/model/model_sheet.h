// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

class QPagedPaintDevice;

namespace coppia {

class ModelWindow;

// The whole model on A4, on as many pages as it takes: the name and the notes, the table with
// the verdicts and the totals, the plot comparing the selected surfaces (or all of them), and
// every surface's inputs.
void PaintModelSheet(QPagedPaintDevice& device, const ModelWindow& model, const QDateTime& when);

}  // namespace coppia
