// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "models/analysis/analysis_display.h"
#include "models/shared/control_text.h"

namespace coppia {

// The analysis window's controls, in the order of its pages and of the keyboard.
inline constexpr std::array<ControlText, 32> kAnalysisControls = {{
    {"PaginaVerifica", "&Verifica", ""},
    {"ServoERinvio", "Servo e rinvio", ""},
    {"CoppiaServo", "Co&ppia del servo", "Coppia dichiarata del servo"},
    {"UnitaCoppia", "&Unità", "Unità della coppia del servo"},
    {"FattoreSicurezza", "&Fattore di sicurezza", "Fattore di sicurezza"},
    {"NotaFattore", "Copre raffiche, picchiate, giochi del rinvio e batteria scarica.", ""},
    {"Escursione", "&Escursione del servo per lato", "Escursione del servo per lato, in gradi"},
    {"GiudicaCon", "&Giudica con", "Giudica con: la coppia su cui si dà il verdetto"},
    {"GruppoVerdetto", "Verdetto", ""},
    {"Margine", "Margine", "Margine: coppia del servo su coppia necessaria"},
    {"CoppiaMinima", "Coppia minima da usare", "Coppia minima del servo da usare"},
    {"GruppoRinvio", "Rinvio", ""},
    {"Rotazione", "Rotazione del braccio del servo", "Rotazione del braccio del servo, in gradi"},
    {"CoppiaKgcm", "Kg*cm", "Coppia al servo in Kg*cm"},
    {"CoppiaNcm", "N·cm", "Coppia al servo in N·cm"},
    {"CoppiaNm", "N·m", "Coppia al servo in N·m"},
    {"CoppiaOzin", "oz·in", "Coppia al servo in oz·in"},
    {"SpessoreProfilo", "Spessore del profi&lo",
     "Spessore del profilo, in percento della corda, da 0 a 20"},
    {"FessuraProfilo", "Fessura alla cernie&ra", "Fessura alla cerniera"},
    {"StimaReale", "Profilo reale", "Seconda stima, profilo reale"},
    {"StimaSottile", "Profilo sottile, il limite superiore",
     "Seconda stima, profilo sottile: il limite superiore"},
    {"MargineStima", "Margine con la seconda stima",
     "Margine con la seconda stima (profilo reale)"},
    {"PaginaCalcolo", "C&ome si ottiene", ""},
    {"PaginaAndamento", "&Andamento con la deflessione", ""},
    {"AltreVelocita", "Altre veloc&ità (× velocità del modello)",
     "Altre velocità, in multipli della velocità del modello, separate da spazi"},
    {"Tabella", "", "Tabella della coppia al servo per ogni grado di deflessione"},
    {"Copia", "&Copia riepilogo", "Copia il riepilogo negli appunti"},
    {"EsportaCsv", "Esporta C&SV…", "Esporta la tabella in un file CSV"},
    {"Stampa", "S&tampa…", "Stampa il foglio dell'analisi"},
    {"EsportaPdf", "Esporta P&DF…", "Esporta il foglio dell'analisi in un file PDF"},
    {"Pagine", "", "Pagine dell'analisi"},
    {"Menu", "", "Menu dell'analisi"},
}};

// The names of the steps' value fields, in the order of kAnalysisStepNames.
inline constexpr std::array<std::string_view, kAnalysisStepCount> kAnalysisStepFields = {
    "RapportoCorde",  "VelocitaMs",     "Cp",
    "FattoreAngolo",  "AngoloEfficace", "CoeffCerniera",
    "CoppiaCerniera", "RapportoBracci", "CoppiaAlServo"};

constexpr const ControlText& AnalysisControl(std::string_view name) {
    return ControlNamed(kAnalysisControls, name);
}

}  // namespace coppia
