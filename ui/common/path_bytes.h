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
// On Windows, where paths are text, the path as UTF-8 with the system's separators ("C:\x",
// not the "C:/x" of Qt's dialogs), so that every message spells it as Windows does; never in
// the code page, which cannot hold every name.
std::string PathBytes(const QString& path);

// A path the program keeps, as Qt names it: the reverse of PathBytes.
QString PathQString(const std::string& path);

}  // namespace coppia
