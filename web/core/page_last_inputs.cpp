// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/page_last_inputs.h"

#include <string_view>

#include "files/last_inputs_file.h"
#include "files/last_inputs_format.h"
#include "files/platform/web/page_files.h"

namespace coppia {

bool PageLastInputs::TakeSaved() {
    const bool saved = saved_;
    saved_ = false;
    return saved;
}

std::vector<std::string> PageLastInputs::ReadValues() {
    if (!bytes_)
        return {};
    const std::string_view bytes = *bytes_;
    const bool complete = bytes.size() <= kLastInputsReadLimit;
    return DecodeLastInputs(bytes.substr(0, kLastInputsReadLimit), complete);
}

SaveResult PageLastInputs::Write(const LastInputsNumbers& numbers) {
    if (storageRefused_)
        return SaveResult{false, std::string(kPageStorageRefused), false};
    bytes_ = EncodeLastInputs(numbers);
    saved_ = true;
    return SaveResult{true, {}, false};
}

std::string PageLastInputs::Location() const {
    return std::string(kLastInputsFileName);
}

}  // namespace coppia
