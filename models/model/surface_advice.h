// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "files/model_record.h"
#include "models/model/model_session.h"

namespace coppia {

// A servo's rating as typed into the model window: none (to be given later) when blank, the
// number when it is one a model keeps; empty when it cannot be used.
std::optional<std::optional<double>> TypedRating(std::string_view text);

// Why a typed rating cannot be used, as the window says it wherever one is typed.
std::string RatingProblem();

// What the page of a surface says of its section: whether it was given or follows its kind, and
// what the second estimate takes from it.
std::string ProfileNote(const Surface& surface);
// Why a typed thickness cannot be used.
std::string ThicknessProblem();

// What is said when a surface is given a name another surface has: it is kept, with a warning.
std::string SameNameWarning(std::string_view name);

// What the new surface's dialog says as the builder types its name and rating into it.
NewSurfaceAdvice AdviseNewSurface(const Model& model, std::string_view name,
                                  std::string_view rating);

}  // namespace coppia
