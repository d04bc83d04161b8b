// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_document.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace coppia {
namespace {

Surface Named(const char* name) {
    Surface surface;
    surface.name = name;
    return surface;
}

std::vector<std::string> Names(const ModelDocument& document) {
    std::vector<std::string> names;
    for (const Surface& surface : document.Content().surfaces) names.push_back(surface.name);
    return names;
}

struct Edit {
    const char* what;
    std::function<bool(ModelDocument&)> edit;
    std::vector<std::string> namesAfter;
    // The surface to select after the step is redone, and after it is undone.
    std::optional<std::size_t> redoSelects;
    std::optional<std::size_t> undoSelects;
};

TEST(ModelDocumentTest, UndoesAndRedoesEveryEditInOrderAndKnowsWhenItIsAsSaved) {
    Surface faster = Named("B");
    faster.inputs.Vel = 90;
    ServoRecord servo{"Veloce", 45, RatingUnit::NewtonCm, ""};
    const std::vector<Edit> edits = {
        {"add",
         [](ModelDocument& d) { return d.AddSurface(Named("A")) == 0u; },
         {"A"},
         0,
         std::nullopt},
        {"add", [](ModelDocument& d) { return d.AddSurface(Named("B")) == 1u; }, {"A", "B"}, 1, 0},
        {"update", [&](ModelDocument& d) { return d.UpdateSurface(1, faster); }, {"A", "B"}, 1, 1},
        {"duplicate",
         [](ModelDocument& d) { return d.DuplicateSurface(0) == 1u; },
         {"A", "A (variante)", "B"},
         1,
         1},
        {"servo",
         [&](ModelDocument& d) { return d.SetServo(1, servo); },
         {"A", "A (variante)", "B"},
         1,
         1},
        {"servos",
         [](ModelDocument& d) { return d.SetServoCount(1, 2); },
         {"A", "A (variante)", "B"},
         1,
         1},
        {"rename",
         [](ModelDocument& d) { return d.RenameSurface(2, "C"); },
         {"A", "A (variante)", "C"},
         2,
         2},
        {"down",
         [](ModelDocument& d) { return d.MoveSurfaceDown(0); },
         {"A (variante)", "A", "C"},
         1,
         0},
        {"up",
         [](ModelDocument& d) { return d.MoveSurfaceUp(2); },
         {"A (variante)", "C", "A"},
         1,
         2},
        {"remove", [](ModelDocument& d) { return d.RemoveSurface(0); }, {"C", "A"}, 0, 0},
        {"name",
         [](ModelDocument& d) { return d.SetName("Sport 160"); },
         {"C", "A"},
         std::nullopt,
         std::nullopt},
        {"notes",
         [](ModelDocument& d) { return d.SetNotes("prova"); },
         {"C", "A"},
         std::nullopt,
         std::nullopt},
    };
    ModelDocument document;
    std::vector<Model> states = {document.Content()};
    for (const Edit& edit : edits) {
        ASSERT_TRUE(edit.edit(document)) << edit.what;
        EXPECT_EQ(Names(document), edit.namesAfter) << edit.what;
        states.push_back(document.Content());
        if (states.size() == 5)
            document.MarkSaved();
    }
    EXPECT_EQ(states[6].surfaces[1].servoCount, 2);
    EXPECT_EQ(states[5].surfaces[1].servo, servo);
    EXPECT_EQ(states[3].surfaces[1].inputs.Vel, 90);
    EXPECT_EQ(document.UndoName(), "Note");

    for (std::size_t step = edits.size(); step-- > 0;) {
        EXPECT_EQ(document.Undo(), edits[step].undoSelects) << edits[step].what;
        EXPECT_EQ(document.Content(), states[step]) << edits[step].what;
        EXPECT_EQ(document.Modified(), step != 4) << step;
    }
    EXPECT_FALSE(document.CanUndo());
    EXPECT_FALSE(document.Undo());
    for (std::size_t step = 0; step < edits.size(); ++step) {
        EXPECT_EQ(document.Redo(), edits[step].redoSelects) << edits[step].what;
        EXPECT_EQ(document.Content(), states[step + 1]) << edits[step].what;
    }
    EXPECT_FALSE(document.Redo());

    // A new edit after undoing drops what was undone, and the saved state with it.
    for (int i = 0; i < 9; ++i) document.Undo();
    ASSERT_EQ(document.Content(), states[3]);
    ASSERT_TRUE(document.RemoveSurface(0));
    EXPECT_FALSE(document.CanRedo());
    document.Undo();
    EXPECT_EQ(document.Content(), states[3]);
    EXPECT_TRUE(document.Modified());
}

TEST(ModelDocumentTest, RefusesAnEditThatChangesNothingOrThatAFileCouldNotKeep) {
    ModelDocument document;
    ASSERT_EQ(document.AddSurface(Named("A")), 0u);
    Surface steep = Named("A");
    steep.inputs.Ang = 61;
    EXPECT_FALSE(document.AddSurface(steep));
    EXPECT_FALSE(document.UpdateSurface(0, steep));
    steep.deflection = DeflectionInput::Travel;  // an angle from a travel is not limited
    EXPECT_TRUE(document.UpdateSurface(0, steep));
    EXPECT_FALSE(document.SetServoCount(0, 0));
    EXPECT_FALSE(document.SetServoCount(0, kMaxServoCount + 1));
    EXPECT_FALSE(document.SetServo(0, ServoRecord{"", 0, RatingUnit::KgfCm, ""}));
    EXPECT_FALSE(document.RenameSurface(0, "A"));
    EXPECT_FALSE(document.RemoveSurface(1));
    EXPECT_FALSE(document.MoveSurfaceUp(0));
    EXPECT_FALSE(document.MoveSurfaceDown(0));
    EXPECT_FALSE(document.SetNotes(""));
    EXPECT_EQ(document.UndoName(), "Aggiorna superficie");
}

struct SavedRow {
    const char* name;
    // After a surface was added and the model saved.
    std::function<void(ModelDocument&)> steps;
    bool modified;
};

void PrintTo(const SavedRow& row, std::ostream* out) {
    *out << row.name;
}

class ModifiedTest : public testing::TestWithParam<SavedRow> {};

// Modified holds exactly while the history stands elsewhere than where the model was saved, and
// for good once the saved point is dropped by a new edit after an undo.
TEST_P(ModifiedTest, KnowsWhetherTheModelIsAsSaved) {
    ModelDocument document;
    ASSERT_TRUE(document.AddSurface(Named("A")));
    document.MarkSaved();
    ASSERT_FALSE(document.Modified());
    GetParam().steps(document);
    EXPECT_EQ(document.Modified(), GetParam().modified);
}

INSTANTIATE_TEST_SUITE_P(
    Histories, ModifiedTest,
    testing::Values(SavedRow{"Edited", [](ModelDocument& d) { d.RenameSurface(0, "B"); }, true},
                    SavedRow{"EditedThenUndone",
                             [](ModelDocument& d) {
                                 d.RenameSurface(0, "B");
                                 d.Undo();
                             },
                             false},
                    SavedRow{"EditedUndoneRedone",
                             [](ModelDocument& d) {
                                 d.RenameSurface(0, "B");
                                 d.Undo();
                                 d.Redo();
                             },
                             true},
                    SavedRow{"Undone", [](ModelDocument& d) { d.Undo(); }, true},
                    SavedRow{"UndoneThenRedone",
                             [](ModelDocument& d) {
                                 d.Undo();
                                 d.Redo();
                             },
                             false},
                    // As many steps as when it was saved, but not those: modified.
                    SavedRow{"UndoneThenANewEdit",
                             [](ModelDocument& d) {
                                 d.Undo();
                                 d.AddSurface(Named("B"));
                             },
                             true},
                    SavedRow{"UndoneThenANewEditUndone",
                             [](ModelDocument& d) {
                                 d.Undo();
                                 d.AddSurface(Named("B"));
                                 d.Undo();
                             },
                             true},
                    SavedRow{"SavedAfterAnUndoThenRedone",
                             [](ModelDocument& d) {
                                 d.Undo();
                                 d.MarkSaved();
                                 d.Redo();
                             },
                             true}));

}  // namespace
}  // namespace coppia
