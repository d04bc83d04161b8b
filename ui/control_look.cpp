#include "ui/control_look.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace coppia {

namespace {

// The layout was designed at 96 dots per inch; sizing the fonts in pixels keeps every text
// inside its box whatever DPI the desktop reports.
QFont ControlFont(double points) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(true);
    return font;
}

// Only the active and inactive groups: a disabled box keeps the desktop's grey.
void SetEnabledColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

}  // namespace

void ApplyLook(QWidget& widget, const ControlSpec& spec) {
    if (spec.fontPoints != kNoFont)
        widget.setFont(ControlFont(spec.fontPoints));
    QPalette palette = widget.palette();
    switch (spec.look) {
        case ControlLook::LabelOnDrawing:
            palette.setColor(QPalette::Window, Qt::black);
            palette.setColor(QPalette::WindowText, Qt::white);
            widget.setAutoFillBackground(true);
            break;
        case ControlLook::TorqueResult:
            palette.setColor(QPalette::Base, Qt::white);
            SetEnabledColour(palette, QPalette::Text, Qt::red);
            break;
        case ControlLook::LiftResult:
            SetEnabledColour(palette, QPalette::Text, Qt::red);
            break;
        case ControlLook::Drawing:
            palette.setColor(QPalette::Window, Qt::black);
            widget.setAutoFillBackground(true);
            break;
        case ControlLook::Input:
        case ControlLook::Button:
        case ControlLook::Toggle:
            break;
    }
    widget.setPalette(palette);
}

QPixmap PictureFor(Control control) {
    const Geometry& g = SpecOf(control).geometry;
    if (control == Control::Image1) {
        QPixmap drawing(g.width, g.height);
        drawing.fill(Qt::black);
        return drawing;
    }
    // A toggle's picture fills its box inside the one-pixel border.
    QPixmap picture(g.width - 2, g.height - 2);
    picture.fill(control == Control::UP ? QColor(230, 230, 230) : QColor(128, 128, 128));
    return picture;
}

}  // namespace coppia
