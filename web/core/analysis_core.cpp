// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window for the page: the desktop's model, made on a main window of the page.
#include <array>
#include <memory>
#include <string>

#include "models/analysis/analysis_controls.h"
#include "models/main/number_keys.h"
#include "models/shared/plot_layout.h"
#include "web/core/coppia_core.h"
#include "web/core/display_json.h"
#include "web/core/page_windows.h"
#include "web/core/plot_svg.h"

namespace coppia {

namespace {

PageAnalysis* FindAnalysis(int handle) {
    return Analyses().Find(handle);
}

const char* Held(std::string text) {
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

using FieldEvent = void (AnalysisWindow::*)(std::string_view);
struct NamedField {
    std::string_view name;
    FieldEvent event;
};
constexpr std::array<NamedField, 9> kFieldEvents = {{
    {"CoppiaServo", &AnalysisWindow::Analisi_CoppiaServo_Change},
    {"FattoreSicurezza", &AnalysisWindow::Analisi_FattoreSicurezza_Change},
    {"Escursione", &AnalysisWindow::Analisi_Escursione_Change},
    {"AltreVelocita", &AnalysisWindow::Analisi_AltreVelocita_Change},
    {"SpessoreProfilo", &AnalysisWindow::Analisi_SpessoreProfilo_Change},
    {"Tensione", &AnalysisWindow::Analisi_Tensione_Change},
    {"Tempo60", &AnalysisWindow::Analisi_Tempo60_Change},
    {"CorrenteVuoto", &AnalysisWindow::Analisi_CorrenteVuoto_Change},
    {"CorrenteStallo", &AnalysisWindow::Analisi_CorrenteStallo_Change},
}};

// An entry chosen in one of the window's lists, by its place; false for none.
bool Choose(AnalysisWindow& window, std::string_view list, int index) {
    if (index < 0 || index > 1)
        return false;
    if (list == "UnitaCoppia")
        window.Analisi_UnitaCoppia_Change(index == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm);
    else if (list == "FessuraProfilo")
        window.Analisi_FessuraProfilo_Change(index == 1 ? HingeGap::Open : HingeGap::Sealed);
    else if (list == "GiudicaCon")
        window.Analisi_GiudicaCon_Change(index == 1 ? JudgeWith::Prudent : JudgeWith::Calculation);
    else
        return false;
    return true;
}

// Runs an event of the analysis, then what follows it on the page; false for no analysis.
template <typename Event>
bool Run(int handle, Event event) {
    PageAnalysis* analysis = FindAnalysis(handle);
    if (analysis == nullptr)
        return false;
    const bool ran = event(analysis->window);
    AfterAnalysisEvent(analysis->mainHandle);
    return ran;
}

}  // namespace

}  // namespace coppia

using coppia::AnalysisWindow;

extern "C" {

int coppia_analysis_create(int main) {
    coppia::PageMainWindow* page = coppia::MainWindows().Find(main);
    if (page == nullptr)
        return 0;
    return coppia::Analyses().Add(std::make_unique<coppia::PageAnalysis>(main, *page));
}

void coppia_analysis_destroy(int analysis) {
    coppia::Analyses().Remove(analysis);
}

const char* coppia_analysis_controls(void) {
    return coppia::Held(coppia::ControlsJson(coppia::kAnalysisControls));
}

void coppia_analysis_load(int analysis) {
    coppia::Run(analysis, [](AnalysisWindow& window) {
        window.Analisi_Form_Load();
        return true;
    });
}

int coppia_analysis_edit(int analysis, const char* field, const char* text) {
    return coppia::Run(analysis, [field, text](AnalysisWindow& window) {
        for (const coppia::NamedField& named : coppia::kFieldEvents) {
            if (named.name == field) {
                (window.*named.event)(text);
                return true;
            }
        }
        return false;
    });
}

const char* coppia_analysis_typed(const char* field, const char* typed) {
    for (const coppia::NamedField& named : coppia::kFieldEvents) {
        if (named.name == field)
            return coppia::Held(coppia::NumberFieldTyped(typed));
    }
    return coppia::Held(typed);
}

int coppia_analysis_choose(int analysis, const char* list, int index) {
    return coppia::Run(analysis, [list, index](AnalysisWindow& window) {
        return coppia::Choose(window, list, index);
    });
}

int coppia_analysis_click(int analysis, const char* button) {
    return coppia::Run(analysis, [button](AnalysisWindow& window) {
        if (std::string_view(button) != "Copia")
            return false;
        window.Analisi_Copia_Click();
        return true;
    });
}

const char* coppia_analysis_copied(int analysis) {
    const coppia::PageAnalysis* page = coppia::FindAnalysis(analysis);
    return page != nullptr ? page->clipboard.copied.c_str() : "";
}

const char* coppia_analysis_display(int analysis) {
    const coppia::PageAnalysis* page = coppia::FindAnalysis(analysis);
    return coppia::Held(page != nullptr ? coppia::AnalysisWindowJson(page->window) : "null");
}

const char* coppia_analysis_plot(int analysis, double width, double height, double font_size) {
    const coppia::PageAnalysis* page = coppia::FindAnalysis(analysis);
    if (page == nullptr)
        return "";
    const coppia::PlotData& plot = page->window.Display().plot;
    return coppia::Held(coppia::PlotSvg(plot, {width, height, font_size}, "analisi",
                                        coppia::kPlotAccessibleName, coppia::DescribePlot(plot)));
}

const char* coppia_analysis_csv(int analysis, int international) {
    const coppia::PageAnalysis* page = coppia::FindAnalysis(analysis);
    if (page == nullptr)
        return "";
    return coppia::Held(page->window.CsvText(international != 0 ? coppia::CsvFormat::International
                                                                : coppia::CsvFormat::Italian));
}

}  // extern "C"
