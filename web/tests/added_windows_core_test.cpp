// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis and the model windows through the page's way in: what the page reads of them
// (their displays as JSON, the plot as SVG), the questions the page answers, and the model's
// bytes, saved as the desktop's save writes them.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <variant>

#include "files/model_file.h"
#include "files/model_json.h"
#include "web/core/coppia_core.h"

namespace coppia {
namespace {

const std::string kExample = COPPIA_SOURCE_DIR "/docs/esempio.coppia";

std::string Contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

ModelJson Json(const char* text) {
    return ModelJson::parse(text);
}

std::string PageFileBytes(const char* path) {
    const int size = coppia_file_size(path);
    return size < 0 ? "none" : std::string(coppia_file_bytes(path), static_cast<std::size_t>(size));
}

class AddedWindowsCoreTest : public testing::Test {
  protected:
    AddedWindowsCoreTest() {
        coppia_main_load(main);
        coppia_analysis_load(analysis);
        coppia_model_load(model);
        coppia_files_written();
    }
    ~AddedWindowsCoreTest() override { coppia_main_destroy(main); }

    ModelJson Analysis() { return Json(coppia_analysis_display(analysis)); }
    ModelJson Model() { return Json(coppia_model_display(model)); }
    void OpenExample() {
        const std::string example = Contents(kExample);
        coppia_file_hand_over("esempio.coppia", example.data(), static_cast<int>(example.size()));
        coppia_model_answer(model, R"({"apri": "esempio.coppia"})");
        ASSERT_EQ(coppia_model_click(model, "Apri"), 1);
    }

