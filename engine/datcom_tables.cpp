// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/datcom_tables.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

namespace coppia {

namespace {

// Straight lines between the points (xs, ys), xs ascending, held at the ends.
double Interpolate(std::span<const double> xs, std::span<const double> ys, double x) {
    if (!(x > xs.front()))
        return ys.front();
    if (!(x < xs.back()))
        return ys.back();
    const std::size_t upper =
        static_cast<std::size_t>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin());
    const std::size_t lower = upper - 1;
    const double t = (x - xs[lower]) / (xs[upper] - xs[lower]);
    return ys[lower] + t * (ys[upper] - ys[lower]);
}

double ClampedChordRatio(double chordRatio) {
    return std::clamp(chordRatio, kFactorMinChordRatio, kFactorMaxChordRatio);
}

constexpr std::array<double, 9> kDeflectionRatios = {0.60, 0.65, 0.70, 0.75, 0.80,
                                                     0.85, 0.90, 0.95, 1.00};
constexpr std::array<double, 3> kDeflectionColumns = {0.10, 0.25, 0.40};
constexpr std::array<std::array<double, 9>, 3> kDeflectionFactors = {{
    {0.64, 0.70, 0.75, 0.80, 0.84, 0.88, 0.92, 0.96, 1.00},
    {0.56, 0.65, 0.725, 0.775, 0.83, 0.87, 0.91, 0.955, 1.00},
    {0.415, 0.55, 0.66, 0.745, 0.80, 0.85, 0.90, 0.95, 1.00},
}};

constexpr std::array<double, 16> kIncidenceRatios = {
    0.70, 0.72, 0.74, 0.76, 0.78, 0.80, 0.82, 0.84, 0.86, 0.88, 0.90, 0.92, 0.94, 0.96, 0.98, 1.00};
constexpr std::array<double, 2> kTwoColumns = {0.10, 0.40};
constexpr std::array<std::array<double, 16>, 2> kIncidenceFactors = {{
    {-0.10, 0.00, 0.08, 0.19, 0.28, 0.36, 0.43, 0.50, 0.58, 0.65, 0.70, 0.75, 0.82, 0.87, 0.93,
     1.00},
    {0.12, 0.22, 0.30, 0.38, 0.46, 0.53, 0.60, 0.65, 0.70, 0.75, 0.80, 0.84, 0.88, 0.92, 0.96,
     1.00},
}};

// C_h_delta,theory per radian as the figure gives it; its first point is the thin plate.
constexpr std::array<double, 7> kThicknesses = {0, 0.04, 0.06, 0.08, 0.10, 0.12, 0.15};
constexpr std::array<std::array<double, 7>, 2> kThickDeflectionDerivatives = {{
    {-0.88, -0.83, -0.80, -0.77, -0.735, -0.70, -0.64},
    {-1.02, -0.995, -0.985, -0.97, -0.955, -0.94, -0.925},
}};

}  // namespace

double DeflectionFactor(double liftSlopeRatio, double chordRatio) {
    std::array<double, kDeflectionColumns.size()> column{};
    for (std::size_t i = 0; i < column.size(); ++i)
        column[i] = Interpolate(kDeflectionRatios, kDeflectionFactors[i], liftSlopeRatio);
    return Interpolate(kDeflectionColumns, column, ClampedChordRatio(chordRatio));
}

double IncidenceFactor(double liftSlopeRatio, double chordRatio) {
    std::array<double, kTwoColumns.size()> column{};
    for (std::size_t i = 0; i < column.size(); ++i)
        column[i] = Interpolate(kIncidenceRatios, kIncidenceFactors[i], liftSlopeRatio);
    return Interpolate(kTwoColumns, column, ClampedChordRatio(chordRatio));
}

double ThicknessFactor(double thicknessRatio, double chordRatio) {
    std::array<double, kTwoColumns.size()> column{};
    for (std::size_t i = 0; i < column.size(); ++i) {
        const auto& derivatives = kThickDeflectionDerivatives[i];
        column[i] = Interpolate(kThicknesses, derivatives, thicknessRatio) / derivatives.front();
    }
    return Interpolate(kTwoColumns, column, ClampedChordRatio(chordRatio));
}

}  // namespace coppia
