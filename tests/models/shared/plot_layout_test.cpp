// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/plot_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "models/shared/elided_names.h"
#include "models/shared/plot.h"
#include "models/shared/plot_labels.h"

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

// Scale --------------------------------------------------------------------------------------

struct ScalePlotRow {
    const char* name;
    PlotBounds bounds;
    double rating;
    double high;  // of the scale
    bool ratingOnThePlot;
};

void PrintTo(const ScalePlotRow& row, std::ostream* out) {
    *out << row.name;
}

class ScalePlotTest : public testing::TestWithParam<ScalePlotRow> {};

TEST_P(ScalePlotTest, RisesToARatingAboveEveryCurveUnlessItIsFarBeyondThem) {
    const ScalePlotRow& row = GetParam();
    PlotData plot;
    plot.ratings = {{"Servo: 3.00 Kg*cm", row.rating, {}}};
    ScalePlot(plot, row.bounds);
    EXPECT_DOUBLE_EQ(plot.scale.high, row.high);
    EXPECT_EQ(plot.ratings[0].value.has_value(), row.ratingOnThePlot);
    if (row.ratingOnThePlot) {
        EXPECT_LE(*plot.ratings[0].value, plot.scale.high) << "its line lies on the plot";
    } else {
        EXPECT_EQ(plot.ratings[0].name, "Servo: 3.00 Kg*cm, fuori scala");
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ScalePlotTest,
                         testing::Values(ScalePlotRow{"AboveEveryCurve", {0, 1.46}, 3, 4, true},
                                         ScalePlotRow{"AmongTheCurves", {0, 3.23}, 3, 4, true},
                                         ScalePlotRow{
                                             "WithinTenTimesTheirReach", {0, 0.5}, 4.9, 6, true},
                                         ScalePlotRow{"FarBeyondThem", {0, 0.1}, 3, 0.12, false}),
                         [](const auto& info) { return std::string(info.param.name); });

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
    std::vector<std::vector<std::pair<double, double>>> lines = {};  // to keep clear
};

void PrintTo(const LabelRow& row, std::ostream* out) {
    *out << row.name;
}

class PlaceLabelsTest : public testing::TestWithParam<LabelRow> {};

double Distance(const PlotRect& box, const LabelWish& to) {
    const double dy = std::max({box.top - to.y, 0.0, to.y - box.bottom()});
    const double dx = to.level ? 0 : std::max({box.left - to.x, 0.0, to.x - box.right()});
    return std::hypot(dx, dy);
}

TEST_P(PlaceLabelsTest, EachBesideWhatItNamesNearestToItOrLeftOut) {
    const LabelRow& row = GetParam();
    const std::vector<std::optional<PlotRect>> placed =
        PlaceLabels(row.labels, {kArea, kClear, row.lines, 1.5});
    ASSERT_EQ(placed.size(), row.expected.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        ASSERT_EQ(placed[i].has_value(), row.expected[i].has_value()) << i;
        if (!placed[i])
            continue;
        EXPECT_DOUBLE_EQ(placed[i]->left, row.expected[i]->first) << i;
        EXPECT_DOUBLE_EQ(placed[i]->top, row.expected[i]->second) << i;
        EXPECT_DOUBLE_EQ(placed[i]->width, row.labels[i].width);
        EXPECT_TRUE(kArea.Holds(*placed[i])) << i;
        const LabelWish& own = row.labels[i];
        for (std::size_t j = 0; j < placed.size(); ++j) {
            const LabelWish& other = row.labels[j];
            if (!other.level) {
                EXPECT_FALSE(placed[i]->Overlaps(
                    {other.x - kClear, other.y - kClear, 2 * kClear, 2 * kClear}))
                    << i << " covers point " << j;
            }
            const bool samePlace =
                other.level == own.level && other.y == own.y && (own.level || other.x == own.x);
            if (j != i && !samePlace && (own.level || !other.level)) {
                EXPECT_LT(Distance(*placed[i], own), Distance(*placed[i], other))
                    << i << " stands nearer to " << j;
            }
            if (j != i && placed[j]) {
                EXPECT_FALSE(placed[i]->Overlaps(*placed[j])) << i << " and " << j;
            }
        }
    }
}

