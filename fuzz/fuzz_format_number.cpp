// SPDX-License-Identifier: GPL-3.0-or-later
// FormatNumber on arbitrary doubles (NaN, infinities, subnormals and the extremes included),
// by every pattern the window uses: the text must read back to the value taken to 15
// significant digits and rounded to the pattern's decimals, and writing what was read gives
// the same text.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(double))
        return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    struct Pattern {
        const char* text;
        int decimals;
    };
    for (const Pattern pattern : {Pattern{"#0.00", 2}, Pattern{"#00.00", 2}, Pattern{"#0.0", 1},
                                  Pattern{"##0.0", 1}, Pattern{"#00.0", 1}, Pattern{"#000.0", 1}}) {
        const std::string text = coppia::FormatNumber(value, pattern.text);
        if (!std::isfinite(value))
            continue;
        const auto back = coppia::ReadNumber(text);
        FUZZ_CHECK(back.has_value(), "a written number reads back");
        const double halfStep = 0.5 * std::pow(10.0, -pattern.decimals);
        FUZZ_CHECK(std::fabs(*back - value) <= halfStep * (1 + 1e-9) + std::fabs(value) * 1e-14,
                   "the text is the value rounded to the pattern's decimals");
        // A small negative value keeps its sign ("-0.00") although its digits read as 0.
        const bool negativeZero =
            text[0] == '-' && text.find_first_of("123456789") == std::string::npos;
        FUZZ_CHECK(
            coppia::FormatNumber(*back, pattern.text) == (negativeZero ? text.substr(1) : text),
            "writing the value read gives the same text");
        const size_t point = text.find('.');
        FUZZ_CHECK(point != std::string::npos &&
                       text.size() - point - 1 == static_cast<size_t>(pattern.decimals),
                   "every decimal is written");
    }
    return 0;
}
