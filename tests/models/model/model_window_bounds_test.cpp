// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <variant>

#include "files/model_file.h"
#include "models/model/model_window.h"
#include "tests/models/model/model_window_fixture.h"

namespace coppia {
namespace {

enum class TypedField { NomeModello, Note, NomeSuperficie, NomeServo, Rinomina };

struct TypedTextRow {
    const char* name;
    TypedField field;
    std::string typed;
    std::string kept;
};

void PrintTo(const TypedTextRow& row, std::ostream* out) {
    *out << row.name;
}

class TypedTextTest : public ModelWindowTest, public testing::WithParamInterface<TypedTextRow> {};

std::string Repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// A name is cut after 200 characters and notes after 10,000, characters and not bytes, so that
// the model can always be saved and read back.
TEST_P(TypedTextTest, IsCutToWhatAFileKeeps) {
    const TypedTextRow& row = GetParam();
    OpenExample();
    Select({0});
    switch (row.field) {
        case TypedField::NomeModello:
            model.Modello_NomeModello_Change(row.typed);
            EXPECT_EQ(Content().name, row.kept);
            break;
        case TypedField::Note:
            model.Modello_Note_Change(row.typed);
            EXPECT_EQ(Content().notes, row.kept);
            break;
        case TypedField::NomeSuperficie:
            model.Modello_NomeSuperficie_Change(row.typed);
            EXPECT_EQ(Content().surfaces[0].name, row.kept);
            break;
        case TypedField::NomeServo:
            model.Modello_NomeServo_Change(row.typed);
            EXPECT_EQ(Content().surfaces[0].servo.name, row.kept);
            break;
        case TypedField::Rinomina:
            dialogs.text = row.typed;
            model.Modello_Rinomina_Click();
            EXPECT_EQ(Content().surfaces[0].name, row.kept);
            break;
    }
    EXPECT_TRUE(std::holds_alternative<Model>(DecodeModel(EncodeModel(Content()))));
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, TypedTextTest,
    testing::Values(TypedTextRow{"ModelNameOf200", TypedField::NomeModello, Repeated("è", 200),
                                 Repeated("è", 200)},
                    TypedTextRow{"ModelNameOf201", TypedField::NomeModello, Repeated("è", 201),
                                 Repeated("è", 200)},
                    TypedTextRow{"ModelNameOfAHundredThousand", TypedField::NomeModello,
                                 Repeated("a", 100000), Repeated("a", 200)},
                    TypedTextRow{"NotesOf10001", TypedField::Note, Repeated("✈", 10001),
                                 Repeated("✈", 10000)},
                    TypedTextRow{"SurfaceNameOf300", TypedField::NomeSuperficie, Repeated("ü", 300),
                                 Repeated("ü", 200)},
                    TypedTextRow{"ServoNameOf201", TypedField::NomeServo, Repeated("x", 201),
                                 Repeated("x", 200)},
                    TypedTextRow{"RenamedTo250", TypedField::Rinomina, Repeated("°", 250),
                                 Repeated("°", 200)}));

struct TypedRatingRow {
    const char* typed;
    bool kept;
};

class TypedRatingTest : public ModelWindowTest,
                        public testing::WithParamInterface<TypedRatingRow> {};

TEST_P(TypedRatingTest, IsKeptOnlyFrom0Point01To10000) {
    OpenExample();
    Select({0});
    const Model before = Content();
    model.Modello_CoppiaServo_Change(GetParam().typed);
    if (GetParam().kept) {
        EXPECT_EQ(Content().surfaces[0].servo.rating, std::stod(GetParam().typed));
        EXPECT_EQ(Shown().details.problem, "");
    } else {
        EXPECT_EQ(Content(), before);
        EXPECT_EQ(Shown().details.problem,
                  "Coppia dichiarata non valida: serve un numero da 0.01 a 10000");
        EXPECT_EQ(Shown().details.rating, GetParam().typed);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ratings, TypedRatingTest,
    testing::Values(TypedRatingRow{"1e-320", false}, TypedRatingRow{"0.009", false},
                    TypedRatingRow{"0.01", true}, TypedRatingRow{"10000", true},
                    TypedRatingRow{"10000.5", false}, TypedRatingRow{"1e300", false}));

struct NewSurfaceRow {
    const char* name;
    std::optional<NewSurface> given;  // none: the builder gives up
    // What is added: its kind, servos and rating; or the refusal.
    std::optional<SurfaceKind> kind;
    int servos = 1;
    std::optional<double> rating;
    std::string verdict;  // of its row
    Tone tone = Tone::Neutral;
    std::string status;
};

void PrintTo(const NewSurfaceRow& row, std::ostream* out) {
    *out << row.name;
}

NewSurface Given(std::string name, SurfaceKind kind, int servos, std::optional<double> rating) {
    NewSurface given;
    given.name = std::move(name);
    given.kind = kind;
    given.servoCount = servos;
    given.servo.rating = rating;
    return given;
}

class NewSurfaceTest : public ModelWindowTest, public testing::WithParamInterface<NewSurfaceRow> {};

// Nothing is made up: whatever rating the analysis keeps, a surface added has the kind and the
// servo the builder gives, and until its rating is given it has no verdict and is never green.
TEST_P(NewSurfaceTest, AggiungiTakesTheKindAndServoTheBuilderGives) {
    settings.bytes = "CoppiaServo=45\nUnitaCoppia=N*cm\n";
    model.Modello_Form_Load();
    dialogs.newSurface = GetParam().given;
    model.Modello_Aggiungi_Click();
    ASSERT_EQ(dialogs.proposals.size(), 1u);
    EXPECT_EQ(dialogs.proposals[0].name, "Superficie 1");
    EXPECT_EQ(dialogs.proposals[0].servo.rating, std::nullopt);
    if (!GetParam().kind) {
        EXPECT_TRUE(Content().surfaces.empty());
        EXPECT_EQ(Shown().status, GetParam().status);
        return;
    }
    ASSERT_EQ(Content().surfaces.size(), 1u) << Shown().status;
    const Surface& added = Content().surfaces[0];
    EXPECT_EQ(added.kind, *GetParam().kind);
    EXPECT_EQ(added.servoCount, GetParam().servos);
    EXPECT_EQ(added.servo.rating, GetParam().rating);
    const ModelTableRow& row = Shown().rows[0];
    EXPECT_EQ(row.cells[static_cast<std::size_t>(ModelColumn::Verdetto)], GetParam().verdict);
    EXPECT_EQ(row.verdictTone, GetParam().tone);
    EXPECT_EQ(Shown().totals.verdict, GetParam().verdict + ": " + added.name);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NewSurfaceTest,
    testing::Values(
        NewSurfaceRow{"FlapWithoutRating",
                      Given("Flap sinistro", SurfaceKind::Flap, 1, std::nullopt), SurfaceKind::Flap,
                      1, std::nullopt, "Servo da indicare", Tone::Warning, ""},
        NewSurfaceRow{"TwoServosRated", Given("", SurfaceKind::Elevatore, 2, 3),
                      SurfaceKind::Elevatore, 2, 3, "Servo Sufficiente", Tone::Good, ""},
        NewSurfaceRow{"GivenUp", std::nullopt, std::nullopt, 1, std::nullopt, "", Tone::Neutral,
                      ""},
        NewSurfaceRow{"BlankName", Given(" ", SurfaceKind::Timone, 1, 3), std::nullopt, 1,
                      std::nullopt, "", Tone::Neutral, "Superficie non aggiunta: serve un nome"},
        NewSurfaceRow{"RatingOutOfBounds", Given("T", SurfaceKind::Timone, 1, 1e-320), std::nullopt,
                      1, std::nullopt, "", Tone::Neutral,
                      "Superficie non aggiunta: coppia dichiarata non valida: serve un numero "
                      "da 0.01 a 10000"}));

}  // namespace
}  // namespace coppia
