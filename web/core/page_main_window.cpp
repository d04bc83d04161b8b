// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/page_main_window.h"

namespace coppia {

Handles<PageMainWindow>& MainWindows() {
    static Handles<PageMainWindow> windows;
    return windows;
}

}  // namespace coppia
