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

struct AnalysisRatingRow {
    const char* kept;  // CoppiaServo in the analysis's settings
    double rating;     // of the surface Aggiungi adds
    RatingUnit unit;
};

class AnalysisRatingTest : public ModelWindowTest,
                           public testing::WithParamInterface<AnalysisRatingRow> {};

// The analysis takes any rating above 0; a surface added takes it only when a model can keep
// it, and the usual servo otherwise, rather than being refused.
TEST_P(AnalysisRatingTest, AggiungiAddsASurfaceWithARatingAModelKeeps) {
    settings.bytes = "CoppiaServo=" + std::string(GetParam().kept) + "\nUnitaCoppia=N*cm\n";
    model.Modello_Form_Load();
    model.Modello_Aggiungi_Click();
    ASSERT_EQ(Content().surfaces.size(), 1u) << Shown().status;
    EXPECT_EQ(Content().surfaces[0].servo.rating, GetParam().rating);
    EXPECT_EQ(Content().surfaces[0].servo.unit, GetParam().unit);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AnalysisRatingTest,
    testing::Values(AnalysisRatingRow{"45", 45, RatingUnit::NewtonCm},
                    AnalysisRatingRow{"1e300", ServoRecord{}.rating, RatingUnit::KgfCm},
                    AnalysisRatingRow{"0.001", ServoRecord{}.rating, RatingUnit::KgfCm}));

}  // namespace
}  // namespace coppia
