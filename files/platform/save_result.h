// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace coppia {

// What became of a save.
struct SaveResult {
    bool saved = false;
    std::string reason;  // why it was not saved, in words for the user; empty when saved
    // The file's folder is not there (any more): the file is to be saved elsewhere, not into a
    // folder made again where it once was.
    bool folderGone = false;
};

}  // namespace coppia
