// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>

#include "engine/number_text.h"
#include "models/model/surface_calculation.h"
#include "tests/double_bits.h"
#include "tests/models/memory_analysis_settings.h"
#include "tests/models/model/model_window_fixture.h"

namespace coppia {
namespace {

struct AdviceRow {
    const char* name;
    const char* rating;
    const char* problem;
    const char* warning;
    bool acceptable;
};

// The new surface's dialog says why it refuses what is typed, as the page "Superficie" does, and
// warns of a name another surface has, as "Rinomina" does.
TEST_F(ModelWindowTest, TheNewSurfaceDialogSaysWhyItRefusesARatingAndWarnsOfATakenName) {
    OpenExample();
    const char* refused = "Coppia dichiarata non valida: serve un numero da 0.01 a 10000";
    const std::vector<AdviceRow> rows = {
        {"Alettone centrale", "", "", "", true},
        {"Alettone centrale", "2.5", "", "", true},
        {"Alettone centrale", "abc", refused, "", false},
        {"Alettone centrale", "0", refused, "", false},
        {"Alettone centrale", "-2", refused, "", false},
        {"Timone", "3", "", "Attenzione: un'altra superficie si chiama già «Timone»", true},
        {" ", "3", "Serve un nome per la superficie", "", false},
    };
    for (const AdviceRow& row : rows) dialogs.typed.emplace_back(row.name, row.rating);
    dialogs.newSurface.reset();
    model.Modello_Aggiungi_Click();
    ASSERT_EQ(dialogs.advice.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(std::string(rows[i].name) + " / " + rows[i].rating);
        EXPECT_EQ(dialogs.advice[i].problem, rows[i].problem);
        EXPECT_EQ(dialogs.advice[i].warning, rows[i].warning);
        EXPECT_EQ(dialogs.advice[i].acceptable, rows[i].acceptable);
    }
    // The same words as the page's and the rename's.
    Select({0});
    model.Modello_CoppiaServo_Change("abc");
    EXPECT_EQ(Shown().details.problem, refused);
    dialogs.text = "Timone";
    model.Modello_Rinomina_Click();
    EXPECT_EQ(Shown().status, rows[5].warning);
}

TEST_F(ModelWindowTest, EachRowsTorqueIsTheMainWindowsCoppiaAfterCaricaAndTheSurfaceComesBack) {
    OpenExample();
    // A surface from the main window's start: the travel Corsa 20 gives the angle 19.2.
    model.Modello_Aggiungi_Click();
    ASSERT_EQ(Shown().rows.size(), 7u);
    EXPECT_EQ(Shown().selected, std::vector<std::size_t>{6});
    EXPECT_EQ(Content().surfaces[6].name, "Superficie 7");
    EXPECT_EQ(Content().surfaces[6].deflection, DeflectionInput::Travel);
    const TorqueConstants constants = InitTorqueConstants();
    for (std::size_t row = 0; row < Shown().rows.size(); ++row) {
        SCOPED_TRACE(row);
        Select({row});
        model.Modello_Carica_Click();
        EXPECT_EQ(Shown().statusTone, Tone::Good) << Shown().status;
        EXPECT_TRUE(State().ResultsCurrent());
        const std::string& torque = Cell(Shown().rows[row], ModelColumn::CoppiaKgcm);
        EXPECT_EQ(Text(Control::Coppia), FormatNumber(ReadNumber(torque).value(), "#00.00"));
        EXPECT_EQ(TorqueText(window.LastResult().ServoTorque), torque);
        const SurfaceCalculation surface = CalculateSurface(Content().surfaces[row], constants);
        EXPECT_EQ(BitsOf(window.LastResult().ServoTorque), BitsOf(surface.result.ServoTorque));
        // Taken back, it is the same surface.
        model.Modello_Aggiorna_Click();
        EXPECT_EQ(Shown().status, "«" + Content().surfaces[row].name +
                                      "» è già come i campi della finestra principale");
    }
    EXPECT_EQ(model.Session().Document().UndoName(), "Aggiungi superficie") << "nothing since";
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(lastInputs.writes, 7);
    EXPECT_EQ(settings.writes, 0) << "the analysis's settings are only read here";

    // An angle beyond 60 that a travel left in Ang cannot be kept as an angle.
    window.UserClick(Control::Down);
    Retype(Control::Corsa, "119.9");
    window.UserClick(Control::UP);
    model.Modello_Aggiorna_Click();
    EXPECT_EQ(Shown().status,
              "«Superficie 7» non aggiornata: il campo Ang della finestra principale: l'angolo "
              "deve stare fra -60 e 60 gradi");
    EXPECT_EQ(Shown().statusTone, Tone::Bad);
}

TEST_F(ModelWindowTest, EveryActionIsUndoneAndRedoneWithTheSurfaceItTouchedSelected) {
    OpenExample();
    const Model opened = Content();
    EXPECT_EQ(Shown().title, "esempio.coppia[*] (Sport 160) – Modello");
    EXPECT_FALSE(Shown().modified);
    EXPECT_EQ(Shown().selected, std::vector<std::size_t>{0});
    dialogs.text = "Alettone con squadretta da 22";

    struct Step {
        const char* what;
        std::function<void()> act;
        std::size_t selected;
    };
    const std::vector<Step> steps = {
        {"duplicate", [&] { model.Modello_Duplica_Click(); }, 1},
        {"rename", [&] { model.Modello_Rinomina_Click(); }, 1},
        {"down", [&] { model.Modello_SpostaGiu_Click(); }, 2},
        {"rating", [&] { model.Modello_CoppiaServo_Change("4,5"); }, 2},
        {"servos", [&] { model.Modello_NumeroServi_Change(2); }, 2},
        {"kind", [&] { model.Modello_TipoSuperficie_Change(SurfaceKind::Timone); }, 2},
        {"up", [&] { model.Modello_SpostaSu_Click(); }, 1},
        {"remove first",
         [&] {
             Select({0});
             model.Modello_Rimuovi_Click();
         },
         0},
        {"add", [&] { model.Modello_Aggiungi_Click(); }, 6},
    };
    std::vector<Model> states{opened};
    std::vector<std::vector<std::size_t>> selections{{0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_NE(Content(), states.back());
        EXPECT_EQ(Shown().selected, std::vector<std::size_t>{step.selected});
        EXPECT_TRUE(Shown().modified);
        states.push_back(Content());
        selections.push_back(Shown().selected);
    }
    const Surface& variant = Content().surfaces[0];
    EXPECT_EQ(variant.name, "Alettone con squadretta da 22");
    EXPECT_EQ(variant.servo.rating, 4.5) << "a typed comma is the decimal point";
    EXPECT_EQ(variant.servoCount, 2);
    EXPECT_EQ(Cell(Shown().rows[0], ModelColumn::CoppiaKgcm), "0.52") << "each of two servos";
    EXPECT_EQ(Shown().totals.servos, "Servi del modello: 8, su 7 superfici");
    Select({0});
    EXPECT_EQ(Shown().details.kindNote,
              "Per il timone CordaAla è la corda della deriva; CarAla è 0, salvo che la deriva "
              "porti carico.");
    EXPECT_EQ(dialogs.textQuestions,
              std::vector<std::string>{"Nuovo nome di «Alettone sinistro (variante)» "
                                       "[Alettone sinistro (variante)]"});

    // What cannot be kept is said, and changes nothing.
    model.Modello_CoppiaServo_Change("0");
    EXPECT_EQ(Shown().details.problem,
              "Coppia dichiarata non valida: serve un numero da 0.01 a 10000");
    EXPECT_EQ(Shown().details.rating, "0");
    EXPECT_EQ(Content(), states.back());

    for (std::size_t i = steps.size(); i-- > 0;) {
        SCOPED_TRACE(steps[i].what);
        model.Modello_Annulla_Click();
        EXPECT_EQ(Content(), states[i]);
        EXPECT_EQ(Shown().status.substr(0, 10), "Annullato:");
    }
    EXPECT_FALSE(Shown().modified);
    EXPECT_FALSE(Shown().canUndo);
    EXPECT_EQ(Shown().details.problem, "");
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(steps[i].what);
        model.Modello_Ripeti_Click();
        EXPECT_EQ(Content(), states[i + 1]);
    }
    EXPECT_EQ(Shown().selected, selections.back());

    // The analysis's settings, changed meanwhile, judge the table once the window is back.
    settings.bytes = "FattoreSicurezza=3\nEscursione=30\n";
    model.Modello_Form_Activate();
    EXPECT_EQ(Shown().headings[static_cast<std::size_t>(ModelColumn::Rotazione)],
              "Rotazione del servo (°, escursione 30)");
    EXPECT_EQ(Cell(Shown().rows[1], ModelColumn::Verdetto), "Rinvio Insufficiente");
    EXPECT_EQ(settings.writes, 0);
}

TEST_F(ModelWindowTest, ComparesTheSelectedSurfacesSideBySideAndOnOnePlot) {
    OpenExample();
    EXPECT_EQ(Shown().comparison.names, std::vector<std::string>{"Alettone sinistro"});
    EXPECT_NE(Shown().comparison.note, "");
    Select({2, 0});
    const Comparison& compared = Shown().comparison;
    EXPECT_EQ(compared.note, "");
    EXPECT_EQ(compared.names, (std::vector<std::string>{"Alettone sinistro", "Flap sinistro"}));
    std::vector<std::string> differing;
    for (const SideBySideRow& row : compared.rows) {
        if (row.differs)
            differing.push_back(row.label.substr(0, row.label.find(',')));
    }
    EXPECT_EQ(differing, (std::vector<std::string>{"Tipo", "Deflessione data come", "CordaAlett",
                                                   "LungAlett", "BrAlett", "BrServ", "Vel", "Ang",
                                                   "Corsa", "Coppia dichiarata"}));
    EXPECT_EQ(compared.rows.at(13).values, (std::vector<std::string>{"3 Kg*cm", "30 N·cm"}));
    // The same mini servo's data sheet on both: nothing differs there.
    EXPECT_EQ(compared.rows.back().label, "Corrente di stallo (A)");
    EXPECT_EQ(compared.rows.back().values, (std::vector<std::string>{"2.5", "2.5"}));
    // The flap's angle is the one its travel gives, as the main window derives it.
    EXPECT_EQ(compared.rows[10].values, (std::vector<std::string>{"20", "33.2"}));

    const PlotData& plot = compared.plot;
    ASSERT_EQ(plot.curves.size(), 2u);
    EXPECT_EQ(plot.curves[0].points.size(), 61u);
    EXPECT_EQ(plot.curves[1].mark->first, 33.2);
    EXPECT_EQ(plot.curves[1].markLabel, Cell(Shown().rows[2], ModelColumn::CoppiaKgcm));
    EXPECT_EQ(plot.curves[0].markLabel, "1.04");
    ASSERT_EQ(plot.ratings.size(), 2u);
    EXPECT_EQ(plot.ratings[1].name, "Servo di Flap sinistro: 3.06 Kg*cm");
    EXPECT_EQ(plot.ratings[1].curve, 1u);
    EXPECT_EQ(plot.scale.high, 4);

    // A second servo halves the flap's curve.
    const double before = plot.curves[1].points[60].second;
    model.Modello_NumeroServi_Change(2);
    Select({0, 2});
    EXPECT_DOUBLE_EQ(Shown().comparison.plot.curves[1].points[60].second, before / 2);
}

TEST_F(ModelWindowTest, WithNothingSelectedThePrintedPlotLeavesOutTheSurfacesWithoutAVerdict) {
    OpenExample();
    EXPECT_EQ(model.PrintedComparison().plot.curves.size(), 6u);
    // A negative length draws below zero and has no verdict: it stays off the printed plot.
    Select({1});
    Retype(Control::LungAlett, "-300");
    model.Modello_Aggiorna_Click();
    ASSERT_FALSE(Shown().rows[1].refusal.empty());
    const Comparison printed = model.PrintedComparison();
    EXPECT_EQ(printed.names, (std::vector<std::string>{"Alettone sinistro", "Flap sinistro",
                                                       "Flap destro", "Elevatore", "Timone"}));
    EXPECT_EQ(printed.plot.curves.size(), 5u);
    EXPECT_EQ(printed.note, "Esclusa 1 superficie senza verdetto");
    // Chosen by the builder, it is compared all the same.
    Select({0, 1});
    EXPECT_EQ(model.PrintedComparison().plot.curves.size(), 2u);
}

TEST_F(ModelWindowTest, ASurfaceIsNeverRenamedToNothingAndADuplicateNameIsWarned) {
    OpenExample();
    Select({1});
    for (const char* blank : {"", "  "}) {
        dialogs.text = blank;
        model.Modello_Rinomina_Click();
        EXPECT_EQ(Content().surfaces[1].name, "Alettone destro");
        EXPECT_EQ(Shown().statusTone, Tone::Bad);
        model.Modello_NomeSuperficie_Change(blank);
        EXPECT_EQ(Content().surfaces[1].name, "Alettone destro");
    }
    EXPECT_FALSE(Shown().modified);
    model.Modello_NomeSuperficie_Change("Alettone sinistro");
    EXPECT_EQ(Content().surfaces[1].name, "Alettone sinistro") << "kept, as the builder asked";
    EXPECT_EQ(Shown().status, "Attenzione: un'altra superficie si chiama già «Alettone sinistro»");
    EXPECT_EQ(Shown().statusTone, Tone::Warning);
}

std::string ExpectedFile(const char* name) {
    std::ifstream in(std::string(COPPIA_SOURCE_DIR "/tests/models/model/") + name,
                     std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ModelWindowTest, TheExampleModelsTableAsCsvForItalianSpreadsheets) {
    OpenExample();
    EXPECT_EQ(model.CsvText(CsvFormat::Italian), ExpectedFile("esempio_modello_it.csv"));
    EXPECT_EQ(Shown().totals.weakest, "Margine più basso: 2.87, Alettone sinistro");
}

}  // namespace
}  // namespace coppia
