// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace coppia {

// What became of a save.
struct SaveResult {
    bool saved = false;
    std::string reason;  // why it was not saved, in words for the user; empty when saved
};

}  // namespace coppia
