// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QVector>

// The window's drawing and toggles, drawn from their descriptions (the icon is in
// icon_painting.h). `scale` renders the same design
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

}  // namespace coppia::pictures
