// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QTabBar;

namespace coppia {

// Names in Italian the two buttons that scroll a tab bar whose tabs do not fit, for a screen
// reader: Qt names them in English ("Scroll Left") when it makes them, before any translation.
// "Indietro" and "avanti", not left and right, hold whatever way the tabs run.
void NameTabScrollButtons(QTabBar* bar);

}  // namespace coppia
