// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_document.h"

#include <utility>

namespace coppia {

namespace {

constexpr std::string_view kAddName = "Aggiungi superficie";
constexpr std::string_view kUpdateName = "Aggiorna superficie";
constexpr std::string_view kDuplicateName = "Duplica come variante";
constexpr std::string_view kRenameName = "Rinomina superficie";
constexpr std::string_view kKindName = "Tipo di superficie";
constexpr std::string_view kServoName = "Servo";
constexpr std::string_view kServoCountName = "Numero di servi";
constexpr std::string_view kProfileName = "Profilo";
constexpr std::string_view kRemoveName = "Rimuovi superficie";
constexpr std::string_view kMoveName = "Sposta superficie";
constexpr std::string_view kModelName = "Nome del modello";
constexpr std::string_view kNotesName = "Note";
constexpr std::string_view kSupplyName = "Alimentazione";

constexpr std::string_view kVariantSuffix = " (variante)";

}  // namespace

std::optional<std::size_t> ModelDocument::AddSurface(Surface surface) {
    if (CheckSurface(surface))
        return std::nullopt;
    const std::size_t index = model_.surfaces.size();
    Do(Step{
        .kind = StepKind::Insert, .name = kAddName, .index = index, .after = std::move(surface)});
    return index;
}

bool ModelDocument::UpdateSurface(std::size_t index, Surface surface) {
    return ReplaceStep(index, std::move(surface), kUpdateName);
}

std::optional<std::size_t> ModelDocument::DuplicateSurface(std::size_t index) {
    if (index >= model_.surfaces.size())
        return std::nullopt;
    Surface copy = model_.surfaces[index];
    copy.name += kVariantSuffix;
    Do(Step{.kind = StepKind::Insert,
            .name = kDuplicateName,
            .index = index + 1,
            .after = std::move(copy)});
    return index + 1;
}

bool ModelDocument::RenameSurface(std::size_t index, std::string name) {
    return ChangeStep(
        index, [&name](Surface& s) { s.name = std::move(name); }, kRenameName);
}

bool ModelDocument::SetSurfaceKind(std::size_t index, SurfaceKind kind) {
    return ChangeStep(
        index, [kind](Surface& s) { s.kind = kind; }, kKindName);
}

bool ModelDocument::SetServo(std::size_t index, ServoRecord servo) {
    return ChangeStep(
        index, [&servo](Surface& s) { s.servo = std::move(servo); }, kServoName);
}

bool ModelDocument::SetServoCount(std::size_t index, int count) {
    return ChangeStep(
        index, [count](Surface& s) { s.servoCount = count; }, kServoCountName);
}

bool ModelDocument::SetProfile(std::size_t index, SectionProfile profile) {
    return ChangeStep(
        index, [&profile](Surface& s) { s.profile = profile; }, kProfileName);
}

bool ModelDocument::RemoveSurface(std::size_t index) {
    if (index >= model_.surfaces.size())
        return false;
    Do(Step{.kind = StepKind::Remove,
            .name = kRemoveName,
            .index = index,
            .before = model_.surfaces[index]});
    return true;
}

bool ModelDocument::MoveSurfaceUp(std::size_t index) {
    return index > 0 && MoveStep(index, index - 1);
}

bool ModelDocument::MoveSurfaceDown(std::size_t index) {
    return index + 1 < model_.surfaces.size() && MoveStep(index, index + 1);
}

bool ModelDocument::SetName(std::string name) {
    if (name == model_.name || TextFault(name, kMaxNameCharacters))
        return false;
    Do(Step{.kind = StepKind::Name,
            .name = kModelName,
            .textBefore = model_.name,
            .textAfter = std::move(name)});
    return true;
}

bool ModelDocument::SetNotes(std::string notes) {
    if (notes == model_.notes || TextFault(notes, kMaxNotesCharacters))
        return false;
    Do(Step{.kind = StepKind::Notes,
            .name = kNotesName,
            .textBefore = model_.notes,
            .textAfter = std::move(notes)});
    return true;
}

bool ModelDocument::SetSupply(std::optional<SupplyRecord> supply) {
    if (supply == model_.supply || (supply && CheckSupplyRecord(*supply)))
        return false;
    Do(Step{.kind = StepKind::Supply,
            .name = kSupplyName,
            .supplyBefore = model_.supply,
            .supplyAfter = std::move(supply)});
    return true;
}

std::string_view ModelDocument::UndoName() const {
    return CanUndo() ? steps_[done_ - 1].name : std::string_view();
}

std::string_view ModelDocument::RedoName() const {
    return CanRedo() ? steps_[done_].name : std::string_view();
}

std::optional<std::size_t> ModelDocument::Undo() {
    if (!CanUndo())
        return std::nullopt;
    --done_;
    return Apply(steps_[done_], false);
}

std::optional<std::size_t> ModelDocument::Redo() {
    if (!CanRedo())
        return std::nullopt;
    ++done_;
    return Apply(steps_[done_ - 1], true);
}

bool ModelDocument::ReplaceStep(std::size_t index, Surface surface, std::string_view name) {
    if (index >= model_.surfaces.size() || surface == model_.surfaces[index] ||
        CheckSurface(surface)) {
        return false;
    }
    Do(Step{.kind = StepKind::Replace,
            .name = name,
            .index = index,
            .before = model_.surfaces[index],
            .after = std::move(surface)});
    return true;
}

bool ModelDocument::ChangeStep(std::size_t index, const std::function<void(Surface&)>& change,
                               std::string_view name) {
    if (index >= model_.surfaces.size())
        return false;
    Surface surface = model_.surfaces[index];
    change(surface);
    return ReplaceStep(index, std::move(surface), name);
}

bool ModelDocument::MoveStep(std::size_t from, std::size_t to) {
    Do(Step{.kind = StepKind::Move, .name = kMoveName, .index = from, .to = to});
    return true;
}

void ModelDocument::Do(Step step) {
    steps_.resize(done_);
    if (savedAt_ && *savedAt_ > done_)
        savedAt_.reset();  // the saved state was undone and is now out of reach
    steps_.push_back(std::move(step));
    ++done_;
    Apply(steps_.back(), true);
}

std::optional<std::size_t> ModelDocument::Apply(const Step& step, bool forward) {
    std::vector<Surface>& surfaces = model_.surfaces;
    const auto at = [&surfaces](std::size_t index) {
        return surfaces.begin() + static_cast<std::ptrdiff_t>(index);
    };
    switch (step.kind) {
        case StepKind::Insert:
        case StepKind::Remove: {
            const bool inserting = (step.kind == StepKind::Insert) == forward;
            if (!inserting) {
                surfaces.erase(at(step.index));
                return surfaces.empty() ? std::nullopt
                                        : std::optional(std::min(step.index, surfaces.size() - 1));
            }
            surfaces.insert(at(step.index),
                            step.kind == StepKind::Insert ? step.after : step.before);
            return step.index;
        }
        case StepKind::Replace:
            surfaces[step.index] = forward ? step.after : step.before;
            return step.index;
        case StepKind::Move: {
            const std::size_t from = forward ? step.index : step.to;
            const std::size_t to = forward ? step.to : step.index;
            std::swap(surfaces[from], surfaces[to]);
            return to;
        }
        case StepKind::Name:
            model_.name = forward ? step.textAfter : step.textBefore;
            return std::nullopt;
        case StepKind::Notes:
            model_.notes = forward ? step.textAfter : step.textBefore;
            return std::nullopt;
        case StepKind::Supply:
            model_.supply = forward ? step.supplyAfter : step.supplyBefore;
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace coppia
