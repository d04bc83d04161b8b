// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

#include "engine/double_chars.h"

namespace coppia {

namespace {

bool IsIgnoredInNumber(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

std::optional<double> ReadRadixInteger(std::string_view digits, int radix) {
    double value = 0;
    for (char c : digits) {
        const int digit = DigitValue(c);
        if (digit >= radix)
            break;
        value = value * radix + digit;
        if (std::isinf(value))
            return std::nullopt;
    }
    return value;
}

// A decimal number split into its parts, so that it can be handed to from_chars (which takes
// no sign and no '+') and so that an out-of-range result can be told overflow or underflow.
struct DecimalParts {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    bool exponentNegative = false;
    std::string exponentDigits;
};

DecimalParts SplitDecimal(std::string_view text) {
    DecimalParts parts;
    size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        parts.negative = text[at] == '-';
        ++at;
    }
    while (at < text.size() && IsDigit(text[at])) parts.integerDigits += text[at++];
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && IsDigit(text[at])) parts.fractionDigits += text[at++];
    }
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        size_t exponentAt = at + 1;
        bool negative = false;
        if (exponentAt < text.size() && (text[exponentAt] == '+' || text[exponentAt] == '-')) {
            negative = text[exponentAt] == '-';
            ++exponentAt;
        }
        // An "E" without digits after it is not part of the number.
        while (exponentAt < text.size() && IsDigit(text[exponentAt])) {
            parts.exponentDigits += text[exponentAt++];
        }
        parts.exponentNegative = negative;
    }
    return parts;
}

// The exponent with its sign, saturated far beyond the range of a double so that a text
// with a thousand exponent digits neither overflows an integer nor reaches from_chars whole.
int64_t SaturatedExponent(const DecimalParts& parts) {
    constexpr int64_t kSaturation = 1'000'000;
    int64_t exponent = 0;
    for (char c : parts.exponentDigits) {
        exponent = std::min<int64_t>(exponent * 10 + (c - '0'), kSaturation);
    }
    return parts.exponentNegative ? -exponent : exponent;
}

// The decimal exponent of the first significant digit: 0 for 1..9.99, 2 for 123, -3 for 0.001.
int64_t LeadingDigitExponent(const DecimalParts& parts) {
    const size_t firstInteger = parts.integerDigits.find_first_not_of('0');
    if (firstInteger != std::string::npos) {
        return static_cast<int64_t>(parts.integerDigits.size() - firstInteger) - 1 +
               SaturatedExponent(parts);
    }
    const size_t firstFraction = parts.fractionDigits.find_first_not_of('0');
    return -static_cast<int64_t>(firstFraction) - 1 + SaturatedExponent(parts);
}

std::optional<double> ReadDecimal(std::string_view text) {
    const DecimalParts parts = SplitDecimal(text);
    const std::string allDigits = parts.integerDigits + parts.fractionDigits;
    if (allDigits.find_first_not_of('0') == std::string::npos)
        return 0.0;

    // Appended piece by piece: "0" + a string trips a false overlap warning of GCC 12 at -O3.
    std::string plain = "0";
    plain.append(parts.integerDigits).append(".").append(parts.fractionDigits);
    plain.append("e").append(std::to_string(SaturatedExponent(parts)));
    double magnitude = 0;
    const auto [end, error] = DoubleFromChars(plain.data(), plain.data() + plain.size(), magnitude);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (LeadingDigitExponent(parts) > 0)
            return std::nullopt;
        magnitude = 0;  // too small for a double
    }
    return parts.negative ? -magnitude : magnitude;
}

// Scientific digits of a value to 15 significant digits: "d.dddddddddddddde[+-]x".
struct SignificantDigits {
    std::string digits;  // 15 digits, the first non-zero
    int exponent = 0;    // decimal exponent of the first digit
};

SignificantDigits ParseScientific(std::string_view text) {
    SignificantDigits out;
    const size_t e = text.find('e');
    for (size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            out.digits += text[i];
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    out.exponent);
    return out;
}

// As few digits as read back to exactly this double.
SignificantDigits ShortestDigits(double magnitude) {
    char buffer[64];
    const auto result = ShortestScientificChars(buffer, buffer + sizeof buffer, magnitude);
    return ParseScientific(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

// The value to 15 significant digits. Within 5e-15 of the largest double those digits round
// past it and could never be read back; there the digits that reproduce the value exactly
// are taken instead.
SignificantDigits FifteenDigits(double magnitude) {
    char buffer[64];
    const auto result = ScientificChars(buffer, buffer + sizeof buffer, magnitude, 14);
    double readBack = 0;
    if (DoubleFromChars(buffer, result.ptr, readBack).ec == std::errc::result_out_of_range) {
        return ShortestDigits(magnitude);
    }
    return ParseScientific(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)));
}

// "d.dddE+x" from significant digits without trailing zeros.
std::string ExponentText(const std::string& digits, int exponent) {
    std::string text = digits.substr(0, 1);
    if (digits.size() > 1)
        text.append(".").append(digits, 1);
    text += exponent < 0 ? "E-" : "E+";
    return text + std::to_string(std::abs(exponent));
}

std::string NonFiniteText(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Inf" : "Inf";
}

