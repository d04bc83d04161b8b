// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/last_inputs_format.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace coppia {
namespace {

using Values = std::vector<std::string>;

const LastInputsTexts kInitialTexts = {"50", "300", "60", "12", "18", "500", "20.0", "60"};

TEST(LastInputsFormatTest, InitialTextsMakeTheFiftyByteFile) {
    const std::string bytes = EncodeLastInputs(kInitialTexts);
    EXPECT_EQ(bytes, "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n");
    EXPECT_EQ(bytes.size(), 50u);
    EXPECT_EQ(DecodeLastInputs(bytes),
              (Values{"50.0", "300.0", "60.0", "12.0", "18.0", "500.0", "20.0", "60.0"}));
}

struct LineRow {
    const char* text;
    const char* pattern;
    const char* line;
};

// Names the row in test listings.
void PrintTo(const LineRow& row, std::ostream* out) {
    std::ostream& os = *out;
    os << '"' << row.text << "\" by " << row.pattern;
}

class LastInputsLineTest : public testing::TestWithParam<LineRow> {};

TEST_P(LastInputsLineTest, WritesNumbersByThePatternAndOtherTextsUnchanged) {
    EXPECT_EQ(LastInputsLine(GetParam().text, GetParam().pattern), GetParam().line)
        << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LastInputsLineTest,
    testing::Values(LineRow{"5", "#00.0", "05.0"}, LineRow{"60", "#000.0", "060.0"},
                    LineRow{"150", "#00.0", "150.0"}, LineRow{"-5", "#00.0", "-05.0"},
                    LineRow{" 75 ", "#00.0", "75.0"}, LineRow{"12.25", "#00.0", "12.3"},
                    LineRow{"300", "#000.0", "300.0"}, LineRow{"+.5", "#00.0", "00.5"},
                    LineRow{"1e2", "#00.0", "100.0"}, LineRow{"5.", "#00.0", "05.0"},
                    LineRow{"abc", "#00.0", "abc"}, LineRow{"", "#00.0", ""},
                    LineRow{"12abc", "#00.0", "12abc"}, LineRow{"1,5", "#00.0", "1,5"},
                    LineRow{"1 2", "#00.0", "1 2"}, LineRow{".", "#00.0", "."},
                    LineRow{"-", "#00.0", "-"}, LineRow{"1e", "#00.0", "1e"},
                    LineRow{"1e400", "#00.0", "1e400"}, LineRow{"60 km/h", "#00.0", "60 km/h"},
                    LineRow{"velocità", "#00.0", "velocità"}));

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

TEST(LastInputsFormatTest, WrittenTextsReadBackAsTheirNumbers) {
    const LastInputsTexts texts = {"5", " 75 ", "12.25", "abc", "", "-05.0", "1e3", "x,y"};
    EXPECT_EQ(DecodeLastInputs(EncodeLastInputs(texts)),
              (Values{"05.0", "075.0", "12.3", "abc", "", "-005.0", "1000.0", "x"}));
}

}  // namespace
}  // namespace coppia
