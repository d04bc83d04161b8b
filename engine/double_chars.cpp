// SPDX-License-Identifier: GPL-3.0-or-later
// The library's double conversions where it has none: printf's %e and %.0f and strtod round
// correctly, so the shortest text is found by asking them for one digit more at a time.
#include "engine/double_chars.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace coppia::portable {

namespace {

// |value| = d1.d2d3...dn × 10^exponent; "0" and 0 for zero.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

std::string Printed(const char* format, int precision, double value) {
    const int size = std::snprintf(nullptr, 0, format, precision, value);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, precision, value);
    text.pop_back();
    return text;
}

// printf's "%.*e" of a positive finite value, whatever the locale's decimal point.
Decimal Scientific(double magnitude, int precision) {
    const std::string text = Printed("%.*e", precision, magnitude);
    Decimal decimal;
    std::size_t at = 0;
    for (; text[at] != 'e'; ++at) {
        if (std::isdigit(static_cast<unsigned char>(text[at])))
            decimal.digits += text[at];
    }
    decimal.exponent = std::atoi(text.c_str() + at + 1);
    return decimal;
}

// Without a decimal point, so that no locale can change what strtod reads.
double Read(const Decimal& decimal) {
    const int shift = decimal.exponent - static_cast<int>(decimal.digits.size()) + 1;
    const std::string text = decimal.digits + "e" + std::to_string(shift);
    return std::strtod(text.c_str(), nullptr);
}

// The decimal one unit of its last digit away.
Decimal Step(Decimal decimal, int direction) {
    std::string& digits = decimal.digits;
    std::size_t at = digits.size();
    while (at-- > 0) {
        const char limit = direction > 0 ? '9' : '0';
        if (digits[at] != limit) {
            digits[at] = static_cast<char>(digits[at] + direction);
            break;
        }
        digits[at] = direction > 0 ? '0' : '9';
    }
    if (direction > 0 && at == std::string::npos) {  // 999 became 000: it is 100, one place up
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        ++decimal.exponent;
    } else if (digits.size() > 1 && digits.front() == '0') {  // 100 became 099
        digits.erase(digits.begin());
        --decimal.exponent;
    }
    return decimal;
}

// A decimal of `precision` + 1 digits that reads back to the value, the nearest such; none when
// there is none. Those that read back lie in one interval around the value, so if any does, the
// nearest below or the nearest above the value does. Below a power of two the doubles lie twice
// as close as above it, so the decimal nearest to the value may miss it where the next one across
// the value reads back.
std::optional<Decimal> ReadingBack(double magnitude, int precision) {
    const Decimal nearest = Scientific(magnitude, precision);
    const double back = Read(nearest);
    if (back == magnitude)
        return nearest;
    const Decimal across = Step(nearest, back > magnitude ? -1 : 1);
    if (across.digits.size() == nearest.digits.size() && Read(across) == magnitude)
        return across;
    return std::nullopt;
}

// The fewest digits that read back to the value, the nearest of them to it. A precision that has
// one has a longer one too, so the fewest are found by halving the range of precisions.
Decimal Shortest(double magnitude) {
    if (magnitude == 0)
        return Decimal{"0", 0};
    int fails = -1;  // the largest precision known to have none
    int reads = 16;  // the smallest known to have one: 17 digits always read back
    while (reads - fails > 1) {
        const int middle = (fails + reads) / 2;
        (ReadingBack(magnitude, middle) ? reads : fails) = middle;
    }
    return *ReadingBack(magnitude, reads);
}

std::string ScientificText(const Decimal& decimal) {
    std::string text = decimal.digits.substr(0, 1);
    if (decimal.digits.size() > 1)
        text.append(".").append(decimal.digits, 1);
    const int exponent = decimal.exponent;
    text += exponent < 0 ? "e-" : "e+";
    const std::string power = std::to_string(std::abs(exponent));
    return text.append(power.size() < 2 ? "0" : "").append(power);
}

