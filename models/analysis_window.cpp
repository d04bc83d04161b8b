// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis_window.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/deflection.h"
#include "engine/number_text.h"
#include "models/analysis_summary.h"
#include "models/analysis_sweep.h"

namespace coppia {

namespace {

// Four significant digits with an exponent, for the tiny hinge coefficient: "6.932E-10".
std::string Scientific(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 3).ptr;
    std::string text(buffer, end);
    const std::size_t e = text.find('e');
    if (e != std::string::npos)
        text[e] = 'E';
    return text;
}

std::string Degrees(double value) {
    return FormatNumber(value, "#0.0") + "°";
}

}  // namespace

AnalysisWindow::AnalysisWindow(const MainWindowState& main, AnalysisSettingsStore& settings,
                               TextClipboard& clipboard)
    : main_(main), store_(settings), clipboard_(clipboard), constants_(InitTorqueConstants()) {}

void AnalysisWindow::Analisi_Form_Load() {
    settings_ = store_.Read();
    saved_ = settings_;
    // Settings that are there but cannot be read are still the user's: the window works with
    // the defaults, and leaves the file as it is for the rest of the run.
    const std::string readProblem = store_.ReadProblem();
    fileKept_ = !readProblem.empty();
    saveProblem_ = fileKept_ ? "Impostazioni non lette da " + store_.Location() + ": " +
                                   readProblem + "!! In uso quelle predefinite; il file resta com'è"
                             : "";
    texts_ = {FormatPlainNumber(settings_.rating), FormatPlainNumber(settings_.safetyFactor),
              FormatPlainNumber(settings_.servoThrow), SpeedFactorsText(settings_.speedFactors)};
    valid_ = {true, true, true, true};
    Refresh();
}

void AnalysisWindow::Analisi_CoppiaServo_Change(std::string_view text) {
    Edit(AnalysisField::CoppiaServo, text, settings_.rating, IsValidRating);
}

void AnalysisWindow::Analisi_FattoreSicurezza_Change(std::string_view text) {
    Edit(AnalysisField::FattoreSicurezza, text, settings_.safetyFactor, IsValidSafetyFactor);
}

void AnalysisWindow::Analisi_Escursione_Change(std::string_view text) {
    Edit(AnalysisField::Escursione, text, settings_.servoThrow, IsValidServoThrow);
}

void AnalysisWindow::Analisi_AltreVelocita_Change(std::string_view text) {
    const auto index = static_cast<std::size_t>(AnalysisField::AltreVelocita);
    texts_[index] = text;
    const std::optional<std::vector<double>> factors = ReadSpeedFactors(text);
    valid_[index] = factors.has_value();
    if (factors) {
        settings_.speedFactors = *factors;
        Save();
    }
    Refresh();
}

void AnalysisWindow::Analisi_UnitaCoppia_Change(RatingUnit unit) {
    // The number stays as typed: the unit says what it was typed in.
    settings_.unit = unit;
    Save();
    Refresh();
}

void AnalysisWindow::Analisi_Copia_Click() {
    clipboard_.SetText(CopyText());
}

void AnalysisWindow::Main_Change() {
    Refresh();
}

void AnalysisWindow::Edit(AnalysisField field, std::string_view text, double& value,
                          bool (*valid)(double)) {
    const auto index = static_cast<std::size_t>(field);
    texts_[index] = text;
    const std::optional<double> number = ReadNumber(text);
    valid_[index] = number && valid(*number);
    if (valid_[index]) {
        value = *number;
        Save();
    }
    Refresh();
}

void AnalysisWindow::Save() {
    if (settings_ == saved_ || fileKept_)
        return;
    const SaveResult result = store_.Write(settings_);
    if (result.saved) {
        saved_ = settings_;
        saveProblem_.clear();
    } else {
        saveProblem_ =
            "Impostazioni non salvate in " + store_.Location() + ": " + result.reason + "!!";
    }
}

void AnalysisWindow::Refresh() {
    display_ = AnalysisDisplay{};
    if (main_.ResultsCurrent()) {
        display_.freshness = "Risultati della finestra principale aggiornati";
        display_.freshnessTone = Tone::Good;
    } else if (main_.ResultsStale()) {
        display_.freshness =
            "Risultati della finestra principale da ricalcolare (CALCOLA): qui i valori seguono "
            "già i campi";
        display_.freshnessTone = Tone::Warning;
    }
    calculation_ = CalculateFromFields(main_, constants_);
    FillTorque(calculation_);
    FillLinkage(calculation_);
    FillServoCheck(calculation_);
    FillSweep(calculation_);
    if (observer_)
        observer_();
}

