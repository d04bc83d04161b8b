// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window's servo: its own, or the one of the surface a model loaded into the main
// window, and the judgement of the installation with it.
#include <cmath>

#include "engine/number_text.h"
#include "models/analysis/analysis_window.h"
#include "models/main/controls.h"
#include "models/shared/absurd_inputs.h"
#include "models/shared/installation_verdict.h"
#include "models/shared/second_opinion.h"

namespace coppia {

namespace {

// What a limit of the servo says, in a figure or in words.
std::string HoldingText(const HoldingLimit& limit, std::string_view unit, std::string_view all) {
    switch (limit.reach) {
        case HoldingLimit::Reach::UpTo:
            return FormatNumber(limit.value, "#0.0") + std::string(unit);
        case HoldingLimit::Reach::Throughout:
            return std::string(all) + FormatPlainNumber(limit.value) + std::string(unit);
        case HoldingLimit::Reach::Nowhere:
            return "nessuna";
        case HoldingLimit::Reach::Unknown:
            break;
    }
    return "—";
}

}  // namespace

RatingUnit AnalysisWindow::Unit() const {
    return loan_.Current() ? loan_.Current()->unit : settings_.unit;
}

std::string AnalysisWindow::RatingText() const {
    if (const std::optional<LoanedServo>& loaned = loan_.Current())
        return loaned->rating ? FormatPlainNumber(*loaned->rating) : std::string();
    return FormatPlainNumber(settings_.rating);
}

void AnalysisWindow::Analisi_CoppiaServo_Change(std::string_view text) {
    if (!loan_.Current())
        return Edit(AnalysisField::CoppiaServo, text, settings_.rating, IsValidRating);
    // A surface's servo: its rating goes back to the model with "Aggiorna", not to the settings.
    const auto index = static_cast<std::size_t>(AnalysisField::CoppiaServo);
    texts_[index] = text;
    const bool empty = text.find_first_not_of(' ') == std::string_view::npos;
    const std::optional<double> number = ReadWholeNumber(text);
    valid_[index] = empty || (number && IsValidRating(*number));
    if (valid_[index]) {
        lendingBack_ = true;
        loan_.SetRating(empty ? std::nullopt : number, loan_.Current()->unit);
        lendingBack_ = false;
    }
    InputChanged();
}

void AnalysisWindow::Analisi_UnitaCoppia_Change(RatingUnit unit) {
    // The number stays as typed: the unit says what it was typed in.
    if (const std::optional<LoanedServo>& loaned = loan_.Current()) {
        lendingBack_ = true;
        loan_.SetRating(loaned->rating, unit);
        lendingBack_ = false;
    } else {
        settings_.unit = unit;
        Save();
    }
    InputChanged();
}

void AnalysisWindow::Loan_Change() {
    if (lendingBack_)
        return;
    // Another servo is judged: its rating, its section and its figures take the fields' places, and
    // the fields are valid.
    const auto index = static_cast<std::size_t>(AnalysisField::CoppiaServo);
    texts_[index] = RatingText();
    valid_[index] = true;
    const auto thickness = static_cast<std::size_t>(AnalysisField::SpessoreProfilo);
    texts_[thickness] = ThicknessText();
    valid_[thickness] = true;
    ShowFigures();
    InputChanged();
}

std::optional<GivenTravel> AnalysisWindow::TravelGiven(const FieldCalculation& calculation) const {
    if (!main_.Enabled(Control::Corsa))
        return std::nullopt;
    const std::optional<double> travel = ReadNumber(main_.Text(Control::Corsa));
    if (!travel)
        return std::nullopt;
    return GivenTravel{*travel, calculation.inputs.Ang};
}

void AnalysisWindow::FillServoOwner() {
    const std::optional<LoanedServo>& loaned = loan_.Current();
    if (!loaned)
        return;
    display_.servoOwner = "Servo di «" + loaned->surface + "»";
    if (loaned->count > 1) {
        display_.servoOwner +=
            ", uno dei " + std::to_string(loaned->count) + " che si dividono la coppia";
    }
    const std::string rating = loaned->surfaceRating
                                   ? FormatPlainNumber(*loaned->surfaceRating) + " " +
                                         std::string(RatingUnitName(loaned->surfaceUnit))
                                   : "da indicare";
    const std::string whose = " di «" + loaned->surface + "» nel modello (";
    const std::string keep = "Aggiorna nella finestra del modello";
    if (loaned->RatingDiffers() && loaned->ProfileDiffers()) {
        display_.loanDrift = "Coppia e profilo diversi da quelli" + whose + rating + "; " +
                             ProfileText(loaned->surfaceProfile) + "): per tenerli, " + keep;
    } else if (loaned->RatingDiffers()) {
        display_.loanDrift =
            "Coppia diversa da quella" + whose + rating + "): per tenerla, " + keep;
    } else if (loaned->ProfileDiffers()) {
        display_.loanDrift = "Profilo diverso da quello" + whose +
                             ProfileText(loaned->surfaceProfile) + "): per tenerlo, " + keep;
    }
    if (loaned->FiguresDiffer()) {
        display_.loanDrift += (display_.loanDrift.empty() ? "" : ". ") +
                              std::string("Dati del servo diversi da quelli di «") +
                              loaned->surface + "» nel modello: per tenerli, " + keep;
    }
}

void AnalysisWindow::FillServoCheck(const FieldCalculation& calculation) {
    const std::optional<LoanedServo>& loaned = loan_.Current();
    display_.ratingUnit = RatingUnitName(Unit());
    FillServoOwner();
    std::string problem;
    if (!valid_[static_cast<std::size_t>(AnalysisField::CoppiaServo)])
        problem = "Coppia del servo non valida: serve un numero oltre 0";
    else if (!valid_[static_cast<std::size_t>(AnalysisField::FattoreSicurezza)])
        problem = "Fattore di sicurezza non valido: serve un numero da 1 in su";
    else if (!valid_[static_cast<std::size_t>(AnalysisField::Escursione)])
        problem = "Escursione del servo non valida: serve un numero oltre 0 e fino a 180";
    display_.settingsProblem = problem.empty() ? saveProblem_ : problem;
    if (!problem.empty() || calculation.refusal)
        return;
    if (const std::optional<std::string> absurd =
            AbsurdInput(calculation.inputs, TravelGiven(calculation))) {
        display_.verdict = *absurd;
        display_.verdictReason =
            "Con questi ingressi nessun margine ha senso: correggerli nella "
            "finestra principale";
        display_.verdictTone = Tone::Bad;
        return;
    }

    FillVerdicts(calculation, loaned ? loaned->rating : settings_.rating);
}

void AnalysisWindow::FillVerdicts(const FieldCalculation& calculation,
                                  std::optional<double> rating) {
    // Both torques in the unit the rating is typed in, for each of the servos that share it.
    const TorqueInputs& in = calculation.inputs;
    const auto judge = [&](double kgfCm) {
        return JudgeInstallation({TorqueInUnit(kgfCm, Unit()), rating.value_or(0),
                                  settings_.safetyFactor, in.BrAlett, in.BrServ, in.Ang,
                                  settings_.servoThrow});
    };
    const JudgedTorque judged = JudgedTorqueOf(opinion_, settings_.judgeWith);
    const InstallationVerdict verdict = judge(judged.kgfCm);
    display_.minimumRating = verdict.minimumRating;
    display_.judgedOn = judged.words;
    if (!rating && verdict.linkageFits) {
        display_.verdict = "Servo da indicare";
        display_.verdictReason = "Indicare la coppia del servo: almeno " + verdict.minimumRating +
                                 " " + display_.ratingUnit;
        display_.verdictTone = Tone::Warning;
        return;
    }
    display_.verdict = verdict.words;
    display_.verdictReason = verdict.reason;
    display_.verdictTone = verdict.tone;
    if (!rating)
        return;
    display_.margin = verdict.margin;
    if (opinion_.available) {
        const InstallationVerdict other =
            judge(judged.estimate ? opinion_.calculationKgfCm : opinion_.realKgfCm);
        const InstallationVerdict& onEstimate = judged.estimate ? verdict : other;
        display_.secondOpinionMargin = onEstimate.margin;
        display_.secondOpinionMarginTone = ToneOf(onEstimate.torque.verdict);
        if (const std::optional<OtherVerdict> differs =
                OtherVerdictOf(verdict, other, !judged.estimate)) {
            display_.otherVerdict = differs->line;
            display_.otherVerdictTone = differs->tone;
        }
    }
    FillLimits(calculation, *RatingKgfCm());
}

void AnalysisWindow::FillLimits(const FieldCalculation& calculation, double ratingKgfCm) {
    const TorqueInputs& in = calculation.inputs;
    const double factor = settings_.safetyFactor;
    // Each servo holds its share of the surface's torque: together, the share times its rating.
    const double together = ratingKgfCm * Share();
    // The figure at the rated torque, then the one with the factor unless it says the same.
    const auto both = [factor](const std::string& rated, const std::string& withFactor) {
        if (factor == 1)
            return rated;
        if (rated == withFactor)
            return rated + ", anche con il fattore di sicurezza";
        return rated + " (" + withFactor + " con il fattore di sicurezza)";
    };
    // The torque the verdict is judged on, wherever the searches take the inputs.
    const TorqueAt torque = opinion_.available
                                ? JudgedTorqueAt(Profile(), settings_.judgeWith, constants_)
                                : CalculatedTorqueAt(constants_);
    const auto deflection = [&](double rating) {
        return HoldingText(LargestDeflectionHeld(in, rating, torque), "°", "tutta, fino a ");
    };
    const auto speed = [&](double rating) {
        return HoldingText(HighestSpeedHeld(in, rating, torque), " Km/h", "oltre ");
    };
    display_.limits.push_back({"Deflessione massima a " + FormatPlainNumber(in.Vel) + " Km/h",
                               both(deflection(together), deflection(together / factor))});
    display_.limits.push_back({"Velocità massima a " + FormatPlainNumber(in.Ang) + "°",
                               both(speed(together), speed(together / factor))});
}

std::optional<double> AnalysisWindow::RatingKgfCm() const {
    if (!valid_[static_cast<std::size_t>(AnalysisField::CoppiaServo)])
        return std::nullopt;
    const std::optional<LoanedServo>& loaned = loan_.Current();
    if (!loaned)
        return RatingInKgfCm(settings_.rating, settings_.unit);
    if (!loaned->rating)
        return std::nullopt;
    return RatingInKgfCm(*loaned->rating, loaned->unit);
}

int AnalysisWindow::Share() const {
    const std::optional<LoanedServo>& loaned = loan_.Current();
    return loaned && loaned->count > 1 ? loaned->count : 1;
}

}  // namespace coppia
