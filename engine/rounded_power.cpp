// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rounded_power.h"

#include <cmath>

namespace coppia {

namespace {

// A value as the unevaluated sum hi + lo, |lo| at most half an ulp of hi: about 106 bits.
struct DoubleDouble {
    double hi;
    double lo;
};

// a * b exactly, as hi + lo (Dekker's product over Veltkamp's split): plain double operations
// only, so that no fused multiply-add of one machine and not of another changes a bit.
DoubleDouble ExactProduct(double a, double b) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const auto split = [](double v) {
        const double t = kSplitter * v;
        const double high = t - (t - v);
        return DoubleDouble{high, v - high};
    };
    const DoubleDouble as = split(a);
    const DoubleDouble bs = split(b);
    const double hi = a * b;
    const double lo = ((as.hi * bs.hi - hi) + as.hi * bs.lo + as.lo * bs.hi) + as.lo * bs.lo;
    return DoubleDouble{hi, lo};
}

}  // namespace

double RoundedPower(double x, int n) {
#if defined(__GLIBC__)
    return std::pow(x, n);
#else
    return ExactlyRoundedPower(x, n);
#endif
}

double ExactlyRoundedPower(double x, int n) {
    if (n == 0)
        return 1;
    if (n <= 2)
        return n == 1 ? x : x * x;  // one product: rounded once already
    DoubleDouble power{x, 0};
    for (int i = 1; i < n; ++i) {
        const DoubleDouble product = ExactProduct(power.hi, x);
        const double lo = product.lo + power.lo * x;
        const double hi = product.hi + lo;
        power = DoubleDouble{hi, lo - (hi - product.hi)};
    }
    // Beyond the range where the split is exact (huge, tiny or not finite) the system's pow
    // answers; the arithmetic never gets there with a chord ratio.
    if (!std::isnormal(power.hi) || std::fabs(power.hi) > 0x1p+900 ||
        std::fabs(power.hi) < 0x1p-900)
        return std::pow(x, n);
    return power.hi;
}

}  // namespace coppia
