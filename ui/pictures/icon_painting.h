// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <array>

// The program's icon: a top view of a propeller aeroplane on navy, drawn at each size of the
// desktop's icon themes for that size rather than scaled from another one.
namespace coppia::pictures {

inline constexpr std::array<int, 8> kIconSizes = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon at `size` pixels. Up to 32 pixels it is placed pixel by pixel in the icon's few
// colours: at 32 in a 256-entry palette, as the window and its .ico show it; at 16, 22 and 24
// with fewer parts, each a whole number of pixels. From 48 up it is a smooth render of
// PaintScalableIcon.
QImage DrawIcon(int size = 32);

// The smooth design on a `size` square from the top left corner of the painter: the parts of the
// pixel design with rounded shapes, outlines, the ailerons and the spinner. Scalable pictures are
// painted from it too.
void PaintScalableIcon(QPainter& painter, double size);

}  // namespace coppia::pictures