    const int main = coppia_main_create();
    const int analysis = coppia_analysis_create(main);
    const int model = coppia_model_create(main);
};

struct VerdictRow {
    const char* rating;
    int unit;
    const char* factor;
    const char* margin;
    const char* minimum;
    const char* verdict;
    const char* tone;
};

class AnalysisVerdictTest : public AddedWindowsCoreTest,
                            public testing::WithParamInterface<VerdictRow> {};

// The analysis window's own texts for these inputs (tests/models/analysis), as the page reads
// them: a field or a list the core names wrongly, or a tone named wrongly, shows otherwise.
TEST_P(AnalysisVerdictTest, ShowsTheDesktopsVerdictMarginAndLeastRating) {
    const VerdictRow& row = GetParam();
    ASSERT_EQ(coppia_analysis_choose(analysis, "UnitaCoppia", row.unit), 1);
    ASSERT_EQ(coppia_analysis_edit(analysis, "CoppiaServo", row.rating), 1);
    ASSERT_EQ(coppia_analysis_edit(analysis, "FattoreSicurezza", row.factor), 1);
    const ModelJson shown = Analysis();
    EXPECT_EQ(shown["margin"], row.margin);
    EXPECT_EQ(
        shown["minimumRating"].get<std::string>() + " " + shown["ratingUnit"].get<std::string>(),
        row.minimum);
    EXPECT_EQ(shown["verdict"]["text"], row.verdict);
    EXPECT_EQ(shown["verdict"]["tone"], row.tone);
    EXPECT_EQ(shown["fields"]["CoppiaServo"], row.rating);
    EXPECT_EQ(shown["unit"], row.unit);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, AnalysisVerdictTest,
    testing::Values(VerdictRow{"1.04", 0, "2", "2.00", "1.04 Kg*cm", "Servo Sufficiente", "good"},
                    VerdictRow{"0.8", 0, "2", "1.54", "1.04 Kg*cm", "Servo al Limite", "warning"},
                    VerdictRow{"5", 1, "2", "0.98", "10.19 N·cm", "Servo Insufficiente!!", "bad"}));

TEST_F(AddedWindowsCoreTest, TheAnalysisFollowsTheCalculatorAndItsPlotIsOneSvgOfTheGivenSize) {
    EXPECT_EQ(Analysis()["torque"][0], "0.52");
    coppia_main_edit(main, coppia_control_named("Vel"), "20");
    EXPECT_EQ(Analysis()["torque"][0], "0.10") << "the calculator's field, followed at once";
    EXPECT_EQ(coppia_analysis_edit(analysis, "Nessuno", "1"), 0);
    EXPECT_EQ(coppia_analysis_choose(analysis, "UnitaCoppia", 2), 0);

    const std::string svg = coppia_analysis_plot(analysis, 400, 250, 13);
    EXPECT_EQ(svg.rfind("<svg ", 0), 0u);
    EXPECT_NE(svg.find("viewBox=\"0 0 400 250\""), std::string::npos);
    EXPECT_NE(svg.find("<polyline"), std::string::npos);
    EXPECT_EQ(svg.find("</svg>"), svg.size() - 6);
}

// The example opened as the page hands it over, then saved under a name typed without its
// extension: the bytes are the desktop's save of the same model (EncodeModel, which the
// desktop's WriteModelFile writes), and the example's own.
TEST_F(AddedWindowsCoreTest, OpensAModelHandedOverAndSavesTheDesktopsBytes) {
    const std::string example = Contents(kExample);
    ASSERT_FALSE(example.empty());
    EXPECT_STREQ(
        coppia_file_hand_over("esempio.coppia", example.data(), static_cast<int>(example.size())),
        "/esempio.coppia");
    coppia_model_answer(model, R"({"apri": "esempio.coppia"})");
    ASSERT_EQ(coppia_model_click(model, "Apri"), 1);
    EXPECT_STREQ(coppia_model_question(model), "null");
    const ModelJson shown = Model();
    EXPECT_EQ(shown["modelName"], "Sport 160");
    const auto decoded = DecodeModel(example);
    ASSERT_TRUE(std::holds_alternative<coppia::Model>(decoded));
    EXPECT_EQ(shown["rows"].size(), std::get<coppia::Model>(decoded).surfaces.size());
    EXPECT_EQ(shown["rows"][0]["verdict"]["tone"], "good");

    // Salva con nome asks for a name first; the page runs the event again with it.
    ASSERT_EQ(coppia_model_click(model, "SalvaConNome"), 1);
    const ModelJson question = Json(coppia_model_question(model));
    EXPECT_EQ(question["kind"], "salvaIn");
    EXPECT_EQ(question["title"], "Salva modello");
    coppia_model_answer(model, R"({"salvaIn": "copia"})");
    ASSERT_EQ(coppia_model_click(model, "SalvaConNome"), 1);
    // The recent list, which the page keeps, and the model, which it downloads.
    EXPECT_EQ(Json(coppia_files_written()),
              Json(R"(["/impostazioni/coppia-recenti.txt", "/copia.coppia"])"));
    const std::string saved = PageFileBytes("/copia.coppia");
    EXPECT_EQ(saved, EncodeModel(std::get<coppia::Model>(decoded)));
    EXPECT_EQ(saved, example);
}

TEST_F(AddedWindowsCoreTest, ARefusedModelIsToldInTheDesktopsWordsAndCargaFillsTheCalculator) {
    const std::string broken = "{\"formato\": \"altro\"}";
    coppia_file_hand_over("rotto.coppia", broken.data(), static_cast<int>(broken.size()));
    coppia_model_answer(model, R"({"apri": "rotto.coppia"})");
    coppia_model_click(model, "Apri");
    const ModelJson messages = Json(coppia_model_messages(model));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0]["text"].get<std::string>().rfind(
                  "Il modello /rotto.coppia non può essere aperto: ", 0),
              0u);
    EXPECT_EQ(Json(coppia_model_messages(model)).size(), 0u) << "taken";

    OpenExample();
    ASSERT_EQ(coppia_model_select(model, "[2]", 2), 1);
    ASSERT_EQ(coppia_model_click(model, "Carica"), 1);
    // The third surface of the example, a flap: 55 Km/h, its deflection as a travel of 40 mm.
    EXPECT_STREQ(coppia_main_text(main, coppia_control_named("Vel")), "55");
    EXPECT_STREQ(coppia_main_text(main, coppia_control_named("CordaAlett")), "70");
    EXPECT_STREQ(coppia_main_text(main, coppia_control_named("Corsa")), "40");
    EXPECT_NE(Model()["details"]["rating"], "");
    EXPECT_EQ(Analysis()["fields"]["CoppiaServo"], Model()["details"]["rating"])
        << "the analysis judges the surface's servo";
}

