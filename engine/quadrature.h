// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace coppia {

struct Integral {
    double value = 0;
    double error = 0;  // the estimate: the sum over the pieces of |Kronrod − Gauss|
    bool converged = false;
};

// The integral of `f` from `a` to `b` by globally adaptive Gauss–Kronrod (7 and 15 points):
// the piece with the largest error estimate is halved until the estimates sum to at most
// `tolerance` or `maxPieces` pieces are in use. The 15-point rule's own error is far below the
// difference to the 7-point rule that is used as the estimate, so the estimate is an upper
// bound for smooth pieces. Never evaluates `f` at `a` or `b`, so an integrable end-point
// singularity is approached rather than hit.
Integral IntegrateAdaptive(const std::function<double(double)>& f, double a, double b,
                           double tolerance, int maxPieces);

}  // namespace coppia
