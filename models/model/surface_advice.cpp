// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/surface_advice.h"

#include <algorithm>

#include "engine/number_text.h"
#include "models/shared/second_opinion.h"

namespace coppia {

std::optional<std::optional<double>> TypedRating(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return std::optional<double>();
    const std::optional<double> rating = ReadWholeNumber(text);
    if (!rating || !IsModelRating(*rating))
        return std::nullopt;
    return rating;
}

std::string RatingProblem() {
    return "Coppia dichiarata non valida: serve " + std::string(kRatingRange);
}

std::string ProfileNote(const Surface& surface) {
    const std::string assumption = GapAssumption(ProfileOf(surface).gap);
    if (surface.profile)
        return "Profilo indicato per questa superficie; " + assumption;
    return "Profilo tipico del tipo di superficie, finché non se ne indica uno; " + assumption;
}

std::string ThicknessProblem() {
    return "Spessore del profilo non valido: serve " + std::string(kThicknessRange);
}

std::string SameNameWarning(std::string_view name) {
    return "Attenzione: un'altra superficie si chiama già «" + std::string(name) + "»";
}

NewSurfaceAdvice AdviseNewSurface(const Model& model, std::string_view name,
                                  std::string_view rating) {
    NewSurfaceAdvice advice;
    if (name.find_first_not_of(" \t") == std::string_view::npos)
        advice.problem = "Serve un nome per la superficie";
    else if (!TypedRating(rating))
        advice.problem = RatingProblem();
    advice.acceptable = advice.problem.empty();
    // Cut as the surface will be named, so that the warning speaks of the name it gets.
    const std::string kept = CutToCharacters(name, kMaxNameCharacters);
    if (std::any_of(model.surfaces.begin(), model.surfaces.end(),
                    [&kept](const Surface& surface) { return surface.name == kept; })) {
        advice.warning = SameNameWarning(kept);
    }
    return advice;
}

}  // namespace coppia
