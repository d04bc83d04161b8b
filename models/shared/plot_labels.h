// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "models/shared/plot.h"
#include "models/shared/plot_layout.h"

namespace coppia {

// Where the labels of a plot go, in its logical pixels (y grows downwards): each beside what it
// names, nearer to it than to anything else of its kind, or left out.

// A label of `width` × `height` for the point `x`, `y`; or, when `level`, for the level line at
// height `y` across the whole area, labelled at either end.
struct LabelWish {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    bool level = false;
};

// What the labels must keep clear of.
struct LabelRoom {
    PlotRect area;         // they stay wholly inside it
    double keepClear = 0;  // around each marked point, whose dot it is
    // Lines that no label may cover (the thick line of the model's speed), each its points;
    // `lineClear` around them.
    std::vector<std::vector<std::pair<double, double>>> lines;
    double lineClear = 0;
};

// Where each label goes, in the order given (the first wins a place first): above right of its
// point, else above left, below right, below left, right, left, above, below; a level line's
// above or below its left end, else its right end. Never over another label, a marked point or
// a line to keep clear. A point's label stands nearer to its point than to any other point
// elsewhere; a line's, nearer to its line than to any other line or point. A label that fits
// nowhere is left out: the table beside the plot holds its value.
std::vector<std::optional<PlotRect>> PlaceLabels(const std::vector<LabelWish>& labels,
                                                 const LabelRoom& room);

// For each servo's rating, the earlier one whose level line it coincides with (the same
// torque as the plot writes it), if any.
std::vector<std::optional<std::size_t>> CoincidingRatings(const std::vector<PlotRating>& ratings);

// What each rating's level line says on the plot: "Servo da 3.00", or on the first of lines that
// coincide "2 servi da 3.00: coincidono"; nothing on the others, nor where the line is off the
// scale.
std::vector<std::string> RatingLabels(const std::vector<PlotRating>& ratings);

// The order the curves are drawn in: the thick line of the model's speed first, so that a
// thinner curve that coincides with it is drawn over it and stays in sight.
std::vector<std::size_t> DrawingOrder(const std::vector<PlotCurve>& curves);

}  // namespace coppia
