// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/servo_check.h"
#include "engine/torque.h"
#include "files/analysis_settings.h"
#include "models/analysis/analysis_display.h"
#include "models/analysis/analysis_summary.h"
#include "models/analysis/text_clipboard.h"
#include "models/main/field_calculation.h"
#include "models/main/main_window_state.h"
#include "models/shared/absurd_inputs.h"
#include "models/shared/csv_text.h"
#include "models/shared/second_opinion.h"
#include "models/shared/servo_loan.h"

namespace coppia {

// The behaviour of the analysis window, free of any toolkit. It follows the main window's
// fields through a read-only view of its state, recomputing with CalculateTorque at every
// change, and never changes the main window. One method per event of its own controls.
class AnalysisWindow {
  public:
    using Observer = std::function<void()>;

    // `loan` is the servo a model lends with a surface it loads into the main window, judged
    // in place of the window's own while it is lent.
    AnalysisWindow(const MainWindowState& main, ServoLoan& loan, AnalysisSettingsStore& settings,
                   TextClipboard& clipboard);
    ~AnalysisWindow();
    AnalysisWindow(const AnalysisWindow&) = delete;
    AnalysisWindow& operator=(const AnalysisWindow&) = delete;

    // Told after every change of what the window shows.
    void SetObserver(Observer observer) { observer_ = std::move(observer); }

    const AnalysisDisplay& Display() const { return display_; }
    const std::string& Text(AnalysisField field) const {
        return texts_[static_cast<std::size_t>(field)];
    }
    RatingUnit Unit() const;
    // What the window shows in lines, as the summary and the printed sheet give it.
    Summary Summarised() const;
    // The plain-text summary that Copia puts on the clipboard.
    std::string CopyText() const { return SummaryText(Summarised()); }
    // The sweep table with its headings, as CSV in the given format.
    std::string CsvText(CsvFormat format) const;
    // The servo's data-sheet figures as their fields show them, in kServoFigureKeys' order.
    const std::string& FigureText(std::size_t figure) const { return figureTexts_.at(figure); }
    // Where the file dialogs open: the folder of the last export, empty before there is one.
    const std::string& ExportFolder() const { return settings_.exportFolder; }

    // Events.
    void Analisi_Form_Load();
    void Analisi_CoppiaServo_Change(std::string_view text);
    void Analisi_UnitaCoppia_Change(RatingUnit unit);
    void Analisi_FattoreSicurezza_Change(std::string_view text);
    void Analisi_Escursione_Change(std::string_view text);
    void Analisi_AltreVelocita_Change(std::string_view text);
    // The servo's data sheet, each figure optional: blank is not given.
    void Analisi_Tensione_Change(std::string_view text);
    void Analisi_Tempo60_Change(std::string_view text);
    void Analisi_CorrenteVuoto_Change(std::string_view text);
    void Analisi_CorrenteStallo_Change(std::string_view text);
    void Analisi_Copia_Click();
    // Ctrl+C on the table: the selected cells, as (row, column) of the sweep's rows.
    void Analisi_Tabella_Copy(const std::vector<std::pair<int, int>>& cells);
    // An export has written `path` (`reason` empty), or could not, for `reason`.
    void Analisi_File_Written(std::string_view what, std::string_view path,
                              std::string_view reason);
    // Any text or flag of the main window changed.
    void Main_Change();
    // A model lent the servo of a surface it loaded, or changed it, or the loan ended.
    void Loan_Change();
    // The section at the surface, and the torque the verdict is judged on.
    void Analisi_SpessoreProfilo_Change(std::string_view text);
    void Analisi_FessuraProfilo_Change(HingeGap gap);
    void Analisi_GiudicaCon_Change(JudgeWith with);
    // The section judged: the lent surface's, or the window's own.
    SectionProfile Profile() const;
    JudgeWith JudgeChoice() const { return settings_.judgeWith; }

  private:
    // Every change of an input makes what was said of the last copy or export old.
    void InputChanged();
    void Refresh();
    void FillFreshness(const FieldCalculation& calculation);
    void FillTorque(const FieldCalculation& calculation);
    void FillLinkage(const FieldCalculation& calculation);
    // Whose servo is judged, when a model lent it, and whether it is still as the model has it.
    void FillServoOwner();
    void FillServoCheck(const FieldCalculation& calculation);
    void FillLimits(const FieldCalculation& calculation, double ratingKgfCm);
    void FillSweep(const FieldCalculation& calculation);
    // Takes the field's text, and its value when it lies within `valid`; saves what changed.
    void Edit(AnalysisField field, std::string_view text, double& value, bool (*valid)(double));
    // The rated torque in Kg*cm of one servo, when it can be used.
    std::optional<double> RatingKgfCm() const;
    // The servos that share the surface's torque: those of a lent surface, else 1.
    int Share() const;
    // The rating of the servo judged, as the field shows it.
    std::string RatingText() const;
    std::optional<GivenTravel> TravelGiven(const FieldCalculation& calculation) const;
    void Save();
    // The second estimate at the fields' inputs, when the thickness can be used.
    void FillSecondOpinion(const FieldCalculation& calculation);
    // The verdict on the torque judged, and the other torque's margin and verdict.
    void FillVerdicts(const FieldCalculation& calculation, std::optional<double> rating);
    std::string ThicknessText() const;

    // The servo's data sheet: the lent servo's, or the window's own.
    const ServoFigures& Figures() const;
    // Those in use: a figure whose field holds what cannot be used is not given.
    ServoFigures FiguresInUse() const;
    void ShowFigures();
    void EditFigure(std::size_t figure, std::string_view text);
    void FillMotion(const FieldCalculation& calculation);

    const MainWindowState& main_;
    ServoLoan& loan_;
    int loanObserver_ = 0;
    bool lendingBack_ = false;  // the rating typed here goes to the loan: no echo
    AnalysisSettingsStore& store_;
    TextClipboard& clipboard_;
    TorqueConstants constants_;
    AnalysisSettings settings_;  // the values in use: the last valid ones typed
    AnalysisSettings saved_;     // what the settings file holds
    std::string saveProblem_;
    bool fileKept_ = false;  // the settings file could not be read, and is not written over
    std::string status_;
    Tone statusTone_ = Tone::Neutral;
    std::array<std::string, kAnalysisFieldCount> texts_;
    std::array<bool, kAnalysisFieldCount> valid_{true, true, true, true, true};
    FieldCalculation calculation_;
    SecondOpinion opinion_;  // at the fields' inputs; not available while refused
    AnalysisDisplay display_;
    Observer observer_;
    std::array<std::string, kServoFigureKeys.size()> figureTexts_;
    std::array<bool, kServoFigureKeys.size()> figureValid_{true, true, true, true};
};

}  // namespace coppia
