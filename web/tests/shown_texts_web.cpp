// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: shown_texts_web FOLDER [COUNT]
//
// The main window's cases (tests/windows/shown_cases.h) through the web core, as the page calls
// it: every edit, keystroke and click through its C functions, every text, flag and message read
// back through them, and the last inputs kept as the bytes the page keeps, handed from one case's
// window to the next. scripts/web-compare compares what it writes with the Linux build's
// shown_texts byte for byte.

#include <memory>
#include <optional>
#include <string>

#include "tests/windows/shown_cases.h"
#include "web/core/coppia_core.h"

namespace coppia {
namespace {

int Number(Control control) {
    return static_cast<int>(control);
}

class PageWindow : public CaseWindow {
  public:
    // `kept` is where the bytes go when the window closes, as the page keeps them.
    PageWindow(const std::optional<std::string>& putBack, std::optional<std::string>& kept)
        : handle_(coppia_main_create()), kept_(kept) {
        if (putBack)
            coppia_main_put_back(handle_, putBack->data(), static_cast<int>(putBack->size()));
        coppia_main_load(handle_);
    }
    ~PageWindow() override {
        const int size = coppia_main_kept_size(handle_);
        if (size >= 0)
            kept_ = std::string(coppia_main_kept_bytes(handle_), static_cast<std::size_t>(size));
        coppia_main_destroy(handle_);
    }
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    bool Edit(Control box, std::string_view text) override {
        return coppia_main_edit(handle_, Number(box), std::string(text).c_str()) != 0;
    }
    char Typed(Control box, char typed) override {
        const char text[] = {typed, '\0'};
        return *coppia_main_typed(Number(box), text);
    }
    bool Click(Control control) override {
        return coppia_main_click(handle_, Number(control)) != 0;
    }
    std::string Text(Control control) const override {
        return coppia_main_text(handle_, Number(control));
    }
    bool Enabled(Control control) const override {
        return coppia_main_enabled(handle_, Number(control)) != 0;
    }
    bool Visible(Control control) const override {
        return coppia_main_visible(handle_, Number(control)) != 0;
    }
    bool WriteLastInputs() override { return coppia_main_write_last_inputs(handle_) != 0; }
    std::vector<std::pair<std::string, std::string>> TakeMessages() override {
        std::vector<std::pair<std::string, std::string>> messages;
        for (int i = 0; i < coppia_main_message_count(handle_); ++i) {
            messages.emplace_back(coppia_main_message_text(handle_, i),
                                  coppia_main_message_title(handle_, i));
        }
        coppia_main_messages_taken(handle_);
        return messages;
    }
    std::string Kept() const {
        const int size = coppia_main_kept_size(handle_);
        return size < 0 ? "none"
                        : Hex(std::string_view(coppia_main_kept_bytes(handle_),
                                               static_cast<std::size_t>(size)));
    }

  private:
    int handle_;
    std::optional<std::string>& kept_;
};

// The page's storage between visits: one value, or none.
class PageStore : public CaseStore {
  public:
    void Forget() override { kept_.reset(); }
    std::unique_ptr<CaseWindow> Open() override {
        auto window = std::make_unique<PageWindow>(kept_, kept_);
        open_ = window.get();
        return window;
    }
    std::string KeptBytes() override { return open_->Kept(); }

  private:
    std::optional<std::string> kept_;
    const PageWindow* open_ = nullptr;
};

}  // namespace
}  // namespace coppia

int main(int argc, char** argv) {
    return coppia::ShownTextsMain(
        argc, argv, [](const std::string&) { return std::make_unique<coppia::PageStore>(); });
}
