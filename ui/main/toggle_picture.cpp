// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/toggle_picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace coppia {

TogglePicture::TogglePicture(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TogglePicture::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void TogglePicture::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawPixmap(contentsRect().topLeft(), picture_);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
    }
}

void TogglePicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void TogglePicture::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            emit clicked();
            return;
        default:
            QFrame::keyPressEvent(event);
    }
}

}  // namespace coppia
