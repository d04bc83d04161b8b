// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMenu;
class QMenuBar;

namespace coppia {

// The names of the actions that lead from any window to another, the same in every window: the
// main window's own Ctrl+Shift+A and Ctrl+Shift+M, and the "Finestra" menu of the added ones.
// Whatever opens the windows finds them by these names and connects them.
inline constexpr char kOpenMainAction[] = "MostraPrincipale";
inline constexpr char kOpenAnalysisAction[] = "ApriAnalisi";
inline constexpr char kOpenModelAction[] = "ApriModello";

// The "Finestra" menu of an added window, after its other menus: the main window, the analysis
// (Ctrl+Shift+A) and the model (Ctrl+Shift+M), whose shortcuts work anywhere in the window.
QMenu* AddWindowMenu(QMenuBar* menus);

}  // namespace coppia
