// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "files/last_inputs_store.h"

namespace coppia {

inline constexpr std::string_view kLastInputsFileName = "Mervanti.ini";

// "Mervanti.ini" in the configuration folder; empty when there is no such folder.
std::optional<std::string> LastInputsPath();

// Reading looks at no more than this many bytes: eight numbers need a few dozen.
inline constexpr std::size_t kLastInputsReadLimit = 64 * 1024;

// The file on disk. Its path is bytes, as the system names files.
class LastInputsFile : public LastInputsStore {
  public:
    explicit LastInputsFile(std::optional<std::string> path) : path_(std::move(path)) {}

    // Reads only a regular file, and only up to kLastInputsReadLimit, so that a FIFO, a device
    // or a huge file at the path neither blocks the start nor fills the memory.
    std::vector<std::string> ReadValues() override;
    // The file holds the old eight lines or the new eight lines, never a part (ReplaceFile).
    SaveResult Write(const LastInputsNumbers& numbers) override;
    std::string Location() const override;

  private:
    std::optional<std::string> path_;
};

}  // namespace coppia
