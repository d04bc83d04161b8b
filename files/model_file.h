// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "files/model_json.h"
#include "files/model_record.h"
#include "files/platform/save_result.h"

namespace coppia {

// The model file: JSON in UTF-8, described for other tools in docs/model-file.md.
inline constexpr std::string_view kModelFileExtension = ".coppia";
inline constexpr std::string_view kModelFormat = "coppia-modello";
inline constexpr int kModelFileVersion = 1;
// A model of a thousand surfaces takes well under a megabyte.
inline constexpr std::size_t kModelFileReadLimit = 16 * 1024 * 1024;

// The whole file: the keys in their fixed order; whole numbers without a fraction, the others
// in digits that read back to the same doubles; and after each object's own keys the ones this
// program does not know.
std::string EncodeModel(const Model& model);

// The model, or the first fault met. A file is taken whole or not at all: a fault anywhere,
// or a `versione` newer than kModelFileVersion, gives no model.
std::variant<Model, ModelFileFault> DecodeModel(std::string_view bytes);

// Reads at most kModelFileReadLimit bytes of the regular file at `path`.
std::variant<Model, ModelFileFault> ReadModelFile(const std::string& path);

// Replaces the file whole, or leaves it as it was (ReplaceFile); never makes its folder again
// when it was removed (ReplaceFileInItsFolder).
SaveResult WriteModelFile(const std::string& path, const Model& model);

// The name a model is saved under: a name given without an extension gets the model files'.
std::string NamedAsModelFile(std::string name);

// What the user is told when a file is refused: its path, the place and the reason.
std::string ModelRefusalText(std::string_view path, const ModelFileFault& fault);

}  // namespace coppia
