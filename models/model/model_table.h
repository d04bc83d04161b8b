// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/servo_check.h"
#include "engine/torque.h"
#include "files/analysis_settings.h"
#include "files/model_record.h"
#include "models/shared/csv_text.h"
#include "models/shared/tone.h"

namespace coppia {

// The model window's table: a row per surface, computed as CALCOLA computes it and judged as the
// analysis window judges it, with the safety factor and the servo's throw of its settings.

enum class ModelColumn {
    Superficie,
    Tipo,
    Servi,
    Servo,
    CoppiaDichiarata,
    Unita,
    CoppiaKgcm,
    CoppiaNcm,
    Margine,
    Verdetto,
    Rotazione,
    CoppiaMinima,
};
inline constexpr std::size_t kModelColumnCount = 12;
// The columns from here on are computed: a refused surface says why in their place.
inline constexpr std::size_t kFirstComputedColumn =
    static_cast<std::size_t>(ModelColumn::CoppiaKgcm);

struct ModelTableRow {
    std::array<std::string, kModelColumnCount> cells;  // the computed ones empty when refused
    std::string refusal;  // why the surface cannot be computed; empty when it can
    Tone verdictTone = Tone::Neutral;
    std::string verdictReason;
    Tone rotationTone = Tone::Neutral;  // Bad when the arms cannot reach or the servo turns too far
    std::optional<ServoCheck> torqueCheck;  // the torque alone, when computed
};

// The headings, units included; the rotation's names the throw it is judged against.
std::array<std::string, kModelColumnCount> ModelTableHeadings(const AnalysisSettings& settings);

ModelTableRow SurfaceRow(const Surface& surface, const AnalysisSettings& settings,
                         const TorqueConstants& constants);

// What the window writes below the table.
struct ModelTotals {
    std::string servos;   // "Servi del modello: 6, su 6 superfici"
    std::string weakest;  // "Margine più basso: 1.23, Timone"
    Tone weakestTone = Tone::Neutral;
};
ModelTotals Totals(const Model& model, const std::vector<ModelTableRow>& rows);

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
