// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>

// std::to_chars and std::from_chars for doubles, the forms the program uses, on every standard
// library: where the library has them (__cpp_lib_to_chars) they are called; where it has not
// (the WebAssembly build's) the portable versions below give the same bytes and the same doubles,
// through snprintf and strtod, which round correctly there too.
namespace coppia {

namespace portable {

// The shortest text that reads back to `value`, fixed or scientific, whichever is shorter:
// std::to_chars(first, last, value).
std::to_chars_result ShortestChars(char* first, char* last, double value);
// The same digits in scientific form: std::to_chars(first, last, value, scientific).
std::to_chars_result ShortestScientificChars(char* first, char* last, double value);
// `precision` digits after the point, scientific: std::to_chars(first, last, value, scientific,
// precision).
std::to_chars_result ScientificChars(char* first, char* last, double value, int precision);
// std::from_chars(first, last, value): a decimal number, "inf", "infinity", "nan" or
// "nan(chars)", with no blanks or "+" before it; a number beyond the range of a double, or too
// small for one but not zero, is result_out_of_range and leaves `value` alone.
std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value);

}  // namespace portable

inline std::to_chars_result ShortestChars(char* first, char* last, double value) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value);
#else
    return portable::ShortestChars(first, last, value);
#endif
}

inline std::to_chars_result ShortestScientificChars(char* first, char* last, double value) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, std::chars_format::scientific);
#else
    return portable::ShortestScientificChars(first, last, value);
#endif
}

inline std::to_chars_result ScientificChars(char* first, char* last, double value, int precision) {
#if defined(__cpp_lib_to_chars)
    return std::to_chars(first, last, value, std::chars_format::scientific, precision);
#else
    return portable::ScientificChars(first, last, value, precision);
#endif
}

inline std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
#if defined(__cpp_lib_to_chars)
    return std::from_chars(first, last, value);
#else
    return portable::DoubleFromChars(first, last, value);
#endif
}

}  // namespace coppia
