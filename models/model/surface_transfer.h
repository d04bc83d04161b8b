// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <variant>

#include "files/model_record.h"
#include "models/main/main_window.h"
#include "models/main/main_window_state.h"

namespace coppia {

// Between a surface of a model and the main window, which the transfers change only as its user
// would.

// A surface from what the main window's fields show, each read as CALCOLA reads it, with the
// deflection given as the toggle gives it; its name, kind, servos and the keys this program
// does not know come from `base` (the surface being updated, or a new one). The field that is
// not typed into takes what the main window derives from the other, so that the surface's Ang
// and Corsa agree. Refused, with the reason in words, when a field holds no number within the
// range of a double or the surface could not be saved (an angle beyond 60 degrees either way
// that an earlier travel left in Ang).
std::variant<Surface, std::string> SurfaceFromMainWindow(const MainWindowState& main, Surface base);

// Types the surface's inputs into the main window as its user would: the toggle set to the
// angle or the travel, each field replaced by the surface's number (the field that is typed
// into emptied first, so that its conversion runs on the fields as they now stand and CALCOLA
// is enabled), then CALCOLA clicked. The main window's messages and its last-inputs file do
// as always. The texts are the numbers in as few digits as read back exactly, so the main
// window's Coppia is then the surface's torque for one servo. False when CALCOLA could not be
// clicked.
bool LoadIntoMainWindow(const Surface& surface, MainWindow& main);

}  // namespace coppia
