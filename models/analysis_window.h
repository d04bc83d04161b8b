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
#include "models/field_calculation.h"
#include "models/main_window_state.h"
#include "models/text_clipboard.h"

namespace coppia {

inline constexpr std::string_view kAnalysisTitle = "Analisi della Coppia";

// What a text means at a glance; the view gives each its colour.
enum class Tone { Neutral, Good, Warning, Bad };

// The fields the user types into.
enum class AnalysisField { CoppiaServo, FattoreSicurezza, Escursione, AltreVelocita };
inline constexpr std::size_t kAnalysisFieldCount = 4;

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

// One whole degree of the sweep: the angle, the travel, then the torque at each speed.
struct SweepTableRow {
    std::vector<std::string> cells;
    bool peak = false;     // the largest torque at the model's speed
    bool current = false;  // the deflection the main window shows, to the nearest degree
};

// The torque across the deflections at one speed, in Kg*cm, as the plot draws it.
struct PlotCurve {
    std::string name;
    bool modelSpeed = false;
    std::vector<std::pair<double, double>> points;  // (degrees, Kg*cm); refused ones left out
    std::optional<std::pair<double, double>> peak;
    std::string peakLabel;  // the peak's torque, as the table writes it
};

struct PlotData {
    std::vector<PlotCurve> curves;
    std::optional<double> deflection;  // the current deflection's magnitude, within 0..60
    std::optional<double> rating;      // the servo's rated torque in Kg*cm
    std::string ratingName;
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

    std::vector<std::string> sweepHeadings;  // with their units
    std::vector<SweepTableRow> sweepRows;    // one per whole degree from 0 to 60
    std::string speedsProblem;               // the other speeds cannot be used
    PlotData plot;
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
    void FillPlot(const FieldCalculation& calculation, const std::vector<SweepCurve>& curves,
                  const std::vector<double>& factors, const std::vector<std::string>& names);
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
    std::array<std::string, kAnalysisFieldCount> texts_;
    std::array<bool, kAnalysisFieldCount> valid_{true, true, true, true};
    FieldCalculation calculation_;
    AnalysisDisplay display_;
    Observer observer_;
};

}  // namespace coppia
