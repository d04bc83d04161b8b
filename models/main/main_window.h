// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "engine/torque.h"
#include "files/last_inputs_store.h"
#include "models/main/main_window_state.h"
#include "models/shared/messages.h"
#include "models/shared/servo_loan.h"

namespace coppia {

// The behaviour of window Main, free of any toolkit: one method per event, named as the
// events are named, working on MainWindowState. A view binds real widgets to it.
class MainWindow {
  public:
    MainWindow(MessageSink& messages, LastInputsStore& lastInputs);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    const MainWindowState& State() const { return state_; }
    // For the views that follow every change as it happens.
    int AddObserver(MainWindowState::Observer observer) {
        return state_.AddObserver(std::move(observer));
    }
    void RemoveObserver(int id) { state_.RemoveObserver(id); }
    // The servo of the surface a model loaded into the fields, which the added windows share;
    // nothing of the main window's own state or file.
    ServoLoan& Loan() { return loan_; }

    // What the user does. An edit is one keystroke, or one paste, that leaves `text` in the box;
    // it is refused (false) by a disabled box and raises nothing when the text stays the same.
    bool UserEdit(Control box, std::string_view text);
    // Types each character of `text` after the box's text, one keystroke at a time, each
    // entering what TypedCharacter makes of it.
    void UserTypes(Control box, std::string_view text);
    // What a typed character enters into a box: in the nine input fields, what
    // NumberFieldCharacter makes of it; in the results, the character itself.
    static char TypedCharacter(Control box, char typed);
    // A click reaches only an enabled button or a visible toggle.
    bool UserClick(Control control);

    const TorqueResult& LastResult() const { return lastResult_; }

    // Events.
    void Main_Form_Load();
    void Main_Calc_Click();
    void Main_UP_Click();
    void Main_Down_Click();
    void Main_Vel_Change();
    void Main_CarAla_Change();
    void Main_CordaAla_Change();
    void Main_LungAlett_Change();
    void Main_BrAlett_Change();
    void Main_BrServ_Change();
    void Main_Ang_Change();
    void Main_Corsa_Change();
    void Main_CordaAlett_Change();

    // The last-inputs file. Writing reports whether the inputs were saved; the first save of a
    // run that fails tells the user why, later ones stay quiet.
    void ReadLastInputs();
    bool WriteLastInputs();

  private:
    void RaiseChange(Control box);
    void InvalidateResults();
    void ShowMessage(const Message& message);
    std::optional<double> Read(Control box) const;
    // The angle of the travel in Corsa on the chord in CordaAlett; empty when there is none.
    std::optional<double> AngleOfShownTravel() const;
    // The travel of an angle on the chord in CordaAlett; empty when it overflows.
    std::optional<double> TravelOnShownChord(double angle) const;

    MessageSink& messages_;
    LastInputsStore& lastInputs_;
    MainWindowState state_;
    TorqueConstants constants_;
    TorqueResult lastResult_;
    bool saveFailureTold_ = false;
    ServoLoan loan_;
};

}  // namespace coppia
