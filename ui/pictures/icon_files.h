// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <vector>

// The icon files the drawing tool writes: the program does not write them.
namespace coppia::pictures {

// Writes an 8-bit, 256-colour icon file with no transparent pixel.
bool WriteIcon(const QImage& indexed, const QString& path);

// Writes an icon file holding every image given, each square, at most 256 pixels and stored as
// PNG, as Windows since Vista reads them: the icon of the Windows program, which Explorer, the
// task bar and the Start menu each take at their own size.
bool WriteIconFamily(const std::vector<QImage>& images, const QString& path);

}  // namespace coppia::pictures
