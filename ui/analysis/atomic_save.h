// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QIODevice;

namespace coppia {

// Writes a whole file through QSaveFile: `write` fills a temporary file beside it, which then
// replaces the file, so that a failure leaves whatever was there before. Returns why the file
// could not be written, in Italian, or an empty text when it was.
QString SaveAtomically(const QString& path, const std::function<void(QIODevice&)>& write);

}  // namespace coppia
