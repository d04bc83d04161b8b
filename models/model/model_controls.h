// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "models/shared/control_text.h"
#include "models/shared/servo_motion_text.h"

namespace coppia {

// The model window's controls: the buttons of its actions on the surfaces and on the file, the
// current surface's fields, its pages and the model's own fields, and the new surface's dialog.
inline constexpr std::array<ControlText, 55> kModelControls = {{
    {"Tabella", "", "Tabella delle superfici del modello, una per riga"},
    {"FinestraPrincipale", "Finestra principale:", ""},
    {"Aggiungi", "&Aggiungi", "Aggiungi una superficie dalla finestra principale"},
    {"Aggiorna", "A&ggiorna", "Aggiorna la superficie selezionata dalla finestra principale"},
    {"Carica", "&Carica", "Carica la superficie selezionata nella finestra principale"},
    {"Annulla", "Annulla", "Annulla l'ultima modifica del modello"},
    {"Ripeti", "Ripeti", "Ripeti la modifica annullata"},
    {"Duplica", "&Duplica", "Duplica la superficie selezionata come variante"},
    {"Rinomina", "&Rinomina…", "Rinomina la superficie selezionata"},
    {"Rimuovi", "R&imuovi", "Rimuovi la superficie selezionata"},
    {"SpostaSu", "Sposta su", "Sposta su la superficie selezionata"},
    {"SpostaGiu", "Sposta giù", "Sposta giù la superficie selezionata"},
    {"Nuovo", "Nuovo", "Nuovo modello"},
    {"Apri", "Apri…", "Apri un modello"},
    {"Recenti", "Recenti", "Modelli aperti di recente"},
    {"Salva", "Salva", "Salva il modello"},
    {"SalvaConNome", "Salva con nome…", "Salva il modello in un altro file"},
    {"EsportaCsv", "Esporta CSV…", "Esporta la tabella in un file CSV"},
    {"Stampa", "Stampa…", "Stampa il modello"},
    {"EsportaPdf", "Esporta PDF…", "Esporta il modello in un file PDF"},
    {"Pagine", "", "Pagine della superficie, del confronto e del modello"},
    {"PaginaSuperficie", "S&uperficie", ""},
    {"NomeSuperficie", "&Nome", "Nome della superficie"},
    {"TipoSuperficie", "Ti&po", "Tipo di superficie"},
    {"NumeroServi", "Ser&vi", "Numero di servi che muovono la superficie"},
    {"NomeServo", "Nome del &servo", "Nome del servo"},
    {"CoppiaServo", "Coppia dic&hiarata", "Coppia dichiarata del servo"},
    {"UnitaServo", "", "Unità della coppia dichiarata"},
    // No Alt+letter: every letter of these captions already leads elsewhere on the window.
    {"SpessoreProfilo", "Spessore del profilo",
     "Spessore del profilo, in percento della corda, da 0 a 20"},
    {"FessuraProfilo", "Fessura alla cerniera", "Fessura alla cerniera"},
    // The servo's data sheet, in kServoFigureKeys' order, said as the analysis window says it.
    {"TensioneServo", "Tensione", kServoFigureDescriptions[0]},
    {"Tempo60Servo", "Tempo per &60° a vuoto", kServoFigureDescriptions[1]},
    {"CorrenteVuotoServo", "Corrente a vuoto", kServoFigureDescriptions[2]},
    {"CorrenteStalloServo", "Corrente di stallo", kServoFigureDescriptions[3]},
    {"DatiSuperficie", "Dati dalla finestra principale (si cambiano lì, poi Aggiorna)", ""},
    {"PaginaConfronto", "Confron&to", ""},
    {"Grafico", "", "Grafico della coppia per servo delle superfici selezionate"},
    {"LegendaConfronto",
     "Ogni curva alla velocità della sua superficie; il punto è la sua deflessione, la "
     "tratteggiata la coppia dichiarata del suo servo.",
     ""},
    {"Confronto", "", "Dati delle superfici selezionate affiancati, con le differenze"},
    {"PaginaModello", "Mode&llo", ""},
    {"NomeModello", "Nome del m&odello", "Nome del modello"},
    {"Note", "Not&e", "Note del modello"},
    {"Alimentazione", "Alimentazione dei servi", ""},
    {"NomeAlimentazione", "Alimenta&zione", "Nome dell'alimentazione: batteria, regolatore o BEC"},
    {"CorrenteContinua", "Corrente continua", "Corrente continua dell'alimentazione, in ampere"},
    {"CorrentePicco", "Corrente di picco", "Corrente di picco dell'alimentazione, in ampere"},
    {"NuovaSuperficie", "Aggiungi superficie – Modello", ""},
    {"NomeNuovaSuperficie", "&Nome", "Nome della nuova superficie"},
    {"TipoNuovaSuperficie", "&Tipo", "Tipo della nuova superficie"},
    {"ServiNuovaSuperficie", "&Servi", "Numero di servi"},
    {"NomeServoNuovo", "Nome del s&ervo", "Nome del servo"},
    {"CoppiaServoNuovo", "&Coppia dichiarata", "Coppia dichiarata del servo"},
    {"UnitaServoNuovo", "&Unità", "Unità della coppia"},
    {"AggiungiNuovaSuperficie", "Aggiungi", "Aggiungi la superficie"},
    {"AnnullaNuovaSuperficie", "Annulla", "Annulla"},
}};

// What the supply's name may be, shown in its field while it is empty; the unit of its currents.
inline constexpr std::string_view kSupplyNameExample = "BEC 5 A, batteria ricevente…";
inline constexpr std::string_view kSupplyCurrentUnit = "A";

// The current surface's heading when there is none.
inline constexpr std::string_view kNoSurfaceHeading = "Nessuna superficie selezionata";
// The surfaces side by side: the first column names the input, the last says where they differ.
inline constexpr std::string_view kInputHeading = "Dato";
inline constexpr std::string_view kDifferenceHeading = "Differenza";
inline constexpr std::string_view kDiffers = "diversa";

// The question whether to save unsaved changes: its buttons, in the order of SaveChoice.
inline constexpr std::array<std::string_view, 3> kSaveChoiceCaptions = {"&Salva", "&Non salvare",
                                                                        "Annulla"};
inline constexpr std::string_view kOpenDialogTitle = "Apri modello";
inline constexpr std::string_view kSaveDialogTitle = "Salva modello";

// What a field of a rating not given yet says while it is empty.
inline constexpr std::string_view kRatingToBeGiven = "da indicare";

constexpr const ControlText& ModelControl(std::string_view name) {
    return ControlNamed(kModelControls, name);
}

}  // namespace coppia
