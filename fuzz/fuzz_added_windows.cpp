// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, the analysis and the model window used together by arbitrary events, every
// message and dialog answered at once, the files in memory; the example model opened first when
// the input asks. After every event one surface gets one answer: a row judged Good has a margin,
// the model's summary names a surface it has, the selection lies within the table, and while a
// surface loaded with Carica stays as loaded, in the fields and in the model, the analysis
// judges its servo as its row does.
#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/analysis_settings.h"
#include "files/last_inputs_format.h"
#include "files/last_inputs_store.h"
#include "files/recent_files.h"
#include "fuzz/fuzz_check.h"
#include "models/analysis/analysis_window.h"
#include "models/analysis/text_clipboard.h"
#include "models/main/main_window.h"
#include "models/model/model_window.h"

namespace {

using coppia::Control;

class AnsweredMessages : public coppia::MessageSink {
  public:
    void ShowMessage(std::string_view, std::string_view) override {}
};

class MemoryLastInputs : public coppia::LastInputsStore {
  public:
    std::vector<std::string> ReadValues() override { return {}; }
    coppia::SaveResult Write(const coppia::LastInputsNumbers& numbers) override {
        bytes_ = coppia::EncodeLastInputs(numbers);
        return {true, {}, false};
    }
    std::string Location() const override { return "Mervanti.ini"; }

  private:
    std::string bytes_;
};

class MemorySettings : public coppia::AnalysisSettingsStore {
  public:
    coppia::AnalysisSettings Read() override { return coppia::DecodeAnalysisSettings(bytes_); }
    std::string ReadProblem() const override { return {}; }
    coppia::SaveResult Write(const coppia::AnalysisSettings& settings) override {
        bytes_ = coppia::EncodeAnalysisSettings(settings);
        return {true, {}, false};
    }
    std::string Location() const override { return "coppia-analisi.ini"; }

  private:
    std::string bytes_;
};

class MemoryRecent : public coppia::RecentFilesStore {
  public:
    std::vector<std::string> Read() override { return list_; }
    coppia::SaveResult Write(const std::vector<std::string>& recent) override {
        list_ = recent;
        return {true, {}, false};
    }
    std::string Location() const override { return "coppia-recenti.txt"; }

  private:
    std::vector<std::string> list_;
};

class NoClipboard : public coppia::TextClipboard {
  public:
    void SetText(std::string_view) override {}
};

// Names without ": " or " (e ", so that the summary's verdict can be taken apart.
const char* const kNames[] = {"",      " ",      "Alettone sinistro", "Flap", "Timone",
                              "Flap ", "Élévon", "Superficie 1"};

// Gives up on every file dialog and question; a new surface is answered as the event says.
class AnsweredDialogs : public coppia::ModelDialogs {
  public:
    coppia::SaveChoice AskToSave(std::string_view) override { return coppia::SaveChoice::Annulla; }
    std::optional<std::string> AskFileToOpen() override { return std::nullopt; }
    std::optional<std::string> AskFileToSave(std::string_view) override { return std::nullopt; }
    std::optional<std::string> AskText(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<coppia::NewSurface> AskNewSurface(const coppia::NewSurface& proposal,
                                                    const coppia::NewSurfaceAdvisor&) override {
        if (answer % 5 == 0)
            return std::nullopt;
        coppia::NewSurface given = proposal;
        if (answer % 5 == 1)
            given.name = kNames[(answer >> 3) % std::size(kNames)];
        given.kind = static_cast<coppia::SurfaceKind>((answer >> 2) % 5);
        given.servoCount = answer % 3 == 0 ? 2 : 1;
        if (answer & 0x40)
            given.servo.rating = answer & 0x80 ? 0.5 : 25;
        return given;
    }
    void ShowMessage(std::string_view, std::string_view) override {}

    std::uint8_t answer = 0;
};

constexpr Control kFields[] = {
    Control::Vel,     Control::BrServ,     Control::CordaAla,  Control::CarAla, Control::Ang,
    Control::BrAlett, Control::CordaAlett, Control::LungAlett, Control::Corsa,  Control::Coppia};
constexpr std::string_view kKeys = "0123456789.-e";
const char* const kPastes[] = {"",  "60",  "-60", "65",   "120", "1e400", "0",
                               "5", "7.5", "-20", "1e-5", "240", "86",    "0.1"};
const char* const kRatings[] = {"", "3", "0.5", "25", "0", "abc", "1e5", "10000", "0.01", " 2 "};
const char* const kFactors[] = {"2", "1", "1.5", "0", "x", "10", "100"};
const char* const kThrows[] = {"45", "30", "90", "0", "180", "200", "60"};
const char* const kSpeeds[] = {"", "0.5 1.5", "2", "1 2 3 4 5", "0", "x", "10"};
const char* const kThicknesses[] = {"12", "0", "20", "9,5", "21", "-1", "x", ""};
// A servo's data-sheet figures and a supply's currents, in range or not.
const char* const kFigures[] = {"", "6", "0.11", "2.5", "0", "110", "x", "0,2", "50", "0.001"};

// The surface Carica loaded, as it was then: the check holds while nothing of it has moved.
struct Loaded {
    coppia::Surface surface;
    std::array<std::string, std::size(kFields)> texts;
    bool byTravel = false;
};

class Windows {
  public:
    Windows()
        : main_(messages_, lastInputs_),
          analysis_(main_.State(), main_.Loan(), settings_, clipboard_),
          model_(main_, dialogs_, recent_, settings_) {
        main_.AddObserver([this](Control) { analysis_.Main_Change(); });
        main_.Main_Form_Load();
        analysis_.Analisi_Form_Load();
        model_.Modello_Form_Load();
    }

