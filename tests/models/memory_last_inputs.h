// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "files/last_inputs_format.h"
#include "files/last_inputs_store.h"

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
    SaveResult Write(const LastInputsNumbers& numbers) override {
        ++writes;
        if (failure)
            return SaveResult{false, *failure, false};
        bytes = EncodeLastInputs(numbers);
        return SaveResult{true, {}, false};
    }
    std::string Location() const override { return "/home/pilota/.config/Mervanti.ini"; }

    std::optional<std::string> bytes;    // empty: no file
    std::optional<std::string> failure;  // the reason every save fails with, if any
    int reads = 0;
    int writes = 0;
};

}  // namespace coppia
