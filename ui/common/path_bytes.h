// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

namespace coppia {

// The bytes by which the system names the file at `path`. Qt decodes names as UTF-8 and turns
// bytes that are not into U+FFFD, so a folder named in another encoding ("caff\xe8") comes back
// from a file dialog or the working folder as a name that is nowhere. Such a part of the path is
// matched against the names its folder really holds; a relative path stays relative, for the
// system to resolve from the working folder's own bytes.
std::string PathBytes(const QString& path);

}  // namespace coppia
