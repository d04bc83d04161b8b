// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/plot_layout.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace coppia {
namespace {

// Ticks -------------------------------------------------------------------------------------

struct TickRow {
    const char* name;
    PlotScale scale;
    std::vector<double> major;
    std::vector<double> minor;
};

void PrintTo(const TickRow& row, std::ostream* out) {
    *out << row.name;
}

class TicksTest : public testing::TestWithParam<TickRow> {};

void ExpectValues(const std::vector<double>& got, const std::vector<double>& expected) {
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], expected[i], 1e-12) << i;
}

TEST_P(TicksTest, FallOnWholeStepsFromZero) {
    ExpectValues(MajorTicks(GetParam().scale), GetParam().major);
    ExpectValues(MinorTicks(GetParam().scale), GetParam().minor);
}

INSTANTIATE_TEST_SUITE_P(
    Scales, TicksTest,
    testing::Values(
        TickRow{
            "Deflection", kDeflectionScale, {0, 10, 20, 30, 40, 50, 60}, {5, 15, 25, 35, 45, 55}},
        TickRow{"TenthsInFifths",
                {0, 0.4, 0.2, 3, 1},
                {0, 0.2, 0.4},
                {0.05, 0.1, 0.15, 0.25, 0.3, 0.35}},
        TickRow{"BelowZero",
                {-1, 1, 0.5, 4, 1},
                {-1, -0.5, 0, 0.5, 1},
                {-0.9, -0.8, -0.7, -0.6, -0.4, -0.3, -0.2, -0.1, 0.1, 0.2, 0.3, 0.4, 0.6, 0.7, 0.8,
                 0.9}},
        // A scale of RoundScale's: 0 is a tick whatever the low end.
        TickRow{
            "Round",
            RoundScale(-0.3, 1.1),
            {-0.5, 0, 0.5, 1, 1.5},
            {-0.4, -0.3, -0.2, -0.1, 0.1, 0.2, 0.3, 0.4, 0.6, 0.7, 0.8, 0.9, 1.1, 1.2, 1.3, 1.4}},
        TickRow{"Flat", {1, 1, 0.2, 3, 1}, {}, {}}, TickRow{"NoStep", {0, 1, 0, 3, 1}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TicksTest, MinorLinesLieStrictlyBetweenMajorOnes) {
    const PlotScale scale = RoundScale(0, 7.3);
    const std::vector<double> major = MajorTicks(scale);
    const std::vector<double> minor = MinorTicks(scale);
    EXPECT_EQ(minor.size(), (major.size() - 1) * static_cast<std::size_t>(scale.minorTicks));
    for (const double value : minor) {
        for (const double tick : major) EXPECT_GT(std::abs(value - tick), scale.step / 10);
    }
}

// Mapping -----------------------------------------------------------------------------------

TEST(PlotMappingTest, PutsTheScalesCornersOnTheAreasCorners) {
    const PlotMapping mapping({50, 10, 600, 300}, kDeflectionScale, {-1, 2, 0.5, 4, 1});
    EXPECT_DOUBLE_EQ(mapping.X(0), 50);
    EXPECT_DOUBLE_EQ(mapping.X(60), 650);
    EXPECT_DOUBLE_EQ(mapping.X(30), 350);
    EXPECT_DOUBLE_EQ(mapping.Y(-1), 310);
    EXPECT_DOUBLE_EQ(mapping.Y(2), 10);
    EXPECT_DOUBLE_EQ(mapping.Y(0), 210);
    EXPECT_DOUBLE_EQ(mapping.DeflectionAt(350), 30);
    EXPECT_DOUBLE_EQ(mapping.DeflectionAt(mapping.X(17)), 17);
}

TEST(PlotMappingTest, AFlatScaleStaysOnTheArea) {
    const PlotMapping mapping({0, 0, 100, 100}, kDeflectionScale, {1, 1, 0.2, 3, 1});
    EXPECT_DOUBLE_EQ(mapping.Y(5), 100);
}

TEST(PixelCentreTest, PutsALineInTheMiddleOfItsPixel) {
    EXPECT_DOUBLE_EQ(PixelCentre(10), 10.5);
    EXPECT_DOUBLE_EQ(PixelCentre(10.99), 10.5);
    EXPECT_DOUBLE_EQ(PixelCentre(-0.2), -0.5);
}

// Labels ------------------------------------------------------------------------------------

constexpr PlotRect kArea{0, 0, 200, 100};
constexpr double kClear = 5;

struct LabelRow {
    const char* name;
    std::vector<LabelWish> labels;
    // Each label's place: its left and top, or none.
    std::vector<std::optional<std::pair<double, double>>> expected;
};

void PrintTo(const LabelRow& row, std::ostream* out) {
    *out << row.name;
}

class PlaceLabelsTest : public testing::TestWithParam<LabelRow> {};

TEST_P(PlaceLabelsTest, KeepsLabelsApartInsideTheAreaOrLeavesThemOut) {
    const LabelRow& row = GetParam();
    const std::vector<std::optional<PlotRect>> placed = PlaceLabels(row.labels, kArea, kClear);
    ASSERT_EQ(placed.size(), row.expected.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        ASSERT_EQ(placed[i].has_value(), row.expected[i].has_value()) << i;
        if (!placed[i])
            continue;
        EXPECT_DOUBLE_EQ(placed[i]->left, row.expected[i]->first) << i;
        EXPECT_DOUBLE_EQ(placed[i]->top, row.expected[i]->second) << i;
        EXPECT_DOUBLE_EQ(placed[i]->width, row.labels[i].width);
        EXPECT_TRUE(kArea.Holds(*placed[i])) << i;
        for (std::size_t j = 0; j < placed.size(); ++j) {
            const LabelWish& point = row.labels[j];
            EXPECT_FALSE(
                placed[i]->Overlaps({point.x - kClear, point.y - kClear, 2 * kClear, 2 * kClear}))
                << i << " covers point " << j;
            if (j != i && placed[j]) {
                EXPECT_FALSE(placed[i]->Overlaps(*placed[j])) << i << " and " << j;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlaceLabelsTest,
    testing::Values(LabelRow{"AboveRightWhereThereIsRoom", {{100, 50, 30, 12}}, {{{106, 32}}}},
                    LabelRow{"BelowLeftInTheTopRightCorner", {{195, 5, 30, 12}}, {{{159, 11}}}},
                    LabelRow{"AboveLeftOfTheRightEdge", {{190, 50, 30, 12}}, {{{154, 32}}}},
                    LabelRow{"SecondAtTheSamePointGoesLeft",
                             {{100, 50, 30, 12}, {100, 50, 30, 12}},
                             {{{106, 32}}, {{64, 32}}}},
                    LabelRow{"AFifthAtOnePointHasNoRoom",
                             {{100, 50, 30, 12},
                              {100, 50, 30, 12},
                              {100, 50, 30, 12},
                              {100, 50, 30, 12},
                              {100, 50, 30, 12}},
                             {{{106, 32}}, {{64, 32}}, {{106, 56}}, {{64, 56}}, std::nullopt}},
                    LabelRow{"NearbyPointsMoveTheSecondLabel",
                             {{100, 50, 30, 12}, {110, 52, 30, 12}},
                             {{{106, 32}}, {{116, 58}}}},
                    LabelRow{"WiderThanTheArea", {{100, 50, 250, 12}}, {std::nullopt}},
                    LabelRow{"None", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

// Legend rows --------------------------------------------------------------------------------

struct LegendRow {
    const char* name;
    std::vector<double> widths;
    std::size_t mostRows;
    std::vector<std::optional<std::size_t>> rowOf;
    std::vector<double> leftOf;
    std::size_t rows;
};

void PrintTo(const LegendRow& row, std::ostream* out) {
    *out << row.name;
}

class LegendRowsTest : public testing::TestWithParam<LegendRow> {};

TEST_P(LegendRowsTest, FillsRowsInOrder) {
    const LegendRow& row = GetParam();
    const LegendLayout layout = LegendRows(row.widths, 200, 10, row.mostRows);
    EXPECT_EQ(layout.rowOf, row.rowOf);
    EXPECT_EQ(layout.leftOf, row.leftOf);
    EXPECT_EQ(layout.rows, row.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LegendRowsTest,
    testing::Values(
        LegendRow{"OneRow", {50, 50, 50}, 5, {0, 0, 0}, {0, 60, 120}, 1},
        LegendRow{"ExactlyFull", {95, 95}, 5, {0, 0}, {0, 105}, 1},
        LegendRow{"Wraps", {150, 150, 40}, 5, {0, 1, 1}, {0, 0, 160}, 2},
        LegendRow{"WideOneAlone", {500, 50}, 5, {0, 1}, {0, 0}, 2},
        LegendRow{"WideOneAfterOthers", {50, 500, 50}, 5, {0, 1, 2}, {0, 0, 0}, 3},
        LegendRow{"BeyondTheRowsLeftOut", {150, 150, 150}, 2, {0, 1, std::nullopt}, {0, 0, 0}, 2},
        LegendRow{"Empty", {}, 3, {}, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// Coinciding curves ---------------------------------------------------------------------------

PlotCurve Curve(const char* name, std::vector<std::pair<double, double>> points) {
    PlotCurve curve;
    curve.name = name;
    curve.points = std::move(points);
    return curve;
}

TEST(CoincidingCurvesTest, NamesTheFirstCurveEachOneHides) {
    const std::vector<PlotCurve> curves = {
        Curve("A", {{0, 0}, {1, 0.5}, {2, 1.25}}),
        Curve("B", {{0, 0}, {1, 0.5}, {2, 1.25}}),
        Curve("C", {{0, 0}, {1, 0.5}, {2, 1.26}}),
        Curve("D", {{0, 0}, {1, 0.5}, {2, 1.25 + 1e-13}}),
        Curve("E", {{0, 0}, {1, 0.5}}),
        Curve("F", {{0, 0}, {1, 0.5}, {3, 1.25}}),
        Curve("G", {}),
        Curve("H", {}),
        Curve("I", {{0, 0}, {1, 0.5}, {2, 1.26}}),
    };
    const std::vector<std::optional<std::size_t>> expected = {
        std::nullopt, 0, std::nullopt, 0, std::nullopt, std::nullopt, std::nullopt,
        std::nullopt, 2};
    EXPECT_EQ(CoincidingCurves(curves), expected);
}

// Description ---------------------------------------------------------------------------------

PlotData AnalysisPlot() {
    PlotData plot;
    plot.curves = {Curve("48 Km/h", {{19, 0.3}, {20, 0.35}}),
                   Curve("60 Km/h, modello", {{19, 0.5}, {20, 0.52}, {60, 1.23}}),
                   Curve("90 Km/h, picchiata", {{20, 1.11}})};
    plot.curves[1].modelSpeed = true;
    plot.curves[1].mark = std::make_pair(60.0, 1.23);
    plot.curves[1].markLabel = "1.23";
    plot.curves[0].mark = std::make_pair(60.0, 0.8);
    plot.curves[0].markLabel = "0.80";
    plot.deflection = 20.2;
    plot.ratings = {{"Servo: 3.00 Kg*cm", 3.0, {}}};
    return plot;
}

PlotData ModelPlot() {
    PlotData plot;
    plot.curves = {Curve("Alettone sinistro", {{15, 0.52}}), Curve("Flap", {})};
    plot.curves[0].mark = std::make_pair(15.0, 0.52);
    plot.curves[0].markLabel = "0.52";
    plot.ratings = {{"Servo di Alettone sinistro: 3.00 Kg*cm", 3.0, 0}};
    return plot;
}

TEST(DescribePlotTest, SaysThePeakAndTheCurrentValueInWords) {
    EXPECT_EQ(DescribePlot(AnalysisPlot()),
              "Coppia massima 1.23 Kg*cm a 60 Km/h, modello a 60°; deflessione attuale 20.2°, "
              "coppia 0.52 Kg*cm; Servo: 3.00 Kg*cm");
    PlotData noDeflection = AnalysisPlot();
    noDeflection.deflection.reset();
    EXPECT_EQ(DescribePlot(noDeflection),
              "Coppia massima 1.23 Kg*cm a 60 Km/h, modello a 60°; Servo: 3.00 Kg*cm");
    EXPECT_EQ(DescribePlot(ModelPlot()),
              "Alettone sinistro: 0.52 Kg*cm a 15°; Flap: nessun punto; Servo di Alettone "
              "sinistro: 3.00 Kg*cm");
    EXPECT_EQ(DescribePlot(PlotData{}), "Nessuna curva da mostrare");
}

TEST(DescribePlotTest, CutsAHugeNameToAFewHundredLetters) {
    PlotData plot = ModelPlot();
    plot.curves[0].name = std::string(100000, 'a');
    const std::string words = DescribePlot(plot);
    EXPECT_EQ(words.substr(0, 200), std::string(200, 'a'));
    EXPECT_EQ(words.substr(200, 28), "…: 0.52 Kg*cm a 15°; Flap");
}

struct CutRow {
    const char* text;
    std::size_t most;
    const char* cut;
};

class CutTextTest : public testing::TestWithParam<CutRow> {};

TEST_P(CutTextTest, KeepsWholeCharacters) {
    EXPECT_EQ(CutText(GetParam().text, GetParam().most), GetParam().cut);
}

INSTANTIATE_TEST_SUITE_P(Rows, CutTextTest,
                         testing::Values(CutRow{"abc", 2, "ab"}, CutRow{"àèì", 2, "àè"},
                                         CutRow{"a€b", 2, "a€"}, CutRow{"ab", 5, "ab"},
                                         CutRow{"ab", 2, "ab"}, CutRow{"", 3, ""},
                                         CutRow{"abc", 0, ""}));

}  // namespace
}  // namespace coppia
