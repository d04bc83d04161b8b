// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt_italian.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace coppia {

bool InstallQtItalian(QCoreApplication& application) {
    // From Debian's qt6-translations-l10n; loading takes under a millisecond.
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_it"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

}  // namespace coppia
