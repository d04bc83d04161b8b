// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/double_chars.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tests/double_bits.h"

namespace coppia {
namespace {

// Without the library to compare with, the conversions are only read back, and printf is slow
// in WebAssembly: a share of the random values is enough for that.
#if defined(__cpp_lib_to_chars)
constexpr int kShare = 1;
#else
constexpr int kShare = 20;
#endif

// The doubles where a shortest text is easy to get wrong, each family in the hundreds of
// thousands or in full.
struct Family {
    const char* name;
    std::function<std::vector<double>()> values;
};

std::vector<double> RandomBitPatterns() {
    std::mt19937_64 random(20261208);
    std::vector<double> values;
    while (values.size() < 200'000 / kShare) {
        const double value = DoubleWithBits(random());
        if (std::isfinite(value))
            values.push_back(value);
    }
    return values;
}

// Every power of two with its neighbours: below one the doubles lie twice as close as above.
std::vector<double> PowersOfTwo() {
    std::vector<double> values;
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        const double power = std::ldexp(1.0, exponent);
        values.insert(values.end(),
                      {power, std::nextafter(power, 0.0), std::nextafter(power, HUGE_VAL), -power});
    }
    return values;
}

// Whole numbers beyond 2^53, which a fixed text must write digit for digit, and the halves and
// quarters below it, where two decimals lie equally near.
std::vector<double> ExactIntegers() {
    std::mt19937_64 random(53);
    std::vector<double> values;
    for (int i = 0; i < 40'000 / kShare; ++i) {
        const int bits = 53 + static_cast<int>(random() % 30);
        values.push_back(std::ldexp(static_cast<double>(random() >> 11), bits - 53));
        values.push_back(std::ldexp(1.0, 51) + static_cast<double>(random() % 4096) * 0.25);
        values.push_back(static_cast<double>(random() % 100000) * std::pow(10.0, i % 23));
    }
    return values;
}

std::vector<double> Subnormals() {
    std::mt19937_64 random(1074);
    std::vector<double> values;
    for (int i = 0; i < 50'000 / kShare; ++i)
        values.push_back(DoubleWithBits(random() >> (12 + i % 52)));
    return values;
}

// The ends of the range, around the powers of ten where fixed and scientific texts change
// length, and the values a field holds.
std::vector<double> Boundaries() {
    std::vector<double> values = {0.0,  -0.0, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1e-5,
                                  1e-4, 1e-3, 0.1,     0.5,      60,      20.5,         12.5,
                                  1e15, 1e16, 1e21,    1e22,     1e23,    2e-308,       4.9e-324};
    for (int exponent = -325; exponent <= 308; ++exponent) {
        double power = std::pow(10.0, exponent);
        for (int step = 0; step < 3; ++step) {
            values.insert(values.end(), {power, 9 * power, 5 * power});
            power = std::nextafter(power, HUGE_VAL);
        }
        power = std::pow(10.0, exponent);
        for (int step = 0; step < 3; ++step) values.push_back(power = std::nextafter(power, 0.0));
    }
    return values;
}

void PrintTo(const Family& family, std::ostream* out) {
    *out << family.name;
}

class DoubleCharsTest : public testing::TestWithParam<Family> {};

std::string Text(std::to_chars_result (*write)(char*, char*, double), double value) {
    char buffer[400];
    const std::to_chars_result result = write(buffer, buffer + sizeof buffer, value);
    EXPECT_EQ(result.ec, std::errc());
    return std::string(buffer, result.ptr);
}

#if !defined(__cpp_lib_to_chars)
// Where there is no library to compare with: every text at least reads back to its double.
TEST_P(DoubleCharsTest, ShortestTextsReadBack) {
    int failures = 0;
    for (const double value : GetParam().values()) {
        for (const auto write : {&portable::ShortestChars, &portable::ShortestScientificChars}) {
            const std::string text = Text(write, value);
            double back = -1;
            const std::from_chars_result read =
                portable::DoubleFromChars(text.data(), text.data() + text.size(), back);
            const bool same = read.ec == std::errc() && read.ptr == text.data() + text.size() &&
                              std::memcmp(&back, &value, sizeof value) == 0;
            if (!same && ++failures <= 5)
                ADD_FAILURE() << text << " of " << value << " read back as " << back;
        }
    }
}
#else
// Where the library has the conversions, the portable ones give the same bytes and doubles.
TEST_P(DoubleCharsTest, SameAsTheLibrary) {
#if defined(_WIN32)
    // The portable conversions stand on printf and strtod rounding correctly, as glibc's and
    // the WebAssembly library's do; Windows' C runtime reads some texts one bit off (the
    // neighbours of 2^-792, say), and the Windows build calls the library's conversions anyway.
    GTEST_SKIP() << "the portable conversions serve only libraries without their own, and "
                    "Windows' strtod does not round every text correctly";
#endif
    std::mt19937 random(1);
    int failures = 0;
    const auto expectSame = [&](const std::string& portable, const std::string& library,
                                double value, const char* form) {
        if (portable != library && ++failures <= 8) {
            ADD_FAILURE() << form << " of " << std::hexfloat << value << ": portable " << portable
                          << ", library " << library;
        }
    };
    for (const double value : GetParam().values()) {
        char buffer[400];
        expectSame(Text(&portable::ShortestChars, value),
                   std::string(buffer, std::to_chars(buffer, buffer + 400, value).ptr), value,
                   "shortest");
        expectSame(
            Text(&portable::ShortestScientificChars, value),
            std::string(
                buffer,
                std::to_chars(buffer, buffer + 400, value, std::chars_format::scientific).ptr),
            value, "scientific");
        const int precision = static_cast<int>(random() % 20);
        char mine[400];
        expectSame(
            std::string(mine, portable::ScientificChars(mine, mine + 400, value, precision).ptr),
            std::string(buffer, std::to_chars(buffer, buffer + 400, value,
                                              std::chars_format::scientific, precision)
                                    .ptr),
            value, "scientific with a precision");
        // Read back at one digit fewer than needed, so that rounding is what is compared.
        const std::string digits(mine, ScientificChars(mine, mine + 400, value, 15).ptr);
        double fromPortable = 7;
        double fromLibrary = 7;
        const auto a =
            portable::DoubleFromChars(digits.data(), digits.data() + digits.size(), fromPortable);
        const auto b = std::from_chars(digits.data(), digits.data() + digits.size(), fromLibrary);
        if ((a.ec != b.ec || a.ptr != b.ptr ||
             std::memcmp(&fromPortable, &fromLibrary, sizeof fromLibrary) != 0) &&
            ++failures <= 8) {
            ADD_FAILURE() << "reading " << digits << ": portable " << fromPortable << ", library "
                          << fromLibrary;
        }
    }
}
#endif

INSTANTIATE_TEST_SUITE_P(
    Doubles, DoubleCharsTest,
    testing::Values(Family{"RandomBitPatterns", RandomBitPatterns},
                    Family{"PowersOfTwo", PowersOfTwo}, Family{"ExactIntegers", ExactIntegers},
                    Family{"Subnormals", Subnormals}, Family{"Boundaries", Boundaries}),
    [](const testing::TestParamInfo<Family>& info) { return std::string(info.param.name); });

struct ReadRow {
    const char* text;
    std::errc error;
    int consumed;
    double value;  // 7 where the value is left as it was
};

void PrintTo(const ReadRow& row, std::ostream* out) {
    *out << '"' << row.text << '"';
}

class DoubleFromCharsTest : public testing::TestWithParam<ReadRow> {};

// Pinned from the library's answers, so that the WebAssembly build is held to them as well.
TEST_P(DoubleFromCharsTest, ReadsAsTheLibraryDoes) {
    const ReadRow& row = GetParam();
    const char* text = row.text;
    double value = 7;
    const std::from_chars_result read = DoubleFromChars(text, text + std::strlen(text), value);
    EXPECT_EQ(read.ec, row.error);
    EXPECT_EQ(read.ptr - text, row.consumed);
    if (std::isnan(row.value)) {
        EXPECT_TRUE(std::isnan(value));
    } else {
        EXPECT_EQ(value, row.value);
    }
#if defined(__cpp_lib_to_chars)
    double portable = 7;
    const auto mine = portable::DoubleFromChars(text, text + std::strlen(text), portable);
    EXPECT_EQ(mine.ec, read.ec);
    EXPECT_EQ(mine.ptr, read.ptr);
    EXPECT_EQ(std::isnan(portable), std::isnan(value));
    EXPECT_EQ(std::signbit(portable), std::signbit(value));
    if (!std::isnan(value)) {
        EXPECT_EQ(portable, value);
    }
#endif
}

constexpr std::errc kOk{};
constexpr std::errc kRange = std::errc::result_out_of_range;
constexpr std::errc kInvalid = std::errc::invalid_argument;

INSTANTIATE_TEST_SUITE_P(
    Texts, DoubleFromCharsTest,
    testing::Values(
        ReadRow{"1e-400", kRange, 6, 7}, ReadRow{"4.9e-324", kOk, 8, 4.9e-324},
        ReadRow{"2.4703282292062327e-324", kRange, 23, 7},
        ReadRow{"2.4703282292062328e-324", kOk, 23, DBL_TRUE_MIN}, ReadRow{"1e400", kRange, 5, 7},
        ReadRow{"-1e400", kRange, 6, 7}, ReadRow{"inf", kOk, 3, HUGE_VAL},
        ReadRow{"-infinity", kOk, 9, -HUGE_VAL}, ReadRow{"INFinit", kOk, 3, HUGE_VAL},
        ReadRow{"nan(abc)", kOk, 8, NAN}, ReadRow{"nan(ab", kOk, 3, NAN},
        ReadRow{"nan()", kOk, 5, NAN}, ReadRow{" 1", kInvalid, 0, 7}, ReadRow{"+1", kInvalid, 0, 7},
        ReadRow{"-", kInvalid, 0, 7}, ReadRow{".", kInvalid, 0, 7}, ReadRow{"", kInvalid, 0, 7},
        ReadRow{"1e", kOk, 1, 1}, ReadRow{"1e+", kOk, 1, 1}, ReadRow{"1E-2", kOk, 4, 0.01},
        ReadRow{".5", kOk, 2, 0.5}, ReadRow{"5.", kOk, 2, 5}, ReadRow{"1.2.3", kOk, 3, 1.2},
        ReadRow{"0x10", kOk, 1, 0}, ReadRow{"1.5e3x", kOk, 5, 1500}, ReadRow{"-0", kOk, 2, -0.0},
        ReadRow{"0e999999999999999999999", kOk, 23, 0},
        ReadRow{"1e-999999999999999999999", kRange, 24, 7},
        ReadRow{"0.000000000000000000000000000001e30", kOk, 35, 1},
        ReadRow{"2.2250738585072011e-308", kOk, 23, 2.2250738585072009e-308},
        ReadRow{"1.7976931348623157e308", kOk, 22, DBL_MAX},
        ReadRow{"1.7976931348623159e308", kRange, 22, 7}));

}  // namespace
}  // namespace coppia
