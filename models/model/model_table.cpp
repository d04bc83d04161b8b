// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_table.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "engine/number_text.h"
#include "models/model/surface_calculation.h"
#include "models/model/surface_motion.h"
#include "models/shared/absurd_inputs.h"
#include "models/shared/installation_verdict.h"
#include "models/shared/refusal_text.h"
#include "models/shared/second_opinion.h"
#include "models/shared/servo_motion_text.h"

namespace coppia {

namespace {

constexpr std::array<std::string_view, 5> kKindTexts = {"Alettone", "Flap", "Elevatore", "Timone",
                                                        "Altro"};

std::string& Cell(ModelTableRow& row, ModelColumn column) {
    return row.cells[static_cast<std::size_t>(column)];
}

// A figure of the servo's, in the unit of its label.
std::string WithUnit(const std::string& figure, RatingUnit unit) {
    return figure + " " + std::string(RatingUnitName(unit));
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
    std::array<std::string, kModelColumnCount> headings;
    const auto heading = [&headings](ModelColumn column) -> std::string& {
        return headings[static_cast<std::size_t>(column)];
    };
    heading(ModelColumn::Superficie) = "Superficie";
    heading(ModelColumn::Verdetto) = "Verdetto";
    heading(ModelColumn::Margine) = "Margine";
    heading(ModelColumn::CoppiaMinima) = "Coppia minima da usare";
    heading(ModelColumn::CoppiaKgcm) = "Coppia per servo (Kg*cm)";
    heading(ModelColumn::CoppiaNcm) = "Coppia per servo (N·cm)";
    heading(ModelColumn::Rotazione) =
        "Rotazione del servo (°, escursione " + FormatPlainNumber(settings.servoThrow) + ")";
    heading(ModelColumn::Tipo) = "Tipo";
    heading(ModelColumn::Servi) = "Servi";
    heading(ModelColumn::Servo) = "Servo";
    heading(ModelColumn::CoppiaDichiarata) = "Coppia dichiarata";
    heading(ModelColumn::SecondaStimaReale) = "Seconda stima profilo reale (Kg*cm)";
    heading(ModelColumn::SecondaStimaSottile) = "Seconda stima profilo sottile (Kg*cm)";
    heading(ModelColumn::MargineSecondaStima) = "Margine seconda stima";
    for (std::size_t i = 0; i < kMotionColumnCount; ++i)
        headings[static_cast<std::size_t>(ModelColumn::TempoCarico) + i] = kMotionHeadings[i];
    return headings;
}

namespace {

// The second estimate's figures, one servo's, or why there is none.
void FillEstimate(ModelTableRow& row, const SecondOpinion& opinion) {
    const SecondOpinionTexts texts = TextsOf(opinion);
    row.estimateProblem = texts.problem;
    row.estimateRatio = texts.ratio;
    row.estimateIndicative = texts.indicative;
    Cell(row, ModelColumn::SecondaStimaReale) = texts.real;
    Cell(row, ModelColumn::SecondaStimaSottile) = texts.thin;
}

// The margin against the estimate, and the verdict on the torque not judged when it differs.
void FillOtherJudgement(ModelTableRow& row, const InstallationVerdict& verdict,
                        const InstallationVerdict& other, bool judgedOnEstimate) {
    const InstallationVerdict& onEstimate = judgedOnEstimate ? verdict : other;
    const InstallationVerdict& onCalculation = judgedOnEstimate ? other : verdict;
    row.calculationCheck = onCalculation.torque;
    row.estimateCheck = onEstimate.torque;
    Cell(row, ModelColumn::MargineSecondaStima) = onEstimate.margin;
    row.estimateVerdict = onEstimate.words;
    row.estimateVerdictTone = onEstimate.tone;
    if (const std::optional<OtherVerdict> differs =
            OtherVerdictOf(verdict, other, !judgedOnEstimate)) {
        row.otherVerdict = differs->line;
        row.otherVerdictTone = differs->tone;
    }
}

// The verdict of a surface that can be judged, with its servo's rating or without one, on the
// torque the settings choose.
void Judge(ModelTableRow& row, const Surface& surface, const SurfaceCalculation& calculation,
           const AnalysisSettings& settings, const TorqueConstants& constants) {
    const TorqueInputs& in = calculation.inputs;
    const SecondOpinion opinion =
        SecondOpinionOf(in, ProfileOf(surface), surface.servoCount, constants);
    FillEstimate(row, opinion);
    const auto judge = [&](double kgfCm) {
        return JudgeInstallation({TorqueInUnit(kgfCm, surface.servo.unit),
                                  surface.servo.rating.value_or(0), settings.safetyFactor,
                                  in.BrAlett, in.BrServ, in.Ang, settings.servoThrow});
    };
    const JudgedTorque judged = JudgedTorqueOf(opinion, settings.judgeWith);
    const InstallationVerdict verdict = judge(judged.kgfCm);
    Cell(row, ModelColumn::CoppiaMinima) = WithUnit(verdict.minimumRating, surface.servo.unit);
    if (verdict.linkage.outcome == LinkageOutcome::Unreachable) {
        Cell(row, ModelColumn::Rotazione) = "irraggiungibile";
    } else {
        Cell(row, ModelColumn::Rotazione) = FormatNumber(verdict.linkage.rotation, "#0.0");
    }
    row.rotationTone = verdict.linkageFits ? Tone::Neutral : Tone::Bad;
    if (!surface.servo.rating && verdict.linkageFits) {
        // Without a rating there is nothing to judge the torque by: the least one to buy is
        // what the builder needs.
        row.concern = Concern::RatingMissing;
        row.headline = "Servo da indicare";
        row.verdictTone = Tone::Warning;
        row.verdictReason = "Indicare la coppia del servo: almeno " + verdict.minimumRating + " " +
                            std::string(RatingUnitName(surface.servo.unit));
        Cell(row, ModelColumn::Verdetto) = row.headline;
        return;
    }
    row.headline = verdict.words;
    row.verdictTone = verdict.tone;
    row.verdictReason = verdict.reason;
    Cell(row, ModelColumn::Verdetto) = verdict.words;
    if (!surface.servo.rating) {
        row.concern = Concern::Failing;
        return;
    }
    Cell(row, ModelColumn::Margine) = verdict.margin;
    row.torqueCheck = verdict.torque;
    row.calculationCheck = verdict.torque;
    if (opinion.available) {
        FillOtherJudgement(row, verdict,
                           judge(judged.estimate ? opinion.calculationKgfCm : opinion.realKgfCm),
                           judged.estimate);
    }
    row.concern = verdict.tone == Tone::Good      ? Concern::Sufficient
                  : verdict.tone == Tone::Warning ? Concern::AtTheLimit
                                                  : Concern::Failing;
}

std::optional<GivenTravel> TravelOf(const Surface& surface, const SurfaceCalculation& calculation) {
    if (surface.deflection != DeflectionInput::Travel)
        return std::nullopt;
    return GivenTravel{surface.inputs.Corsa, calculation.inputs.Ang};
}

// The row but for the servo's motion.
ModelTableRow JudgedRow(const Surface& surface, const AnalysisSettings& settings,
                        const TorqueConstants& constants) {
    ModelTableRow row;
    Cell(row, ModelColumn::Superficie) = surface.name;
    Cell(row, ModelColumn::Tipo) = KindText(surface.kind);
    Cell(row, ModelColumn::Servi) = std::to_string(surface.servoCount);
    Cell(row, ModelColumn::Servo) = surface.servo.name;
    if (surface.servo.rating) {
        Cell(row, ModelColumn::CoppiaDichiarata) =
            WithUnit(FormatPlainNumber(*surface.servo.rating), surface.servo.unit);
    }

    const SurfaceCalculation calculation = CalculateSurface(surface, constants);
    row.verdictTone = Tone::Bad;
    if (calculation.refusal) {
        row.refusal = RefusalText(*calculation.refusal, calculation.result);
        row.headline = "Non calcolabile";
        return row;
    }
    if (const std::optional<std::string> absurd =
            AbsurdInput(calculation.inputs, TravelOf(surface, calculation))) {
        row.refusal = "Nessun verdetto: " + *absurd;
        row.headline = *absurd;
        return row;
    }
    const TorqueInUnits perServo = ConvertTorque(calculation.torquePerServo);
    Cell(row, ModelColumn::CoppiaKgcm) = FormatFigure(perServo.kgfCm, 2);
    Cell(row, ModelColumn::CoppiaNcm) = FormatFigure(perServo.newtonCm, 2);
    Judge(row, surface, calculation, settings, constants);
    return row;
}

}  // namespace

ModelTableRow SurfaceRow(const Surface& surface, const AnalysisSettings& settings,
                         const TorqueConstants& constants) {
    ModelTableRow row = JudgedRow(surface, settings, constants);
    FillMotion(row, surface, settings, constants);
    return row;
}

namespace {

// The surfaces that share one verdict, or have none: named when one, counted when more.
struct VerdictGroup {
    std::string headline;  // "Senza verdetto" for the surfaces without one
    Concern concern = Concern::Failing;
    bool linkageFails = false;
    Tone tone = Tone::Neutral;
    std::vector<std::size_t> surfaces;
};

std::string GroupText(const VerdictGroup& group, const Model& model) {
    const std::size_t only = group.surfaces.front();
    return group.headline + ": " +
           (group.surfaces.size() == 1 ? SurfaceLabel(model.surfaces[only], only)
                                       : Counted(group.surfaces.size(), "superficie", "superfici"));
}

// The verdicts of the surfaces that have one, the one that asks most of the builder first, and
// the linkage's before the servo's; the surfaces without one last, apart.
std::vector<VerdictGroup> GroupVerdicts(const std::vector<ModelTableRow>& rows, std::size_t count) {
    std::vector<VerdictGroup> groups;
    VerdictGroup without{"Senza verdetto", Concern::Failing, false, Tone::Bad, {}};
    for (std::size_t i = 0; i < rows.size() && i < count; ++i) {
        const ModelTableRow& row = rows[i];
        if (!row.refusal.empty()) {
            without.surfaces.push_back(i);
            continue;
        }
        auto group = std::find_if(groups.begin(), groups.end(), [&row](const VerdictGroup& g) {
            return g.headline == row.headline;
        });
        if (group == groups.end()) {
            groups.push_back(
                {row.headline, row.concern, row.rotationTone == Tone::Bad, row.verdictTone, {}});
            group = groups.end() - 1;
        }
        group->surfaces.push_back(i);
    }
    std::stable_sort(
        groups.begin(), groups.end(), [](const VerdictGroup& a, const VerdictGroup& b) {
            return a.concern != b.concern ? a.concern > b.concern : a.linkageFails > b.linkageFails;
        });
    // Beside what asks something of the builder, the sufficient surfaces need no naming.
    if (groups.size() > 1 && groups.back().concern == Concern::Sufficient)
        groups.pop_back();
    if (!without.surfaces.empty())
        groups.push_back(std::move(without));
    return groups;
}

// "Rinvio Insufficiente: Timone · Servo Insufficiente!!: 3 superfici", in the worst tone of
// them (Tone's order: a surface without a verdict makes it red).
void SummariseVerdicts(ModelTotals& totals, const Model& model,
                       const std::vector<ModelTableRow>& rows) {
    const std::vector<VerdictGroup> groups = GroupVerdicts(rows, model.surfaces.size());
    if (groups.empty())
        return;
    const VerdictGroup& worst = groups.front();
    for (const VerdictGroup& group : groups)
        totals.verdictTone = std::max(totals.verdictTone, group.tone);
    if (groups.size() == 1 && worst.concern == Concern::Sufficient && worst.surfaces.size() > 1) {
        totals.verdict = worst.headline + " per tutte le " +
                         Counted(worst.surfaces.size(), "superficie", "superfici");
        return;
    }
    for (const VerdictGroup& group : groups)
        totals.verdict += (totals.verdict.empty() ? "" : " · ") + GroupText(group, model);
}

// The smallest margin by either torque, and whose: "Margine più basso tra calcolo e seconda
// stima: 1.05, Alettone destro, con la seconda stima"; never green on its own.
void SummariseEither(ModelTotals& totals, const Model& model,
                     const std::vector<ModelTableRow>& rows) {
    const ServoCheck* least = nullptr;
    std::size_t index = 0;
    bool estimate = false;
    for (std::size_t i = 0; i < rows.size() && i < model.surfaces.size(); ++i) {
        for (const auto& [check, ofEstimate] :
             {std::pair{&rows[i].calculationCheck, false}, {&rows[i].estimateCheck, true}}) {
            if (*check && (least == nullptr || (*check)->margin < least->margin)) {
                least = &**check;
                index = i;
                estimate = ofEstimate;
            }
        }
    }
    if (least == nullptr)
        return;
    totals.weakestEither =
        "Margine più basso tra calcolo e seconda stima: " + MarginText(least->margin) + ", " +
        SurfaceLabel(model.surfaces[index], index) +
        (estimate ? ", con la seconda stima" : ", con il calcolo");
    const Tone tone = ToneOf(least->verdict);
    totals.weakestEitherTone = tone == Tone::Good ? Tone::Neutral : tone;
}

}  // namespace

ModelTotals Totals(const Model& model, const std::vector<ModelTableRow>& rows,
                   JudgeWith judgeWith) {
    ModelTotals totals;
    if (model.surfaces.empty()) {
        totals.servos = "Nessuna superficie: si aggiungono dalla finestra principale";
        return totals;
    }
    std::size_t servos = 0;
    const ModelTableRow* weakest = nullptr;
    std::size_t weakestIndex = 0;
    for (std::size_t i = 0; i < rows.size() && i < model.surfaces.size(); ++i) {
        servos += static_cast<std::size_t>(model.surfaces[i].servoCount);
        if (rows[i].torqueCheck &&
            (weakest == nullptr || rows[i].torqueCheck->margin < weakest->torqueCheck->margin)) {
            weakest = &rows[i];
            weakestIndex = i;
        }
    }
    totals.servos = "Servi del modello: " + std::to_string(servos) + ", su " +
                    Counted(model.surfaces.size(), "superficie", "superfici");
    totals.secondOpinionSource = "Seconda stima per servo: " + std::string(kSecondOpinionSource) +
                                 ", con lo spessore e la fessura di ogni superficie";
    SummariseVerdicts(totals, model, rows);
    totals.supply = ModelSupply(model, rows);
    if (weakest == nullptr) {
        totals.weakest = "Margine più basso: nessuno, nessuna superficie ha un margine";
        totals.weakestTone = Tone::Bad;
        return totals;
    }
    totals.weakest =
        "Margine più basso: " + weakest->cells[static_cast<std::size_t>(ModelColumn::Margine)] +
        ", " + SurfaceLabel(model.surfaces[weakestIndex], weakestIndex);
    // Never green on its own: the verdict above says whether the model passes.
    const Tone torqueTone = ToneOf(weakest->torqueCheck->verdict);
    totals.weakestTone = torqueTone == Tone::Good ? Tone::Neutral : torqueTone;
    SummariseEither(totals, model, rows);
    // Judged on the more prudent torque, the weakest margin is already the least by either.
    if (judgeWith == JudgeWith::Prudent && !totals.weakestEither.empty()) {
        totals.weakest = std::exchange(totals.weakestEither, {});
        totals.weakestTone = totals.weakestEitherTone;
    }
    return totals;
}

std::string JudgingSettingsText(const AnalysisSettings& settings) {
    const std::string torque = settings.judgeWith == JudgeWith::Prudent
                                   ? "sulla coppia più alta tra calcolo e seconda stima"
                                   : "sulla coppia del calcolo";
    return "Verdetti " + torque + ", con il fattore di sicurezza " +
           FormatPlainNumber(settings.safetyFactor) + " e l'escursione del servo di " +
           FormatPlainNumber(settings.servoThrow) + "° per lato, dalle impostazioni dell'analisi";
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
