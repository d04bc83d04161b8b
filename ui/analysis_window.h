// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "engine/servo_check.h"
#include "engine/torque.h"
#include "settings/analysis_settings.h"
#include "ui/field_calculation.h"
#include "ui/main_window_state.h"
#include "ui/text_clipboard.h"

namespace coppia {

inline constexpr std::string_view kAnalysisTitle = "Analisi della Coppia";

// What a text means at a glance; the view gives each its colour.
enum class Tone { Neutral, Good, Warning, Bad };

// The fields the user types into.
enum class AnalysisField { CoppiaServo, FattoreSicurezza, Escursione };

// One step from the inputs to the torque: the same numbers as the calculation's own.
struct AnalysisStep {
    std::string_view name;
    std::string value;  // empty while the calculation is refused
    std::string_view unit;
};
inline constexpr std::size_t kAnalysisStepCount = 9;
inline constexpr std::array<std::string_view, kAnalysisStepCount> kAnalysisStepNames = {
    "Rapporto corda alettone / corda ala",
    "Velocità",
    "Coefficiente di portanza (Cp)",
    "Fattore d'angolo",
    "Angolo efficace",
    "Coefficiente di cerniera",
    "Coppia alla cerniera",
    "Rapporto dei bracci BrServ / BrAlett",
    "Coppia al servo",
};
inline constexpr std::array<std::string_view, kAnalysisStepCount> kAnalysisStepUnits = {
    "", "m/s", "", "° per unità di Cp", "°", "N·cm / (m²/s² · mm³ · °)", "N·cm", "", "Kg*cm",
};

// Everything the window shows, as texts and their tones.
struct AnalysisDisplay {
    std::string freshness;  // whether the main window's results are current
    Tone freshnessTone = Tone::Neutral;
    std::string refusal;  // why nothing can be computed, in place of the numbers; else empty

    std::string torqueKgfCm;
    std::string torqueNewtonCm;
    std::string torqueNewtonM;
    std::string torqueOzfIn;
    std::array<AnalysisStep, kAnalysisStepCount> steps;
    std::string stall;
    Tone stallTone = Tone::Neutral;

    std::string rotation;  // the servo arm's rotation in degrees
    std::string linkage;   // what the rotation means for this servo
    Tone linkageTone = Tone::Neutral;

    std::string margin;
    std::string minimumRating;  // with its unit
    std::string verdict;
    Tone verdictTone = Tone::Neutral;
    std::string settingsProblem;  // an input of the servo check that cannot be used, or a save
};

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

    // Events.
    void Analisi_Form_Load();
    void Analisi_CoppiaServo_Change(std::string_view text);
    void Analisi_UnitaCoppia_Change(RatingUnit unit);
    void Analisi_FattoreSicurezza_Change(std::string_view text);
    void Analisi_Escursione_Change(std::string_view text);
    void Analisi_Copia_Click();
    // Any text or flag of the main window changed.
    void Main_Change();

  private:
    void Refresh();
    void FillTorque(const FieldCalculation& calculation);
    void FillLinkage(const FieldCalculation& calculation);
    void FillServoCheck(const FieldCalculation& calculation);
    // Takes the field's text, and its value when it lies within `valid`; saves what changed.
    void Edit(AnalysisField field, std::string_view text, double& value, bool (*valid)(double));
    void Save();

    const MainWindowState& main_;
    AnalysisSettingsStore& store_;
    TextClipboard& clipboard_;
    TorqueConstants constants_;
    AnalysisSettings settings_;  // the values in use: the last valid ones typed
    AnalysisSettings saved_;     // what the settings file holds
    std::string saveProblem_;
    std::array<std::string, 3> texts_;
    std::array<bool, 3> valid_{true, true, true};
    FieldCalculation calculation_;
    AnalysisDisplay display_;
    Observer observer_;
};

}  // namespace coppia
