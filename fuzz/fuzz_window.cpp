// SPDX-License-Identifier: GPL-3.0-or-later
// The window model driven by arbitrary user actions after a load from arbitrary file bytes,
// messages answered at once. After the load exactly one deflection mode holds, after every
// action the results are exactly stale or exactly current, every edit that changes an input
// leaves them stale, and no chain of change handlers runs away.
#include <cstdint>
#include <string>
#include <string_view>

#include "files/last_inputs_format.h"
#include "files/last_inputs_store.h"
#include "fuzz/fuzz_check.h"
#include "models/main/main_window.h"

namespace {

using coppia::Control;

class AnsweredMessages : public coppia::MessageSink {
  public:
    void ShowMessage(std::string_view, std::string_view) override {}
};

class MemoryFile : public coppia::LastInputsStore {
  public:
    explicit MemoryFile(std::string bytes) : bytes_(std::move(bytes)) {}
    std::vector<std::string> ReadValues() override { return coppia::DecodeLastInputs(bytes_); }
    coppia::SaveResult Write(const coppia::LastInputsNumbers& numbers) override {
        bytes_ = coppia::EncodeLastInputs(numbers);
        return {true, {}};
    }
    std::string Location() const override { return "Mervanti.ini"; }

  private:
    std::string bytes_;
};

constexpr Control kFields[] = {Control::Vel,        Control::BrServ,    Control::CordaAla,
                               Control::CarAla,     Control::Ang,       Control::BrAlett,
                               Control::CordaAlett, Control::LungAlett, Control::Corsa,
                               Control::Coppia,     Control::Cp_Out};
constexpr std::string_view kKeys = "0123456789.-+eE, &Hx";
const char* const kPastes[] = {"",    "60",  "-60",   "65",  "120",  "1e400", "0",
                               "7.5", "240", "1e308", "abc", "-0.0", "119.9", "&HFF"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string_view file = input.substr(0, split);
    const std::string_view actions =
        split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    AnsweredMessages messages;
    MemoryFile lastInputs{std::string(file)};
    coppia::MainWindow window(messages, lastInputs);
    window.Main_Form_Load();
    const auto& state = window.State();
    FUZZ_CHECK(state.Mode() == coppia::DeflectionInput::Travel, "the load ends by travel");
    FUZZ_CHECK(state.ResultsStale(), "the load leaves the results stale");

    for (size_t i = 0; i + 1 < actions.size(); i += 2) {
        const uint8_t what = static_cast<uint8_t>(actions[i]);
        const uint8_t arg = static_cast<uint8_t>(actions[i + 1]);
        const Control field = kFields[(what >> 3) % std::size(kFields)];
        const std::string before = state.Text(field);
        switch (what % 6) {
            case 0:
            case 1:
                window.UserEdit(field, state.Text(field) + kKeys[arg % kKeys.size()]);
                break;
            case 2:
                if (!state.Text(field).empty()) {
                    std::string text = state.Text(field);
                    text.pop_back();
                    window.UserEdit(field, text);
                }
                break;
            case 3:
                window.UserEdit(field, kPastes[arg % std::size(kPastes)]);
                break;
            case 4:
                window.UserClick(Control::Calc);
                break;
            case 5:
                window.UserClick(arg & 1 ? Control::UP : Control::Down);
                break;
        }
        FUZZ_CHECK(state.ResultsStale() || state.ResultsCurrent(),
                   "the results are exactly stale or exactly current");
        if (what % 6 < 4 && coppia::IsInputField(field) && state.Text(field) != before)
            FUZZ_CHECK(state.ResultsStale(), "an edited input leaves the results stale");
        FUZZ_CHECK(state.Mode().has_value(), "exactly one deflection mode");
    }
    FUZZ_CHECK(state.DeepestNesting() < coppia::MainWindowState::kMaxNesting,
               "no chain of change handlers runs away");
    return 0;
}
