// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace coppia {

// The number at the start of a field's text, read the same way whatever the user's locale:
// blanks, tabs and line feeds are ignored wherever they stand ("1 2" is 12); then an optional
// sign, digits with at most one "." and an optional exponent (E or e, optional sign, digits)
// are read up to the first other character ("60 km/h" is 60, "1,5" is 1). "&H" and "&O"
// start a hexadecimal or octal integer. A text without a leading number reads as 0.
// Empty only when the number lies beyond the range of a double ("1e400"); a number too small
// for a double reads as 0.
std::optional<double> ReadNumber(std::string_view text);

// The text of a value by a pattern of '#', '0' and one '.': the value is first taken to 15
// significant digits, then rounded half away from zero to the pattern's decimals, which are
// always written; the '0's before the point set the least number of integer digits.
// "-" goes before the digits of a negative value; the separator is always ".".
std::string FormatNumber(double value, std::string_view pattern);

// The shortest plain text of a value to 15 significant digits: "50", "20.5", "0.5", "-5".
// Magnitudes that would need more than 15 digits' worth of zeros are written with an exponent
// ("1.5E+20"), which ReadNumber reads back.
std::string FormatPlainNumber(double value);

// One number and nothing else, as the fields of the analysis take it: blanks may stand before
// and after it, and a comma is the decimal point as a typed one is ("1,5" is 1.5). Anything
// more ("1,5 kg", "1\n5", "1.5.2", "") gives nothing, as does a number beyond the range of a
// double.
std::optional<double> ReadWholeNumber(std::string_view text);

// Four significant digits times a power of ten, as a person writes it: "6.932·10⁻¹⁰".
std::string FormatPowerOfTen(double value);

// A figure for people to read: `decimals` decimals after at least one integer digit ("0.05",
// "3.23", "-0.42"); from a thousand million up, as FormatPowerOfTen writes it, so that an
// absurd input never fills a field with a hundred digits.
std::string FormatFigure(double value, int decimals);

// A torque as the analysis writes it: two decimals, "0.52" where the main window shows "00.52".
std::string TorqueText(double torque);

}  // namespace coppia
