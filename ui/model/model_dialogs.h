// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "models/model/model_session.h"
#include "ui/common/qt_message_sink.h"

class QWidget;

namespace coppia {

// The model window's questions as Qt's dialogs, in Italian, over the window. The file dialogs
// open in the folder that `folder` gives, and take and give paths as the system's bytes.
class QtModelDialogs : public ModelDialogs {
  public:
    void SetParent(QWidget* parent);
    // The folder the file dialogs start in (the system's bytes; empty for the home folder).
    void SetFolder(std::function<std::string()> folder) { folder_ = std::move(folder); }

    SaveChoice AskToSave(std::string_view question) override;
    std::optional<std::string> AskFileToOpen() override;
    std::optional<std::string> AskFileToSave(std::string_view suggestion) override;
    std::optional<std::string> AskText(std::string_view question,
                                       std::string_view current) override;
    std::optional<NewSurface> AskNewSurface(const NewSurface& proposal,
                                            const NewSurfaceAdvisor& advise) override;
    void ShowMessage(std::string_view text, std::string_view title) override;

  private:
    QWidget* parent_ = nullptr;
    QtMessageSink messages_;
    std::function<std::string()> folder_;
};

}  // namespace coppia