    void OpenExample() { model_.Modello_ApriFile(COPPIA_SOURCE_DIR "/docs/esempio.coppia"); }
    void Run(std::uint8_t what, std::uint8_t arg);
    void Check();

  private:
    std::array<std::string, std::size(kFields)> Texts() const {
        std::array<std::string, std::size(kFields)> texts;
        for (std::size_t i = 0; i < std::size(kFields); ++i)
            texts[i] = main_.State().Text(kFields[i]);
        return texts;
    }
    void Select(std::uint8_t arg);
    // One of the servo's four figures, typed in the analysis or, `inModel`, on the surface's page.
    void RunFigure(std::uint8_t arg, bool inModel = false);
    void CheckTheLoadedSurface(const coppia::Model& model);

    AnsweredMessages messages_;
    MemoryLastInputs lastInputs_;
    MemorySettings settings_;
    MemoryRecent recent_;
    NoClipboard clipboard_;
    AnsweredDialogs dialogs_;
    coppia::MainWindow main_;
    coppia::AnalysisWindow analysis_;
    coppia::ModelWindow model_;
    std::optional<Loaded> loaded_;
};

void Windows::Select(std::uint8_t arg) {
    std::vector<std::size_t> rows;
    for (std::size_t bit = 0; bit < 7; ++bit) {
        if (arg & (1u << bit))
            rows.push_back(bit);
    }
    // Beyond the table, as a view never sends it but must not matter.
    if (arg & 0x80)
        rows.push_back(12);
    model_.Modello_Tabella_Select(
        rows, rows.empty() ? std::nullopt : std::optional(rows[arg % rows.size()]));
}

void Windows::RunFigure(std::uint8_t arg, bool inModel) {
    using Event = void (coppia::AnalysisWindow::*)(std::string_view);
    using ModelEvent = void (coppia::ModelWindow::*)(std::string_view);
    constexpr Event kAnalysis[] = {&coppia::AnalysisWindow::Analisi_Tensione_Change,
                                   &coppia::AnalysisWindow::Analisi_Tempo60_Change,
                                   &coppia::AnalysisWindow::Analisi_CorrenteVuoto_Change,
                                   &coppia::AnalysisWindow::Analisi_CorrenteStallo_Change};
    constexpr ModelEvent kModel[] = {&coppia::ModelWindow::Modello_TensioneServo_Change,
                                     &coppia::ModelWindow::Modello_Tempo60Servo_Change,
                                     &coppia::ModelWindow::Modello_CorrenteVuotoServo_Change,
                                     &coppia::ModelWindow::Modello_CorrenteStalloServo_Change};
    const char* text = kFigures[(arg >> 2) % std::size(kFigures)];
    inModel ? (model_.*kModel[arg & 3])(text) : (analysis_.*kAnalysis[arg & 3])(text);
}

void Windows::Run(std::uint8_t what, std::uint8_t arg) {
    const Control field = kFields[arg % std::size(kFields)];
    switch (what % 29) {
        case 0:
        case 1:
            main_.UserEdit(field, main_.State().Text(field) + kKeys[(arg >> 4) % kKeys.size()]);
            break;
        case 2:
            if (!main_.State().Text(field).empty()) {
                std::string text = main_.State().Text(field);
                text.pop_back();
                main_.UserEdit(field, text);
            }
            break;
        case 3:
            main_.UserEdit(field, kPastes[(arg >> 4) % std::size(kPastes)]);
            break;
        case 4:
            main_.UserClick(Control::Calc);
            break;
        case 5:
            main_.UserClick(arg & 1 ? Control::UP : Control::Down);
            break;
        case 6:
            dialogs_.answer = arg;
            model_.Modello_Aggiungi_Click();
            break;
        case 7:
            model_.Modello_Aggiorna_Click();
            break;
        case 8: {
            const std::optional<std::size_t> current = model_.Display().current;
            model_.Modello_Carica_Click();
            const auto& loan = main_.Loan().Current();
            if (current && loan && model_.Display().statusTone == coppia::Tone::Good) {
                const coppia::Model& model = model_.Session().Document().Content();
                loaded_ = Loaded{model.surfaces.at(*current), Texts(),
                                 main_.State().Enabled(Control::Corsa)};
            }
            break;
        }
        case 9:
            model_.Modello_Duplica_Click();
            break;
        case 10:
            model_.Modello_Rimuovi_Click();
            break;
        case 11:
            arg & 1 ? model_.Modello_SpostaSu_Click() : model_.Modello_SpostaGiu_Click();
            break;
        case 12:
            arg & 1 ? model_.Modello_Annulla_Click() : model_.Modello_Ripeti_Click();
            break;
        case 13:
            Select(arg);
            break;
        case 14:
            model_.Modello_NomeSuperficie_Change(kNames[arg % std::size(kNames)]);
            break;
        case 15:
            model_.Modello_CoppiaServo_Change(kRatings[arg % std::size(kRatings)]);
            break;
        case 16:
            model_.Modello_UnitaServo_Change(static_cast<coppia::RatingUnit>(arg & 1));
            break;
        case 17:
            model_.Modello_NumeroServi_Change(static_cast<int>(arg % 20) - 1);
            break;
        case 18:
            arg & 1 ? model_.Modello_NomeServo_Change(kNames[(arg >> 1) % std::size(kNames)])
                    : model_.Modello_TipoSuperficie_Change(
                          static_cast<coppia::SurfaceKind>((arg >> 1) % 5));
            break;
        case 19:
            analysis_.Analisi_CoppiaServo_Change(kRatings[arg % std::size(kRatings)]);
            break;
        case 20:
            analysis_.Analisi_UnitaCoppia_Change(static_cast<coppia::RatingUnit>(arg & 1));
            break;
        case 21:
            analysis_.Analisi_FattoreSicurezza_Change(kFactors[arg % std::size(kFactors)]);
            break;
        case 22:
            analysis_.Analisi_Escursione_Change(kThrows[arg % std::size(kThrows)]);
            break;
        case 23:
            analysis_.Analisi_AltreVelocita_Change(kSpeeds[arg % std::size(kSpeeds)]);
            break;
        // The section for the second estimate, in each window, and the torque judged.
        case 24:
            arg & 1 ? model_.Modello_SpessoreProfilo_Change(
                          kThicknesses[(arg >> 1) % std::size(kThicknesses)])
                    : model_.Modello_FessuraProfilo_Change(
                          static_cast<coppia::HingeGap>((arg >> 1) & 1));
            break;
        case 25:
            if (arg & 1) {
                analysis_.Analisi_SpessoreProfilo_Change(
                    kThicknesses[(arg >> 2) % std::size(kThicknesses)]);
            } else if (arg & 2) {
                analysis_.Analisi_FessuraProfilo_Change(static_cast<coppia::HingeGap>(arg >> 7));
            } else {
                analysis_.Analisi_GiudicaCon_Change(static_cast<coppia::JudgeWith>(arg >> 7));
            }
            break;
        // The servo's data sheet, in each window, and the model's supply.
        case 26:
            RunFigure(arg);
            break;
        case 27:
            RunFigure(arg, true);
            break;
        case 28:
            (arg & 3) == 0   ? model_.Modello_NomeAlimentazione_Change(kNames[(arg >> 2) % 8])
            : (arg & 3) == 1 ? model_.Modello_CorrenteContinua_Change(kFigures[(arg >> 2) % 10])
                             : model_.Modello_CorrentePicco_Change(kFigures[(arg >> 2) % 10]);
            break;
    }
    // The builder looks at the model window again: it reads what the analysis saved meanwhile.
    model_.Modello_Form_Activate();
}

void Windows::Check() {
    const coppia::ModelDisplay& shown = model_.Display();
    const coppia::Model& model = model_.Session().Document().Content();
    FUZZ_CHECK(shown.rows.size() == model.surfaces.size(), "a row for every surface");
    for (const coppia::ModelTableRow& row : shown.rows) {
        const std::string& margin =
            row.cells[static_cast<std::size_t>(coppia::ModelColumn::Margine)];
        FUZZ_CHECK(row.verdictTone != coppia::Tone::Good || !margin.empty(),
                   "no row is judged Good without a margin");
        FUZZ_CHECK(row.refusal.empty() || margin.empty(), "a refused row has no margin");
    }
    for (const std::size_t selected : shown.selected)
        FUZZ_CHECK(selected < model.surfaces.size(), "only rows of the table are selected");
    FUZZ_CHECK(!shown.current || *shown.current < model.surfaces.size(),
               "the current surface is in the table");
    FUZZ_CHECK(shown.comparison.names.size() <= coppia::kMostCompared,
               "no more surfaces compared than a plot shows");
    FUZZ_CHECK(shown.comparison.names.size() == shown.comparison.plot.curves.size(),
               "a curve for every surface compared");

    // A supply is never sufficient for servos whose currents are not all known.
    bool allKnown = true;
    for (const coppia::ModelTableRow& row : shown.rows)
        allKnown = allKnown && row.draw.movingCurrent && row.draw.stallCurrent;
    FUZZ_CHECK(allKnown || shown.totals.supply.tone != coppia::Tone::Good,
               "no supply is sufficient for servos whose currents are unknown");

    const std::string& verdict = shown.totals.verdict;
    FUZZ_CHECK(model.surfaces.empty() || !verdict.empty(), "a model with surfaces has a verdict");
    // Every failing verdict is named, and so are the surfaces without one.
    for (const coppia::ModelTableRow& row : shown.rows) {
        const std::string told = row.refusal.empty() ? row.headline + ": " : "Senza verdetto: ";
        if (!row.refusal.empty() || row.concern == coppia::Concern::Failing)
            FUZZ_CHECK(verdict.find(told) != std::string::npos, "the verdict hides no fault");
    }
    CheckTheLoadedSurface(model);
}

void Windows::CheckTheLoadedSurface(const coppia::Model& model) {
    const auto& loan = main_.Loan().Current();
    if (!loaded_ || !loan || Texts() != loaded_->texts ||
        main_.State().Enabled(Control::Corsa) != loaded_->byTravel ||
        !analysis_.Display().settingsProblem.empty()) {
        return;
    }
    std::optional<std::size_t> index;
    for (std::size_t i = 0; i < model.surfaces.size(); ++i) {
        if (coppia::SurfaceLabel(model.surfaces[i], i) != loan->surface)
            continue;
        if (index)
            return;  // two surfaces of that name: the loan is not one surface's
        index = i;
    }
    if (!index)
        return;
    const coppia::Surface& surface = model.surfaces[*index];
    const coppia::Surface& then = loaded_->surface;
    if (surface.inputs != then.inputs || surface.deflection != then.deflection ||
        surface.servo.rating != loan->rating || surface.servo.unit != loan->unit ||
        surface.servoCount != loan->count) {
        return;
    }
    const coppia::ModelTableRow& row = model_.Display().rows[*index];
    const coppia::AnalysisDisplay& judged = analysis_.Display();
    const auto cell = [&row](coppia::ModelColumn column) {
        return row.cells[static_cast<std::size_t>(column)];
    };
    if (!row.refusal.empty()) {
        FUZZ_CHECK(judged.verdictTone != coppia::Tone::Good && judged.margin.empty(),
                   "a surface refused in its row is not judged Good by the analysis");
        return;
    }
    FUZZ_CHECK(judged.verdict == cell(coppia::ModelColumn::Verdetto),
               "the analysis's verdict is the loaded surface's row's");
    FUZZ_CHECK(judged.verdictTone == row.verdictTone, "the verdict's tone is the row's");
    FUZZ_CHECK(judged.margin == cell(coppia::ModelColumn::Margine),
               "the analysis's margin is the loaded surface's row's");
    FUZZ_CHECK(
        judged.minimumRating + " " + judged.ratingUnit == cell(coppia::ModelColumn::CoppiaMinima),
        "the analysis's least rating is the loaded surface's row's");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    Windows windows;
    if (data[0] & 1)
        windows.OpenExample();
    windows.Check();
    for (size_t i = 1; i + 1 < size; i += 2) {
        windows.Run(data[i], data[i + 1]);
        windows.Check();
    }
    return 0;
}