// As printf's %f would write the shortest digits; a whole number exactly, digit for digit.
std::string FixedText(const Decimal& decimal, double magnitude) {
    const std::string& digits = decimal.digits;
    const int exponent = decimal.exponent;
    if (exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    if (exponent >= static_cast<int>(digits.size()) - 1)
        return Printed("%.*f", 0, magnitude);
    const auto point = static_cast<std::size_t>(exponent) + 1;
    return digits.substr(0, point) + "." + digits.substr(point);
}

std::to_chars_result Copy(char* first, char* last, bool negative, std::string_view text) {
    const std::size_t size = text.size() + (negative ? 1 : 0);
    if (static_cast<std::size_t>(last - first) < size)
        return {last, std::errc::value_too_large};
    if (negative)
        *first++ = '-';
    return {text.copy(first, text.size()) + first, std::errc()};
}

// The decimal number at the start of a text as from_chars takes it, rewritten without its point
// ("-12.5e3" as "-125e2") for strtod; `end` 0 when there is none.
struct DecimalText {
    std::size_t end = 0;
    std::string unpointed;
    bool nonZero = false;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An exponent beyond this takes any number of digits out of the range of a double, and the sum
// of the two stays far from the limits of a long long.
constexpr long long kExponentBound = 1'000'000'000;

DecimalText ScanDecimal(std::string_view text) {
    DecimalText out;
    std::size_t at = 0;
    if (at < text.size() && text[at] == '-')
        out.unpointed += text[at++];
    long long shift = 0;
    bool digits = false;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (IsDigit(text[at])) {
            out.unpointed += text[at];
            out.nonZero |= text[at] != '0';
            shift -= point ? 1 : 0;
            digits = true;
        } else if (text[at] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!digits)
        return DecimalText{};
    out.end = at;
    std::size_t e = at + 1;
    const bool hasSign = e < text.size() && (text[e] == '-' || text[e] == '+');
    const bool negative = hasSign && text[e] == '-';
    e += hasSign ? 1 : 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E') && e < text.size() &&
        IsDigit(text[e])) {
        long long exponent = 0;
        for (; e < text.size() && IsDigit(text[e]); ++e) {
            exponent = std::min(exponent * 10 + (text[e] - '0'), kExponentBound);
        }
        shift += negative ? -exponent : exponent;
        out.end = e;
    }
    out.unpointed.append("e").append(std::to_string(shift));
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    }
    return true;
}

// "inf", "infinity", "nan" and "nan(chars)", after an optional "-".
std::from_chars_result ScanNonFinite(std::string_view text, const char* first, double& value) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view rest = text.substr(negative ? 1 : 0);
    std::size_t end = 0;
    double read = 0;
    if (StartsWithNoCase(rest, "inf")) {
        end = StartsWithNoCase(rest, "infinity") ? 8 : 3;
        read = HUGE_VAL;
    } else if (StartsWithNoCase(rest, "nan")) {
        end = 3;
        std::size_t close = 4;
        while (close < rest.size() &&
               (std::isalnum(static_cast<unsigned char>(rest[close])) || rest[close] == '_')) {
            ++close;
        }
        if (rest.size() > 3 && rest[3] == '(' && close < rest.size() && rest[close] == ')')
            end = close + 1;
        read = std::nan("");
    } else {
        return {first, std::errc::invalid_argument};
    }
    value = negative ? -read : read;
    return {first + end + (negative ? 1 : 0), std::errc()};
}

std::string_view NonFinite(double value) {
    return std::isnan(value) ? "nan" : "inf";
}

}  // namespace

std::to_chars_result ShortestChars(char* first, char* last, double value) {
    const bool negative = std::signbit(value);
    if (!std::isfinite(value))
        return Copy(first, last, negative, NonFinite(value));
    const double magnitude = std::fabs(value);
    const Decimal decimal = Shortest(magnitude);
    const std::string scientific = ScientificText(decimal);
    const std::string fixed = FixedText(decimal, magnitude);
    return Copy(first, last, negative, fixed.size() <= scientific.size() ? fixed : scientific);
}

std::to_chars_result ShortestScientificChars(char* first, char* last, double value) {
    const bool negative = std::signbit(value);
    if (!std::isfinite(value))
        return Copy(first, last, negative, NonFinite(value));
    return Copy(first, last, negative, ScientificText(Shortest(std::fabs(value))));
}

std::to_chars_result ScientificChars(char* first, char* last, double value, int precision) {
    const bool negative = std::signbit(value);
    if (!std::isfinite(value))
        return Copy(first, last, negative, NonFinite(value));
    std::string text = Printed("%.*e", precision, std::fabs(value));
    // The locale's decimal point, whatever it is, stands between the first digit and the next.
    const std::size_t next = text.find_first_of("0123456789e", 1);
    // Rebuilt by appends: GCC 12 warns of an overlap, wrongly, in a replace inside the string.
    if (next > 1)
        text = std::string(1, text[0]).append(".").append(text, next);
    return Copy(first, last, negative, text);
}

std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value) {
    const std::string_view text(first, static_cast<std::size_t>(last - first));
    const DecimalText decimal = ScanDecimal(text);
    if (decimal.end == 0)
        return ScanNonFinite(text, first, value);
    const double read = std::strtod(decimal.unpointed.c_str(), nullptr);
    const bool beyond = std::isinf(read) || (read == 0 && decimal.nonZero);
    if (beyond)
        return {first + decimal.end, std::errc::result_out_of_range};
    value = read;
    return {first + decimal.end, std::errc()};
}

}  // namespace coppia::portable
