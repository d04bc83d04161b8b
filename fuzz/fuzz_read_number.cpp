// SPDX-License-Identifier: GPL-3.0-or-later
// ReadNumber on arbitrary bytes: it must return, and whatever it reads must survive being
// written plainly and read again.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = coppia::ReadNumber(text);
    if (!value)
        return 0;
    FUZZ_CHECK(std::isfinite(*value), "a read number is finite");
    const std::string plain = coppia::FormatPlainNumber(*value);
    const auto back = coppia::ReadNumber(plain);
    FUZZ_CHECK(back.has_value(), "the plain text of a number reads back");
    FUZZ_CHECK(std::fabs(*back - *value) <= std::fabs(*value) * 1e-14,
               "the plain text keeps 15 significant digits");
    return 0;
}