void AnalysisWindow::FillTorque(const FieldCalculation& calculation) {
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        display_.steps[i] = AnalysisStep{kAnalysisStepNames[i], {}, kAnalysisStepUnits[i]};
    }
    if (calculation.refusal) {
        display_.refusal = "Calcolo impossibile: " + std::string(calculation.refusal->text);
        return;
    }
    const TorqueResult& r = calculation.result;
    const TorqueInputs& in = calculation.inputs;
    const TorqueInUnits units = ConvertTorque(r.ServoTorque);
    display_.torqueKgfCm = FormatNumber(units.kgfCm, "#0.00");
    display_.torqueNewtonCm = FormatNumber(units.newtonCm, "#0.00");
    display_.torqueNewtonM = FormatNumber(units.newtonM, "#0.0000");
    display_.torqueOzfIn = FormatNumber(units.ozfIn, "#0.00");

    const std::array<std::string, kAnalysisStepCount> values = {
        FormatNumber(r.ChordRatio, "#0.000"),
        FormatNumber(std::copysign(std::sqrt(r.SpeedSquared), in.Vel), "#0.00"),
        FormatNumber(r.LiftCoefficient, "#0.000"),
        FormatNumber(r.AngleFactor, "#0.00"),
        FormatNumber(r.EffectiveAngle, "#0.00"),
        Scientific(r.HingeCoefficient),
        FormatNumber(r.HingeTorque, "#0.00"),
        FormatNumber(in.BrServ / in.BrAlett, "#0.000"),
        FormatNumber(r.ServoTorque, "#0.00"),
    };
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) display_.steps[i].value = values[i];
    if (r.StallRisk) {
        display_.stall = "Cp oltre 1.2: possibile condizione di stallo!!";
        display_.stallTone = Tone::Bad;
    } else {
        display_.stall = "Cp fino a 1.2: nessun rischio di stallo";
        display_.stallTone = Tone::Good;
    }
}

void AnalysisWindow::FillLinkage(const FieldCalculation& calculation) {
    if (!valid_[static_cast<std::size_t>(AnalysisField::Escursione)]) {
        display_.linkage = "Escursione del servo non valida: serve un numero oltre 0 e fino a 180";
        display_.linkageTone = Tone::Bad;
    }
    if (!calculation.deflectionKnown || !calculation.armsRead) {
        if (display_.linkage.empty())
            display_.linkage = "Deflessione o bracci non leggibili nella finestra principale";
        return;
    }
    const TorqueInputs& in = calculation.inputs;
    const LinkageResult linkage = CheckLinkage(in.BrAlett, in.BrServ, in.Ang, settings_.servoThrow);
    if (linkage.outcome == LinkageOutcome::Unreachable) {
        display_.linkage =
            "Con questi bracci la deflessione non si raggiunge: il braccio del "
            "servo è troppo corto!!";
        display_.linkageTone = Tone::Bad;
        return;
    }
    display_.rotation = Degrees(linkage.rotation);
    if (!display_.linkage.empty())
        return;
    const std::string servoThrow = FormatPlainNumber(settings_.servoThrow) + "°";
    if (linkage.beyondThrow) {
        display_.linkage = "Oltre l'escursione del servo (" + servoThrow + " per lato)!!";
        display_.linkageTone = Tone::Bad;
    } else {
        display_.linkage = "Entro l'escursione del servo (" + servoThrow + " per lato)";
        display_.linkageTone = Tone::Good;
    }
}

void AnalysisWindow::FillServoCheck(const FieldCalculation& calculation) {
    std::string problem;
    if (!valid_[static_cast<std::size_t>(AnalysisField::CoppiaServo)])
        problem = "Coppia del servo non valida: serve un numero oltre 0";
    else if (!valid_[static_cast<std::size_t>(AnalysisField::FattoreSicurezza)])
        problem = "Fattore di sicurezza non valido: serve un numero da 1 in su";
    display_.settingsProblem = problem.empty() ? saveProblem_ : problem;
    if (!problem.empty() || calculation.refusal)
        return;

    // Both torques in the unit the rating is typed in.
    const TorqueInUnits needed = ConvertTorque(calculation.result.ServoTorque);
    const double neededInUnit =
        settings_.unit == RatingUnit::NewtonCm ? needed.newtonCm : needed.kgfCm;
    const ServoCheck check = CheckServo(neededInUnit, settings_.rating, settings_.safetyFactor);
    display_.margin = std::isinf(check.margin) ? "illimitato" : FormatNumber(check.margin, "#0.00");
    display_.minimumRating = FormatNumber(check.minimumRating, "#0.00") + " " +
                             std::string(RatingUnitName(settings_.unit));
    switch (check.verdict) {
        case Verdict::Sufficient:
            display_.verdict = "Servo Sufficiente";
            display_.verdictTone = Tone::Good;
            break;
        case Verdict::AtTheLimit:
            display_.verdict = "Servo al Limite";
            display_.verdictTone = Tone::Warning;
            break;
        case Verdict::Insufficient:
            display_.verdict = "Servo Insufficiente!!";
            display_.verdictTone = Tone::Bad;
            break;
    }
}

void AnalysisWindow::FillSweep(const FieldCalculation& calculation) {
    if (!valid_[static_cast<std::size_t>(AnalysisField::AltreVelocita)]) {
        display_.speedsProblem =
            "Altre velocità non valide: da 1 a 4 numeri separati da spazi, "
            "ciascuno oltre 0 e fino a 10";
    }
    SweepDisplay sweep =
        DisplaySweep(calculation, settings_.speedFactors, RatingKgfCm(), constants_);
    display_.sweepHeadings = std::move(sweep.headings);
    display_.sweepRows = std::move(sweep.rows);
    display_.plot = std::move(sweep.plot);
}

std::optional<double> AnalysisWindow::RatingKgfCm() const {
    if (!valid_[static_cast<std::size_t>(AnalysisField::CoppiaServo)])
        return std::nullopt;
    return settings_.unit == RatingUnit::NewtonCm ? KgfCmFromNewtonCm(settings_.rating)
                                                  : settings_.rating;
}

std::string AnalysisWindow::CsvText() const {
    return SweepCsv(display_.sweepHeadings, display_.sweepRows);
}

std::string AnalysisWindow::CopyText() const {
    return SummaryText(
        calculation_.inputs, display_,
        {Text(AnalysisField::CoppiaServo), settings_.unit, Text(AnalysisField::FattoreSicurezza)});
}

}  // namespace coppia
