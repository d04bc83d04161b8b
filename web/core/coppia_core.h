// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's way into the program: plain C functions over the windows' models, which the page
// calls through Emscripten's cwrap. A window is a number (a handle) that every call on it takes;
// a handle that is not a window's is ignored, reading as empty. Controls are numbers in the
// order of the window's table (models/main/controls.h), found by name. Texts go in and come out
// as UTF-8; a text returned stays valid until the next call on the same window.
//
// Another window joins in the same way: its table's getters, coppia_<window>_create and
// _destroy, one function per event, and getters of its texts, flags and messages.

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define COPPIA_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define COPPIA_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

// The main window's table: what each control is, as the desktop shows and names it.
COPPIA_EXPORT const char* coppia_main_title(void);
COPPIA_EXPORT int coppia_control_count(void);
// The control of a name ("CordaAla"); -1 for a name that is none.
COPPIA_EXPORT int coppia_control_named(const char* name);
COPPIA_EXPORT const char* coppia_control_name(int control);
// 0 text box, 1 button, 2 picture box (a toggle), 3 label, 4 the drawing.
COPPIA_EXPORT int coppia_control_kind(int control);
// A label's or a button's text; a text box's text before the window loads.
COPPIA_EXPORT const char* coppia_control_caption(int control);
// What a screen reader says of the control, and its unit.
COPPIA_EXPORT const char* coppia_control_accessible_name(int control);
COPPIA_EXPORT const char* coppia_control_description(int control);
// The place in the keyboard's order; -1 for a control the keyboard does not reach.
COPPIA_EXPORT int coppia_control_tab_index(int control);

// The main window. Created, then given the bytes the page kept (if any), then loaded.
COPPIA_EXPORT int coppia_main_create(void);
COPPIA_EXPORT void coppia_main_destroy(int window);
// The bytes of Mervanti.ini the page kept at an earlier visit.
COPPIA_EXPORT void coppia_main_put_back(int window, const char* bytes, int size);
// The page cannot keep what it is given: the next save fails and says so, once.
COPPIA_EXPORT void coppia_main_storage_refused(int window);
COPPIA_EXPORT void coppia_main_load(int window);

// Events. An edit leaves `text` in the box, as a keystroke or a paste does; 0 when the box
// refuses it. A click reaches only an enabled button or a visible toggle; 0 when it does not.
COPPIA_EXPORT int coppia_main_edit(int window, int control, const char* text);
COPPIA_EXPORT int coppia_main_click(int window, int control);
// What typing these characters into the control enters ("," is "." in a number's field).
COPPIA_EXPORT const char* coppia_main_typed(int control, const char* typed);
// Saves the inputs the fields hold now, as CALCOLA does last; 1 when they were kept.
COPPIA_EXPORT int coppia_main_write_last_inputs(int window);

// What the window shows.
COPPIA_EXPORT const char* coppia_main_text(int window, int control);
COPPIA_EXPORT int coppia_main_enabled(int window, int control);
COPPIA_EXPORT int coppia_main_visible(int window, int control);
// The messages shown since they were last taken, in order.
COPPIA_EXPORT int coppia_main_message_count(int window);
COPPIA_EXPORT const char* coppia_main_message_text(int window, int index);
COPPIA_EXPORT const char* coppia_main_message_title(int window, int index);
COPPIA_EXPORT void coppia_main_messages_taken(int window);

// The bytes to keep: 1 when a save replaced them since the last call. Their size is -1 while
// there are none.
COPPIA_EXPORT int coppia_main_take_saved(int window);
COPPIA_EXPORT const char* coppia_main_kept_bytes(int window);
COPPIA_EXPORT int coppia_main_kept_size(int window);

#ifdef __cplusplus
}
#endif
