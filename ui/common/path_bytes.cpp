// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/path_bytes.h"

#include <dirent.h>

#include <QDir>
#include <QFile>
#include <QStringList>

#include "files/platform/platform.h"
#include "ui/common/qt_text.h"

namespace coppia {

namespace {

// The one name in `folder` that Qt decodes as `part`; empty when there is none, or more than
// one (two names that differ only in bytes that are not UTF-8).
std::string NameDecodedAs(const std::string& folder, const QString& part) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return {};
    std::string found;
    int matches = 0;
    while (const dirent* entry = readdir(dir)) {
        if (QFile::decodeName(entry->d_name) == part) {
            found = entry->d_name;
            ++matches;
        }
    }
    closedir(dir);
    return matches == 1 ? found : std::string();
}

}  // namespace

std::string PathBytes(const QString& path) {
    if (PathsAreText())
        return QDir::toNativeSeparators(path).toStdString();
    if (!path.contains(QChar::ReplacementCharacter))
        return QFile::encodeName(path).toStdString();
    std::string bytes = path.startsWith(u'/') ? "/" : "";
    const QStringList parts = path.split(u'/', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        std::string name;
        if (parts[i].contains(QChar::ReplacementCharacter))
            name = NameDecodedAs(bytes, parts[i]);
        if (name.empty())
            name = QFile::encodeName(parts[i]).toStdString();
        bytes += name;
        if (i + 1 < parts.size())
            bytes += '/';
    }
    return bytes;
}

QString PathQString(const std::string& path) {
    // QFile's names are in the code page on Windows.
    return PathsAreText() ? ToQString(path) : QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace coppia