// Adds one unit in the last place of a string of decimal digits; "" + 1 is "1".
std::string IncrementDigits(std::string digits) {
    for (size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

}  // namespace

std::optional<double> ReadNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (!IsIgnoredInNumber(c))
            compact += c;
    }
    if (compact.size() >= 2 && compact[0] == '&') {
        const std::string_view digits = std::string_view(compact).substr(2);
        if (compact[1] == 'H' || compact[1] == 'h')
            return ReadRadixInteger(digits, 16);
        if (compact[1] == 'O' || compact[1] == 'o')
            return ReadRadixInteger(digits, 8);
        return 0.0;
    }
    return ReadDecimal(compact);
}

std::string FormatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value))
        return NonFiniteText(value);

    const size_t point = pattern.find('.');
    const std::string_view integerPattern = pattern.substr(0, point);
    const size_t minIntegerDigits =
        static_cast<size_t>(std::count(integerPattern.begin(), integerPattern.end(), '0'));
    const size_t decimals = point == std::string_view::npos ? 0 : pattern.size() - point - 1;

    // The 15-digit decimal form, laid out as integer digits and fraction digits.
    std::string integerDigits = "0";
    std::string fractionDigits;
    if (value != 0) {
        const SignificantDigits significant = FifteenDigits(std::fabs(value));
        const int integerCount = significant.exponent + 1;
        const int digitCount = static_cast<int>(significant.digits.size());
        if (integerCount <= 0) {
            fractionDigits =
                std::string(static_cast<size_t>(-integerCount), '0') + significant.digits;
        } else if (integerCount >= digitCount) {
            integerDigits = significant.digits +
                            std::string(static_cast<size_t>(integerCount - digitCount), '0');
        } else {
            integerDigits = significant.digits.substr(0, static_cast<size_t>(integerCount));
            fractionDigits = significant.digits.substr(static_cast<size_t>(integerCount));
        }
    }

    // Half away from zero: only the first dropped digit decides, on the magnitude.
    fractionDigits.resize(std::max(fractionDigits.size(), decimals + 1), '0');
    const bool roundUp = fractionDigits[decimals] >= '5';
    std::string kept = integerDigits + fractionDigits.substr(0, decimals);
    if (roundUp)
        kept = IncrementDigits(kept);

    std::string integerPart = kept.substr(0, kept.size() - decimals);
    const std::string fractionPart = kept.substr(kept.size() - decimals);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size()));
    if (integerPart.size() < minIntegerDigits) {
        integerPart.insert(0, minIntegerDigits - integerPart.size(), '0');
    }

    std::string text = value < 0 ? "-" : "";
    text += integerPart;
    if (decimals > 0)
        text += "." + fractionPart;
    return text;
}

std::string FormatPlainNumber(double value) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0)
        return "0";

    SignificantDigits significant = FifteenDigits(std::fabs(value));
    std::string& digits = significant.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int integerCount = significant.exponent + 1;
    const int digitCount = static_cast<int>(digits.size());

    std::string text = value < 0 ? "-" : "";
    if (integerCount < -4 || integerCount > 15) {
        text += ExponentText(digits, significant.exponent);
    } else if (integerCount <= 0) {
        text += "0." + std::string(static_cast<size_t>(-integerCount), '0') + digits;
    } else if (integerCount >= digitCount) {
        text += digits + std::string(static_cast<size_t>(integerCount - digitCount), '0');
    } else {
        text += digits.substr(0, static_cast<size_t>(integerCount)) + "." +
                digits.substr(static_cast<size_t>(integerCount));
    }
    return text;
}

std::optional<double> ReadWholeNumber(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    std::string number(text);
    std::size_t at = 0;
    const auto digits = [&number, &at] {
        const std::size_t start = at;
        while (at < number.size() && IsDigit(number[at])) ++at;
        return at - start;
    };
    if (at < number.size() && (number[at] == '+' || number[at] == '-'))
        ++at;
    std::size_t mantissaDigits = digits();
    if (at < number.size() && (number[at] == '.' || number[at] == ',')) {
        number[at++] = '.';
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (at < number.size() && (number[at] == 'e' || number[at] == 'E')) {
        ++at;
        if (at < number.size() && (number[at] == '+' || number[at] == '-'))
            ++at;
        if (digits() == 0)
            return std::nullopt;
    }
    if (at != number.size())
        return std::nullopt;
    return ReadDecimal(number);
}

std::string FormatPowerOfTen(double value) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0)
        return "0";
    char buffer[32];
    const auto end = ScientificChars(buffer, buffer + sizeof buffer, value, 3).ptr;
    const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = scientific.find('e');
    int exponent = 0;
    const std::size_t exponentAt = e + (scientific[e + 1] == '+' ? 2 : 1);
    std::from_chars(scientific.data() + exponentAt, scientific.data() + scientific.size(),
                    exponent);
    std::string text(scientific.substr(0, e));
    if (exponent == 0)
        return text;
    static constexpr std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴",
                                                         "⁵", "⁶", "⁷", "⁸", "⁹"};
    text += "·10";
    if (exponent < 0)
        text += "⁻";
    for (const char digit : std::to_string(std::abs(exponent))) {
        text += kSuperscripts[digit - '0'];
    }
    return text;
}

std::string FormatFigure(double value, int decimals) {
    if (std::fabs(value) >= 1e9)
        return FormatPowerOfTen(value);
    std::string pattern = "#0";
    if (decimals > 0)
        pattern.append(".").append(static_cast<std::size_t>(decimals), '0');
    return FormatNumber(value, pattern);
}

std::string TorqueText(double torque) {
    return FormatFigure(torque, 2);
}

}  // namespace coppia
