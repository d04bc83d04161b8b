// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace coppia {

// A kilogram-force is 9.80665 N by definition; servo makers print torque in N·cm or oz·in.
inline constexpr double kNewtonsPerKgf = 9.80665;
inline constexpr double kNcmPerOzfIn = 0.706155;

// One torque in the units a builder meets.
struct TorqueInUnits {
    double kgfCm = 0;
    double newtonCm = 0;
    double newtonM = 0;
    double ozfIn = 0;
};

TorqueInUnits ConvertTorque(double kgfCm);
double KgfCmFromNewtonCm(double newtonCm);

// The unit a servo's rated torque is typed in.
enum class RatingUnit { KgfCm, NewtonCm };

// A rating can be used when it is a number above 0.
bool IsValidRating(double rating);

// The unit of a servo's rating as the windows write it.
std::string_view RatingUnitName(RatingUnit unit);

// A torque in Kg*cm as it reads in the unit a servo's rating is given in, and a rating given in
// `unit` in Kg*cm: so that the needed torque and the rating are compared in one unit.
double TorqueInUnit(double kgfCm, RatingUnit unit);
double RatingInKgfCm(double rating, RatingUnit unit);

}  // namespace coppia
