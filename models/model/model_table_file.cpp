// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_table_file.h"

#include <variant>
#include <vector>

#include "files/model_file.h"
#include "models/model/model_table.h"

namespace coppia {

JudgingSettings ReadJudgingSettings(AnalysisSettingsStore& store) {
    JudgingSettings read{store.Read(), {}};
    const std::string problem = store.ReadProblem();
    if (!problem.empty()) {
        read.problem = "Impostazioni dell'analisi non lette da " + store.Location() + ": " +
                       problem + "!! In uso quelle predefinite";
    }
    return read;
}

ModelFileTable ModelFileCsv(const std::string& path, AnalysisSettingsStore& store,
                            CsvFormat format) {
    ModelFileTable table;
    const std::variant<Model, ModelFileFault> model = ReadModelFile(path);
    if (const ModelFileFault* fault = std::get_if<ModelFileFault>(&model)) {
        table.refusal = ModelRefusalText(path, *fault);
        return table;
    }
    const JudgingSettings judging = ReadJudgingSettings(store);
    const TorqueConstants constants = InitTorqueConstants();
    std::vector<ModelTableRow> rows;
    for (const Surface& surface : std::get<Model>(model).surfaces)
        rows.push_back(SurfaceRow(surface, judging.settings, constants));
    table.read = true;
    table.csv = ModelCsv(ModelTableHeadings(judging.settings), rows, format);
    table.settingsProblem = judging.problem;
    return table;
}

}  // namespace coppia
