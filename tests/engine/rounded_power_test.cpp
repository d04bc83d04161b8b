// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/rounded_power.h"

#include <gtest/gtest.h>

namespace coppia {
namespace {

struct PowerRow {
    double x;
    int n;
    double power;  // glibc's pow, bit for bit
};

class RoundedPowerTest : public ::testing::TestWithParam<PowerRow> {};

// The chord ratios the worked cases meet and their neighbours, to every power the angle factor
// and the hinge coefficient take: the same bits on every system.
TEST_P(RoundedPowerTest, GivesGlibcsPowBitForBit) {
    const PowerRow& row = GetParam();
    EXPECT_EQ(RoundedPower(row.x, row.n), row.power) << row.x << "^" << row.n;
    EXPECT_EQ(ExactlyRoundedPower(row.x, row.n), row.power) << row.x << "^" << row.n;
}

INSTANTIATE_TEST_SUITE_P(ChordRatios, RoundedPowerTest,
                         ::testing::Values(PowerRow{0x1.999999999999ap-3, 0, 1},
                                           PowerRow{0x1.999999999999ap-3, 1, 0x1.999999999999ap-3},
                                           PowerRow{0x1.999999999999ap-3, 2, 0x1.47ae147ae147cp-5},
                                           PowerRow{0x1.999999999999ap-3, 3, 0x1.0624dd2f1a9fdp-7},
                                           PowerRow{0x1.999999999999ap-3, 4, 0x1.a36e2eb1c432ep-10},
                                           PowerRow{0x1.999999999999ap-3, 9, 0x1.12e0be826d697p-21},
                                           PowerRow{0x1.6666666666666p-2, 3, 0x1.5f3b645a1cabfp-5},
                                           PowerRow{0x1.6666666666666p-2, 4, 0x1.ebb98c7e2823fp-7},
                                           PowerRow{0x1.6666666666666p-2, 9, 0x1.4a93a5cae67ebp-14},
                                           PowerRow{0x1.999999999999ap-4, 9, 0x1.12e0be826d697p-30},
                                           PowerRow{0x1.5555555555555p-2, 3, 0x1.2f684bda12f67p-5},
                                           PowerRow{0x1.5555555555555p-2, 4, 0x1.948b0fcd6e9dfp-7},
                                           PowerRow{0x1.5555555555555p-2, 9, 0x1.aa2f78f1b4cc3p-15},
                                           PowerRow{0x1.ccccccccccccdp-2, 3, 0x1.753f7ced91688p-4},
                                           PowerRow{0x1.ccccccccccccdp-2, 9, 0x1.8cb7f4e838a7fp-11},
                                           PowerRow{0x1.3333333333333p-2, 4, 0x1.096bb98c7e282p-7},
                                           PowerRow{0x1.3333333333333p-2, 9,
                                                    0x1.4a39d75e9889p-16}));

}  // namespace
}  // namespace coppia
