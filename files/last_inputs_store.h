// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "files/last_inputs_format.h"
#include "files/platform/save_result.h"

namespace coppia {

// Where the window keeps the inputs of its last calculation.
class LastInputsStore {
  public:
    virtual ~LastInputsStore() = default;
    // The stored values in order, at most eight; none when nothing is stored.
    virtual std::vector<std::string> ReadValues() = 0;
    // Replaces what is stored by these numbers, whole, or leaves it as it was.
    virtual SaveResult Write(const LastInputsNumbers& numbers) = 0;
    // Where the inputs are kept, as the user is told it.
    virtual std::string Location() const = 0;
};

}  // namespace coppia
