// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's core, which the page loads first so that its first result waits for nothing
// the main window does not need: no window is made on its main windows, so none follows them.
#include "web/core/page_main_window.h"

namespace coppia {

void AfterEvent(int) {}

void DestroyMainWindow(int mainHandle) {
    MainWindows().Remove(mainHandle);
}

}  // namespace coppia
