// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/supply_check.h"
#include "files/model_record.h"
#include "models/shared/tone.h"

namespace coppia {

// What a model's summary says of its supply, on screen and on paper alike.
struct SupplyLines {
    // "Alimentazione al Limite (BEC 5 A): riserva 1.08, sotto 1.25", in the verdict's colour:
    // "Alimentazione sufficiente" green, "al Limite" yellow, "insufficiente" red; neutral while
    // the supply or its continuous current is not given. With how many servos lack currents.
    std::string verdict;
    Tone tone = Tone::Neutral;
    // Every surface moving at once and every servo starting together, against the supply's
    // ratings; "almeno" where servos lack their currents.
    std::string currents;
    // The rule the verdict applies, named as the engineering choice it is; empty without one.
    std::string rule;
    // The published rules of thumb that give the scale, with whom they come from.
    std::string sources;
};

// `servos`: how many the model has in all.
SupplyLines DescribeSupply(const SupplyCheck& check, const std::optional<SupplyRecord>& supply,
                           int servos);

// A supply's current as typed: blank is not given; a number from kLeastSupplyCurrent to
// kMostSupplyCurrent (a comma is the decimal point); empty when it cannot be used.
std::optional<std::optional<double>> TypedSupplyCurrent(std::string_view text);
// "Corrente continua non valida: serve un numero da 0.01 a 1000 A, o niente se non si conosce".
std::string SupplyCurrentProblem(std::string_view caption);

}  // namespace coppia
