// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <ostream>

#include <clocale>
#include <cmath>
#include <limits>

namespace coppia {
namespace {

struct ReadRow {
    const char* text;
    double value;
};

// Names the row in test listings.
void PrintTo(const ReadRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << '"' << row.text << '"';
}

class ReadNumberTest : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber) {
    const auto value = ReadNumber(GetParam().text);
    ASSERT_TRUE(value.has_value()) << GetParam().text;
    EXPECT_EQ(*value, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    testing::Values(
        ReadRow{"60", 60}, ReadRow{"20.0", 20}, ReadRow{"-20.0", -20}, ReadRow{"+7.5", 7.5},
        ReadRow{"1 2", 12}, ReadRow{" \t1\n2 ", 12}, ReadRow{"- 5", -5}, ReadRow{"60 km/h", 60},
        ReadRow{"1,5", 1}, ReadRow{"1.2.3", 1.2}, ReadRow{".5", 0.5}, ReadRow{"-.5", -0.5},
        ReadRow{"5.", 5}, ReadRow{"1e3", 1000}, ReadRow{"1E3", 1000}, ReadRow{"2.5e-1", 0.25},
        ReadRow{"1E+2x", 100}, ReadRow{"1e", 1}, ReadRow{"1e+", 1}, ReadRow{"1 e 2", 100},
        ReadRow{"&H1F", 31}, ReadRow{"&hff", 255}, ReadRow{"&O17", 15}, ReadRow{"&o17", 15},
        ReadRow{"&o8", 0}, ReadRow{"&H", 0}, ReadRow{"&X12", 0}, ReadRow{"", 0}, ReadRow{"abc", 0},
        ReadRow{"-", 0}, ReadRow{"+", 0}, ReadRow{".", 0}, ReadRow{"E5", 0}, ReadRow{"\r5", 0},
        ReadRow{"1e-400", 0}, ReadRow{"0e999999999999", 0},
        ReadRow{"1.7976931348623157e308", 1.7976931348623157e308}, ReadRow{"4.9e-324", 4.9e-324},
        ReadRow{"0.1", 0.1}, ReadRow{"00000000000000000000000000012.5", 12.5}));

TEST(ReadNumberTest, ALoneSignReadsAsPositiveZero) {
    EXPECT_FALSE(std::signbit(*ReadNumber("-")));
}

TEST(ReadNumberTest, ANumberBeyondTheDoubleRangeIsAFailure) {
    for (const char* text : {"1e400", "-1e400", "2e308", "1e99999999999999999999",
                             "179769313486231580793728971405303415079934132710037826936173778980"
                             "444968292764750946649017977587207096330286416692887910946555547851"
                             "940402630657488671505820681908902000708383676273854845817711531764"
                             "475730270069855571366959622842914819860834936475292719074168444365"
                             "510704342711559699508093042880177904174497792"}) {
        EXPECT_FALSE(ReadNumber(text).has_value()) << text;
    }
}

TEST(ReadNumberTest, AHexNumberBeyondTheDoubleRangeIsAFailure) {
    EXPECT_FALSE(ReadNumber("&H" + std::string(300, 'F')).has_value());
}

struct FormatRow {
    double value;
    const char* pattern;
    const char* text;
};

// Names the row in test listings.
void PrintTo(const FormatRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.value << " by " << row.pattern;
}

class FormatNumberTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumberTest, WritesThePattern) {
    EXPECT_EQ(FormatNumber(GetParam().value, GetParam().pattern), GetParam().text)
        << GetParam().value << " by " << GetParam().pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatNumberTest,
    testing::Values(FormatRow{12.25, "#00.0", "12.3"}, FormatRow{0.15, "#0.0", "0.2"},
                    FormatRow{0.5192016, "#00.00", "00.52"}, FormatRow{0.5192016, "#0.00", "0.52"},
                    FormatRow{162.884, "#00.00", "162.88"},
                    FormatRow{-0.4236142, "#00.00", "-00.42"},
                    FormatRow{0.28799995, "#0.00", "0.29"}, FormatRow{2.5919996, "#0.00", "2.59"},
                    FormatRow{0.0096018, "#00.00", "00.01"},
                    FormatRow{3.1757109, "#00.00", "03.18"},
                    FormatRow{0.1001724, "#00.00", "00.10"}, FormatRow{0, "#0.00", "0.00"},
                    FormatRow{60, "##0.0", "60.0"}, FormatRow{-60, "##0.0", "-60.0"},
                    FormatRow{5, "#00.0", "05.0"}, FormatRow{60, "#000.0", "060.0"},
                    FormatRow{150, "#00.0", "150.0"}, FormatRow{-5, "#00.0", "-05.0"},
                    FormatRow{300, "#000.0", "300.0"}, FormatRow{20.83717, "##0.0", "20.8"},
                    FormatRow{20.83717, "#0.0", "20.8"}, FormatRow{0.05, "#0.0", "0.1"},
                    FormatRow{-0.05, "#0.0", "-0.1"}, FormatRow{9.95, "#0.0", "10.0"},
                    FormatRow{99.995, "#00.00", "100.00"}, FormatRow{0.004, "#0.00", "0.00"},
                    FormatRow{1.005, "#0.00", "1.01"}, FormatRow{2.675, "#0.00", "2.68"},
                    FormatRow{1e20, "#0.0", "100000000000000000000.0"},
                    FormatRow{123456789012345678.0, "#0.0", "123456789012346000.0"},
                    FormatRow{1e-300, "#0.0", "0.0"}, FormatRow{-0.0, "#0.0", "0.0"},
                    FormatRow{0.5, "#", "1"}, FormatRow{175.3004, "#0.0", "175.3"}));

TEST(FormatNumberTest, HashPatternsAgree) {
    for (double value : {0.0, 0.04, 0.05, 7.25, -7.25, 99.95, 123.456, -0.0001, 1e10}) {
        EXPECT_EQ(FormatNumber(value, "##0.0"), FormatNumber(value, "#0.0")) << value;
    }
}

TEST(FormatNumberTest, TheLargestDoublesReadBack) {
    // Fifteen digits of these would round past the largest double.
    for (double value : {1.7976931348623157e308, 1.7976931348623153e308, -1.797693134862315e308}) {
        const std::string text = FormatNumber(value, "#000.0");
        ASSERT_TRUE(ReadNumber(text).has_value()) << value;
        EXPECT_NEAR(*ReadNumber(text), value, std::fabs(value) * 1e-14);
    }
}

TEST(FormatNumberTest, WritesHugeValuesWhole) {
    const std::string text = FormatNumber(1e308, "#00.00");
    EXPECT_EQ(text.size(), 309u + 3u);
    EXPECT_EQ(text.substr(0, 15), "100000000000000");
    EXPECT_EQ(text.substr(text.size() - 3), ".00");
}

struct PlainRow {
    double value;
    const char* text;
};

// Names the row in test listings.
void PrintTo(const PlainRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.value;
}

class FormatPlainNumberTest : public testing::TestWithParam<PlainRow> {};

TEST_P(FormatPlainNumberTest, WritesTheShortestPlainText) {
    EXPECT_EQ(FormatPlainNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatPlainNumberTest,
                         testing::Values(PlainRow{50, "50"}, PlainRow{20.5, "20.5"},
                                         PlainRow{0.5, "0.5"}, PlainRow{-5, "-5"}, PlainRow{0, "0"},
                                         PlainRow{-0.0, "0"}, PlainRow{300, "300"},
                                         PlainRow{0.1, "0.1"}, PlainRow{12.3, "12.3"},
                                         PlainRow{1.0 / 3, "0.333333333333333"},
                                         PlainRow{0.00012, "0.00012"},
                                         PlainRow{123456789012345.0, "123456789012345"},
                                         PlainRow{1.5e20, "1.5E+20"}, PlainRow{-2e-9, "-2E-9"}));

TEST(FormatPlainNumberTest, LargeAndSmallTextsReadBackToFifteenDigits) {
    for (double value :
         {1.5e20, 1.7976931348623157e308, 4.9e-324, 1.2345678901234567e-7, -9.87654321e25, 1e16}) {
        const auto back = ReadNumber(FormatPlainNumber(value));
        ASSERT_TRUE(back.has_value()) << value;
        EXPECT_EQ(FormatNumber(*back, "#0.0"), FormatNumber(value, "#0.0")) << value;
        EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << value;
    }
}

struct FigureRow {
    double value;
    int decimals;  // below 0: FormatPowerOfTen
    const char* text;
};

void PrintTo(const FigureRow& row, std::ostream* out) {
    *out << row.value << " to " << row.decimals;
}

class FormatFigureTest : public testing::TestWithParam<FigureRow> {};

TEST_P(FormatFigureTest, WritesAFigureAPersonReads) {
    const FigureRow& row = GetParam();
    EXPECT_EQ(
        row.decimals < 0 ? FormatPowerOfTen(row.value) : FormatFigure(row.value, row.decimals),
        row.text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatFigureTest,
                         testing::Values(FigureRow{0.0519, 2, "0.05"}, FigureRow{3.225, 2, "3.23"},
                                         FigureRow{-0.4236142, 2, "-0.42"},
                                         FigureRow{162.884, 2, "162.88"},
                                         FigureRow{0.05091, 4, "0.0509"}, FigureRow{5, 0, "5"},
                                         FigureRow{999999999.994, 2, "999999999.99"},
                                         FigureRow{1e9, 2, "1.000·10⁹"},
                                         FigureRow{-1.7e308, 2, "-1.700·10³⁰⁸"},
                                         FigureRow{6.932468e-10, -1, "6.932·10⁻¹⁰"},
                                         FigureRow{1.2345e-5, -1, "1.234·10⁻⁵"},
                                         FigureRow{2.5, -1, "2.500"}, FigureRow{0, -1, "0"}));

// Qt sets the user's locale at start; none of the number texts may follow it.
TEST(NumberTextLocaleTest, ItalianLocaleChangesNothing) {
#if defined(_WIN32)
    constexpr const char* kItalian = "Italian_Italy.1252";  // Windows' name for it_IT
#else
    constexpr const char* kItalian = "it_IT.UTF-8";
#endif
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, kItalian) == nullptr) {
        GTEST_SKIP() << kItalian << " is not installed";
    }
    EXPECT_EQ(*ReadNumber("12.5"), 12.5);
    EXPECT_EQ(*ReadNumber("1,5"), 1);
    EXPECT_EQ(FormatNumber(12.25, "#00.0"), "12.3");
    EXPECT_EQ(FormatNumber(-0.4236142, "#00.00"), "-00.42");
    EXPECT_EQ(FormatPlainNumber(20.5), "20.5");
    EXPECT_EQ(FormatPlainNumber(1.5e20), "1.5E+20");
    EXPECT_EQ(*ReadWholeNumber("1,5"), 1.5);
    EXPECT_EQ(*ReadWholeNumber("73.2"), 73.2);
    EXPECT_EQ(FormatFigure(73.25, 1), "73.3");
    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace coppia
