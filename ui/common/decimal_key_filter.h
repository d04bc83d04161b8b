// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace coppia {

// Watches the fields that take a number: a key whose character NumberFieldCharacter turns
// into another (the comma, from either key) is typed again as that character.
class DecimalKeyFilter : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace coppia
