// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "files/analysis_settings.h"

namespace coppia {

// The analysis settings file held in memory, in the file's own bytes.
class MemoryAnalysisSettings : public AnalysisSettingsStore {
  public:
    AnalysisSettings Read() override { return DecodeAnalysisSettings(bytes.value_or("")); }
    std::string ReadProblem() const override { return readProblem; }
    SaveResult Write(const AnalysisSettings& settings) override {
        ++writes;
        if (failure)
            return SaveResult{false, *failure, false};
        bytes = EncodeAnalysisSettings(settings);
        return SaveResult{true, {}, false};
    }
    std::string Location() const override { return "/home/pilota/.config/coppia-analisi.ini"; }

    std::optional<std::string> bytes;    // empty: no file
    std::optional<std::string> failure;  // the reason every save fails with, if any
    std::string readProblem;             // why the kept bytes cannot be read, if they cannot
    int writes = 0;
};

}  // namespace coppia
