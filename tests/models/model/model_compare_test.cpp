// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_compare.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "models/model/surface_calculation.h"

namespace coppia {
namespace {

struct InputLinesRow {
    const char* name;
    std::function<void(Surface&)> change;  // to the main window's initial inputs
    std::vector<std::string> values;       // every line's, in order
};

void PrintTo(const InputLinesRow& row, std::ostream* out) {
    *out << row.name;
}

class SurfaceInputLinesTest : public testing::TestWithParam<InputLinesRow> {};

// Where the servo's rating stands among the lines.
constexpr std::size_t kRatingLine = 13;

TEST_P(SurfaceInputLinesTest, ListsTheInputsTheCalculationUsesAndTheServo) {
    Surface surface;
    GetParam().change(surface);
    const std::vector<InputLine> lines = SurfaceInputLines(surface);
    std::vector<std::string> labels;
    std::vector<std::string> values;
    for (const InputLine& line : lines) {
        labels.push_back(line.label);
        values.push_back(line.value);
    }
    EXPECT_EQ(values, GetParam().values);
    EXPECT_EQ(labels, (std::vector<std::string>{"Tipo",
                                                "Servi",
                                                "Deflessione data come",
                                                "CordaAla, corda dell'ala (mm)",
                                                "CordaAlett, corda della superficie (mm)",
                                                "LungAlett, lunghezza della superficie (mm)",
                                                "BrAlett, braccio della squadretta (mm)",
                                                "BrServ, braccio del servo (mm)",
                                                "Vel, velocità (Km/h)",
                                                "CarAla, carico alare (g/dm²)",
                                                "Ang, deflessione (°)",
                                                "Corsa, del bordo d'uscita (mm)",
                                                "Servo",
                                                "Coppia dichiarata",
                                                "Spessore del profilo (%)",
                                                "Fessura alla cerniera",
                                                "Tensione (V)",
                                                "Tempo per 60° a vuoto (s)",
                                                "Corrente a vuoto (A)",
                                                "Corrente di stallo (A)"}));
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, SurfaceInputLinesTest,
    testing::Values(
        // Without a rating the servo is still to be given: nothing is made up for it.
        InputLinesRow{"RatingNotGiven",
                      [](Surface&) {},
                      {"Alettone", "1",         "angolo", "300", "60",   "500", "18",
                       "12",       "60",        "50",     "20",  "20.8", "—",   "da indicare",
                       "12",       "sigillata", "—",      "—",   "—",    "—"}},
        // The angle is the one Ang shows for the travel, not the one the surface kept.
        InputLinesRow{"TravelGiven",
                      [](Surface& s) {
                          s.deflection = DeflectionInput::Travel;
                          s.inputs.Ang = 75;
                          s.servo = {"Mini digitale", 3, RatingUnit::KgfCm, "", {6, 0.11, {}, {}}};
                      },
                      {"Alettone",
                       "1",
                       "corsa",
                       "300",
                       "60",
                       "500",
                       "18",
                       "12",
                       "60",
                       "50",
                       "19.2",
                       "20",
                       "Mini digitale",
                       "3 Kg*cm",
                       "12",
                       "sigillata",
                       "6",
                       "0.11",
                       "—",
                       "—"}},
        InputLinesRow{
            "DownwardAngleTwoServosInNewtonCm",
            [](Surface& s) {
                s.kind = SurfaceKind::Flap;
                s.servoCount = 2;
                s.inputs.Ang = -20;
                s.servo = {"", 30, RatingUnit::NewtonCm, ""};
            },
            {"Flap", "2",     "angolo", "300",     "60", "500",       "18", "12", "60", "50",
             "-20",  "-20.8", "—",      "30 N·cm", "12", "sigillata", "—",  "—",  "—",  "—"}},
        // A section given stays as given, whatever the kind's would be.
        InputLinesRow{
            "ProfileGiven",
            [](Surface& s) {
                s.kind = SurfaceKind::Elevatore;
                s.profile = SectionProfile{6.5, HingeGap::Open};
            },
            {"Elevatore", "1",    "angolo", "300",         "60",  "500",    "18", "12", "60", "50",
             "20",        "20.8", "—",      "da indicare", "6.5", "aperta", "—",  "—",  "—",  "—"}},
        InputLinesRow{
            "TravelWithNoAngle",
            [](Surface& s) {
                s.kind = SurfaceKind::Timone;
                s.deflection = DeflectionInput::Travel;
                s.inputs.Corsa = 130;
                s.inputs.CarAla = 0;
            },
            {"Timone", "1",   "corsa", "300",         "60", "500",       "18", "12", "60", "0",
             "—",      "130", "—",     "da indicare", "9",  "sigillata", "—",  "—",  "—",  "—"}}));

// Surfaces named S1, S2, ... with the main window's initial inputs and a 3 Kg*cm servo.
Model ModelOf(std::size_t count) {
    Model model;
    for (std::size_t i = 0; i < count; ++i) {
        Surface surface;
        surface.name = std::string("S").append(std::to_string(i + 1));
        surface.servo.rating = 3;
        model.surfaces.push_back(surface);
    }
    return model;
}

std::vector<std::string> DifferingRows(const Comparison& comparison) {
    std::vector<std::string> labels;
    for (const SideBySideRow& row : comparison.rows) {
        if (row.differs)
            labels.push_back(row.label);
    }
    return labels;
}

struct DifferRow {
    const char* name;
    std::function<void(Surface&)> change;  // to the middle one of three equal surfaces
    std::vector<std::string> differing;
};

void PrintTo(const DifferRow& row, std::ostream* out) {
    *out << row.name;
}

class ComparisonDiffersTest : public testing::TestWithParam<DifferRow> {};

// A row differs when any surface's value is not the first one's, whichever column it is in.
TEST_P(ComparisonDiffersTest, MarksTheRowsWhoseValuesAreNotAllTheSame) {
    Model model = ModelOf(3);
    GetParam().change(model.surfaces[1]);
    const Comparison comparison = Compare(model, {0, 1, 2}, InitTorqueConstants());
    EXPECT_EQ(DifferingRows(comparison), GetParam().differing);
    for (const SideBySideRow& row : comparison.rows) EXPECT_EQ(row.values.size(), 3u) << row.label;
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ComparisonDiffersTest,
    testing::Values(
        DifferRow{"None", [](Surface&) {}, {}},
        DifferRow{"Speed", [](Surface& s) { s.inputs.Vel = 90; }, {"Vel, velocità (Km/h)"}},
        // The travel shown follows the angle.
        DifferRow{"Angle",
                  [](Surface& s) { s.inputs.Ang = 25; },
                  {"Ang, deflessione (°)", "Corsa, del bordo d'uscita (mm)"}},
        DifferRow{
            "RatingToBeGiven", [](Surface& s) { s.servo.rating.reset(); }, {"Coppia dichiarata"}},
        DifferRow{"UnitOnly",
                  [](Surface& s) { s.servo.unit = RatingUnit::NewtonCm; },
                  {"Coppia dichiarata"}},
        DifferRow{"ServosAndKind",
                  [](Surface& s) {
                      s.servoCount = 2;
                      s.kind = SurfaceKind::Flap;
                  },
                  {"Tipo", "Servi"}}));

TEST(CompareTest, TakesTheSelectedSurfacesInTheTablesOrderOnceEachAndAsksForTwo) {
    const Model model = ModelOf(4);
    const TorqueConstants constants = InitTorqueConstants();
    const Comparison two = Compare(model, {3, 1, 1, 99}, constants);
    EXPECT_EQ(two.names, (std::vector<std::string>{"S2", "S4"}));
    EXPECT_EQ(two.plot.curves.size(), 2u);
    EXPECT_EQ(two.note, "");

    const std::string ask =
        "Per confrontare più superfici, selezionale nella tabella (Ctrl+clic, o Maiusc e le "
        "frecce)";
    for (const std::vector<std::size_t>& fewer :
         {std::vector<std::size_t>{}, {2}, {2, 2}, {0, 4}, {7, 9}}) {
        const Comparison comparison = Compare(model, fewer, constants);
        EXPECT_EQ(comparison.note, ask);
        EXPECT_LE(comparison.names.size(), 1u);
    }
}

TEST(CompareTest, ComparesNoMoreThanAPlotShowsAndSaysHowManyWereLeftOut) {
    const Model model = ModelOf(10);
    const TorqueConstants constants = InitTorqueConstants();
    const Comparison all = Compare(model, {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, constants);
    EXPECT_EQ(all.names,
              (std::vector<std::string>{"S1", "S2", "S3", "S4", "S5", "S6", "S7", "S8"}));
    EXPECT_EQ(all.plot.curves.size(), kMostCompared);
    EXPECT_EQ(all.plot.ratings.size(), kMostCompared);
    EXPECT_EQ(all.rows.front().values.size(), kMostCompared);
    EXPECT_EQ(all.note, "Confrontate le prime 8 delle 10 superfici");

    const Comparison eight = Compare(model, {9, 2, 3, 4, 5, 6, 7, 8}, constants);
    EXPECT_EQ(eight.names.size(), kMostCompared);
    EXPECT_EQ(eight.names.back(), "S10");
    EXPECT_EQ(eight.note, "");
}

// A surface whose rating is not given has no rating line: a line would show a servo nobody chose.
TEST(CompareTest, DrawsARatingLineOnlyForTheServosRated) {
    Model model = ModelOf(3);
    model.surfaces[1].servo.rating.reset();
    model.surfaces[2].servo = {"", 30, RatingUnit::NewtonCm, ""};
    const Comparison comparison = Compare(model, {0, 1, 2}, InitTorqueConstants());
    ASSERT_EQ(comparison.plot.ratings.size(), 2u);
    EXPECT_EQ(comparison.plot.ratings[0].curve, 0u);
    EXPECT_EQ(comparison.plot.ratings[0].name, "Servo di S1: 3.00 Kg*cm");
    EXPECT_EQ(comparison.plot.ratings[0].value, 3);
    EXPECT_EQ(comparison.plot.ratings[1].curve, 2u) << "the line is in its own surface's colour";
    EXPECT_EQ(comparison.plot.ratings[1].name, "Servo di S3: 3.06 Kg*cm");
    EXPECT_DOUBLE_EQ(*comparison.plot.ratings[1].value, 30 / 9.80665);
    EXPECT_EQ(comparison.rows.at(kRatingLine).label, "Coppia dichiarata");
    EXPECT_EQ(comparison.rows.at(kRatingLine).values,
              (std::vector<std::string>{"3 Kg*cm", "da indicare", "30 N·cm"}));
}

TEST(CompareTest, EachCurveIsPerServoAtItsOwnSpeedMarkedAtItsOwnDeflection) {
    Model model = ModelOf(4);
    model.surfaces[1].servoCount = 2;
    model.surfaces[2].inputs.Ang = -20;
    model.surfaces[2].inputs.Vel = 90;
    model.surfaces[3].inputs.Vel = 0;
    const TorqueConstants constants = InitTorqueConstants();
    const Comparison comparison = Compare(model, {0, 1, 2, 3}, constants);
    ASSERT_EQ(comparison.plot.curves.size(), 4u);
    const PlotCurve& one = comparison.plot.curves[0];
    ASSERT_EQ(one.points.size(), 61u);
    ASSERT_TRUE(one.mark.has_value());
    EXPECT_EQ(one.mark->first, 20);
    EXPECT_DOUBLE_EQ(one.mark->second,
                     CalculateSurface(model.surfaces[0], constants).torquePerServo);
    EXPECT_EQ(one.markLabel, "0.52");

    const PlotCurve& shared = comparison.plot.curves[1];
    ASSERT_EQ(shared.points.size(), 61u);
    for (std::size_t angle = 0; angle < 61; ++angle)
        EXPECT_DOUBLE_EQ(shared.points[angle].second, one.points[angle].second / 2) << angle;

    // Down 20° is marked where the curve, drawn from 0 to 60, has 20.
    const PlotCurve& down = comparison.plot.curves[2];
    ASSERT_TRUE(down.mark.has_value());
    EXPECT_EQ(down.mark->first, 20);
    EXPECT_DOUBLE_EQ(down.mark->second, down.points[20].second);
    EXPECT_GT(down.points[20].second, one.points[20].second) << "at its own 90 Km/h";

    const PlotCurve& refused = comparison.plot.curves[3];
    EXPECT_EQ(refused.name, "S4 (non calcolabile)");
    EXPECT_TRUE(refused.points.empty());
    EXPECT_FALSE(refused.mark.has_value());
}

}  // namespace
}  // namespace coppia
