// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis/analysis_window.h"

#include <algorithm>
#include <cmath>

#include "engine/deflection.h"
#include "engine/number_text.h"
#include "files/platform/platform.h"
#include "models/analysis/analysis_summary.h"
#include "models/analysis/analysis_sweep.h"
#include "models/shared/file_written.h"
#include "models/shared/installation_verdict.h"

namespace coppia {

AnalysisWindow::AnalysisWindow(const MainWindowState& main, ServoLoan& loan,
                               AnalysisSettingsStore& settings, TextClipboard& clipboard)
    : main_(main),
      loan_(loan),
      store_(settings),
      clipboard_(clipboard),
      constants_(InitTorqueConstants()) {
    loanObserver_ = loan_.AddObserver([this] { Loan_Change(); });
}

AnalysisWindow::~AnalysisWindow() {
    loan_.RemoveObserver(loanObserver_);
}

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
    texts_ = {RatingText(), FormatPlainNumber(settings_.safetyFactor),
              FormatPlainNumber(settings_.servoThrow), SpeedFactorsText(settings_.speedFactors),
              ThicknessText()};
    valid_ = {true, true, true, true, true};
    ShowFigures();
    Refresh();
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
    // A pasted comma is the decimal point, as a typed one is.
    std::string decimal(text);
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    const std::optional<std::vector<double>> factors = ReadSpeedFactors(decimal);
    valid_[index] = factors.has_value();
    if (factors) {
        settings_.speedFactors = *factors;
        Save();
    }
    InputChanged();
}

void AnalysisWindow::Analisi_Copia_Click() {
    clipboard_.SetText(CopyText());
    status_ = "Riepilogo copiato negli appunti";
    statusTone_ = Tone::Good;
    Refresh();
}

void AnalysisWindow::Analisi_Tabella_Copy(const std::vector<std::pair<int, int>>& cells) {
    if (cells.empty())
        return Analisi_Copia_Click();
    // The block that holds every selected cell, the others left empty, as spreadsheets paste.
    const auto [rowLow, rowHigh] = std::minmax_element(
        cells.begin(), cells.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto [columnLow, columnHigh] =
        std::minmax_element(cells.begin(), cells.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; });
    const int firstRow = rowLow->first;
    const int firstColumn = columnLow->second;
    std::vector<std::vector<std::string>> block(
        static_cast<std::size_t>(rowHigh->first - firstRow + 1),
        std::vector<std::string>(static_cast<std::size_t>(columnHigh->second - firstColumn + 1)));
    for (const auto& [row, column] : cells) {
        if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= display_.sweepRows.size())
            continue;
        const std::vector<std::string>& rowCells =
            display_.sweepRows[static_cast<std::size_t>(row)].cells;
        if (static_cast<std::size_t>(column) < rowCells.size()) {
            block[static_cast<std::size_t>(row - firstRow)]
                 [static_cast<std::size_t>(column - firstColumn)] =
                     rowCells[static_cast<std::size_t>(column)];
        }
    }
    clipboard_.SetText(TabSeparatedText(block));
    status_ = "Celle copiate negli appunti";
    statusTone_ = Tone::Good;
    Refresh();
}

void AnalysisWindow::Analisi_File_Written(std::string_view what, std::string_view path,
                                          std::string_view reason) {
    FileWritten told = TellFileWritten(what, path, reason);
    status_ = std::move(told.text);
    statusTone_ = told.tone;
    if (reason.empty()) {
        settings_.exportFolder = PathString(FileSystemPath(path).parent_path());
        Save();
    }
    Refresh();
}

void AnalysisWindow::Main_Change() {
    InputChanged();
}

void AnalysisWindow::Edit(AnalysisField field, std::string_view text, double& value,
                          bool (*valid)(double)) {
    const auto index = static_cast<std::size_t>(field);
    texts_[index] = text;
    const std::optional<double> number = ReadWholeNumber(text);
    valid_[index] = number && valid(*number);
    if (valid_[index]) {
        value = *number;
        Save();
    }
    InputChanged();
}

void AnalysisWindow::InputChanged() {
    status_.clear();
    statusTone_ = Tone::Neutral;
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
    calculation_ = CalculateFromFields(main_, constants_);
    FillFreshness(calculation_);
    FillTorque(calculation_);
    FillSecondOpinion(calculation_);
    FillLinkage(calculation_);
    FillServoCheck(calculation_);
    FillMotion(calculation_);
    FillSweep(calculation_);
    display_.status = status_;
    display_.statusTone = statusTone_;
    if (observer_)
        observer_();
}

