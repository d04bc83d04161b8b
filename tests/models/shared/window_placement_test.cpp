// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/window_placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace coppia {
namespace {

// The main window is 639 × 374; the analysis window at most 700 × 700 and at least 600 × 280;
// the model window at most 1100 × 900 and at least 600 × 491; 12 pixels apart.
constexpr ScreenSize kMain{639, 374};
constexpr ScreenSize kAnalysis{700, 700};
constexpr ScreenSize kAnalysisSmallest{600, 280};
constexpr ScreenSize kModel{1100, 900};
constexpr ScreenSize kModelSmallest{600, 491};
constexpr int kGap = 12;

bool Within(const ScreenRect& inner, const ScreenRect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
           inner.bottom() <= outer.bottom();
}

bool Overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

long long Covered(const ScreenRect& a, const ScreenRect& b) {
    const long long width = std::min(a.right(), b.right()) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom(), b.bottom()) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// At least a tenth of `window` stays in sight of `over`.
void ExpectInSight(const ScreenRect& window, const ScreenRect& over) {
    const long long area = static_cast<long long>(window.width) * window.height;
    EXPECT_GE((area - Covered(window, over)) * 10, area);
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
    const PairPlacement pair = PlaceSideBySide(screen, kMain, kAnalysis, kGap, kAnalysisSmallest);
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

struct CentredRow {
    const char* name;
    ScreenRect screen;
    ScreenRect main;
    ScreenRect beside;
};

void PrintTo(const CentredRow& row, std::ostream* out) {
    *out << row.name;
}

class PairTooWideTest : public testing::TestWithParam<CentredRow> {};

TEST_P(PairTooWideTest, TheMainWindowIsCentredAndTheOtherCoversItTheLeast) {
    const CentredRow& row = GetParam();
    const PairPlacement pair =
        PlaceSideBySide(row.screen, kMain, kAnalysis, kGap, kAnalysisSmallest);
    EXPECT_EQ(pair.main, row.main);
    EXPECT_EQ(pair.beside, row.beside);
    EXPECT_TRUE(Within(pair.beside, row.screen));
    ExpectInSight(pair.main, pair.beside);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PairTooWideTest,
    testing::Values(
        // 1366 × 768 at a scale of 1.25, with a panel: over the main window's top right corner,
        // as short as it may be.
        CentredRow{"Scaled", {0, 26, 1093, 588}, {227, 133, 639, 374}, {493, 26, 600, 280}},
        // Larger than the screen (a large scale): cut to it.
        CentredRow{"LargerThanTheScreen", {0, 0, 683, 384}, {22, 5, 639, 374}, {83, 0, 600, 280}}));

struct AmongRow {
    const char* name;
    ScreenRect screen;
    ScreenRect main;
    std::vector<OpenWindow> others;
    ScreenSize size;
    ScreenSize smallest;
    ScreenRect placed;
    ScreenRect mainAfter;
};

void PrintTo(const AmongRow& row, std::ostream* out) {
    *out << row.name;
}

class PlaceAmongTest : public testing::TestWithParam<AmongRow> {};

TEST_P(PlaceAmongTest, CoversTheLeastAndHidesNoWindow) {
    const AmongRow& row = GetParam();
    const PairPlacement placed =
        PlaceAmong(row.screen, row.main, row.others, row.size, kGap, row.smallest);
    EXPECT_EQ(placed.beside, row.placed);
    EXPECT_EQ(placed.main, row.mainAfter);
    EXPECT_TRUE(Within(placed.beside, row.screen));
    EXPECT_TRUE(Within(placed.main, row.screen));
    ExpectInSight(placed.main, placed.beside);
    for (const OpenWindow& other : row.others) {
        ExpectInSight(other.frame, placed.beside);
        EXPECT_FALSE(Overlap(other.frame, placed.main) && !Overlap(other.frame, row.main))
            << "the main window moves over no other";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, PlaceAmongTest,
    testing::Values(
        // Centred on a wide screen: narrowed to the room on the right, level with its top.
        AmongRow{"RightOfCentre",
                 {0, 0, 1920, 1080},
                 {640, 353, 639, 374},
                 {},
                 kAnalysis,
                 kAnalysisSmallest,
                 {1291, 353, 629, 700},
                 {640, 353, 639, 374}},
        AmongRow{"RightOfCentreOnAWiderScreen",
                 {0, 0, 2560, 1440},
                 {960, 533, 639, 374},
                 {},
                 kAnalysis,
                 kAnalysisSmallest,
                 {1611, 533, 700, 700},
                 {960, 533, 639, 374}},
        // Moved to the right edge: the left has room.
        AmongRow{"LeftOfTheRightEdge",
                 {0, 0, 1920, 1080},
                 {1281, 100, 639, 374},
                 {},
                 kAnalysis,
                 kAnalysisSmallest,
                 {569, 100, 700, 700},
                 {1281, 100, 639, 374}},
        // Exactly the room there is, the gap kept.
        AmongRow{"FitsExactlyBeside",
                 {0, 0, 1366, 768},
                 {0, 0, 650, 420},
                 {},
                 {704, 700},
                 kAnalysisSmallest,
                 {662, 0, 704, 700},
                 {0, 0, 650, 420}},
        AmongRow{"GapKeptOnTheLeft",
                 {0, 0, 1366, 768},
                 {700, 0, 650, 420},
                 {},
                 {600, 700},
                 kAnalysisSmallest,
                 {88, 0, 600, 700},
                 {700, 0, 650, 420}},
        // Centred on a laptop, neither side leaves 600: the main window moves over, as little as
        // it must, and the model window stands 600 wide beside it.
        AmongRow{"MainWindowMakesRoom",
                 {0, 0, 1366, 768},
                 {358, 100, 650, 420},
                 {},
                 kModel,
                 kModelSmallest,
                 {766, 0, 600, 768},
                 {104, 100, 650, 420}},
        // A short window goes below the main window: nothing need move.
        AmongRow{"BelowWithoutMoving",
                 {0, 0, 1366, 768},
                 {363, 0, 639, 374},
                 {},
                 {700, 300},
                 kAnalysisSmallest,
                 {666, 386, 700, 300},
                 {363, 0, 639, 374}},
        // Too narrow to make room across: the main window goes up, wholly on the screen, and the
        // analysis below it.
        AmongRow{"NarrowScreen",
                 {0, 0, 1024, 768},
                 {192, 197, 639, 374},
                 {},
                 kAnalysis,
                 kAnalysisSmallest,
                 {324, 386, 700, 382},
                 {192, 0, 639, 374}},
        // The analysis on the right: the model window takes the left, clear of both.
        AmongRow{"ClearOfTheAnalysis",
                 {0, 0, 1920, 1080},
                 {635, 300, 650, 420},
                 {{{1297, 300, 623, 700}, {}}},
                 kModel,
                 kModelSmallest,
                 {0, 180, 623, 900},
                 {635, 300, 650, 420}},
        // No room for three on a laptop (Ctrl+Shift+A, then Ctrl+Shift+M): never over the whole
        // analysis, but over the least of the main window, which goes up out of its way.
        AmongRow{"ModelAfterTheAnalysis",
                 {0, 0, 1366, 768},
                 {115, 197, 639, 374},
                 {{{766, 68, 600, 700}, {}}},
                 kModel,
                 kModelSmallest,
                 {0, 277, 600, 491},
                 {115, 0, 639, 374}},
        // The same on 2560 × 1440 at a scale of 2.
        AmongRow{"ModelAfterTheAnalysisAtDoubleScale",
                 {0, 0, 1280, 720},
                 {29, 173, 639, 374},
                 {{{680, 20, 600, 700}, {}}},
                 kModel,
                 kModelSmallest,
                 {0, 229, 600, 491},
                 {29, 0, 639, 374}},
        // The other way round (or "Carica", then the analysis): below the main window, clear of
        // the model window and its table.
        AmongRow{"AnalysisAfterTheModel",
                 {0, 0, 1366, 768},
                 {115, 197, 639, 374},
                 {{{766, 0, 600, 768}, ScreenRect{766, 80, 600, 220}}},
                 kAnalysis,
                 kAnalysisSmallest,
                 {54, 386, 700, 382},
                 {115, 0, 639, 374}},
        AmongRow{"LeastOverTheAnalysis",
                 {0, 0, 1366, 768},
                 {0, 0, 650, 420},
                 {{{662, 0, 704, 700}, {}}},
                 kModel,
                 kModelSmallest,
                 {50, 277, 600, 491},
                 {0, 0, 650, 420}},
        // Covering the part to keep in sight first costs more than covering more of the rest.
        AmongRow{"ThePartInSightFirstBeforeTheArea",
                 {0, 0, 1366, 768},
                 {0, 0, 650, 420},
                 {{{662, 0, 704, 768}, ScreenRect{662, 468, 704, 300}}},
                 {700, 450},
                 {700, 450},
                 {662, 0, 700, 450},
                 {0, 0, 650, 420}},
        AmongRow{"TheAreaWhereNothingIsToKeepInSight",
                 {0, 0, 1366, 768},
                 {0, 0, 650, 420},
                 {{{662, 0, 704, 768}, {}}},
                 {700, 450},
                 {700, 450},
                 {0, 318, 700, 450},
                 {0, 0, 650, 420}}),
    [](const auto& info) { return std::string(info.param.name); });

struct AcrossRow {
    int screenWidth;
    bool holds;
};

class HoldsThreeAcrossTest : public testing::TestWithParam<AcrossRow> {};

TEST_P(HoldsThreeAcrossTest, OnlyWhereEachStandsAtItsNarrowest) {
    EXPECT_EQ(HoldsThreeAcross(GetParam().screenWidth, 650, 600, 600, kGap), GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(Screens, HoldsThreeAcrossTest,
                         testing::Values(AcrossRow{1920, true}, AcrossRow{1874, true},
                                         AcrossRow{1873, false}, AcrossRow{1366, false}));

}  // namespace
}  // namespace coppia
