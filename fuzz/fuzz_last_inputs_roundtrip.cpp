// SPDX-License-Identifier: GPL-3.0-or-later
// Eight arbitrary numbers, written and read back: the file is always eight lines, and each
// value reads as the number its line was written from.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/number_text.h"
#include "files/last_inputs_format.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    coppia::LastInputsNumbers numbers{};
    for (size_t row = 0; row < numbers.size(); ++row) {
        double number = 0;
        if ((row + 1) * sizeof number <= size)
            std::memcpy(&number, data + row * sizeof number, sizeof number);
        // What ReadNumber gives a field: a finite double.
        numbers[row] = std::isfinite(number) ? number : 0;
    }
    const std::string bytes = coppia::EncodeLastInputs(numbers);
    const auto values = coppia::DecodeLastInputs(bytes);
    FUZZ_CHECK(values.size() == numbers.size(), "eight values, one a line");
    size_t lineEnds = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2))
        ++lineEnds;
    FUZZ_CHECK(lineEnds == numbers.size(), "eight lines, each ended by CR LF");
    for (size_t row = 0; row < numbers.size(); ++row) {
        const std::string line =
            coppia::FormatNumber(numbers[row], coppia::kLastInputsLayout[row].pattern);
        FUZZ_CHECK(values[row] == line, "each line is its number by its row's pattern");
        FUZZ_CHECK(coppia::ReadNumber(values[row]).has_value(), "each line reads as a number");
    }
    return 0;
}
