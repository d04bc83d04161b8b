// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/absurd_inputs.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace coppia {
namespace {

struct AbsurdCase {
    const char* name;
    std::function<void(TorqueInputs&)> change;  // to the main window's initial inputs
    std::optional<GivenTravel> travel;
    std::optional<std::string> absurd;
};

void PrintTo(const AbsurdCase& row, std::ostream* out) {
    *out << row.name;
}

class AbsurdInputTest : public testing::TestWithParam<AbsurdCase> {};

TEST_P(AbsurdInputTest, NamesTheFirstInputThatMakesNoSense) {
    TorqueInputs in{300, 60, 60, 50, 20, 500, 18, 12};
    GetParam().change(in);
    EXPECT_EQ(AbsurdInput(in, GetParam().travel), GetParam().absurd);
}

const auto kAsIs = [](TorqueInputs&) {};

INSTANTIATE_TEST_SUITE_P(
    Inputs, AbsurdInputTest,
    testing::Values(
        AbsurdCase{"Sensible", kAsIs, std::nullopt, std::nullopt},
        AbsurdCase{"NegativeLength", [](TorqueInputs& in) { in.LungAlett = -500; }, std::nullopt,
                   "LungAlett negativa"},
        AbsurdCase{"ZeroWingChord", [](TorqueInputs& in) { in.CordaAla = 0; }, std::nullopt,
                   "CordaAla nulla"},
        AbsurdCase{"NegativeHornArm", [](TorqueInputs& in) { in.BrAlett = -18; }, std::nullopt,
                   "BrAlett negativo"},
        // A model flies forward, and a wing loading below 0 is no wing's.
        AbsurdCase{"NegativeSpeed", [](TorqueInputs& in) { in.Vel = -90; }, std::nullopt,
                   "Vel negativa"},
        AbsurdCase{"NegativeLoading", [](TorqueInputs& in) { in.CarAla = -60; }, std::nullopt,
                   "CarAla negativo"},
        AbsurdCase{"NoLoadingIsASurfaceThatCarriesNone", [](TorqueInputs& in) { in.CarAla = 0; },
                   std::nullopt, std::nullopt},
        AbsurdCase{"TinyPositiveArmIsNoFault", [](TorqueInputs& in) { in.BrServ = 1e-9; },
                   std::nullopt, std::nullopt},
        // The fields' order decides which is named.
        AbsurdCase{"FirstInTheFieldsOrder",
                   [](TorqueInputs& in) {
                       in.BrServ = 0;
                       in.CordaAlett = -60;
                   },
                   std::nullopt, "CordaAlett negativa"},
        AbsurdCase{"TravelOfTheWholeChord", kAsIs, GivenTravel{60, 59.99}, std::nullopt},
        AbsurdCase{"TravelBeyondTheChord", kAsIs, GivenTravel{-60.5, -60.5},
                   "Corsa oltre la corda (60.5 mm su 60 mm)"},
        AbsurdCase{"AngleFromTravelBeyondSixty", kAsIs, GivenTravel{59.9, 60.04},
                   "Deflessione oltre 60° dalla corsa (60.0°)"},
        AbsurdCase{"UpwardAngleFromTravelBeyondSixty", kAsIs, GivenTravel{-59.9, -60.04},
                   "Deflessione oltre 60° dalla corsa (60.0°)"},
        // A typed angle is the main window's to refuse: the travel rule is for travel alone.
        AbsurdCase{"TypedAngle", [](TorqueInputs& in) { in.Ang = 91.2; }, std::nullopt,
                   std::nullopt}));

}  // namespace
}  // namespace coppia
