// SPDX-License-Identifier: GPL-3.0-or-later
// The last-inputs reader on arbitrary file bytes, whole or cut by the read limit.
#include <cstdint>
#include <string_view>

#include "files/last_inputs_format.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool complete = data[0] & 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto values = coppia::DecodeLastInputs(bytes, complete);
    FUZZ_CHECK(values.size() <= coppia::kLastInputsLayout.size(), "at most eight values");
    size_t total = 0;
    for (const auto& value : values) total += value.size();
    FUZZ_CHECK(total <= bytes.size(), "values come from the bytes");
    if (!complete) {
        const auto whole = coppia::DecodeLastInputs(bytes, true);
        FUZZ_CHECK(values.size() <= whole.size(), "a cut file gives no more values than whole");
        for (size_t i = 0; i < values.size(); ++i) {
            FUZZ_CHECK(values[i] == whole[i], "the values before the cut are the same");
        }
    }
    return 0;
}
