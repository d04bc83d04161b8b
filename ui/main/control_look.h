// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

#include "models/main/controls.h"

class QWidget;

namespace coppia {

// Font, colours and frame of a control, from its row of the controls table.
void ApplyLook(QWidget& widget, const ControlEntry& entry);

// The picture a picture box or the image shows, from the render made for the screen's pixel
// density (1x or 2x); a null pixmap for other controls.
QPixmap PictureFor(Control control, qreal devicePixelRatio);

// The aeroplane of the title bar and the task bar.
QIcon WindowIcon();

}  // namespace coppia
