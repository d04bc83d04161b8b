// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "models/shared/messages.h"

class QWidget;

namespace coppia {

// Messages as modal Qt message boxes with one OK button.
class QtMessageSink : public MessageSink {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void ShowMessage(std::string_view text, std::string_view title) override;

  private:
    QWidget* parent_ = nullptr;
};

}  // namespace coppia
