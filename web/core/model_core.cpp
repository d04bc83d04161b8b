// SPDX-License-Identifier: GPL-3.0-or-later
// The model window for the page: the desktop's model, made on a main window of the page, its
// questions answered by the page (page_dialogs.h).
#include <array>
#include <memory>
#include <string>

#include "models/main/number_keys.h"
#include "models/model/model_controls.h"
#include "models/model/surface_advice.h"
#include "models/shared/plot_layout.h"
#include "web/core/coppia_core.h"
#include "web/core/display_json.h"
#include "web/core/json_text.h"
#include "web/core/page_windows.h"
#include "web/core/plot_svg.h"

namespace coppia {

namespace {

PageModel* FindModel(int handle) {
    return Models().Find(handle);
}

const char* Held(std::string text) {
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

struct NamedClick {
    std::string_view name;
    void (ModelWindow::*event)();
};
constexpr std::array<NamedClick, 14> kClicks = {{
    {"Nuovo", &ModelWindow::Modello_Nuovo_Click},
    {"Apri", &ModelWindow::Modello_Apri_Click},
    {"Salva", &ModelWindow::Modello_Salva_Click},
    {"SalvaConNome", &ModelWindow::Modello_SalvaConNome_Click},
    {"Aggiungi", &ModelWindow::Modello_Aggiungi_Click},
    {"Aggiorna", &ModelWindow::Modello_Aggiorna_Click},
    {"Carica", &ModelWindow::Modello_Carica_Click},
    {"Duplica", &ModelWindow::Modello_Duplica_Click},
    {"Rinomina", &ModelWindow::Modello_Rinomina_Click},
    {"Rimuovi", &ModelWindow::Modello_Rimuovi_Click},
    {"SpostaSu", &ModelWindow::Modello_SpostaSu_Click},
    {"SpostaGiu", &ModelWindow::Modello_SpostaGiu_Click},
    {"Annulla", &ModelWindow::Modello_Annulla_Click},
    {"Ripeti", &ModelWindow::Modello_Ripeti_Click},
}};

// Each field's event, and whether it takes a number, where a comma typed is the point.
struct NamedEdit {
    std::string_view name;
    void (ModelWindow::*event)(std::string_view);
    bool number = false;
};
constexpr std::array<NamedEdit, 13> kEdits = {{
    {"NomeSuperficie", &ModelWindow::Modello_NomeSuperficie_Change},
    {"NomeServo", &ModelWindow::Modello_NomeServo_Change},
    {"CoppiaServo", &ModelWindow::Modello_CoppiaServo_Change, true},
    {"SpessoreProfilo", &ModelWindow::Modello_SpessoreProfilo_Change, true},
    {"NomeModello", &ModelWindow::Modello_NomeModello_Change},
    {"Note", &ModelWindow::Modello_Note_Change},
    {"TensioneServo", &ModelWindow::Modello_TensioneServo_Change, true},
    {"Tempo60Servo", &ModelWindow::Modello_Tempo60Servo_Change, true},
    {"CorrenteVuotoServo", &ModelWindow::Modello_CorrenteVuotoServo_Change, true},
    {"CorrenteStalloServo", &ModelWindow::Modello_CorrenteStalloServo_Change, true},
    {"NomeAlimentazione", &ModelWindow::Modello_NomeAlimentazione_Change},
    {"CorrenteContinua", &ModelWindow::Modello_CorrenteContinua_Change, true},
    {"CorrentePicco", &ModelWindow::Modello_CorrentePicco_Change, true},
}};

// Runs an event of the model window with the answers the page gave for it, then what follows it
// on the page (a surface loaded changes the main window); false for no window, or no event.
template <typename Event>
bool Run(int handle, Event event) {
    PageModel* model = FindModel(handle);
    if (model == nullptr)
        return false;
    model->dialogs.QuestionTaken();
    const bool ran = event(model->window);
    model->dialogs.EventDone();
    AfterEvent(model->mainHandle);
    return ran;
}

bool Choose(ModelWindow& window, std::string_view list, int index) {
    if (list == "TipoSuperficie" && index >= 0 &&
        index < static_cast<int>(kSurfaceKindNames.size())) {
        window.Modello_TipoSuperficie_Change(static_cast<SurfaceKind>(index));
    } else if (list == "UnitaServo" && (index == 0 || index == 1)) {
        window.Modello_UnitaServo_Change(index == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm);
    } else if (list == "FessuraProfilo" && (index == 0 || index == 1)) {
        window.Modello_FessuraProfilo_Change(index == 1 ? HingeGap::Open : HingeGap::Sealed);
    } else if (list == "NumeroServi") {
        window.Modello_NumeroServi_Change(index);
    } else if (list == "Recenti" && index >= 0) {
        window.Modello_Recente_Click(static_cast<std::size_t>(index));
    } else {
        return false;
    }
    return true;
}

}  // namespace

}  // namespace coppia

using coppia::ModelWindow;

extern "C" {

int coppia_model_create(int main) {
    coppia::PageMainWindow* page = coppia::MainWindows().Find(main);
    if (page == nullptr)
        return 0;
    return coppia::Models().Add(std::make_unique<coppia::PageModel>(main, *page));
}

void coppia_model_destroy(int model) {
    coppia::Models().Remove(model);
}

const char* coppia_model_controls(void) {
    return coppia::Held(coppia::ControlsJson(coppia::kModelControls));
}

void coppia_model_load(int model) {
    coppia::Run(model, [](ModelWindow& window) {
        window.Modello_Form_Load();
        return true;
    });
}

void coppia_model_answer(int model, const char* answers) {
    if (coppia::PageModel* page = coppia::FindModel(model))
        page->dialogs.Answer(coppia::AnswersFromJson(answers));
}

int coppia_model_click(int model, const char* button) {
    return coppia::Run(model, [button](ModelWindow& window) {
        for (const coppia::NamedClick& click : coppia::kClicks) {
            if (click.name == button) {
                (window.*click.event)();
                return true;
            }
        }
        return false;
    });
}

int coppia_model_edit(int model, const char* field, const char* text) {
    return coppia::Run(model, [field, text](ModelWindow& window) {
        for (const coppia::NamedEdit& edit : coppia::kEdits) {
            if (edit.name == field) {
                (window.*edit.event)(text);
                return true;
            }
        }
        return false;
    });
}

const char* coppia_model_typed(const char* field, const char* typed) {
    for (const coppia::NamedEdit& edit : coppia::kEdits) {
        if (edit.name == field && edit.number)
            return coppia::Held(coppia::NumberFieldTyped(typed));
    }
    return coppia::Held(typed);
}

int coppia_model_choose(int model, const char* list, int index) {
    return coppia::Run(
        model, [list, index](ModelWindow& window) { return coppia::Choose(window, list, index); });
}

int coppia_model_select(int model, const char* rows, int current) {
    return coppia::Run(model, [rows, current](ModelWindow& window) {
        window.Modello_Tabella_Select(
            coppia::RowsFromJson(rows),
            current >= 0 ? std::optional(static_cast<std::size_t>(current)) : std::nullopt);
        return true;
    });
}

const char* coppia_model_question(int model) {
    const coppia::PageModel* page = coppia::FindModel(model);
    return coppia::Held(page != nullptr ? coppia::QuestionJson(page->dialogs.Question()) : "null");
}

const char* coppia_model_messages(int model) {
    coppia::PageModel* page = coppia::FindModel(model);
    if (page == nullptr)
        return "[]";
    std::string shown = coppia::MessagesJson(page->dialogs.messages);
    page->dialogs.messages.clear();
    return coppia::Held(std::move(shown));
}

const char* coppia_model_advice(int model, const char* name, const char* rating) {
    const coppia::PageModel* page = coppia::FindModel(model);
    if (page == nullptr)
        return "null";
    const coppia::NewSurfaceAdvice advice =
        coppia::AdviseNewSurface(page->window.Session().Document().Content(), name, rating);
    return coppia::Held(coppia::JsonWriter::Object()
                            .Text("problem", advice.problem)
                            .Text("warning", advice.warning)
                            .Bool("acceptable", advice.acceptable)
                            .Done());
}

const char* coppia_model_display(int model) {
    const coppia::PageModel* page = coppia::FindModel(model);
    return coppia::Held(page != nullptr ? coppia::ModelWindowJson(page->window) : "null");
}

const char* coppia_model_plot(int model, double width, double height, double font_size) {
    const coppia::PageModel* page = coppia::FindModel(model);
    if (page == nullptr)
        return "";
    const coppia::Comparison& comparison = page->window.Display().comparison;
    return coppia::Held(coppia::PlotSvg(comparison.plot, {width, height, font_size}, "confronto",
                                        coppia::ModelControl("Grafico").accessibleName,
                                        coppia::DescribePlot(comparison.plot)));
}

const char* coppia_model_csv(int model, int international) {
    const coppia::PageModel* page = coppia::FindModel(model);
    if (page == nullptr)
        return "";
    return coppia::Held(page->window.CsvText(international != 0 ? coppia::CsvFormat::International
                                                                : coppia::CsvFormat::Italian));
}

}  // extern "C"
