// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "models/shared/messages.h"

namespace coppia {

// Answers every message at once and keeps (text, title) in the order shown.
class RecordingMessages : public MessageSink {
  public:
    using Shown = std::vector<std::pair<std::string, std::string>>;

    void ShowMessage(std::string_view text, std::string_view title) override {
        shown.emplace_back(std::string(text), std::string(title));
        if (onShow)
            onShow();
    }

    static std::pair<std::string, std::string> Of(const Message& message) {
        return {std::string(message.text), std::string(message.title)};
    }

    Shown shown;
    // Runs while the message is "open", to look at the window at that moment.
    std::function<void()> onShow;
};

}  // namespace coppia
