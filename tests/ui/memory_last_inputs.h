// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/last_inputs_file.h"
#include "settings/last_inputs_format.h"

namespace coppia {

// The last-inputs file held in memory, in the file's own bytes.
class MemoryLastInputs : public LastInputsStore {
  public:
    MemoryLastInputs() = default;
    explicit MemoryLastInputs(std::string fileBytes) : bytes(std::move(fileBytes)) {}

    std::vector<std::string> ReadValues() override {
        ++reads;
        return bytes ? DecodeLastInputs(*bytes) : std::vector<std::string>{};
    }
    bool Write(const LastInputsTexts& texts) override {
        ++writes;
        if (failWrites)
            return false;
        bytes = EncodeLastInputs(texts);
        return true;
    }

    std::optional<std::string> bytes;  // empty: no file
    bool failWrites = false;
    int reads = 0;
    int writes = 0;
};

}  // namespace coppia
