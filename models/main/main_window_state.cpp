// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/main/main_window_state.h"

#include <algorithm>
#include <cassert>

namespace coppia {

MainWindowState::MainWindowState() {
    for (const ControlEntry& entry : kControls) {
        if (entry.kind == ControlKind::TextBox)
            At(entry.id).text = entry.initialText;
    }
}

void MainWindowState::SetText(Control box, std::string_view text) {
    assert(IsTextBox(box));
    ControlState& state = At(box);
    if (state.text == text)
        return;
    state.text = text;
    Notify(box);
    if (changeHandler_ && nesting_ < kMaxNesting) {
        ++nesting_;
        deepestNesting_ = std::max(deepestNesting_, nesting_);
        changeHandler_(box);
        --nesting_;
    }
}

void MainWindowState::SetEnabled(Control control, bool enabled) {
    ControlState& state = At(control);
    if (state.enabled == enabled)
        return;
    state.enabled = enabled;
    Notify(control);
}

void MainWindowState::SetVisible(Control control, bool visible) {
    ControlState& state = At(control);
    if (state.visible == visible)
        return;
    state.visible = visible;
    Notify(control);
}

int MainWindowState::AddObserver(Observer observer) {
    observers_.emplace_back(++lastObserverId_, std::move(observer));
    return lastObserverId_;
}

void MainWindowState::RemoveObserver(int id) {
    std::erase_if(observers_, [id](const auto& observer) { return observer.first == id; });
}

void MainWindowState::Notify(Control control) const {
    // A copy, so that an observer may add or remove observers while it is told.
    const auto observers = observers_;
    for (const auto& [id, observer] : observers) observer(control);
}

std::optional<DeflectionInput> MainWindowState::Mode() const {
    const bool corsa = Enabled(Control::Corsa);
    const bool ang = Enabled(Control::Ang);
    const bool up = Visible(Control::UP);
    const bool down = Visible(Control::Down);
    if (corsa && !ang && up && !down)
        return DeflectionInput::Travel;
    if (ang && !corsa && down && !up)
        return DeflectionInput::Angle;
    return std::nullopt;
}

bool MainWindowState::ResultsCurrent() const {
    return Enabled(Control::Coppia) && Enabled(Control::Cp_Out) && !Enabled(Control::Calc);
}

bool MainWindowState::ResultsStale() const {
    return !Enabled(Control::Coppia) && !Enabled(Control::Cp_Out) && Enabled(Control::Calc);
}

}  // namespace coppia
