// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <variant>

namespace coppia {

// Keeps the order of the keys, so that a file written by hand or by another tool reads the
// same after a save, unknown keys and all.
using ModelJson = nlohmann::ordered_json;

// Where a file is at fault, and why, in words for the user. `place` is "riga 3, colonna 14"
// for text that is not JSON, the place in words for a value ("superficie 3 («Flap»), campo
// Vel"), empty for the file as a whole. `keyPath` is the value's key path for those who write
// the file by tool ("superfici[2].ingressi.Vel", surfaces counted from 0), empty for text that
// is not JSON and for the file as a whole.
struct ModelFileFault {
    std::string place;
    std::string reason;
    std::string keyPath;
    bool operator==(const ModelFileFault&) const = default;
};

// The JSON of a model file's bytes, or where and why it is not JSON: "riga 3, colonna 14"
// (columns count characters), with a cut file, broken UTF-8, a number beyond a double and
// nesting too deep to write back told apart; a file of blanks, one in UTF-16, a key given twice
// in an object and a number too small for a double (its key path, without a place in words).
std::variant<ModelJson, ModelFileFault> ParseModelJson(std::string_view bytes);

}  // namespace coppia
