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
    // On Windows, while the file is not there yet, the one an older program kept at
    // C:\Mervanti.ini (OlderLastInputsPath) is read in its place, once: the first save writes
    // the file, and nothing is ever written to C:\.
    explicit LastInputsFile(std::optional<std::string> path);
    LastInputsFile(std::optional<std::string> path, std::optional<std::string> olderPath)
        : path_(std::move(path)), olderPath_(std::move(olderPath)) {}

    // Reads only a regular file, and only up to kLastInputsReadLimit, so that a FIFO, a device
    // or a huge file at the path neither blocks the start nor fills the memory.
    std::vector<std::string> ReadValues() override;
    // The file holds the old eight lines or the new eight lines, never a part (ReplaceFile).
    SaveResult Write(const LastInputsNumbers& numbers) override;
    std::string Location() const override;

  private:
    std::optional<std::string> path_;
    std::optional<std::string> olderPath_;
};

}  // namespace coppia
