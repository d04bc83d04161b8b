// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/model_record.h"
#include "models/model/model_compare.h"
#include "models/model/model_table.h"
#include "models/shared/tone.h"

namespace coppia {

inline constexpr std::string_view kModelTitle = "Modello";

// The current surface's details, which the window edits in place.
struct SurfaceDetails {
    bool shown = false;   // there is a current surface
    std::string heading;  // "Superficie 2 di 6: Alettone destro"
    std::string name;
    SurfaceKind kind = SurfaceKind::Alettone;
    int servoCount = 1;
    std::string servoName;
    std::string rating;  // as typed, while what was typed cannot be used
    RatingUnit unit = RatingUnit::KgfCm;
    std::string kindNote;   // what the main window's fields mean for this kind
    std::string servoNote;  // how the servos share the torque, when more than one
    std::vector<InputLine> inputs;
    std::string problem;  // a detail typed that cannot be kept, and why

    // The section at the surface, for the second estimate: the thickness as typed while what was
    // typed cannot be used, and whether it was given or is its kind's.
    std::string thickness;
    HingeGap gap = HingeGap::Sealed;
    std::string profileNote;
    // The servo's data-sheet figures, in kServoFigureKeys' order, as typed or kept.
    std::array<std::string, kServoFigureKeys.size()> figures = {};
};

// Everything the model window shows, as texts and their tones.
struct ModelDisplay {
    std::string title;  // "sport.coppia[*] (Sport 160) – Modello"
    bool modified = false;

    std::array<std::string, kModelColumnCount> headings;
    std::vector<ModelTableRow> rows;
    // Grows whenever the rows change, so that a view redraws the table only then.
    std::uint64_t rowsRevision = 0;
    std::vector<std::size_t> selected;  // ascending
    std::optional<std::size_t> current;

    ModelTotals totals;
    std::string judgingSettings;
    std::string settingsProblem;  // the analysis settings could not be read

    SurfaceDetails details;
    std::string modelName;
    std::string notes;
    Comparison comparison;

    bool canUndo = false;
    bool canRedo = false;
    std::string undoName;  // "Annulla Rimuovi superficie"
    std::string redoName;
    bool canMoveUp = false;
    bool canMoveDown = false;
    std::vector<std::string> recentFiles;  // the system's bytes, newest first

    std::string status;  // what the last action did, or why it did not
    Tone statusTone = Tone::Neutral;

    // The model's supply on its page: its name and its currents (A) as typed or kept.
    std::string supplyName;
    std::string supplyContinuous;
    std::string supplyPeak;
    std::string supplyProblem;  // a current typed that cannot be kept, and why
};

}  // namespace coppia
