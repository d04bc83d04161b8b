// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "models/model/model_session.h"

class QWidget;

namespace coppia {

// Asks the builder for a new surface's name, kind and servo, `proposal` filled in; the rating
// may stay empty, to be given later. What `advise` says of the name and rating typed stands
// below them. Empty when the builder gives up.
std::optional<NewSurface> AskNewSurfaceDialog(QWidget* parent, const NewSurface& proposal,
                                              const NewSurfaceAdvisor& advise);

}  // namespace coppia
