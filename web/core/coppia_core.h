// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's way into the program: plain C functions over the windows' models, which the page
// calls through Emscripten's cwrap. A window is a number (a handle) that every call on it takes;
// a handle that is not a window's is ignored, reading as empty. Controls are numbers in the
// order of the window's table (models/main/controls.h), found by name. Texts go in and come out
// as UTF-8; a text returned stays valid until the next call on the same window.
//
// The analysis and the model windows are made on a main window, which they follow as the
// desktop's do, and close with it. Their controls are named by the desktop's objectNames; what
// they show comes whole, as JSON (web/core/display_json.h), and their plots as SVG.
//
// Files are the page's (files/platform/web/page_files.h): the page hands over what it has (a model
// picked or dropped, what its storage kept) and takes back what a window wrote (a model to
// download, the settings and the recent list to keep).

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

// The page's files. A text of bytes, with its size; -1 for a file that is not there.
COPPIA_EXPORT void coppia_file_put(const char* path, const char* bytes, int size);
COPPIA_EXPORT int coppia_file_size(const char* path);
COPPIA_EXPORT const char* coppia_file_bytes(const char* path);
// A file the user gives (picked or dropped), handed over under its name; gives its path.
COPPIA_EXPORT const char* coppia_file_hand_over(const char* name, const char* bytes, int size);
// The paths written since the last call, as a JSON list.
COPPIA_EXPORT const char* coppia_files_written(void);
// The paths of the files the page keeps between visits, as a JSON list: the settings and the
// recent list, and the models the list names.
COPPIA_EXPORT const char* coppia_files_kept(void);
// The page cannot keep what is saved (storage turned off, or full): saves of the settings and
// of the recent list fail from now on, and say so.
COPPIA_EXPORT void coppia_files_storage_refused(void);

// The analysis window made on a main window; 0 when there is no such main window.
COPPIA_EXPORT int coppia_analysis_create(int main);
COPPIA_EXPORT void coppia_analysis_destroy(int analysis);
// Its controls, as a JSON list of {name, caption, key, accessibleName}.
COPPIA_EXPORT const char* coppia_analysis_controls(void);
// Reads its settings, then shows what it judges.
COPPIA_EXPORT void coppia_analysis_load(int analysis);
// A field typed into (CoppiaServo, FattoreSicurezza, Escursione, AltreVelocita,
// SpessoreProfilo, and the servo's data sheet: Tensione, Tempo60, CorrenteVuoto,
// CorrenteStallo); 0 for a name that is none.
COPPIA_EXPORT int coppia_analysis_edit(int analysis, const char* field, const char* text);
// What typing these characters into the field enters: every field of the analysis takes a
// number, where "," is ".", as in the main window's.
COPPIA_EXPORT const char* coppia_analysis_typed(const char* field, const char* typed);
// An entry chosen in a list (UnitaCoppia: 0 Kg*cm, 1 N·cm; FessuraProfilo: 0 sigillata,
// 1 aperta; GiudicaCon: 0 the calculation, 1 the more prudent).
COPPIA_EXPORT int coppia_analysis_choose(int analysis, const char* list, int index);
// A button (Copia); the text it copied is then coppia_analysis_copied's.
COPPIA_EXPORT int coppia_analysis_click(int analysis, const char* button);
COPPIA_EXPORT const char* coppia_analysis_copied(int analysis);
COPPIA_EXPORT const char* coppia_analysis_display(int analysis);
// The plot, `width` × `height` pixels, its letters `font_size` pixels high, as SVG.
COPPIA_EXPORT const char* coppia_analysis_plot(int analysis, double width, double height,
                                               double font_size);
// The table as CSV: 0 for Italian spreadsheets, 1 international.
COPPIA_EXPORT const char* coppia_analysis_csv(int analysis, int international);

// The model window made on a main window; 0 when there is no such main window.
COPPIA_EXPORT int coppia_model_create(int main);
COPPIA_EXPORT void coppia_model_destroy(int model);
COPPIA_EXPORT const char* coppia_model_controls(void);
COPPIA_EXPORT void coppia_model_load(int model);
// The answers, as JSON, to the questions the next event asks (display_json.h): a file to open
// or to save by its name; the event asks the others, which coppia_model_question gives after
// it, and gives them up.
COPPIA_EXPORT void coppia_model_answer(int model, const char* answers);
// A button, by the desktop's name (Nuovo, Apri, Salva, SalvaConNome, Aggiungi, Aggiorna,
// Carica, Duplica, Rinomina, Rimuovi, SpostaSu, SpostaGiu, Annulla, Ripeti); 0 for none.
COPPIA_EXPORT int coppia_model_click(int model, const char* button);
// A field typed into (NomeSuperficie, NomeServo, CoppiaServo, SpessoreProfilo, NomeModello,
// Note, the servo's data sheet: TensioneServo, Tempo60Servo, CorrenteVuotoServo,
// CorrenteStalloServo, and the model's supply: NomeAlimentazione, CorrenteContinua,
// CorrentePicco).
COPPIA_EXPORT int coppia_model_edit(int model, const char* field, const char* text);
// What typing these characters into the field enters ("," is "." in a field of a number).
COPPIA_EXPORT const char* coppia_model_typed(const char* field, const char* typed);
// An entry chosen (TipoSuperficie, UnitaServo, FessuraProfilo, NumeroServi: the count,
// Recenti: the file).
COPPIA_EXPORT int coppia_model_choose(int model, const char* list, int index);
// The rows selected, as a JSON list, and the one with the keyboard's focus (-1: none).
COPPIA_EXPORT int coppia_model_select(int model, const char* rows, int current);
// The question of the last event the page had no answer for, as JSON; "null" for none.
COPPIA_EXPORT const char* coppia_model_question(int model);
// The messages of the last events, as a JSON list of {text, title}, taken.
COPPIA_EXPORT const char* coppia_model_messages(int model);
// What the new surface's dialog says of a name and a rating as they are typed.
COPPIA_EXPORT const char* coppia_model_advice(int model, const char* name, const char* rating);
COPPIA_EXPORT const char* coppia_model_display(int model);
COPPIA_EXPORT const char* coppia_model_plot(int model, double width, double height,
                                            double font_size);
// The table as CSV, as the desktop's Esporta CSV writes it: 0 for Italian spreadsheets (the
// desktop's first choice), 1 international; the display's exportName names its file.
COPPIA_EXPORT const char* coppia_model_csv(int model, int international);

#ifdef __cplusplus
}
#endif
