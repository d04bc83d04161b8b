// SPDX-License-Identifier: GPL-3.0-or-later
// The main window for the page: the desktop's model, its messages kept in order for the page to
// show, its last inputs held as bytes for the page to keep. The analysis and the model windows
// made on it follow each of its events.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "models/main/main_window.h"
#include "web/core/coppia_core.h"
#include "web/core/core_controls.h"
#include "web/core/page_main_window.h"

namespace coppia {

namespace {

PageMainWindow* Find(int handle) {
    return MainWindows().Find(handle);
}

const std::pair<std::string, std::string>* MessageAt(int handle, int index) {
    const PageMainWindow* page = Find(handle);
    if (page == nullptr || index < 0 || index >= static_cast<int>(page->messages.shown.size()))
        return nullptr;
    return &page->messages.shown[static_cast<std::size_t>(index)];
}

}  // namespace

}  // namespace coppia

using coppia::EntryAt;
using coppia::Find;

extern "C" {

int coppia_main_create(void) {
    return coppia::MainWindows().Add(std::make_unique<coppia::PageMainWindow>());
}

void coppia_main_destroy(int window) {
    coppia::DestroyMainWindow(window);
}

void coppia_main_put_back(int window, const char* bytes, int size) {
    if (auto* page = Find(window); page != nullptr && size >= 0)
        page->lastInputs.PutBack(std::string(bytes, static_cast<std::size_t>(size)));
}

void coppia_main_storage_refused(int window) {
    if (auto* page = Find(window))
        page->lastInputs.StorageRefused();
}

void coppia_main_load(int window) {
    if (auto* page = Find(window)) {
        page->window.Main_Form_Load();
        coppia::AfterEvent(window);
    }
}

int coppia_main_edit(int window, int control, const char* text) {
    auto* page = Find(window);
    const coppia::ControlEntry* entry = EntryAt(control);
    if (page == nullptr || entry == nullptr)
        return 0;
    const bool edited = page->window.UserEdit(entry->id, text);
    coppia::AfterEvent(window);
    return edited;
}

int coppia_main_click(int window, int control) {
    auto* page = Find(window);
    const coppia::ControlEntry* entry = EntryAt(control);
    if (page == nullptr || entry == nullptr)
        return 0;
    const bool clicked = page->window.UserClick(entry->id);
    coppia::AfterEvent(window);
    return clicked;
}

const char* coppia_main_typed(int control, const char* typed) {
    static std::string entered;
    entered.clear();
    if (const coppia::ControlEntry* entry = EntryAt(control)) {
        for (const char* c = typed; *c != '\0'; ++c)
            entered += coppia::MainWindow::TypedCharacter(entry->id, *c);
    }
    return entered.c_str();
}

int coppia_main_write_last_inputs(int window) {
    auto* page = Find(window);
    return page != nullptr && page->window.WriteLastInputs();
}

const char* coppia_main_text(int window, int control) {
    const auto* page = Find(window);
    const coppia::ControlEntry* entry = EntryAt(control);
    return page != nullptr && entry != nullptr ? page->window.State().Text(entry->id).c_str() : "";
}

int coppia_main_enabled(int window, int control) {
    const auto* page = Find(window);
    const coppia::ControlEntry* entry = EntryAt(control);
    return page != nullptr && entry != nullptr && page->window.State().Enabled(entry->id);
}

int coppia_main_visible(int window, int control) {
    const auto* page = Find(window);
    const coppia::ControlEntry* entry = EntryAt(control);
    return page != nullptr && entry != nullptr && page->window.State().Visible(entry->id);
}

int coppia_main_message_count(int window) {
    const auto* page = Find(window);
    return page != nullptr ? static_cast<int>(page->messages.shown.size()) : 0;
}

const char* coppia_main_message_text(int window, int index) {
    const auto* message = coppia::MessageAt(window, index);
    return message != nullptr ? message->first.c_str() : "";
}

const char* coppia_main_message_title(int window, int index) {
    const auto* message = coppia::MessageAt(window, index);
    return message != nullptr ? message->second.c_str() : "";
}

void coppia_main_messages_taken(int window) {
    if (auto* page = Find(window))
        page->messages.shown.clear();
}

int coppia_main_take_saved(int window) {
    auto* page = Find(window);
    return page != nullptr && page->lastInputs.TakeSaved();
}

const char* coppia_main_kept_bytes(int window) {
    const auto* page = Find(window);
    return page != nullptr && page->lastInputs.Bytes() ? page->lastInputs.Bytes()->c_str() : "";
}

int coppia_main_kept_size(int window) {
    const auto* page = Find(window);
    if (page == nullptr || !page->lastInputs.Bytes())
        return -1;
    return static_cast<int>(page->lastInputs.Bytes()->size());
}

}  // extern "C"
