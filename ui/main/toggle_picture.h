// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QPixmap>

namespace coppia {

// A picture box that reports a click: a picture inside a flat one-pixel border. Space or Enter
// acts as a click while it has the keyboard focus.
class TogglePicture : public QFrame {
    Q_OBJECT
  public:
    explicit TogglePicture(QWidget* parent = nullptr);
    void setPicture(const QPixmap& picture);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QPixmap picture_;
};

}  // namespace coppia
