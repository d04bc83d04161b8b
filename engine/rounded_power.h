// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace coppia {

// x to the power n (n >= 0) as glibc's pow gives it, from which the worked values were taken:
// glibc's own where the program runs on it, ExactlyRoundedPower elsewhere. MinGW's pow (on
// Windows) misses the last bit often, and the window shows the torque to digits that bit can
// move; glibc's pow (within 0.52 ulp) differs from the exactly rounded value only for values
// a hair from halfway between two doubles.
double RoundedPower(double x, int n);

// x to the power n (n >= 0), rounded once from the exact value (to 2^-100 or so).
double ExactlyRoundedPower(double x, int n);

}  // namespace coppia
