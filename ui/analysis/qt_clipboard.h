// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QClipboard>
#include <QGuiApplication>

#include "models/analysis/text_clipboard.h"
#include "ui/common/qt_text.h"

namespace coppia {

// The desktop's clipboard.
class QtClipboard : public TextClipboard {
  public:
    void SetText(std::string_view text) override {
        QGuiApplication::clipboard()->setText(ToQString(text));
    }
};

}  // namespace coppia
