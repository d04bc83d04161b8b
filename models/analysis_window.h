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
#include "models/analysis_display.h"
#include "models/field_calculation.h"
#include "models/main_window_state.h"
#include "models/text_clipboard.h"

namespace coppia {

// The behaviour of the analysis window, free of any toolkit. It follows the main window's
// fields through a read-only view of its state, recomputing with CalculateTorque at every
// change, and never changes the main window. One method per event of its own controls.
class AnalysisWindow {
  public:
    using Observer = std::function<void()>;

    AnalysisWindow(const MainWindowState& main, AnalysisSettingsStore& settings,
                   TextClipboard& clipboard);
    AnalysisWindow(const AnalysisWindow&) = delete;
    AnalysisWindow& operator=(const AnalysisWindow&) = delete;

    // Told after every change of what the window shows.
    void SetObserver(Observer observer) { observer_ = std::move(observer); }

    const AnalysisDisplay& Display() const { return display_; }
    const std::string& Text(AnalysisField field) const {
        return texts_[static_cast<std::size_t>(field)];
    }
    RatingUnit Unit() const { return settings_.unit; }
    // The plain-text summary that Copia puts on the clipboard.
    std::string CopyText() const;
    // The sweep table as comma-separated UTF-8: a header row with units, then one line per row,
    // each ended by CR LF; "." is the decimal point whatever the locale.
    std::string CsvText() const;

    // Events.
    void Analisi_Form_Load();
    void Analisi_CoppiaServo_Change(std::string_view text);
    void Analisi_UnitaCoppia_Change(RatingUnit unit);
    void Analisi_FattoreSicurezza_Change(std::string_view text);
    void Analisi_Escursione_Change(std::string_view text);
    void Analisi_AltreVelocita_Change(std::string_view text);
    void Analisi_Copia_Click();
    // Any text or flag of the main window changed.
    void Main_Change();

  private:
    void Refresh();
    void FillTorque(const FieldCalculation& calculation);
    void FillLinkage(const FieldCalculation& calculation);
    void FillServoCheck(const FieldCalculation& calculation);
    void FillSweep(const FieldCalculation& calculation);
    // Takes the field's text, and its value when it lies within `valid`; saves what changed.
    void Edit(AnalysisField field, std::string_view text, double& value, bool (*valid)(double));
    // The rated torque in Kg*cm, when it can be used.
    std::optional<double> RatingKgfCm() const;
    void Save();

    const MainWindowState& main_;
    AnalysisSettingsStore& store_;
    TextClipboard& clipboard_;
    TorqueConstants constants_;
    AnalysisSettings settings_;  // the values in use: the last valid ones typed
    AnalysisSettings saved_;     // what the settings file holds
    std::string saveProblem_;
    bool fileKept_ = false;  // the settings file could not be read, and is not written over
    std::array<std::string, kAnalysisFieldCount> texts_;
    std::array<bool, kAnalysisFieldCount> valid_{true, true, true, true};
    FieldCalculation calculation_;
    AnalysisDisplay display_;
    Observer observer_;
};

}  // namespace coppia
