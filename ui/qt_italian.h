// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace coppia {

// Qt's own Italian texts for its standard dialogs, menus and buttons ("Cerca in:", "Annulla"),
// whatever the user's locale: the program speaks Italian. False when they are not installed.
bool InstallQtItalian(QCoreApplication& application);

}  // namespace coppia
