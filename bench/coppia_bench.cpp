// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "engine/torque.h"
#include "files/last_inputs_file.h"
#include "files/last_inputs_format.h"
#include "files/last_inputs_store.h"
#include "files/model_file.h"
#include "models/main_window.h"
#include "models/surface_calculation.h"

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

// A model of a thousand surfaces, each a little different, in a file of a temporary folder.
class ThousandSurfaces {
  public:
    ThousandSurfaces() {
        std::string pattern = (std::filesystem::temp_directory_path() / "coppia-XXXXXX").string();
        folder_ = mkdtemp(pattern.data());
        path = (folder_ / "mille.coppia").string();
        for (int i = 0; i < 1000; ++i) {
            Surface surface;
            surface.name = "Superficie " + std::to_string(i);
            surface.inputs.Vel = 40 + i % 80;
            surface.inputs.CordaAlett = 40 + i % 50 + 0.1;
            surface.deflection = i % 2 ? DeflectionInput::Travel : DeflectionInput::Angle;
            model.surfaces.push_back(surface);
        }
        WriteModelFile(path, model);
    }
    ~ThousandSurfaces() { std::filesystem::remove_all(folder_); }

    Model model;
    std::string path;

  private:
    std::filesystem::path folder_;
};

// Reading the file and computing every surface: the model window's part before it is shown.
void BM_OpenThousandSurfaceModel(benchmark::State& state) {
    const ThousandSurfaces file;
    const TorqueConstants constants = InitTorqueConstants();
    for (auto _ : state) {
        const auto read = ReadModelFile(file.path);
        for (const Surface& surface : std::get<Model>(read).surfaces)
            benchmark::DoNotOptimize(CalculateSurface(surface, constants));
    }
}
BENCHMARK(BM_OpenThousandSurfaceModel)->Unit(benchmark::kMillisecond);

// The whole save, to the disk.
void BM_SaveThousandSurfaceModel(benchmark::State& state) {
    const ThousandSurfaces file;
    for (auto _ : state) {
        if (!WriteModelFile(file.path, file.model).saved)
            state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SaveThousandSurfaceModel)->Unit(benchmark::kMillisecond);

}  // namespace
