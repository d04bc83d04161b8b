// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace coppia {

// The path of the file the system opens at `path`, with its symbolic links and its "." and ".."
// resolved as the system resolves them: "x/ln/../m.coppia", where ln leads to "y/z", is
// "y/m.coppia", not "x/m.coppia". A file not there yet is named inside its folder's resolved
// path; when not even the folder can be resolved, the path is made absolute but left as it is,
// since folding its ".." by hand could name another file.
std::string ResolvedPath(const std::string& path);

}  // namespace coppia
