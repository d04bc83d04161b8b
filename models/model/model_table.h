// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/servo_check.h"
#include "engine/supply_check.h"
#include "engine/torque.h"
#include "files/analysis_settings.h"
#include "files/model_record.h"
#include "models/shared/csv_text.h"
#include "models/shared/supply_text.h"
#include "models/shared/tone.h"

namespace coppia {

// The model window's table: a row per surface, computed as CALCOLA computes it and judged as the
// analysis window judges it, with the safety factor and the servo's throw of its settings.

// The deciding columns first, so that a narrow window still shows which surface fails. The
// torque per servo has a column for each unit; the least rating and the servo's own are in the
// unit of the servo's label, which each of their cells names beside the figure ("2.09 Kg*cm",
// "13.64 N·cm"): a unit in a column of its own would be off-screen in a narrow window, and a
// spreadsheet could add up figures of two units.
enum class ModelColumn {
    Superficie,
    Verdetto,
    Margine,
    CoppiaMinima,
    CoppiaKgcm,
    CoppiaNcm,
    Rotazione,
    Tipo,
    Servi,
    Servo,
    CoppiaDichiarata,
    // The second estimate, from wing-section theory, per servo, and the margin against it.
    SecondaStimaReale,
    SecondaStimaSottile,
    MargineSecondaStima,
    // The servo's motion at the surface's deflection, one servo's (MotionCells): a time or
    // where it stops, a current, or which datum of its sheet is missing.
    TempoCarico,
    TempoVuoto,
    CorrenteTenuta,
    CorrenteSpunto,
};
inline constexpr std::size_t kModelColumnCount = 18;
inline constexpr bool IsMotionColumn(std::size_t column) {
    return column >= static_cast<std::size_t>(ModelColumn::TempoCarico) &&
           column <= static_cast<std::size_t>(ModelColumn::CorrenteSpunto);
}
// The computed columns, from the verdict to the rotation: a surface without a verdict says why
// in their place.
inline constexpr std::size_t kFirstComputedColumn = static_cast<std::size_t>(ModelColumn::Verdetto);
inline constexpr std::size_t kComputedColumnCount = 6;
inline constexpr bool IsComputedColumn(std::size_t column) {
    return column >= kFirstComputedColumn && column < kFirstComputedColumn + kComputedColumnCount;
}

// How much a surface's verdict asks of the builder, least first: the model's summary leads with
// the worst.
enum class Concern { Sufficient, AtTheLimit, RatingMissing, Failing };

struct ModelTableRow {
    std::array<std::string, kModelColumnCount> cells;  // the computed ones empty when refused
    std::string refusal;  // why the surface has no verdict (refused or absurd); else empty
    Concern concern = Concern::Failing;
    // What the summary says of the surface: the verdict's words, "Servo da indicare", the
    // absurd input ("LungAlett negativa") or "Non calcolabile".
    std::string headline;
    Tone verdictTone = Tone::Neutral;
    std::string verdictReason;
    Tone rotationTone = Tone::Neutral;  // Bad when the arms cannot reach or the servo turns too far
    std::optional<ServoCheck> torqueCheck;  // the torque alone, when computed

    // The torque judged on each way, when a rating is given: the calculation's, and the
    // real-section estimate's when there is one.
    std::optional<ServoCheck> calculationCheck;
    std::optional<ServoCheck> estimateCheck;
    std::string otherVerdict;  // the verdict on the other torque, when it differs
    Tone otherVerdictTone = Tone::Neutral;
    std::string estimateProblem;     // why there is no second estimate, when computed
    std::string estimateRatio;       // "1.08 volte il calcolo"
    std::string estimateIndicative;  // why the estimate is only indicative, when it is
    std::string estimateVerdict;     // the verdict on the real-section estimate, when rated
    Tone estimateVerdictTone = Tone::Neutral;

    // What its servos draw from the supply; the moving current unknown without a verdict.
    SurfaceDraw draw;
    Tone motionTone = Tone::Neutral;  // Bad where the servo stops short
};

// The headings, units included; the rotation's names the throw it is judged against.
std::array<std::string, kModelColumnCount> ModelTableHeadings(const AnalysisSettings& settings);

ModelTableRow SurfaceRow(const Surface& surface, const AnalysisSettings& settings,
                         const TorqueConstants& constants);

// What the window writes below the table: every verdict that asks something of the builder,
// the worst first, then the weakest margin.
struct ModelTotals {
    std::string servos;  // "Servi del modello: 6, su 6 superfici"
    // Each with its surface or its count, those without a verdict apart: "Rinvio Insufficiente:
    // Timone · Servo Insufficiente!!: 3 superfici · Senza verdetto: Flap 40"; or "Servo
    // Sufficiente per tutte le 6 superfici".
    std::string verdict;
    Tone verdictTone = Tone::Neutral;
    std::string weakest;  // "Margine più basso: 1.23, Timone"
    Tone weakestTone = Tone::Neutral;
    // By either torque, the calculation's or the second estimate's, and which: "Margine più basso
    // tra calcolo e seconda stima: 1.05, Alettone destro, con la seconda stima". When the verdicts
    // are judged on the more prudent torque, that is `weakest`, and this stays empty.
    std::string weakestEither;
    Tone weakestEitherTone = Tone::Neutral;
    std::string secondOpinionSource;  // where the second estimate comes from
    // The model's supply against every servo at once (DescribeSupply).
    SupplyLines supply;
};
ModelTotals Totals(const Model& model, const std::vector<ModelTableRow>& rows, JudgeWith judgeWith);

// The judging settings the table uses, and where they come from.
std::string JudgingSettingsText(const AnalysisSettings& settings);

// The table with its headings, as CSV in the given format; a refusal stands in the first
// computed column.
std::string ModelCsv(const std::array<std::string, kModelColumnCount>& headings,
                     const std::vector<ModelTableRow>& rows, CsvFormat format);

// A kind as the window writes it: "Alettone", "Elevatore".
std::string_view KindText(SurfaceKind kind);
// What the main window's fields mean for this kind, when that is not what they say: empty for
// an aileron, a flap or another surface.
std::string_view KindNote(SurfaceKind kind);

// How the window names a surface in its texts: its name, or its place when it has none.
std::string SurfaceLabel(const Surface& surface, std::size_t index);

}  // namespace coppia
