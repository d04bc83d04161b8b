// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

class QPagedPaintDevice;

namespace coppia {

class AnalysisWindow;

// The printed sheet, one page: the date, the inputs, the torque in its units, the steps, the
// linkage, the servo check, the plot and the sweep table, as the window shows them now.
void PaintSheet(QPagedPaintDevice& device, const AnalysisWindow& model, const QDateTime& when);

}  // namespace coppia
