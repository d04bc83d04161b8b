// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/quadrature.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace coppia {

namespace {

// The 15-point Kronrod nodes on [-1, 1] from the outside in (the odd ones are the 7-point Gauss
// nodes), and the weights of both rules, to the digits QUADPACK tabulates.
constexpr std::array<double, 8> kNodes = {
    0.991455371120812639206854697526329, 0.949107912342758524526189684047851,
    0.864864423359769072789712788640926, 0.741531185599394439863864773280788,
    0.586087235467691130294144845693013, 0.405845151377397166906606412076961,
    0.207784955007898467600689403773245, 0.0};
constexpr std::array<double, 8> kKronrodWeights = {
    0.022935322010529224963732008058970, 0.063092092629978553290700663189204,
    0.104790010322250183839876322541518, 0.140653259715525918745189590510238,
    0.169004726639267902826583426598550, 0.190350578064785409913256402421014,
    0.204432940075298892414161999234649, 0.209482141084727828012999174891714};
constexpr std::array<double, 4> kGaussWeights = {
    0.129484966168869693270611432679082, 0.279705391489276667901467771423780,
    0.381830050505118944950369775488975, 0.417959183673469387755102040816327};

struct Piece {
    double a = 0;
    double b = 0;
    double value = 0;
    double error = 0;
};

Piece Rule(const std::function<double(double)>& f, double a, double b) {
    const double centre = (a + b) / 2;
    const double half = (b - a) / 2;
    const double middle = f(centre);
    double kronrod = kKronrodWeights[7] * middle;
    double gauss = kGaussWeights[3] * middle;
    for (std::size_t i = 0; i < 7; ++i) {
        const double pair = f(centre - half * kNodes[i]) + f(centre + half * kNodes[i]);
        kronrod += kKronrodWeights[i] * pair;
        if (i % 2 == 1)
            gauss += kGaussWeights[i / 2] * pair;
    }
    return {a, b, kronrod * half, std::fabs((kronrod - gauss) * half)};
}

bool ByError(const Piece& x, const Piece& y) {
    return x.error < y.error;
}

}  // namespace

Integral IntegrateAdaptive(const std::function<double(double)>& f, double a, double b,
                           double tolerance, int maxPieces) {
    std::vector<Piece> pieces{Rule(f, a, b)};
    double error = pieces.front().error;
    // A heap keyed on the error estimate: the worst piece is halved first.
    while (!(error <= tolerance) && static_cast<int>(pieces.size()) < maxPieces) {
        const Piece worst = pieces.front();
        const double middle = (worst.a + worst.b) / 2;
        if (!(worst.a < middle && middle < worst.b))
            break;  // no more room between two doubles
        std::pop_heap(pieces.begin(), pieces.end(), ByError);
        pieces.pop_back();
        error -= worst.error;
        for (const Piece& half : {Rule(f, worst.a, middle), Rule(f, middle, worst.b)}) {
            pieces.push_back(half);
            std::push_heap(pieces.begin(), pieces.end(), ByError);
            error += half.error;
        }
    }
    // Summed afresh, so that the running sums' rounding does not build up.
    Integral integral;
    for (const Piece& piece : pieces) {
        integral.value += piece.value;
        integral.error += piece.error;
    }
    integral.converged = integral.error <= tolerance;
    return integral;
}

}  // namespace coppia
