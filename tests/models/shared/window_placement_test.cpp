// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/window_placement.h"

#include <gtest/gtest.h>

#include <vector>

#include <ostream>

namespace coppia {
namespace {

// The main window is 639 × 374; the analysis window at most 700 × 700 and at least 600 wide;
// 12 pixels apart.
constexpr ScreenSize kMain{639, 374};
constexpr ScreenSize kAnalysis{700, 700};
constexpr int kGap = 12;
constexpr int kNarrowest = 600;

bool Within(const ScreenRect& inner, const ScreenRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

struct PairRow {
    const char* name;
    ScreenRect screen;  // the free area, below a top panel where there is one
};

void PrintTo(const PairRow& row, std::ostream* out) {
    *out << row.name;
}

class SideBySideTest : public testing::TestWithParam<PairRow> {};

TEST_P(SideBySideTest, BothWhollyOnScreenApartAndCentredAsAPair) {
    const ScreenRect& screen = GetParam().screen;
    const PairPlacement pair = PlaceSideBySide(screen, kMain, kAnalysis, kGap, kNarrowest);
    EXPECT_EQ(pair.main.width, kMain.width);
    EXPECT_TRUE(Within(pair.main, screen));
    EXPECT_TRUE(Within(pair.beside, screen));
    EXPECT_FALSE(Overlap(pair.main, pair.beside));
    EXPECT_EQ(pair.beside.left, pair.main.right() + kGap) << "beside it, on the right";
    EXPECT_EQ(pair.main.top, pair.beside.top);
    EXPECT_LE(std::abs((pair.main.left - screen.left) - (screen.right() - pair.beside.right())), 1)
        << "centred across";
}

INSTANTIATE_TEST_SUITE_P(Screens, SideBySideTest,
                         testing::Values(PairRow{"Laptop", {0, 0, 1366, 768}},
                                         PairRow{"LaptopWithPanel", {0, 32, 1366, 736}},
                                         PairRow{"FullHd", {0, 0, 1920, 1080}},
                                         PairRow{"SecondScreen", {1920, 0, 2560, 1440}},
                                         // 2560 × 1440 at a scale of 2: narrowed to 629.
                                         PairRow{"DoubleScale", {0, 0, 1280, 720}}));

TEST(SideBySideTest, WhereThePairCannotFitTheMainWindowIsCentredAndTheOtherFitsTheScreen) {
    // 1366 × 768 at a scale of 1.25, with a panel.
    const ScreenRect screen{0, 26, 1093, 588};
    const PairPlacement pair = PlaceSideBySide(screen, kMain, kAnalysis, kGap, kNarrowest);
    EXPECT_EQ(pair.main, (ScreenRect{227, 133, 639, 374}));
    EXPECT_TRUE(Within(pair.beside, screen));
    EXPECT_EQ(pair.beside.height, 588) << "the screen's height: its pages scroll";
}

struct BesideRow {
    const char* name;
    ScreenRect screen;
    ScreenRect main;
    ScreenSize size;
    ScreenRect expected;
};

void PrintTo(const BesideRow& row, std::ostream* out) {
    *out << row.name;
}

class PlaceBesideTest : public testing::TestWithParam<BesideRow> {};

TEST_P(PlaceBesideTest, GoesWhereThereIsRoomElseCoversTheMainWindowTheLeast) {
    const BesideRow& row = GetParam();
    const ScreenRect placed = PlaceBeside(row.screen, row.main, row.size, kGap, kNarrowest);
    EXPECT_EQ(placed, row.expected);
    EXPECT_TRUE(Within(placed, row.screen));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceBesideTest,
    testing::Values(
        // Centred on a wide screen: narrowed to the room on the right, level with its top.
        BesideRow{"RightOfCentre",
                  {0, 0, 1920, 1080},
                  {640, 353, 639, 374},
                  kAnalysis,
                  {1291, 353, 629, 700}},
        BesideRow{"RightOfCentreOnAWiderScreen",
                  {0, 0, 2560, 1440},
                  {960, 533, 639, 374},
                  kAnalysis,
                  {1611, 533, 700, 700}},
        // Moved to the right edge: the left has room.
        BesideRow{"LeftOfTheRightEdge",
                  {0, 0, 1920, 1080},
                  {1281, 100, 639, 374},
                  kAnalysis,
                  {569, 100, 700, 700}},
        // Against the left edge of a laptop: room on the right, lowered to stay on screen.
        BesideRow{"RightOfTheLeftEdge",
                  {0, 0, 1366, 768},
                  {0, 300, 639, 374},
                  kAnalysis,
                  {651, 68, 700, 700}},
        // Centred on a laptop: no side has room even narrowed; at the right edge it covers 336
        // columns of the main window, at the left 337.
        BesideRow{
            "NeitherSide", {0, 0, 1366, 768}, {363, 197, 639, 374}, kAnalysis, {666, 68, 700, 700}},
        // A short window goes below the main window rather than over it.
        BesideRow{"Below",
                  {0, 0, 1366, 768},
                  {363, 0, 639, 374},
                  ScreenSize{700, 300},
                  {666, 386, 700, 300}},
        // Larger than the screen (a large scale): cut to it.
        BesideRow{"LargerThanTheScreen",
                  {0, 0, 683, 384},
                  {22, 5, 639, 374},
                  kAnalysis,
                  {0, 0, 683, 384}}));

struct AmongRow {
    const char* name;
    ScreenRect screen;
    ScreenRect main;
    std::vector<ScreenRect> others;
    ScreenSize size;
    ScreenRect placed;
    ScreenRect mainAfter;
};

void PrintTo(const AmongRow& row, std::ostream* out) {
    *out << row.name;
}

class PlaceAmongTest : public testing::TestWithParam<AmongRow> {};

TEST_P(PlaceAmongTest, NeverOverTheMainWindowWhereTheScreenHasRoomAndLeastOverTheOthers) {
    const AmongRow& row = GetParam();
    const PairPlacement placed = PlaceAmong(row.screen, row.main, row.others, row.size, 12, 600);
    EXPECT_EQ(placed.beside, row.placed);
    EXPECT_EQ(placed.main, row.mainAfter);
}

constexpr ScreenSize kModel{1100, 900};

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceAmongTest,
    testing::Values(
        // Exactly the room there is, the gap kept.
        AmongRow{"FitsExactlyBeside",
                 {0, 0, 1366, 768},
                 {0, 0, 650, 420},
                 {},
                 {704, 700},
                 {662, 0, 704, 700},
                 {0, 0, 650, 420}},
        AmongRow{"GapKeptOnTheLeft",
                 {0, 0, 1366, 768},
                 {700, 0, 650, 420},
                 {},
                 {600, 700},
                 {88, 0, 600, 700},
                 {700, 0, 650, 420}},
        // Centred on a laptop, neither side leaves 600: the main window moves over, as little as
        // it must, and the model window stands 600 wide beside it.
        AmongRow{"MainWindowMakesRoom",
                 {0, 0, 1366, 768},
                 {358, 100, 650, 420},
                 {},
                 kModel,
                 {766, 0, 600, 768},
                 {104, 100, 650, 420}},
        // A short window goes below the main window: nothing need move.
        AmongRow{"BelowWithoutMoving",
                 {0, 0, 1366, 768},
                 {363, 0, 639, 374},
                 {},
                 {700, 300},
                 {666, 386, 700, 300},
                 {363, 0, 639, 374}},
        // The analysis on the right: the model window takes the left, clear of both.
        AmongRow{"ClearOfTheAnalysis",
                 {0, 0, 1920, 1080},
                 {635, 300, 650, 420},
                 {{1297, 300, 623, 700}},
                 kModel,
                 {0, 180, 623, 900},
                 {635, 300, 650, 420}},
        // No room for three: never over the main window, and the least over the analysis.
        AmongRow{"LeastOverTheAnalysis",
                 {0, 0, 1366, 768},
                 {0, 0, 650, 420},
                 {{662, 0, 704, 700}},
                 kModel,
                 {662, 0, 600, 768},
                 {0, 0, 650, 420}}));

}  // namespace
}  // namespace coppia