LabelWish Level(double y, double width) {
    return {0, y, width, 12, true};
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlaceLabelsTest,
    testing::Values(
        LabelRow{"AboveRightWhereThereIsRoom", {{100, 50, 30, 12}}, {{{106, 32}}}},
        LabelRow{"BelowLeftInTheTopRightCorner", {{195, 5, 30, 12}}, {{{159, 11}}}},
        LabelRow{"AboveLeftOfTheRightEdge", {{190, 50, 30, 12}}, {{{154, 32}}}},
        LabelRow{"SecondAtTheSamePointGoesLeft",
                 {{100, 50, 30, 12}, {100, 50, 30, 12}},
                 {{{106, 32}}, {{64, 32}}}},
        LabelRow{"MoreAtOnePointGoAllRound",
                 {{100, 50, 30, 12},
                  {100, 50, 30, 12},
                  {100, 50, 30, 12},
                  {100, 50, 30, 12},
                  {100, 50, 30, 12}},
                 {{{106, 32}}, {{64, 32}}, {{106, 56}}, {{64, 56}}, {{106, 44}}}},
        // Above right of the first point would stand as near to the second: it goes the other
        // way, and so does the second.
        LabelRow{"NearbyPointsLabelledAwayFromEachOther",
                 {{100, 50, 30, 12}, {110, 52, 30, 12}},
                 {{{64, 32}}, {{116, 34}}}},
        LabelRow{"NeverNearerAnotherCurvesPoint",
                 {{100, 50, 30, 12}, {142, 38, 30, 12}},
                 {{{64, 32}}, {{148, 20}}}},
        LabelRow{"OffTheThickLine", {{100, 50, 30, 12}}, {{{64, 32}}}, {{{100, 50}, {150, 20}}}},
        LabelRow{"NowhereOffTheLines",
                 {{100, 50, 30, 12}},
                 {std::nullopt},
                 {{{0, 0}, {200, 100}},
                  {{0, 100}, {200, 0}},
                  {{0, 50}, {200, 50}},
                  {{100, 0}, {100, 100}}}},
        LabelRow{"WiderThanTheArea", {{100, 50, 250, 12}}, {std::nullopt}},
        // A servo's line: at its left end, above it, else below; else at its right end.
        LabelRow{"LevelLineAtItsLeftEnd", {Level(50, 40)}, {{{2, 36}}}},
        LabelRow{"LevelLineBelowWhereAPointIsAbove",
                 {{20, 40, 30, 12}, Level(50, 40)},
                 {{{26, 22}}, {{2, 52}}}},
        LabelRow{"LevelLinesCloseTogetherLabelledApart",
                 {Level(50, 40), Level(56, 40)},
                 {{{2, 36}}, {{2, 58}}}},
        LabelRow{"None", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DrawingOrderTest, TheThickLineFirstSoThatACurveOnItStaysInSight) {
    std::vector<PlotCurve> curves(4);
    curves[2].modelSpeed = true;
    EXPECT_EQ(DrawingOrder(curves), (std::vector<std::size_t>{2, 0, 1, 3}));
}

TEST(RatingLabelsTest, SayTheirValueAndThatEqualOnesCoincide) {
    const std::vector<PlotRating> ratings = {{"Servo di A: 3.00 Kg*cm", 3.0, 0},
                                             {"Servo di B: 1.20 Kg*cm", 1.2, 1},
                                             {"Servo di C: 3.00 Kg*cm", 3.0001, 2},
                                             {"Servo di D, fuori scala", std::nullopt, 3},
                                             {"Servo di E: 3.00 Kg*cm", 2.9999, 4}};
    EXPECT_EQ(RatingLabels(ratings), (std::vector<std::string>{"3 servi da 3.00: coincidono",
                                                               "Servo da 1.20", "", "", ""}));
    const std::vector<std::optional<std::size_t>> coincide = {std::nullopt, std::nullopt, 0,
                                                              std::nullopt, 0};
    EXPECT_EQ(CoincidingRatings(ratings), coincide);
}

// Legend rows --------------------------------------------------------------------------------

struct LegendRow {
    const char* name;
    std::vector<double> widths;
    std::size_t mostRows;
    std::vector<std::optional<std::size_t>> rowOf;
    std::vector<double> leftOf;
    std::vector<double> widthOf;
    std::size_t rows;
    std::size_t leftOut = 0;
};

void PrintTo(const LegendRow& row, std::ostream* out) {
    *out << row.name;
}

class LegendRowsTest : public testing::TestWithParam<LegendRow> {};

TEST_P(LegendRowsTest, NamesEveryEntryElseSaysHowManyAreLeftOut) {
    const LegendRow& row = GetParam();
    const LegendLayout layout = LegendRows(row.widths, 200, 10, row.mostRows, 60);
    EXPECT_EQ(layout.rowOf, row.rowOf);
    EXPECT_EQ(layout.leftOf, row.leftOf);
    EXPECT_EQ(layout.widthOf, row.widthOf);
    EXPECT_EQ(layout.rows, row.rows);
    EXPECT_LE(layout.rows, std::max<std::size_t>(row.mostRows, 1));
    EXPECT_EQ(layout.leftOut, row.leftOut);
    const auto shown = static_cast<std::size_t>(std::count_if(
        layout.rowOf.begin(), layout.rowOf.end(), [](auto r) { return r.has_value(); }));
    EXPECT_EQ(shown + layout.leftOut, row.widths.size()) << "each entry shown or counted";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LegendRowsTest,
    testing::Values(
        LegendRow{"OneRow", {50, 50, 50}, 5, {0, 0, 0}, {0, 60, 120}, {50, 50, 50}, 1},
        LegendRow{"ExactlyFull", {95, 95}, 5, {0, 0}, {0, 105}, {95, 95}, 1},
        LegendRow{"Wraps", {150, 150, 40}, 5, {0, 1, 1}, {0, 0, 160}, {150, 150, 40}, 2},
        LegendRow{"WideOneAlone", {500, 50}, 5, {0, 1}, {0, 0}, {200, 50}, 2},
        LegendRow{"WideOneAfterOthers", {50, 500, 50}, 5, {0, 1, 2}, {0, 0, 0}, {50, 200, 50}, 3},
        // More than the rows hold as they come: in two columns, each elided to its cell.
        LegendRow{"InColumns", {150, 150, 150}, 2, {0, 0, 1}, {0, 105, 0}, {95, 95, 95}, 2},
        LegendRow{"InThreeColumns",
                  {150, 150, 150, 150, 150},
                  2,
                  {0, 0, 0, 1, 1},
                  {0, 70, 140, 0, 70},
                  {60, 60, 60, 60, 60},
                  2},
        // Columns narrower than 60 would not read: the last cell says how many more there are.
        LegendRow{"TheRestCounted",
                  {150, 150, 150, 150, 150, 150, 150, 150},
                  2,
                  {0, 0, 0, 1, 1, std::nullopt, std::nullopt, std::nullopt},
                  {0, 70, 140, 0, 70, 0, 0, 0},
                  {60, 60, 60, 60, 60, 0, 0, 0},
                  2,
                  3},
        LegendRow{"Empty", {}, 3, {}, {}, {}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LegendRowsTest, TheLastCellSaysHowManyMoreThereAre) {
    const LegendLayout layout = LegendRows(std::vector<double>(8, 150), 200, 10, 2, 60);
    EXPECT_EQ(layout.moreRow, 1u);
    EXPECT_DOUBLE_EQ(layout.moreLeft, 140);
    EXPECT_DOUBLE_EQ(layout.moreWidth, 60);
    EXPECT_EQ(MoreEntries(layout.leftOut), "… e altre 3");
}

// Names cut apart ------------------------------------------------------------------------------

struct ElideRow {
    const char* name;
    std::vector<std::string> names;
    std::size_t room;  // characters
    std::vector<std::string> elided;
};

void PrintTo(const ElideRow& row, std::ostream* out) {
    *out << row.name;
}

class ElideApartTest : public testing::TestWithParam<ElideRow> {};

std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

TEST_P(ElideApartTest, KeepsWhatTellsTheNamesApart) {
    const ElideRow& row = GetParam();
    const std::vector<std::string> elided = ElideApart(
        row.names,
        [&row](std::size_t, const std::string& text) { return CharacterCount(text) <= row.room; });
    EXPECT_EQ(elided, row.elided);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ElideApartTest,
    testing::Values(ElideRow{"ShortOnesWhole", {"Timone", "Flap"}, 10, {"Timone", "Flap"}},
                    // Alike at the start and at the end: where they differ stays.
                    ElideRow{"DifferInTheMiddle",
                             {"Alettone sinistro esterno dell'ala principale",
                              "Alettone sinistro interno dell'ala principale",
                              "Alettone destro esterno dell'ala principale"},
                             24,
                             {"Alettone sinistro ester…", "Alettone sinistro inter…",
                              "Alettone dest…principale"}},
                    // Alike at the start: the end stays.
                    ElideRow{"DifferAtTheEnd",
                             {"Alettone sinistro esterno", "Alettone sinistro interno"},
                             16,
                             {"Aletto…o esterno", "Aletto…o interno"}},
                    // Nothing alike: as much of the start as of the end.
                    ElideRow{"NothingAlike",
                             {"Elevatore intero con squadretta centrale", "Timone"},
                             15,
                             {"Elevato…entrale", "Timone"}},
                    ElideRow{"WholeCharacters", {"àèìòùàèìòù"}, 5, {"àè…òù"}},
                    ElideRow{"TheSameNameTwice",
                             {"Flap sinistro vicino", "Flap sinistro vicino"},
                             9,
                             {"Flap…cino", "Flap…cino"}}),
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
