#pragma once

#include <QPixmap>

#include "ui/controls.h"

class QWidget;

namespace coppia {

// Font, colours and frame of a control, from its row of the controls table.
void ApplyLook(QWidget& widget, const ControlSpec& spec);

// The picture a picture box or the image shows.
QPixmap PictureFor(Control control);

}  // namespace coppia
