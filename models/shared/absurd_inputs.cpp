// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/absurd_inputs.h"

#include <array>
#include <cmath>
#include <string_view>

#include "engine/deflection.h"
#include "engine/number_text.h"

namespace coppia {

namespace {

// A field that must hold a length above 0, with the endings of its noun's gender.
struct LengthField {
    std::string_view name;
    double TorqueInputs::*value;
    bool feminine;
};
constexpr std::array<LengthField, 5> kLengths = {{
    {"CordaAla", &TorqueInputs::CordaAla, true},
    {"CordaAlett", &TorqueInputs::CordaAlett, true},
    {"LungAlett", &TorqueInputs::LungAlett, true},
    {"BrAlett", &TorqueInputs::BrAlett, false},
    {"BrServ", &TorqueInputs::BrServ, false},
}};

}  // namespace

std::optional<std::string> AbsurdInput(const TorqueInputs& inputs,
                                       std::optional<GivenTravel> travel) {
    for (const LengthField& field : kLengths) {
        const double value = inputs.*field.value;
        if (value < 0)
            return std::string(field.name) + (field.feminine ? " negativa" : " negativo");
        if (value == 0)
            return std::string(field.name) + (field.feminine ? " nulla" : " nullo");
    }
    // A model flies forward; a negative loading is no wing's (0 is a surface that carries none).
    if (inputs.Vel < 0)
        return "Vel negativa";
    if (inputs.CarAla < 0)
        return "CarAla negativo";
    if (!travel)
        return std::nullopt;
    if (std::fabs(travel->travel) > inputs.CordaAlett) {
        return "Corsa oltre la corda (" + FormatPlainNumber(std::fabs(travel->travel)) + " mm su " +
               FormatPlainNumber(inputs.CordaAlett) + " mm)";
    }
    if (std::fabs(travel->angle) > MaxDeflectionAngle) {
        return "Deflessione oltre " + FormatPlainNumber(MaxDeflectionAngle) + "° dalla corsa (" +
               FormatNumber(std::fabs(travel->angle), "#0.0") + "°)";
    }
    return std::nullopt;
}

}  // namespace coppia
