// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's table as the page reads it: names, kinds, captions and what a screen reader
// says, so that no text of the window is written again in the page.
#include <string>

#include "models/main/controls.h"
#include "web/core/coppia_core.h"
#include "web/core/core_controls.h"

namespace coppia {

const ControlEntry* EntryAt(int control) {
    if (control < 0 || control >= static_cast<int>(kControlCount))
        return nullptr;
    return &kControls[static_cast<std::size_t>(control)];
}

}  // namespace coppia

namespace {

// The table's texts are views into literals; the page gets them with their end.
const char* Held(std::string_view text) {
    static std::string held;
    held.assign(text);
    return held.c_str();
}

}  // namespace

extern "C" {

const char* coppia_main_title(void) {
    return Held(coppia::kWindowTitle);
}

int coppia_control_count(void) {
    return static_cast<int>(coppia::kControlCount);
}

int coppia_control_named(const char* name) {
    for (const coppia::ControlEntry& entry : coppia::kControls) {
        if (entry.name == name)
            return static_cast<int>(entry.id);
    }
    return -1;
}

const char* coppia_control_name(int control) {
    const coppia::ControlEntry* entry = coppia::EntryAt(control);
    return Held(entry ? entry->name : "");
}

int coppia_control_kind(int control) {
    const coppia::ControlEntry* entry = coppia::EntryAt(control);
    return entry ? static_cast<int>(entry->kind) : -1;
}

const char* coppia_control_caption(int control) {
    const coppia::ControlEntry* entry = coppia::EntryAt(control);
    return Held(entry ? entry->initialText : "");
}

const char* coppia_control_accessible_name(int control) {
    const coppia::ControlEntry* entry = coppia::EntryAt(control);
    return Held(entry ? entry->accessibleName : "");
}

const char* coppia_control_description(int control) {
    const coppia::ControlEntry* entry = coppia::EntryAt(control);
    return Held(entry ? entry->accessibleDescription : "");
}

int coppia_control_tab_index(int control) {
    const coppia::ControlEntry* entry = coppia::EntryAt(control);
    return entry ? entry->tabIndex : coppia::kNoTabIndex;
}

}  // extern "C"
