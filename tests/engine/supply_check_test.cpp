// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/supply_check.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace coppia {
namespace {

struct SupplyRow {
    std::string name;
    std::vector<SurfaceDraw> surfaces;
    SupplyRating supply;
    double moving, surge;
    int servosLacking;
    std::optional<double> reserve;
    std::optional<Verdict> verdict;
};

void PrintTo(const SupplyRow& row, std::ostream* os) {
    *os << row.name;
}

class SupplyTest : public testing::TestWithParam<SupplyRow> {};

TEST_P(SupplyTest, JudgesTheSupplyAgainstEveryServoMovingAndStarting) {
    const SupplyRow& row = GetParam();
    const SupplyCheck check = CheckSupply(row.surfaces, row.supply);
    EXPECT_EQ(check.moving, row.moving);
    EXPECT_EQ(check.surge, row.surge);
    EXPECT_EQ(check.servosLacking, row.servosLacking);
    EXPECT_EQ(check.reserve, row.reserve);
    EXPECT_EQ(check.verdict, row.verdict);
}

// Four servos drawing 1 A each at their deflection and 2.5 A at stall: 4 A moving, 10 A surge.
const std::vector<SurfaceDraw> kFour{{4, 1.0, 2.5}};
// Two surfaces, to catch a sum that forgets the servo count: 2·1.5 + 0.5 and 2·3 + 1.
const std::vector<SurfaceDraw> kMixed{{2, 1.5, 3.0}, {1, 0.5, 1.0}};
// Two servos without a moving current: the totals are lower bounds.
const std::vector<SurfaceDraw> kPartial{{4, 1.0, 2.5}, {2, std::nullopt, 2.5}};
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Thresholds, SupplyTest,
    testing::Values(
        SupplyRow{"reserve_and_peak_exact", kFour, {5, 10}, 4, 10, 0, 1.25, Verdict::Sufficient},
        SupplyRow{"peak_short", kFour, {5, 9.99}, 4, 10, 0, 1.25, Verdict::AtTheLimit},
        SupplyRow{"reserve_short", kFour, {4.99, 10}, 4, 10, 0, 4.99 / 4, Verdict::AtTheLimit},
        SupplyRow{"continuous_exact", kFour, {4, 10}, 4, 10, 0, 1, Verdict::AtTheLimit},
        SupplyRow{"continuous_short", kFour, {3.99, 20}, 4, 10, 0, 3.99 / 4, Verdict::Insufficient},
        SupplyRow{"no_peak", kFour, {20, std::nullopt}, 4, 10, 0, 5, Verdict::AtTheLimit},
        SupplyRow{"no_continuous", kFour, {std::nullopt, 10}, 4, 10, 0, std::nullopt, std::nullopt},
        SupplyRow{"continuous_zero", kFour, {0, 10}, 4, 10, 0, std::nullopt, std::nullopt},
        SupplyRow{"mixed_exact", kMixed, {4.375, 7}, 3.5, 7, 0, 1.25, Verdict::Sufficient},
        SupplyRow{
            "partial_never_sufficient", kPartial, {100, 100}, 4, 15, 2, 25, Verdict::AtTheLimit},
        SupplyRow{"partial_already_short",
                  kPartial,
                  {3.9, 100},
                  4,
                  15,
                  2,
                  3.9 / 4,
                  Verdict::Insufficient},
        SupplyRow{"nothing_moves", {}, {1, 1}, 0, 0, 0, kInfinity, Verdict::Sufficient}),
    [](const testing::TestParamInfo<SupplyRow>& info) { return info.param.name; });

TEST(SupplyTest, CountsTheServosLeftOutOfEachTotal) {
    const SupplyCheck check = CheckSupply(
        {{3, std::nullopt, 2.0}, {2, 1.0, std::nullopt}, {1, std::nullopt, std::nullopt}}, {5, 5});
    EXPECT_EQ(check.movingLacking, 4);
    EXPECT_EQ(check.surgeLacking, 3);
    EXPECT_EQ(check.servosLacking, 6);
    EXPECT_EQ(check.moving, 2);
    EXPECT_EQ(check.surge, 6);
    EXPECT_EQ(check.peakReserve, 5.0 / 6);
}

}  // namespace
}  // namespace coppia
