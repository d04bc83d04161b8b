// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/model_record.h"

namespace coppia {

// A model being edited: every edit is a step that can be undone and redone, and the document
// knows whether it differs from what was last saved or opened. Its surfaces are always ones a
// model file can keep (CheckSurface): an edit that would break that is refused.
class ModelDocument {
  public:
    ModelDocument() = default;
    explicit ModelDocument(Model model) : model_(std::move(model)) {}

    const Model& Content() const { return model_; }
    std::size_t SurfaceCount() const { return model_.surfaces.size(); }
    const Surface& SurfaceAt(std::size_t index) const { return model_.surfaces.at(index); }

    // Whether an edit, an undo or a redo has left it other than as last saved or opened.
    bool Modified() const { return savedAt_ != done_; }
    // What is shown is now what the file holds.
    void MarkSaved() { savedAt_ = done_; }

    // The edits. Each is one step of the history; one that changes nothing, names a surface
    // that is not there or would leave a surface a file cannot keep makes no step and returns
    // false (or nothing). The steps' names are what the Undo and Redo menus show.
    std::optional<std::size_t> AddSurface(Surface surface);  // at the end; its index
    bool UpdateSurface(std::size_t index, Surface surface);  // the whole surface
    // A copy right after the surface, named "<name> (variante)"; the copy's index.
    std::optional<std::size_t> DuplicateSurface(std::size_t index);
    bool RenameSurface(std::size_t index, std::string name);
    bool SetSurfaceKind(std::size_t index, SurfaceKind kind);
    bool SetServo(std::size_t index, ServoRecord servo);
    bool SetServoCount(std::size_t index, int count);
    // The section at the surface, given: from then on it no longer follows the surface's kind.
    bool SetProfile(std::size_t index, SectionProfile profile);
    bool RemoveSurface(std::size_t index);
    bool MoveSurfaceUp(std::size_t index);
    bool MoveSurfaceDown(std::size_t index);
    bool SetName(std::string name);
    bool SetNotes(std::string notes);
    // What feeds the servos; none, or one CheckSupplyRecord finds no fault with.
    bool SetSupply(std::optional<SupplyRecord> supply);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The name of the step an undo or a redo would take back or do again; empty when none.
    std::string_view UndoName() const;
    std::string_view RedoName() const;
    // Each returns the index of the surface the step touched, to select it (for a removal
    // undone, the surface back in place; for a move, the moved one where it now is); nothing
    // when the step touched the model's name, notes or supply, or there was nothing to undo or
    // redo.
    std::optional<std::size_t> Undo();
    std::optional<std::size_t> Redo();

  private:
    enum class StepKind { Insert, Remove, Replace, Move, Name, Notes, Supply };
    struct Step {
        StepKind kind = StepKind::Replace;
        std::string_view name{};
        std::size_t index = 0;     // Insert, Remove, Replace; Move: from
        std::size_t to = 0;        // Move
        Surface before{};          // Remove, Replace
        Surface after{};           // Insert, Replace
        std::string textBefore{};  // Name, Notes
        std::string textAfter{};
        std::optional<SupplyRecord> supplyBefore{};  // Supply
        std::optional<SupplyRecord> supplyAfter{};
    };

    bool ReplaceStep(std::size_t index, Surface surface, std::string_view name);
    // The surface at `index` as `change` leaves it, as a step.
    bool ChangeStep(std::size_t index, const std::function<void(Surface&)>& change,
                    std::string_view name);
    bool MoveStep(std::size_t from, std::size_t to);
    // Does the step and makes it the newest, dropping the steps that were undone.
    void Do(Step step);
    std::optional<std::size_t> Apply(const Step& step, bool forward);

    Model model_;
    std::vector<Step> steps_;
    std::size_t done_ = 0;  // steps_[0, done_) are done
    // The number of steps done when the file was last saved or opened; none when that point
    // of the history has been dropped.
    std::optional<std::size_t> savedAt_ = 0;
};

}  // namespace coppia
