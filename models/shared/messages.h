// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace coppia {

struct Message {
    std::string_view text;
    std::string_view title;
};

// What the window tells the user, word for word.
namespace messages {
inline constexpr Message ChordRatioOutOfRange{"Corda Alett./Corda Alare Fuori Gamma!!",
                                              "Rapp. Alett/Ala"};
inline constexpr Message StallRisk{"Possibile Condizione di Stallo!!", "Vel. & Car. Alare"};
inline constexpr Message AngleAboveMaximum{"Massimo 60°!!", "Errore Dato Immesso"};
inline constexpr Message AngleBelowMinimum{"Massimo -60°!!", "Errore Dato Immesso"};
// A cleared or absurd field must not print a meaningless torque.
inline constexpr Message ZeroSpeed{"Velocità Nulla!!", "Vel. & Car. Alare"};
inline constexpr Message ZeroHornArm{"Braccio Alettone Nullo!!", "Errore Dato Immesso"};
inline constexpr Message ResultOutOfRange{"Risultato Fuori Limite!!", "Errore Dato Immesso"};
inline constexpr Message NumberOutOfRange{"Numero Fuori Limite!!", "Errore Dato Immesso"};
// A travel typed beyond twice the chord has no angle; the angle shown belongs to an earlier
// keystroke, and must not be computed with.
inline constexpr Message TravelOutOfRange{"Corsa Fuori Limite!!", "Errore Dato Immesso"};

inline constexpr std::string_view kSaveFailedTitle = "Errore Salvataggio";
// Names the file and the system's reason, so that the user can put it right.
inline std::string SaveFailedText(std::string_view location, std::string_view reason) {
    return "Dati Non Salvati in " + std::string(location) + ": " + std::string(reason) + "!!";
}
}  // namespace messages

// Shows a modal message with a single OK button and returns when the user has closed it.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(std::string_view text, std::string_view title) = 0;
};

}  // namespace coppia
