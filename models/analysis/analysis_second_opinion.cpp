// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window's second estimate of the torque: the section it needs, its own or the lent
// surface's, the torque the verdict is judged on, and the estimate's figures and steps.
#include <cmath>

#include "engine/number_text.h"
#include "models/analysis/analysis_window.h"

namespace coppia {

SectionProfile AnalysisWindow::Profile() const {
    if (const std::optional<LoanedServo>& loaned = loan_.Current())
        return loaned->profile;
    return settings_.profile;
}

std::string AnalysisWindow::ThicknessText() const {
    return FormatPlainNumber(Profile().thicknessPercent);
}

void AnalysisWindow::Analisi_SpessoreProfilo_Change(std::string_view text) {
    if (!loan_.Current()) {
        return Edit(AnalysisField::SpessoreProfilo, text, settings_.profile.thicknessPercent,
                    IsValidThickness);
    }
    // A surface's section: it goes back to the model with "Aggiorna", as its rating does.
    const auto index = static_cast<std::size_t>(AnalysisField::SpessoreProfilo);
    texts_[index] = text;
    const std::optional<double> number = ReadWholeNumber(text);
    valid_[index] = number && IsValidThickness(*number);
    if (valid_[index]) {
        SectionProfile profile = loan_.Current()->profile;
        profile.thicknessPercent = *number;
        lendingBack_ = true;
        loan_.SetProfile(profile);
        lendingBack_ = false;
    }
    InputChanged();
}

void AnalysisWindow::Analisi_FessuraProfilo_Change(HingeGap gap) {
    if (const std::optional<LoanedServo>& loaned = loan_.Current()) {
        SectionProfile profile = loaned->profile;
        profile.gap = gap;
        lendingBack_ = true;
        loan_.SetProfile(profile);
        lendingBack_ = false;
    } else {
        settings_.profile.gap = gap;
        Save();
    }
    InputChanged();
}

void AnalysisWindow::Analisi_GiudicaCon_Change(JudgeWith with) {
    settings_.judgeWith = with;
    Save();
    InputChanged();
}

void AnalysisWindow::FillSecondOpinion(const FieldCalculation& calculation) {
    opinion_ = SecondOpinion{};
    if (calculation.refusal)
        return;
    if (!valid_[static_cast<std::size_t>(AnalysisField::SpessoreProfilo)]) {
        // Judged on the calculation alone until the thickness can be used again.
        opinion_.calculationKgfCm = std::fabs(calculation.result.ServoTorque) / Share();
        display_.secondOpinion.problem = "Spessore del profilo non valido: serve " +
                                         std::string(kThicknessRange) +
                                         "; intanto nessuna seconda stima";
        return;
    }
    opinion_ = SecondOpinionOf(calculation.inputs, Profile(), Share(), constants_);
    display_.secondOpinion = TextsOf(opinion_);
    if (!opinion_.available)
        return;
    display_.estimateSteps = EstimateSteps(opinion_, display_.share);
}

}  // namespace coppia
