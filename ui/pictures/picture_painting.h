// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QVector>

// The window's four pictures, drawn from their descriptions. `scale` renders the same design
// at a multiple of its size for high-density screens (2 for 2x), with finer detail rather
// than enlarged pixels.
namespace coppia::pictures {

// The palette of the wing drawing: the 6 x 6 x 6 colour cube, a 20-step grey ramp and black,
// 256 entries in all.
QVector<QRgb> DrawingPalette();

// A toggle: black frame, upper and lower panel, the lit one light grey with a red symbol.
// 24 x 38 at scale 1, 24 bits per pixel.
QImage DrawToggle(bool upperLit, int scale = 1);

// The explanatory drawing of the wing, its aileron, the linkage and the dimension lines,
// 640 x 374 at scale 1, 8 bits per pixel in DrawingPalette().
QImage DrawWing(int scale = 1);

// A top view of a propeller aeroplane on navy. At 32 pixels it is drawn pixel by pixel in a
// 256-entry palette; larger sizes are smooth full-colour renders of the same design.
QImage DrawIcon(int size = 32);

// Writes an 8-bit, 256-colour icon file with no transparent pixel.
bool WriteIcon(const QImage& indexed, const QString& path);

}  // namespace coppia::pictures
