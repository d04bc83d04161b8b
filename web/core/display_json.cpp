// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/display_json.h"

#include <array>

#include "files/model_record.h"
#include "files/section_and_sheet.h"
#include "models/analysis/analysis_controls.h"
#include "models/model/model_controls.h"
#include "models/model/model_table.h"
#include "models/model/surface_advice.h"
#include "models/model/table_cell.h"
#include "models/shared/plot_layout.h"
#include "models/shared/servo_motion_text.h"
#include "web/core/json_text.h"

namespace coppia {

namespace {

constexpr std::array<std::string_view, 4> kToneNames = {"neutral", "good", "warning", "bad"};
constexpr std::array<std::string_view, kAnalysisFieldCount> kFieldNames = {
    "CoppiaServo", "FattoreSicurezza", "Escursione", "AltreVelocita", "SpessoreProfilo"};

std::string_view ToneName(Tone tone) {
    return kToneNames[static_cast<std::size_t>(tone)];
}

std::string Toned(const std::string& text, Tone tone) {
    return JsonWriter::Object().Text("text", text).Text("tone", ToneName(tone)).Done();
}

std::string Units() {
    return JsonWriter::List()
        .Text({}, RatingUnitName(RatingUnit::KgfCm))
        .Text({}, RatingUnitName(RatingUnit::NewtonCm))
        .Done();
}

std::string Steps(const AnalysisDisplay& shown) {
    JsonWriter steps = JsonWriter::List();
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        const AnalysisStep& step = shown.steps[i];
        steps.Raw({}, JsonWriter::Object()
                          .Text("name", step.name)
                          .Text("field", kAnalysisStepFields[i])
                          .Text("value", step.value)
                          .Text("unit", step.unit)
                          .Done());
    }
    return steps.Done();
}

std::string Sweep(const AnalysisDisplay& shown) {
    JsonWriter rows = JsonWriter::List();
    for (const SweepTableRow& row : shown.sweepRows) {
        rows.Raw({}, JsonWriter::Object()
                         .Texts("cells", row.cells)
                         .Bool("peak", row.peak)
                         .Bool("current", row.current)
                         .Done());
    }
    return JsonWriter::Object()
        .Texts("headings", shown.sweepHeadings)
        .Raw("rows", rows.Done())
        .Done();
}

std::string Gaps() {
    JsonWriter gaps = JsonWriter::List();
    for (const std::string_view gap : kHingeGapNames) gaps.Text({}, gap);
    return gaps.Done();
}

// The second estimate beside the calculation's torque, its steps, and what the verdict is judged
// on, with the lists that choose them.
std::string SecondOpinionJson(const AnalysisWindow& window) {
    const AnalysisDisplay& shown = window.Display();
    const SecondOpinionTexts& texts = shown.secondOpinion;
    JsonWriter steps = JsonWriter::List();
    for (const EstimateStep& step : shown.estimateSteps) {
        steps.Raw({}, JsonWriter::Object()
                          .Text("name", step.name)
                          .Text("value", step.value)
                          .Text("unit", step.unit)
                          .Done());
    }
    JsonWriter judgeWith = JsonWriter::List();
    for (const std::string_view with : kJudgeWithTexts) judgeWith.Text({}, with);
    return JsonWriter::Object()
        .Text("title", kSecondOpinionTitle)
        .Text("problem", texts.problem)
        .Text("real", texts.real)
        .Text("ratio", texts.ratio)
        .Text("thin", texts.thin)
        .Text("side", texts.side)
        .Text("source", SourceAndAssumption(texts))
        .Text("indicative", texts.indicative)
        .Raw("margin", Toned(shown.secondOpinionMargin, shown.secondOpinionMarginTone))
        .Text("judgedOn", shown.judgedOn)
        .Raw("otherVerdict", Toned(shown.otherVerdict, shown.otherVerdictTone))
        .Raw("steps", steps.Done())
        .Number("gap", window.Profile().gap == HingeGap::Open ? 1 : 0)
        .Raw("gaps", Gaps())
        .Number("judgeWith", window.JudgeChoice() == JudgeWith::Prudent ? 1 : 0)
        .Raw("judgeWithTexts", judgeWith.Done())
        .Done();
}

// The servo's data sheet, its fields named as the desktop's (the order of kServoFigureKeys), and
// the servo's speed and current it gives.
constexpr std::array<std::string_view, kServoFigureKeys.size()> kFigureNames = {
    "Tensione", "Tempo60", "CorrenteVuoto", "CorrenteStallo"};

constexpr std::array<std::string_view, kServoFigureKeys.size()> kModelFigureNames = {
    "TensioneServo", "Tempo60Servo", "CorrenteVuotoServo", "CorrenteStalloServo"};

template <typename Value>
std::string FigureFields(const std::array<std::string_view, kServoFigureKeys.size()>& names,
                         Value value) {
    JsonWriter fields = JsonWriter::List();
    for (std::size_t i = 0; i < kServoFigureKeys.size(); ++i) {
        fields.Raw({}, JsonWriter::Object()
                           .Text("name", names[i])
                           .Text("caption", kServoFigureCaptions[i])
                           .Text("description", kServoFigureDescriptions[i])
                           .Text("unit", kServoFigureKeys[i].unit)
                           .Text("value", value(i))
                           .Done());
    }
    return fields.Done();
}

std::string MotionJson(const AnalysisWindow& window) {
    const AnalysisDisplay& shown = window.Display();
    return JsonWriter::Object()
        .Text("title", kServoFiguresTitle)
        .Raw("fields",
             FigureFields(kFigureNames, [&window](std::size_t i) { return window.FigureText(i); }))
        .Raw("motion", Toned(shown.motion, shown.motionTone))
        .Text("current", shown.current)
        .Text("figures", shown.figures)
        .Text("problem", shown.figuresProblem)
        .Done();
}

std::string Limits(const AnalysisDisplay& shown) {
    JsonWriter limits = JsonWriter::List();
    for (const CaptionedFigure& limit : shown.limits) {
        limits.Raw(
            {},
            JsonWriter::Object().Text("caption", limit.caption).Text("value", limit.value).Done());
    }
    return limits.Done();
}

std::string Rows(const ModelDisplay& shown) {
    JsonWriter rows = JsonWriter::List();
    for (const ModelTableRow& row : shown.rows) {
        JsonWriter cells = JsonWriter::List();
        JsonWriter tones = JsonWriter::List();
        for (std::size_t column = 0; column < kModelColumnCount; ++column) {
            const TableCell cell = CellOf(row, column);
            cells.Text({}, cell.text);
            tones.Text({}, ToneName(cell.tone));
        }
        rows.Raw({}, JsonWriter::Object()
                         .Raw("cells", cells.Done())
                         .Raw("tones", tones.Done())
                         .Text("refusal", row.refusal)
                         .Text("headline", row.headline)
                         .Raw("verdict", Toned(row.verdictReason, row.verdictTone))
                         .Done());
    }
    return rows.Done();
}

std::string Details(const SurfaceDetails& details) {
    JsonWriter inputs = JsonWriter::List();
    for (const InputLine& line : details.inputs)
        inputs.Raw({},
                   JsonWriter::Object().Text("label", line.label).Text("value", line.value).Done());
    return JsonWriter::Object()
        .Bool("shown", details.shown)
        .Text("heading", details.shown ? std::string_view(details.heading) : kNoSurfaceHeading)
        .Text("name", details.name)
        .Number("kind", static_cast<int>(details.kind))
        .Number("servoCount", details.servoCount)
        .Text("servoName", details.servoName)
        .Text("rating", details.rating)
        .Number("unit", RatingUnitIndex(details.unit))
        .Text("kindNote", details.kindNote)
        .Text("servoNote", details.servoNote)
        .Raw("inputs", inputs.Done())
        .Text("problem", details.problem)
        .Text("thickness", details.thickness)
        .Number("gap", details.gap == HingeGap::Open ? 1 : 0)
        .Text("profileNote", details.profileNote)
        .Raw("figures", FigureFields(kModelFigureNames,
                                     [&details](std::size_t i) { return details.figures[i]; }))
        .Done();
}

std::string ComparisonJson(const Comparison& comparison) {
    JsonWriter rows = JsonWriter::List();
    for (const SideBySideRow& row : comparison.rows) {
        rows.Raw({}, JsonWriter::Object()
                         .Text("label", row.label)
                         .Texts("values", row.values)
                         .Text("differs", row.differs ? kDiffers : std::string_view())
                         .Done());
    }
    return JsonWriter::Object()
        .Texts("names", comparison.names)
        .Raw("headings",
             JsonWriter::List().Text({}, kInputHeading).Text({}, kDifferenceHeading).Done())
        .Raw("rows", rows.Done())
        .Text("note", comparison.note)
        .Text("description", DescribePlot(comparison.plot))
        .Done();
}

std::string Kinds() {
    JsonWriter kinds = JsonWriter::List();
    for (std::size_t k = 0; k < kSurfaceKindNames.size(); ++k)
        kinds.Text({}, KindText(static_cast<SurfaceKind>(k)));
    return kinds.Done();
}

// The title as the desktop's shows it: its mark is "*" while there are unsaved changes.
std::string ShownTitle(const ModelDisplay& shown) {
    std::string title = shown.title;
    if (const std::size_t mark = title.find("[*]"); mark != std::string::npos)
        title.replace(mark, 3, shown.modified ? "*" : "");
    return title;
}

// The recent files as the menu lists them: the file's name, and where it is.
std::string Recent(const std::vector<std::string>& paths) {
    JsonWriter recent = JsonWriter::List();
    for (const std::string& path : paths) {
        recent.Raw({}, JsonWriter::Object()
                           .Text("path", path)
                           .Text("name", path.substr(path.rfind('/') + 1))
                           .Done());
    }
    return recent.Done();
}

std::string Totals(const ModelDisplay& shown) {
    return JsonWriter::Object()
        .Text("servos", shown.totals.servos)
        .Raw("verdict", Toned(shown.totals.verdict, shown.totals.verdictTone))
        .Raw("weakest", Toned(shown.totals.weakest, shown.totals.weakestTone))
        .Raw("weakestEither", Toned(shown.totals.weakestEither, shown.totals.weakestEitherTone))
        .Text("secondOpinionSource", shown.totals.secondOpinionSource)
        .Done();
}

// The model's supply: its fields on the page of the model, its verdict and currents below the
// totals, and where its rule comes from.
std::string SupplyJson(const ModelDisplay& shown) {
    const SupplyLines& lines = shown.totals.supply;
    return JsonWriter::Object()
        .Text("example", kSupplyNameExample)
        .Text("unit", kSupplyCurrentUnit)
        .Text("name", shown.supplyName)
        .Text("continuous", shown.supplyContinuous)
        .Text("peak", shown.supplyPeak)
        .Text("problem", shown.supplyProblem)
        .Raw("verdict", Toned(lines.verdict, lines.tone))
        .Text("currents", lines.currents)
        .Text("rule", lines.rule)
        .Text("sources", lines.sources)
        .Done();
}

std::string AnalysisFields(const AnalysisWindow& window) {
    JsonWriter fields = JsonWriter::Object();
    for (std::size_t i = 0; i < kAnalysisFieldCount; ++i)
        fields.Text(kFieldNames[i], window.Text(static_cast<AnalysisField>(i)));
    return fields.Done();
}

}  // namespace

