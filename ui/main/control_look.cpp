// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/control_look.h"

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
    // Liberation Sans has the metrics of the face the layout was made for, and every caption and
    // result fits its box in it; the build commands install it.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
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

void ApplyLook(QWidget& widget, const ControlEntry& entry) {
    if (entry.fontPoints != kNoFont)
        widget.setFont(ControlFont(entry.fontPoints));
    QPalette palette = widget.palette();
    switch (entry.look) {
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

QPixmap PictureFor(Control control, qreal devicePixelRatio) {
    QString name;
    switch (control) {
        case Control::UP:
            name = QStringLiteral("UpPicture");
            break;
        case Control::Down:
            name = QStringLiteral("DownPicture");
            break;
        case Control::Image1:
            name = QStringLiteral("WingDrawing");
            break;
        default:
            return {};
    }
    const bool dense = devicePixelRatio > 1.0;
    QPixmap picture(QStringLiteral(":/pictures/%1%2.bmp").arg(name, dense ? "@2x" : ""));
    picture.setDevicePixelRatio(dense ? 2.0 : 1.0);
    return picture;
}

QIcon WindowIcon() {
    // The PNG renders hold the same pixels as WindowIcon.ico; reading them needs no image
    // plugin, which would cost the start-up a plugin search.
    QIcon icon(QStringLiteral(":/pictures/WindowIcon-32.png"));
    icon.addFile(QStringLiteral(":/pictures/WindowIcon-64.png"));
    return icon;
}

}  // namespace coppia
