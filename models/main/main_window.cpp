// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/main/main_window.h"

#include <utility>

#include "engine/deflection.h"
#include "engine/number_text.h"
#include "models/main/field_calculation.h"
#include "models/main/number_keys.h"

namespace coppia {

MainWindow::MainWindow(MessageSink& messages, LastInputsStore& lastInputs)
    : messages_(messages), lastInputs_(lastInputs) {
    state_.SetChangeHandler([this](Control box) { RaiseChange(box); });
}

bool MainWindow::UserEdit(Control box, std::string_view text) {
    if (!IsTextBox(box) || !state_.Enabled(box))
        return false;
    state_.SetText(box, text);
    return true;
}

void MainWindow::UserTypes(Control box, std::string_view text) {
    for (char c : text) {
        if (!UserEdit(box, state_.Text(box) + TypedCharacter(box, c)))
            return;
    }
}

char MainWindow::TypedCharacter(Control box, char typed) {
    return IsInputField(box) ? NumberFieldCharacter(typed) : typed;
}

bool MainWindow::UserClick(Control control) {
    switch (control) {
        case Control::Calc:
            if (!state_.Enabled(Control::Calc))
                return false;
            Main_Calc_Click();
            return true;
        case Control::UP:
            if (!state_.Visible(Control::UP))
                return false;
            Main_UP_Click();
            return true;
        case Control::Down:
            if (!state_.Visible(Control::Down))
                return false;
            Main_Down_Click();
            return true;
        default:
            return false;
    }
}

void MainWindow::RaiseChange(Control box) {
    switch (box) {
        case Control::Vel:
            return Main_Vel_Change();
        case Control::CarAla:
            return Main_CarAla_Change();
        case Control::CordaAla:
            return Main_CordaAla_Change();
        case Control::LungAlett:
            return Main_LungAlett_Change();
        case Control::BrAlett:
            return Main_BrAlett_Change();
        case Control::BrServ:
            return Main_BrServ_Change();
        case Control::Ang:
            return Main_Ang_Change();
        case Control::Corsa:
            return Main_Corsa_Change();
        case Control::CordaAlett:
            return Main_CordaAlett_Change();
        default:
            return;  // the result fields raise no handled event
    }
}

void MainWindow::Main_Form_Load() {
    constants_ = InitTorqueConstants();
    // Both deflection fields are still enabled here, so each remembered chord and angle runs
    // the conversion back and forth; that is how Corsa gets the travel of the remembered angle.
    ReadLastInputs();
    state_.SetVisible(Control::UP, true);
    state_.SetVisible(Control::Down, false);
    state_.SetEnabled(Control::Ang, false);
    state_.SetEnabled(Control::Corsa, true);
    state_.SetEnabled(Control::Calc, true);
    state_.SetEnabled(Control::Coppia, false);
    state_.SetEnabled(Control::Cp_Out, false);
}

void MainWindow::Main_Calc_Click() {
    // Nothing on the window changes before every refusal has been met.
    const FieldCalculation calculation = CalculateFromFields(state_, constants_);
    if (calculation.refusal)
        return ShowMessage(*calculation.refusal);

    const TorqueResult& result = calculation.result;
    lastResult_ = result;
    state_.SetText(Control::Cp_Out, FormatNumber(result.LiftCoefficient, "#0.00"));
    if (result.StallRisk)
        ShowMessage(messages::StallRisk);
    state_.SetText(Control::Coppia, FormatNumber(result.ServoTorque, "#00.00"));
    state_.SetEnabled(Control::Coppia, true);
    state_.SetEnabled(Control::Calc, false);
    state_.SetEnabled(Control::Cp_Out, true);
    WriteLastInputs();
}

void MainWindow::Main_UP_Click() {
    state_.SetVisible(Control::UP, false);
    state_.SetVisible(Control::Down, true);
    state_.SetEnabled(Control::Ang, true);
    state_.SetEnabled(Control::Corsa, false);
}

void MainWindow::Main_Down_Click() {
    state_.SetVisible(Control::UP, true);
    state_.SetVisible(Control::Down, false);
    state_.SetEnabled(Control::Ang, false);
    state_.SetEnabled(Control::Corsa, true);
}

void MainWindow::InvalidateResults() {
    state_.SetEnabled(Control::Calc, true);
    state_.SetEnabled(Control::Coppia, false);
    state_.SetEnabled(Control::Cp_Out, false);
}

void MainWindow::Main_Vel_Change() {
    InvalidateResults();
}
void MainWindow::Main_CarAla_Change() {
    InvalidateResults();
}
void MainWindow::Main_CordaAla_Change() {
    InvalidateResults();
}
void MainWindow::Main_LungAlett_Change() {
    InvalidateResults();
}
void MainWindow::Main_BrAlett_Change() {
    InvalidateResults();
}
void MainWindow::Main_BrServ_Change() {
    InvalidateResults();
}

// The three deflection handlers end silently where no conversion exists, but an edit always
// leaves the results stale: they no longer belong to what the fields show.

void MainWindow::Main_Ang_Change() {
    if (!state_.Enabled(Control::Ang))
        return;
    const std::optional<double> typed = Read(Control::Ang);
    if (!typed)
        return InvalidateResults();
    double angle = *typed;
    switch (CheckDeflectionAngle(angle)) {
        case AngleCheck::AngleAboveMaximum:
            ShowMessage(messages::AngleAboveMaximum);
            angle = MaxDeflectionAngle;
            state_.SetText(Control::Ang, FormatNumber(angle, "##0.0"));
            break;
        case AngleCheck::AngleBelowMinimum:
            ShowMessage(messages::AngleBelowMinimum);
            angle = MinDeflectionAngle;
            state_.SetText(Control::Ang, FormatNumber(angle, "##0.0"));
            break;
        case AngleCheck::AngleWithinLimits:
            break;
    }
    if (const std::optional<double> travel = TravelOnShownChord(angle))
        state_.SetText(Control::Corsa, FormatNumber(*travel, "##0.0"));
    InvalidateResults();
}

void MainWindow::Main_Corsa_Change() {
    if (!state_.Enabled(Control::Corsa))
        return;
    // An angle derived from a travel is not limited.
    if (const std::optional<double> angle = AngleOfShownTravel())
        state_.SetText(Control::Ang, FormatNumber(*angle, "#0.0"));
    InvalidateResults();
}

void MainWindow::Main_CordaAlett_Change() {
    // The direction follows the flag of Corsa, whatever the flag of Ang.
    if (state_.Enabled(Control::Corsa)) {
        if (const std::optional<double> angle = AngleOfShownTravel())
            state_.SetText(Control::Ang, FormatNumber(*angle, "#0.0"));
    } else if (const std::optional<double> angle = Read(Control::Ang)) {
        if (const std::optional<double> travel = TravelOnShownChord(*angle))
            state_.SetText(Control::Corsa, FormatNumber(*travel, "#0.0"));
    }
    InvalidateResults();
}

std::optional<double> MainWindow::AngleOfShownTravel() const {
    const std::optional<double> travel = Read(Control::Corsa);
    const std::optional<double> chord = Read(Control::CordaAlett);
    if (!travel || !chord)
        return std::nullopt;
    return AngleFromTravel(*travel, *chord);
}

std::optional<double> MainWindow::TravelOnShownChord(double angle) const {
    const std::optional<double> chord = Read(Control::CordaAlett);
    if (!chord)
        return std::nullopt;
    return TravelFromAngle(angle, *chord);
}

void MainWindow::ReadLastInputs() {
    const std::vector<std::string> values = lastInputs_.ReadValues();
    for (size_t row = 0; row < values.size(); ++row) {
        const std::optional<double> number = ReadNumber(values[row]);
        if (!number)
            return;  // reading ends at a value that cannot be converted
        state_.SetText(ControlNamed(kLastInputsLayout[row].field), FormatPlainNumber(*number));
    }
}

bool MainWindow::WriteLastInputs() {
    // Each line is the number the calculation read from its field, never the text itself:
    // a pasted "1,5" or line break would otherwise shift every value after it.
    LastInputsNumbers numbers{};
    SaveResult result;
    for (size_t row = 0; row < kLastInputsLayout.size(); ++row) {
        const std::optional<double> number = Read(ControlNamed(kLastInputsLayout[row].field));
        if (!number) {
            result.reason = "numero fuori limite";
            break;
        }
        numbers[row] = *number;
    }
    if (result.reason.empty())
        result = lastInputs_.Write(numbers);
    if (!result.saved && !saveFailureTold_) {
        saveFailureTold_ = true;
        messages_.ShowMessage(messages::SaveFailedText(lastInputs_.Location(), result.reason),
                              messages::kSaveFailedTitle);
    }
    return result.saved;
}

std::optional<double> MainWindow::Read(Control box) const {
    return ReadNumber(state_.Text(box));
}

void MainWindow::ShowMessage(const Message& message) {
    messages_.ShowMessage(message.text, message.title);
}

}  // namespace coppia