int RatingUnitIndex(RatingUnit unit) {
    return unit == RatingUnit::NewtonCm ? 1 : 0;
}

std::string AnalysisWindowJson(const AnalysisWindow& window) {
    const AnalysisDisplay& shown = window.Display();
    return JsonWriter::Object()
        .Text("title", kAnalysisTitle)
        .Raw("fields", AnalysisFields(window))
        .Number("unit", RatingUnitIndex(window.Unit()))
        .Raw("units", Units())
        .Raw("freshness", Toned(shown.freshness, shown.freshnessTone))
        .Text("refusal", shown.refusal)
        .Text("share", shown.share)
        .Text("torqueHeading", shown.torqueHeading)
        .Raw("torque", JsonWriter::List()
                           .Text({}, shown.torqueKgfCm)
                           .Text({}, shown.torqueNewtonCm)
                           .Text({}, shown.torqueNewtonM)
                           .Text({}, shown.torqueOzfIn)
                           .Done())
        .Raw("steps", Steps(shown))
        .Raw("stall", Toned(shown.stall, shown.stallTone))
        .Text("rotation", shown.rotation)
        .Raw("linkage", Toned(shown.linkage, shown.linkageTone))
        .Text("servoOwner", shown.servoOwner)
        .Text("loanDrift", shown.loanDrift)
        .Raw("verdict", Toned(shown.verdict, shown.verdictTone))
        .Text("verdictReason", shown.verdictReason)
        .Text("margin", shown.margin)
        .Text("minimumRating", shown.minimumRating)
        .Text("ratingUnit", shown.ratingUnit)
        .Raw("limits", Limits(shown))
        .Text("settingsProblem", shown.settingsProblem)
        .Raw("sweep", Sweep(shown))
        .Text("speedsProblem", shown.speedsProblem)
        .Text("plotDescription", DescribePlot(shown.plot))
        .Raw("status", Toned(shown.status, shown.statusTone))
        .Raw("secondOpinion", SecondOpinionJson(window))
        .Raw("servo", MotionJson(window))
        .Done();
}

