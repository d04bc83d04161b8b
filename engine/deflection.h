// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace coppia {

// Stands for pi in both conversions, so that they are inverse to each other. Not pi.
inline constexpr double PiApprox = 3.1415;
inline constexpr double MaxDeflectionAngle = 60;
inline constexpr double MinDeflectionAngle = -60;

// Which of the angle and the travel gives the deflection: typed into the main window's Ang or
// Corsa as its toggle chooses, and kept with each surface of a model by its word, never by
// its number.
enum class DeflectionInput { Angle, Travel };

enum class AngleCheck { AngleWithinLimits, AngleAboveMaximum, AngleBelowMinimum };

// The travel of the trailing edge, the chord of the arc it sweeps about the hinge:
// twice the surface chord times the sine of half the angle (degrees). Empty when an
// intermediate value overflows.
std::optional<double> TravelFromAngle(double angle, double surfaceChord);

// The angle in degrees whose travel this is. Empty when the chord is 0, or when the travel is
// twice the chord or more in either sign (exactly twice included, although an angle exists).
std::optional<double> AngleFromTravel(double travel, double surfaceChord);

// 60 and -60 themselves are within the limits.
AngleCheck CheckDeflectionAngle(double angle);

}  // namespace coppia
