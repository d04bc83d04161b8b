// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/last_inputs_format.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace coppia {
namespace {

using Values = std::vector<std::string>;

struct EncodeRow {
    const char* name;
    LastInputsNumbers numbers;
    std::string bytes;
};

// Names the row in test listings.
void PrintTo(const EncodeRow& row, std::ostream* out) {
    *out << row.name;
}

class EncodeLastInputsTest : public testing::TestWithParam<EncodeRow> {};

TEST_P(EncodeLastInputsTest, WritesEachNumberByItsRowsPatternAndReadsBackItsLines) {
    const std::string bytes = EncodeLastInputs(GetParam().numbers);
    EXPECT_EQ(bytes, GetParam().bytes);
    Values lines;
    for (size_t at = 0; at < bytes.size();) {
        const size_t end = bytes.find("\r\n", at);
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    EXPECT_EQ(DecodeLastInputs(bytes), lines);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, EncodeLastInputsTest,
    testing::Values(
        EncodeRow{"InitialTextsMakeTheFiftyByteFile",
                  {50, 300, 60, 12, 18, 500, 20.0, 60},
                  "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n"},
        EncodeRow{"BelowTenInEveryRow",
                  {5, 5, 5, 5, 5, 5, 5, 5},
                  "05.0\r\n005.0\r\n05.0\r\n05.0\r\n05.0\r\n005.0\r\n05.0\r\n05.0\r\n"},
        EncodeRow{"MoreIntegerDigitsThanThePattern",
                  {150, 1500, 60.04, 0.05, 12.25, 60, -5, 0},
                  "150.0\r\n1500.0\r\n60.0\r\n00.1\r\n12.3\r\n060.0\r\n-05.0\r\n00.0\r\n"},
        EncodeRow{"SixteenIntegerDigitsKeepFifteen",
                  {1234567890123456.0, 9999999999999999.0, 1, 1, 1, 1, 1, 1},
                  "1234567890123460.0\r\n10000000000000000.0\r\n01.0\r\n01.0\r\n01.0\r\n"
                  "001.0\r\n01.0\r\n01.0\r\n"}),
    [](const testing::TestParamInfo<EncodeRow>& info) { return std::string(info.param.name); });

struct DecodeRow {
    const char* name;
    std::string bytes;
    Values values;
};

// Names the row in test listings.
void PrintTo(const DecodeRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << row.name;
}

class DecodeLastInputsTest : public testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeLastInputsTest, SplitsAtCommasAndLineEnds) {
    EXPECT_EQ(DecodeLastInputs(GetParam().bytes), GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeLastInputsTest,
    testing::Values(
        DecodeRow{"Empty", "", {}},
        DecodeRow{"CommaSplitsALine",
                  "1,5\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n",
                  {"1", "5", "300.0", "60.0", "12.0", "18.0", "500.0", "20.0"}},
        DecodeRow{"ThreeLines", "50.0\r\n300.0\r\n60.0\r\n", {"50.0", "300.0", "60.0"}},
        DecodeRow{"TenLines",
                  "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n",
                  {"1", "2", "3", "4", "5", "6", "7", "8"}},
        DecodeRow{"EmptyLineIsAnEmptyValue", "50.0\r\n\r\n60.0\r\n", {"50.0", "", "60.0"}},
        DecodeRow{"LeadingBlanksSkipped", "  50.0\r\n\t300\r\n", {"50.0", "300"}},
        DecodeRow{
            "QuotedValueKeepsItsCommas", "\"1,5\",2\r\n\" 3 \"x\r\n4", {"1,5", "2", " 3 ", "4"}},
        DecodeRow{"UnclosedQuoteRunsToTheEnd", "\"1,5\r\n", {"1,5\r\n"}},
        DecodeRow{"LastLineWithoutLineEnd", "50.0\r\n300.0", {"50.0", "300.0"}},
        DecodeRow{"BareLineFeedsAndCarriageReturns", "1\n2\r3\r\n", {"1", "2", "3"}},
        DecodeRow{"TrailingCommaBeforeLineEnd", "1,\r\n2\r\n", {"1", "", "2"}},
        DecodeRow{"NulAndInvalidUtf8AreCharacters",
                  std::string("\0x\r\n\xff\xfe\r\n", 7),
                  {std::string("\0x", 2), "\xff\xfe"}}),
    [](const testing::TestParamInfo<DecodeRow>& info) { return std::string(info.param.name); });

TEST(DecodeLastInputsTest, AValueCutByTheReadLimitEndsTheReading) {
    EXPECT_EQ(DecodeLastInputs("50.0\r\n300.0\r\n60", false), (Values{"50.0", "300.0"}));
    EXPECT_EQ(DecodeLastInputs("50.0\r\n300.0\r\n", false), (Values{"50.0", "300.0"}));
    EXPECT_EQ(DecodeLastInputs("50.0\r\n\"300.0\"", false), (Values{"50.0"}));
    EXPECT_EQ(DecodeLastInputs("50.0\r\n\"300", false), (Values{"50.0"}));
}

}  // namespace
}  // namespace coppia