std::string ModelWindowJson(const ModelWindow& window) {
    const ModelDisplay& shown = window.Display();
    JsonWriter selected = JsonWriter::List();
    for (const std::size_t row : shown.selected) selected.Number({}, static_cast<double>(row));
    JsonWriter json = JsonWriter::Object();
    json.Text("title", ShownTitle(shown))
        .Bool("modified", shown.modified)
        .Texts("headings", shown.headings)
        .Raw("rows", Rows(shown))
        .Raw("selected", selected.Done());
    if (shown.current)
        json.Number("current", static_cast<double>(*shown.current));
    else
        json.Raw("current", "null");
    return json.Raw("totals", Totals(shown))
        .Text("judgingSettings", shown.judgingSettings)
        .Text("settingsProblem", shown.settingsProblem)
        .Raw("details", Details(shown.details))
        .Text("modelName", shown.modelName)
        .Text("notes", shown.notes)
        .Raw("comparison", ComparisonJson(shown.comparison))
        .Raw("supply", SupplyJson(shown))
        .Text("exportName", window.ExportName())
        .Bool("canUndo", shown.canUndo)
        .Bool("canRedo", shown.canRedo)
        .Text("undoName", shown.undoName)
        .Text("redoName", shown.redoName)
        .Bool("canMoveUp", shown.canMoveUp)
        .Bool("canMoveDown", shown.canMoveDown)
        .Raw("recentFiles", Recent(shown.recentFiles))
        .Raw("status", Toned(shown.status, shown.statusTone))
        .Raw("kinds", Kinds())
        .Raw("units", Units())
        .Raw("gaps", Gaps())
        .Number("mostServos", kMaxServoCount)
        .Done();
}

std::string MessagesJson(const std::vector<std::pair<std::string, std::string>>& messages) {
    JsonWriter shown = JsonWriter::List();
    for (const auto& [text, title] : messages)
        shown.Raw({}, JsonWriter::Object().Text("text", text).Text("title", title).Done());
    return shown.Done();
}

std::string ControlsJson(std::span<const ControlText> controls) {
    JsonWriter table = JsonWriter::List();
    for (const ControlText& control : controls) {
        std::string caption(control.caption);
        std::string key;
        if (const std::size_t mark = caption.find('&'); mark != std::string::npos) {
            caption.erase(mark, 1);
            key = caption.substr(mark, 1);
        }
        table.Raw({}, JsonWriter::Object()
                          .Text("name", control.name)
                          .Text("caption", caption)
                          .Text("key", key)
                          .Text("accessibleName", control.accessibleName.empty()
                                                      ? std::string_view(caption)
                                                      : control.accessibleName)
                          .Done());
    }
    return table.Done();
}

}  // namespace coppia