void AnalysisWindow::FillFreshness(const FieldCalculation& calculation) {
    if (main_.ResultsStale()) {
        display_.freshness =
            "Risultati della finestra principale da ricalcolare (CALCOLA): qui i valori seguono "
            "già i campi";
        display_.freshnessTone = Tone::Warning;
        return;
    }
    if (!main_.ResultsCurrent())
        return;
    // The result boxes stay editable: current only while they show what CALCOLA wrote there.
    const TorqueResult& result = calculation.result;
    const bool written =
        !calculation.refusal &&
        main_.Text(Control::Coppia) == FormatNumber(result.ServoTorque, "#00.00") &&
        main_.Text(Control::Cp_Out) == FormatNumber(result.LiftCoefficient, "#0.00");
    if (written) {
        display_.freshness = "Risultati della finestra principale aggiornati";
        display_.freshnessTone = Tone::Good;
    } else {
        display_.freshness =
            "Risultati della finestra principale modificati a mano: qui i valori seguono i campi";
        display_.freshnessTone = Tone::Warning;
    }
}

void AnalysisWindow::FillTorque(const FieldCalculation& calculation) {
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        display_.steps[i] =
            AnalysisStep{kAnalysisStepNames[i], {}, std::string(kAnalysisStepUnits[i])};
    }
    display_.torqueHeading = "Coppia al servo";
    if (Share() > 1) {
        display_.share = "per servo: 1 dei " + std::to_string(Share());
        display_.torqueHeading += " (" + display_.share + ")";
        display_.steps.back().unit += ", " + display_.share;
    }
    const TorqueResult& r = calculation.result;
    if (calculation.refusal) {
        display_.refusal = RefusalText(*calculation.refusal, r);
        // What to change: the ratio, against the range it must lie in.
        if (calculation.refusal->text == messages::ChordRatioOutOfRange.text &&
            std::isfinite(r.ChordRatio)) {
            display_.steps[0].value = FormatNumber(r.ChordRatio, "#0.000");
            display_.steps[0].unit = "fuori da 0.025–0.8";
        }
        return;
    }
    const TorqueInputs& in = calculation.inputs;
    const double perServo = r.ServoTorque / Share();
    const TorqueInUnits units = ConvertTorque(perServo);
    display_.torqueKgfCm = FormatFigure(units.kgfCm, 2);
    display_.torqueNewtonCm = FormatFigure(units.newtonCm, 2);
    display_.torqueNewtonM = FormatFigure(units.newtonM, 4);
    display_.torqueOzfIn = FormatFigure(units.ozfIn, 2);

    const std::array<std::string, kAnalysisStepCount> values = {
        FormatFigure(r.ChordRatio, 3),
        FormatFigure(std::copysign(std::sqrt(r.SpeedSquared), in.Vel), 2),
        FormatFigure(r.LiftCoefficient, 3),
        FormatFigure(r.AngleFactor, 2),
        FormatFigure(r.EffectiveAngle, 2),
        FormatPowerOfTen(r.HingeCoefficient),
        FormatFigure(r.HingeTorque, 2),
        FormatFigure(in.BrServ / in.BrAlett, 3),
        TorqueText(perServo),
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
    display_.rotation = FormatNumber(linkage.rotation, "#0.0");
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

void AnalysisWindow::FillSweep(const FieldCalculation& calculation) {
    std::vector<double> factors = settings_.speedFactors;
    if (!valid_[static_cast<std::size_t>(AnalysisField::AltreVelocita)]) {
        display_.speedsProblem =
            "Altre velocità non valide: da 1 a 4 numeri separati da spazi, "
            "ciascuno oltre 0 e fino a 10; intanto solo la velocità del modello";
        // The curves of speeds no longer asked for would pass for the ones typed.
        factors.clear();
    }
    // The estimate across the deflections with the section the window judges, when usable.
    std::optional<SectionProfile> profile;
    if (valid_[static_cast<std::size_t>(AnalysisField::SpessoreProfilo)])
        profile = Profile();
    SweepDisplay sweep = DisplaySweep(
        calculation, factors,
        {RatingKgfCm(), Share(), display_.share, profile, FiguresInUse(), settings_.servoThrow},
        constants_);
    display_.sweepHeadings = std::move(sweep.headings);
    display_.motionColumn = sweep.motionColumn;
    display_.sweepRows = std::move(sweep.rows);
    display_.plot = std::move(sweep.plot);
}

std::string AnalysisWindow::CsvText(CsvFormat format) const {
    return SweepCsv(display_.sweepHeadings, display_.sweepRows, format);
}

Summary AnalysisWindow::Summarised() const {
    SummaryQuestion question;
    question.inputs = calculation_.inputs;
    if (calculation_.deflectionKnown)
        question.travel = ReadNumber(main_.Text(Control::Corsa));
    question.unit = Unit();
    if (valid_[static_cast<std::size_t>(AnalysisField::CoppiaServo)])
        question.rating = loan_.Current() ? loan_.Current()->rating : settings_.rating;
    if (valid_[static_cast<std::size_t>(AnalysisField::FattoreSicurezza)])
        question.safetyFactor = settings_.safetyFactor;
    return Summarise(question, display_);
}

}  // namespace coppia
