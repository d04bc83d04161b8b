// SPDX-License-Identifier: GPL-3.0-or-later
// Usage: shown_texts FOLDER [COUNT]
//
// The main window's cases (shown_cases.h) through the desktop's model, its last inputs in
// FOLDER/Mervanti.ini: scripts/windows-compare runs the Linux and the Windows build and compares
// what they write byte for byte, where a last digit that one system's library rounds otherwise
// shows; scripts/web-compare compares the Linux build with the web core.

#include <cstdio>
#include <fstream>
#include <iterator>

#include "files/last_inputs_file.h"
#include "models/main/main_window.h"
#include "tests/windows/shown_cases.h"

namespace coppia {
namespace {

// Keeps each message, the file's path, which differs from run to run, written as the file's name.
class MessageRecord : public MessageSink {
  public:
    explicit MessageRecord(std::string path) : path_(std::move(path)) {}

    void ShowMessage(std::string_view text, std::string_view title) override {
        std::string shown(text);
        for (std::size_t at = shown.find(path_); at != std::string::npos; at = shown.find(path_)) {
            shown.replace(at, path_.size(), kLastInputsFileName);
        }
        messages.emplace_back(std::move(shown), std::string(title));
    }

    std::vector<std::pair<std::string, std::string>> messages;

  private:
    std::string path_;
};

class DesktopWindow : public CaseWindow {
  public:
    explicit DesktopWindow(const std::string& path)
        : messages_(path), file_(path, std::nullopt), window_(messages_, file_) {
        window_.Main_Form_Load();
    }

    bool Edit(Control box, std::string_view text) override { return window_.UserEdit(box, text); }
    char Typed(Control box, char typed) override { return MainWindow::TypedCharacter(box, typed); }
    bool Click(Control control) override { return window_.UserClick(control); }
    std::string Text(Control control) const override { return window_.State().Text(control); }
    bool Enabled(Control control) const override { return window_.State().Enabled(control); }
    bool Visible(Control control) const override { return window_.State().Visible(control); }
    bool WriteLastInputs() override { return window_.WriteLastInputs(); }
    std::vector<std::pair<std::string, std::string>> TakeMessages() override {
        return std::exchange(messages_.messages, {});
    }

  private:
    MessageRecord messages_;
    LastInputsFile file_;
    MainWindow window_;
};

class FileStore : public CaseStore {
  public:
    explicit FileStore(std::string path) : path_(std::move(path)) {}

    void Forget() override { std::remove(path_.c_str()); }
    std::unique_ptr<CaseWindow> Open() override { return std::make_unique<DesktopWindow>(path_); }
    std::string KeptBytes() override {
        std::ifstream file(path_, std::ios::binary);
        if (!file)
            return "none";
        return Hex(std::string(std::istreambuf_iterator<char>(file), {}));
    }

  private:
    std::string path_;
};

}  // namespace
}  // namespace coppia

int main(int argc, char** argv) {
    return coppia::ShownTextsMain(argc, argv, [](const std::string& folder) {
        return std::make_unique<coppia::FileStore>(folder + "/" +
                                                   std::string(coppia::kLastInputsFileName));
    });
}
