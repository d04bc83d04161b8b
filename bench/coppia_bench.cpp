// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/thousand_surfaces.h"
#include "engine/number_text.h"
#include "engine/torque.h"
#include "files/last_inputs_file.h"
#include "files/last_inputs_format.h"
#include "files/last_inputs_store.h"
#include "models/main/main_window.h"
#include "models/model/model_window.h"

namespace {

using namespace coppia;

constexpr LastInputsNumbers kInitialNumbers = {50, 300, 60, 12, 18, 500, 20.0, 60};

void BM_CalculateTorque(benchmark::State& state) {
    const TorqueConstants constants = InitTorqueConstants();
    TorqueInputs in{300, 60, 60, 50, 20, 500, 18, 12};
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(CalculateTorque(in, constants));
    }
}
BENCHMARK(BM_CalculateTorque);

void BM_ReadNumber(benchmark::State& state) {
    const std::vector<std::string> texts = {"60",      "20.0", "-0.4236142", "60 km/h",
                                            "1.5E+20", "&HFF", "",           "abc"};
    for (auto _ : state) {
        for (const std::string& text : texts) benchmark::DoNotOptimize(ReadNumber(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}
BENCHMARK(BM_ReadNumber);

void BM_FormatNumber(benchmark::State& state) {
    const double values[] = {0.5192016, 162.884, -0.4236142, 12.25, 0.28799995, 1e20};
    const char* patterns[] = {"#0.00", "#00.00", "#0.0", "##0.0", "#00.0", "#000.0"};
    for (auto _ : state) {
        for (double value : values) {
            for (const char* pattern : patterns) {
                benchmark::DoNotOptimize(FormatNumber(value, pattern));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 36);
}
BENCHMARK(BM_FormatNumber);

void BM_LastInputsRoundTripInMemory(benchmark::State& state) {
    for (auto _ : state) {
        const std::string bytes = EncodeLastInputs(kInitialNumbers);
        benchmark::DoNotOptimize(DecodeLastInputs(bytes));
    }
}
BENCHMARK(BM_LastInputsRoundTripInMemory);

void BM_LastInputsRoundTripOnDisk(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "coppia-XXXXXX").string();
    const std::filesystem::path folder = mkdtemp(pattern.data());
    LastInputsFile file((folder / "Mervanti.ini").string());
    for (auto _ : state) {
        file.Write(kInitialNumbers);
        benchmark::DoNotOptimize(file.ReadValues());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LastInputsRoundTripOnDisk);

class RecordedMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view text, std::string_view title) override {
        shown.emplace_back(text, title);
    }
    std::vector<std::pair<std::string, std::string>> shown;
};

class MemoryStore : public LastInputsStore {
  public:
    std::vector<std::string> ReadValues() override { return DecodeLastInputs(bytes); }
    SaveResult Write(const LastInputsNumbers& numbers) override {
        bytes = EncodeLastInputs(numbers);
        return {true, {}};
    }
    std::string Location() const override { return "Mervanti.ini"; }
    std::string bytes;
};

// One whole click on CALCOLA through the window model, the save included; an edit of Vel
// between clicks makes the results stale again, as a user's would.
void BM_CalcClick(benchmark::State& state) {
    RecordedMessages messages;
    MemoryStore store;
    MainWindow window(messages, store);
    window.Main_Form_Load();
    bool faster = false;
    for (auto _ : state) {
        state.PauseTiming();
        window.UserEdit(Control::Vel, faster ? "61" : "60");
        faster = !faster;
        state.ResumeTiming();
        window.Main_Calc_Click();
    }
    if (!messages.shown.empty())
        state.SkipWithError("a message was shown");
}
BENCHMARK(BM_CalcClick);

// Answers nothing, keeps nothing: the model window's surroundings, for timing its model alone.
class QuietDialogs : public ModelDialogs {
  public:
    SaveChoice AskToSave(std::string_view) override { return SaveChoice::NonSalvare; }
    std::optional<std::string> AskFileToOpen() override { return std::nullopt; }
    std::optional<std::string> AskFileToSave(std::string_view) override { return std::nullopt; }
    std::optional<std::string> AskText(std::string_view, std::string_view) override {
        return std::nullopt;
    }
    std::optional<NewSurface> AskNewSurface(const NewSurface&, const NewSurfaceAdvisor&) override {
        return std::nullopt;
    }
    void ShowMessage(std::string_view text, std::string_view) override { shown = text; }
    std::string shown;
};

class NoRecentFiles : public RecentFilesStore {
  public:
    std::vector<std::string> Read() override { return {}; }
    SaveResult Write(const std::vector<std::string>&) override { return {true, {}}; }
    std::string Location() const override { return "coppia-recenti.txt"; }
};

class DefaultSettings : public AnalysisSettingsStore {
  public:
    AnalysisSettings Read() override { return {}; }
    std::string ReadProblem() const override { return {}; }
    SaveResult Write(const AnalysisSettings&) override { return {true, {}}; }
    std::string Location() const override { return "coppia-analisi.ini"; }
};

// The model window's model beside a main window's, as the plugin builds them.
struct ModelWindowParts {
    ModelWindowParts() : main(messages, lastInputs), model(main, dialogs, recent, settings) {
        model.Modello_Form_Load();
    }
    RecordedMessages messages;
    MemoryStore lastInputs;
    MainWindow main;
    QuietDialogs dialogs;
    NoRecentFiles recent;
    DefaultSettings settings;
    ModelWindow model;
};

// Opening the file in the model window: reading it, computing every row of the table, its
// totals and the comparison; the window's part before its view shows the table.
void BM_OpenThousandSurfaceModel(benchmark::State& state) {
    const ThousandSurfaces file;
    ModelWindowParts parts;
    for (auto _ : state) {
        if (!parts.model.Modello_ApriFile(file.path))
            state.SkipWithError(parts.dialogs.shown.c_str());
    }
    if (parts.model.Display().rows.size() != 1000)
        state.SkipWithError("not a thousand rows");
}
BENCHMARK(BM_OpenThousandSurfaceModel)->Unit(benchmark::kMillisecond);

// The whole save from the window, to the disk.
void BM_SaveThousandSurfaceModel(benchmark::State& state) {
    const ThousandSurfaces file;
    ModelWindowParts parts;
    parts.model.Modello_ApriFile(file.path);
    for (auto _ : state) {
        parts.model.Modello_Salva_Click();
        if (parts.model.Display().statusTone != Tone::Good)
            state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveThousandSurfaceModel)->Unit(benchmark::kMillisecond);

}  // namespace
