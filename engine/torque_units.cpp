// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/torque_units.h"

#include <cmath>

namespace coppia {

TorqueInUnits ConvertTorque(double kgfCm) {
    TorqueInUnits units;
    units.kgfCm = kgfCm;
    units.newtonCm = kgfCm * kNewtonsPerKgf;
    units.newtonM = units.newtonCm / 100;
    units.ozfIn = units.newtonCm / kNcmPerOzfIn;
    return units;
}

double KgfCmFromNewtonCm(double newtonCm) {
    return newtonCm / kNewtonsPerKgf;
}

bool IsValidRating(double rating) {
    return std::isfinite(rating) && rating > 0;
}

std::string_view RatingUnitName(RatingUnit unit) {
    return unit == RatingUnit::NewtonCm ? "N·cm" : "Kg*cm";
}

double TorqueInUnit(double kgfCm, RatingUnit unit) {
    const TorqueInUnits units = ConvertTorque(kgfCm);
    return unit == RatingUnit::NewtonCm ? units.newtonCm : units.kgfCm;
}

double RatingInKgfCm(double rating, RatingUnit unit) {
    return unit == RatingUnit::NewtonCm ? KgfCmFromNewtonCm(rating) : rating;
}

}  // namespace coppia
