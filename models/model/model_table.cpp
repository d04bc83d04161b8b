// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_table.h"

#include <cmath>

#include "engine/number_text.h"
#include "models/main/field_calculation.h"
#include "models/model/surface_calculation.h"
#include "models/shared/installation_verdict.h"
#include "models/shared/refusal_text.h"

namespace coppia {

namespace {

constexpr std::array<std::string_view, 5> kKindTexts = {"Alettone", "Flap", "Elevatore", "Timone",
                                                        "Altro"};

std::string& Cell(ModelTableRow& row, ModelColumn column) {
    return row.cells[static_cast<std::size_t>(column)];
}

Tone ToneOf(Verdict verdict) {
    switch (verdict) {
        case Verdict::Sufficient:
            return Tone::Good;
        case Verdict::AtTheLimit:
            return Tone::Warning;
        case Verdict::Insufficient:
            break;
    }
    return Tone::Bad;
}

std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string_view KindText(SurfaceKind kind) {
    return kKindTexts[static_cast<std::size_t>(kind)];
}

std::string_view KindNote(SurfaceKind kind) {
    switch (kind) {
        case SurfaceKind::Elevatore:
            return "Per l'elevatore CordaAla è la corda dello stabilizzatore; CarAla è 0, salvo "
                   "che lo stabilizzatore porti carico.";
        case SurfaceKind::Timone:
            return "Per il timone CordaAla è la corda della deriva; CarAla è 0, salvo che la "
                   "deriva porti carico.";
        case SurfaceKind::Alettone:
        case SurfaceKind::Flap:
        case SurfaceKind::Altro:
            break;
    }
    return {};
}

std::string SurfaceLabel(const Surface& surface, std::size_t index) {
    return surface.name.empty() ? "Superficie " + std::to_string(index + 1) : surface.name;
}

std::array<std::string, kModelColumnCount> ModelTableHeadings(const AnalysisSettings& settings) {
    return {"Superficie",
            "Tipo",
            "Servi",
            "Servo",
            "Coppia dichiarata",
            "Unità",
            "Coppia per servo (Kg*cm)",
            "Coppia per servo (N·cm)",
            "Margine",
            "Verdetto",
            "Rotazione del servo (°, escursione " + FormatPlainNumber(settings.servoThrow) + ")",
            "Coppia minima da usare"};
}

ModelTableRow SurfaceRow(const Surface& surface, const AnalysisSettings& settings,
                         const TorqueConstants& constants) {
    ModelTableRow row;
    Cell(row, ModelColumn::Superficie) = surface.name;
    Cell(row, ModelColumn::Tipo) = KindText(surface.kind);
    Cell(row, ModelColumn::Servi) = std::to_string(surface.servoCount);
    Cell(row, ModelColumn::Servo) = surface.servo.name;
    Cell(row, ModelColumn::CoppiaDichiarata) = FormatPlainNumber(surface.servo.rating);
    Cell(row, ModelColumn::Unita) = RatingUnitName(surface.servo.unit);

    const SurfaceCalculation calculation = CalculateSurface(surface, constants);
    if (calculation.refusal) {
        row.refusal = RefusalText(*calculation.refusal, calculation.result);
        row.verdictTone = Tone::Bad;
        return row;
    }
    const TorqueInUnits perServo = ConvertTorque(calculation.torquePerServo);
    Cell(row, ModelColumn::CoppiaKgcm) = FormatFigure(perServo.kgfCm, 2);
    Cell(row, ModelColumn::CoppiaNcm) = FormatFigure(perServo.newtonCm, 2);

    const TorqueInputs& in = calculation.inputs;
    const InstallationVerdict verdict = JudgeInstallation(
        {TorqueInUnit(calculation.torquePerServo, surface.servo.unit), surface.servo.rating,
         settings.safetyFactor, in.BrAlett, in.BrServ, in.Ang, settings.servoThrow});
    Cell(row, ModelColumn::Margine) = verdict.margin;
    Cell(row, ModelColumn::Verdetto) = verdict.words;
    Cell(row, ModelColumn::CoppiaMinima) = verdict.minimumRating;
    row.verdictTone = verdict.tone;
    row.verdictReason = verdict.reason;
    row.torqueCheck = verdict.torque;
    if (verdict.linkage.outcome == LinkageOutcome::Unreachable) {
        Cell(row, ModelColumn::Rotazione) = "irraggiungibile";
    } else {
        Cell(row, ModelColumn::Rotazione) = FormatNumber(verdict.linkage.rotation, "#0.0");
    }
    row.rotationTone = verdict.linkageFits ? Tone::Neutral : Tone::Bad;
    return row;
}

ModelTotals Totals(const Model& model, const std::vector<ModelTableRow>& rows) {
    ModelTotals totals;
    if (model.surfaces.empty()) {
        totals.servos = "Nessuna superficie: si aggiungono dalla finestra principale";
        return totals;
    }
    std::size_t servos = 0;
    std::size_t refused = 0;
    const ModelTableRow* weakest = nullptr;
    std::size_t weakestIndex = 0;
    for (std::size_t i = 0; i < rows.size() && i < model.surfaces.size(); ++i) {
        servos += static_cast<std::size_t>(model.surfaces[i].servoCount);
        if (!rows[i].torqueCheck) {
            ++refused;
        } else if (weakest == nullptr ||
                   rows[i].torqueCheck->margin < weakest->torqueCheck->margin) {
            weakest = &rows[i];
            weakestIndex = i;
        }
    }
    totals.servos = "Servi del modello: " + std::to_string(servos) + ", su " +
                    Counted(model.surfaces.size(), "superficie", "superfici");
    if (refused > 0) {
        totals.servos +=
            "; " + Counted(refused, "superficie non calcolabile", "superfici non calcolabili");
    }
    if (weakest == nullptr) {
        totals.weakest = "Margine più basso: nessuno, nessuna superficie è calcolabile";
        totals.weakestTone = Tone::Bad;
        return totals;
    }
    totals.weakest =
        "Margine più basso: " + weakest->cells[static_cast<std::size_t>(ModelColumn::Margine)] +
        ", " + SurfaceLabel(model.surfaces[weakestIndex], weakestIndex);
    totals.weakestTone = ToneOf(weakest->torqueCheck->verdict);
    return totals;
}

std::string JudgingSettingsText(const AnalysisSettings& settings) {
    return "Verdetti con il fattore di sicurezza " + FormatPlainNumber(settings.safetyFactor) +
           " e l'escursione del servo di " + FormatPlainNumber(settings.servoThrow) +
           "° per lato, dalle impostazioni dell'analisi";
}

std::string ModelCsv(const std::array<std::string, kModelColumnCount>& headings,
                     const std::vector<ModelTableRow>& rows, CsvFormat format) {
    std::vector<std::vector<std::string>> lines;
    lines.reserve(rows.size() + 1);
    lines.emplace_back(headings.begin(), headings.end());
    for (const ModelTableRow& row : rows) {
        std::vector<std::string> line(row.cells.begin(), row.cells.end());
        if (!row.refusal.empty())
            line[kFirstComputedColumn] = row.refusal;
        lines.push_back(std::move(line));
    }
    return CsvText(lines, format);
}

}  // namespace coppia
