// SPDX-License-Identifier: GPL-3.0-or-later
// Eight arbitrary field texts, written and read back: each value must read as the number the
// line was written from. A text with a separator of its own (comma, line end, quote) shifts the
// values after it, which the file format allows; only the texts before the first such one
// are compared.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/number_text.h"
#include "fuzz/fuzz_check.h"
#include "settings/last_inputs_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    coppia::LastInputsTexts texts;
    size_t at = 0;
    for (auto& text : texts) {
        const size_t end = input.find('\x1f', at);  // unit separator splits the fields
        text = std::string(input.substr(at, end == std::string_view::npos ? end : end - at));
        at = end == std::string_view::npos ? input.size() : end + 1;
    }
    const std::string bytes = coppia::EncodeLastInputs(texts);
    const auto values = coppia::DecodeLastInputs(bytes);
    for (size_t row = 0; row < texts.size(); ++row) {
        if (texts[row].find_first_of(",\r\n\"") != std::string::npos)
            break;
        FUZZ_CHECK(row < values.size(), "every plain line is read");
        const std::string line =
            coppia::LastInputsLine(texts[row], coppia::kLastInputsLayout[row].pattern);
        const auto written = coppia::ReadNumber(line);
        const auto read = coppia::ReadNumber(values[row]);
        FUZZ_CHECK(written.has_value() == read.has_value(), "a value reads as its line does");
        if (written)
            FUZZ_CHECK(*written == *read, "a value reads as the number of its line");
    }
    return 0;
}
