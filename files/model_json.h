// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
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

// ---- Reading the values of a parsed file ------------------------------------------------------
// Each reader takes an object, a key and the object's key path ("superfici[1].servo", empty
// for the file's top object). A value that is missing or not of the type asked is refused by
// throwing ModelRefusal with its key path and the reason in words, so that a model is read
// whole or not at all; the reader of the whole file turns it into its fault.

struct ModelRefusal {
    ModelFileFault fault;
};
[[noreturn]] void RefuseValue(std::string keyPath, std::string reason);

// "superfici[1].servo" and "coppia" make "superfici[1].servo.coppia".
std::string JoinKey(std::string_view path, std::string_view key);

const ModelJson& MemberAt(const ModelJson& object, std::string_view key, std::string_view path);
const ModelJson& ObjectAt(const ModelJson& object, std::string_view key, std::string_view path);
std::string TextAt(const ModelJson& object, std::string_view key, std::string_view path);
double NumberAt(const ModelJson& object, std::string_view key, std::string_view path);
// A number, or none when the key is absent or null.
std::optional<double> OptionalNumberAt(const ModelJson& object, std::string_view key,
                                       std::string_view path);
// A text within `most` characters and without a NUL (TextFault).
std::string BoundedTextAt(const ModelJson& object, std::string_view key, std::string_view path,
                          std::size_t most);
// One of `words`, as its index.
std::size_t WordAt(const ModelJson& object, std::string_view key, std::string_view path,
                   std::span<const std::string_view> words);

// The members of `object` whose keys are not among `known`, as the text of a JSON object;
// empty when there are none.
std::string OtherKeys(const ModelJson& object, std::span<const std::string_view> known);
std::string OtherKeys(const ModelJson& object, std::initializer_list<std::string_view> known);

// ---- Writing them -----------------------------------------------------------------------------

// A whole number is written without a fraction, as people write it; every other value in as
// few digits as read back to the same double. -0 keeps its sign as a fraction ("-0.0").
ModelJson NumberJson(double value);
// After the object's own keys, those of `otherKeys` (as OtherKeys gives them) that it lacks.
void AppendOtherKeys(ModelJson& object, const std::string& otherKeys);

}  // namespace coppia
