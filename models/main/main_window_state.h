// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/deflection.h"
#include "models/main/controls.h"

namespace coppia {

// The changing part of the window: each text box's text and Enabled flag, the Enabled flag of
// Calc and the Visible flags of the toggles. Labels and the drawing never change.
//
// A text written here that differs from the one shown runs the box's change handler at once,
// nested inside the write; the write returns when that handler has ended. Flags raise nothing.
class MainWindowState {
  public:
    using ChangeHandler = std::function<void(Control)>;
    using Observer = std::function<void(Control)>;

    // The angle and travel chains end after a few writes; this depth is never reached by them
    // and only stops a runaway from exhausting the stack.
    static constexpr int kMaxNesting = 64;

    MainWindowState();

    const std::string& Text(Control box) const { return At(box).text; }
    bool Enabled(Control control) const { return At(control).enabled; }
    bool Visible(Control control) const { return At(control).visible; }

    void SetText(Control box, std::string_view text);
    void SetEnabled(Control control, bool enabled);
    void SetVisible(Control control, bool visible);

    // The window's change handlers, run by SetText.
    void SetChangeHandler(ChangeHandler handler) { changeHandler_ = std::move(handler); }
    // Each observer is told of every text or flag that changes, in the order they were added,
    // so that a view can follow at once, even while a handler waits on a message. The number
    // returned takes the observer off again.
    int AddObserver(Observer observer);
    void RemoveObserver(int id);

    // Which deflection field the user types into, read from the flags; empty when they agree
    // on none.
    std::optional<DeflectionInput> Mode() const;
    bool ResultsCurrent() const;
    bool ResultsStale() const;
    // How deep change handlers have ever run inside one another.
    int DeepestNesting() const { return deepestNesting_; }

  private:
    struct ControlState {
        std::string text;
        bool enabled = true;
        bool visible = true;
    };

    const ControlState& At(Control control) const {
        return controls_[static_cast<std::size_t>(control)];
    }
    ControlState& At(Control control) { return controls_[static_cast<std::size_t>(control)]; }
    void Notify(Control control) const;

    std::array<ControlState, kControlCount> controls_;
    ChangeHandler changeHandler_;
    std::vector<std::pair<int, Observer>> observers_;
    int lastObserverId_ = 0;
    int nesting_ = 0;
    int deepestNesting_ = 0;
};

}  // namespace coppia
