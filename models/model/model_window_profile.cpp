// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's events on the section of the current surface, which the second estimate of
// its torque needs.
#include "engine/number_text.h"
#include "models/model/model_window.h"
#include "models/model/surface_advice.h"

namespace coppia {

void ModelWindow::Modello_SpessoreProfilo_Change(std::string_view text) {
    if (Current() == nullptr)
        return Refresh();
    const std::optional<double> thickness = ReadWholeNumber(text);
    if (!thickness || !IsValidThickness(*thickness)) {
        thicknessTyped_ = std::string(text);
        detailsProblem_ = ThicknessProblem();
        return Refresh();
    }
    ForgetTyped();
    EditProfile([thickness](SectionProfile& profile) { profile.thicknessPercent = *thickness; });
}

void ModelWindow::Modello_FessuraProfilo_Change(HingeGap gap) {
    EditProfile([gap](SectionProfile& profile) { profile.gap = gap; });
}

void ModelWindow::EditProfile(const std::function<void(SectionProfile&)>& change) {
    if (Current() == nullptr)
        return Refresh();
    // Only a section that changes is given: one left as its kind's still follows the kind.
    SectionProfile profile = ProfileOf(*Current());
    change(profile);
    if (profile == ProfileOf(*Current()) || !Document().SetProfile(*current_, profile))
        return Refresh();
    LendServoAgainIfLent();
    Edited(current_);
}

}  // namespace coppia