// The example's supply (tests/models/model/model_motion_test.cpp), its fields typed by their
// desktop names; the table as the desktop's Esporta CSV writes it, first choice Italian.
TEST_F(AddedWindowsCoreTest, TheModelsSupplyIsTypedAndJudgedAndItsTableExportedAsTheDesktops) {
    OpenExample();
    EXPECT_EQ(coppia_model_csv(model, 0),
              Contents(COPPIA_SOURCE_DIR "/tests/models/model/esempio_modello_it.csv"));
    EXPECT_EQ(Model()["exportName"], "Sport 160");
    const ModelJson opened = Model()["supply"];
    EXPECT_EQ(opened["name"], "BEC 5 A");
    EXPECT_EQ(opened["continuous"], "5");
    EXPECT_EQ(opened["peak"], "7.5");
    EXPECT_EQ(opened["verdict"]["text"],
              "Alimentazione al Limite (BEC 5 A): riserva 1.11, sotto 1.25; il picco non copre lo "
              "spunto");
    EXPECT_EQ(opened["verdict"]["tone"], "warning");
    EXPECT_NE(opened["currents"].get<std::string>().find("4.47 A su 5 A"), std::string::npos);
    EXPECT_NE(opened["rule"], "");

    ASSERT_EQ(coppia_model_edit(model, "CorrentePicco", "14"), 1);
    ASSERT_EQ(coppia_model_edit(model, "CorrenteContinua", "5.59"), 1);
    ASSERT_EQ(coppia_model_edit(model, "NomeAlimentazione", "BEC 6 A"), 1);
    EXPECT_EQ(Model()["supply"]["verdict"]["text"],
              "Alimentazione sufficiente (BEC 6 A): riserva 1.25, picco che copre lo spunto");
    EXPECT_EQ(Model()["supply"]["verdict"]["tone"], "good");
    ASSERT_EQ(coppia_model_edit(model, "CorrentePicco", "0"), 1);
    EXPECT_EQ(Model()["supply"]["peak"], "0") << "kept as typed";
    EXPECT_EQ(Model()["supply"]["problem"],
              "Corrente di picco non valida: serve un numero da 0.01 a 1000 A, o niente se non si "
              "conosce");
}

struct TypedRow {
    const char* window;
    const char* field;
    const char* typed;
    const char* entered;
};

class TypedTest : public testing::TestWithParam<TypedRow> {};

// A comma typed is the point in the fields of a number, as the desktop's keys type it, and
// stays a comma in a name or the notes.
TEST_P(TypedTest, EntersWhatTheDesktopsFieldWould) {
    const TypedRow& row = GetParam();
    EXPECT_STREQ(std::string_view(row.window) == "analysis"
                     ? coppia_analysis_typed(row.field, row.typed)
                     : coppia_model_typed(row.field, row.typed),
                 row.entered);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedTest,
    testing::Values(TypedRow{"analysis", "Tempo60", "0,11", "0.11"},
                    TypedRow{"analysis", "CoppiaServo", ",", "."},
                    TypedRow{"analysis", "Nessuno", ",", ","},
                    TypedRow{"model", "CorrenteContinua", "5,5", "5.5"},
                    TypedRow{"model", "CorrentePicco", ",", "."},
                    TypedRow{"model", "CoppiaServo", "4,5", "4.5"},
                    TypedRow{"model", "SpessoreProfilo", ",", "."},
                    TypedRow{"model", "Tempo60Servo", ",", "."},
                    TypedRow{"model", "NomeAlimentazione", "BEC 5,5 A", "BEC 5,5 A"},
                    TypedRow{"model", "NomeServo", ",", ","}, TypedRow{"model", "Note", ",", ","}));

}  // namespace
}  // namespace coppia
