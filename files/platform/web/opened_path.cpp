// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/platform/opened_path.h"

namespace coppia {

// A name the page hands over has no links or folders behind it to resolve.
std::string ResolvedPath(const std::string& path) {
    return path;
}

}  // namespace coppia
