// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/surface_transfer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <variant>

#include "engine/number_text.h"
#include "models/model/surface_calculation.h"
#include "tests/models/window_fixture.h"

namespace coppia {
namespace {

struct RoundTripRow {
    const char* name;
    std::function<void(Surface&)> change;  // to the main window's initial inputs
    bool fieldsByAngle;                    // the main window's toggle before the load
    // The field not typed into, as the surface comes back: what the main window derived.
    double angleBack;
    double travelBack;
};

void PrintTo(const RoundTripRow& row, std::ostream* out) {
    *out << row.name;
}

class SurfaceRoundTripTest : public WindowFixture,
                             public testing::WithParamInterface<RoundTripRow> {
  protected:
    SurfaceRoundTripTest() { Load(); }
};

// Loaded, computed and taken back, a surface is itself but for the field derived from the other.
TEST_P(SurfaceRoundTripTest, LoadsIntoTheFieldsAndComesBackTheSame) {
    const RoundTripRow& row = GetParam();
    Surface surface;
    surface.name = "Flap sinistro";
    surface.kind = SurfaceKind::Flap;
    surface.servoCount = 2;
    surface.servo = {"Mini digitale", 30, RatingUnit::NewtonCm, R"({"marca": "X"})"};
    surface.otherKeys = R"({"colore": "rosso"})";
    row.change(surface);
    if (row.fieldsByAngle) {
        ASSERT_TRUE(window.UserClick(Control::UP));
    }

    ASSERT_TRUE(LoadIntoMainWindow(surface, window));
    EXPECT_EQ(State().Mode(), surface.deflection);
    EXPECT_TRUE(State().ResultsCurrent());
    EXPECT_TRUE(messages.shown.empty()) << messages.shown.front().first;
    // CALCOLA read the surface's own numbers: its Coppia is the surface's whole torque.
    const SurfaceCalculation calculation = CalculateSurface(surface, InitTorqueConstants());
    ASSERT_FALSE(calculation.refusal);
    EXPECT_EQ(Text(Control::Coppia), FormatNumber(calculation.result.ServoTorque, "#00.00"));

    const std::variant<Surface, std::string> back = SurfaceFromMainWindow(State(), surface);
    ASSERT_TRUE(std::holds_alternative<Surface>(back)) << std::get<std::string>(back);
    Surface expected = surface;
    expected.inputs.Ang = row.angleBack;
    expected.inputs.Corsa = row.travelBack;
    EXPECT_EQ(std::get<Surface>(back), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, SurfaceRoundTripTest,
    testing::Values(
        // 2 · 60 · sin 10° = 20.84, shown as 20.8.
        RoundTripRow{"AngleGiven", [](Surface&) {}, false, 20, 20.8},
        RoundTripRow{"AngleGivenFieldsAlreadyByAngle", [](Surface&) {}, true, 20, 20.8},
        RoundTripRow{"TravelGiven",
                     [](Surface& s) {
                         s.deflection = DeflectionInput::Travel;
                         s.inputs.Ang = 3;
                     },
                     true, 19.2, 20},
        RoundTripRow{"DownwardAngle", [](Surface& s) { s.inputs.Ang = -20; }, false, -20, -20.8},
        RoundTripRow{"DownwardTravel",
                     [](Surface& s) {
                         s.deflection = DeflectionInput::Travel;
                         s.inputs.Corsa = -15;
                     },
                     false, -14.4, -15},
        RoundTripRow{"AngleAtTheLimits", [](Surface& s) { s.inputs.Ang = -60; }, true, -60, -60},
        // Seventeen digits each: every one comes back, none rounded to what a field shows.
        RoundTripRow{"ExactDoubles",
                     [](Surface& s) {
                         s.inputs.CordaAla = std::nextafter(300.0, 400.0);
                         s.inputs.CarAla = 0.1 + 0.2;
                         s.inputs.LungAlett = 499.99999999999994;
                         s.inputs.Vel = 61.123456789012345;
                         s.inputs.BrServ = 12.000000000000002;
                         s.inputs.Ang = 19.999999999999996;
                     },
                     false, 19.999999999999996, 20.8},
        RoundTripRow{"ExactTravel",
                     [](Surface& s) {
                         s.deflection = DeflectionInput::Travel;
                         s.inputs.Corsa = 20.000000000000004;
                         s.inputs.BrAlett = 1e-3;
                         s.inputs.BrServ = 1e-3;
                     },
                     false, 19.2, 20.000000000000004}));

// The main window's fields as its user leaves them, and the surface they make or why not.
struct TakeRow {
    const char* name;
    std::function<void(MainWindow&)> fields;  // after the load: by travel, the initial texts
    std::string refusal;                      // empty: taken
    DeflectionInput deflection = DeflectionInput::Travel;
    double angle = 0;
    double travel = 0;
};

void PrintTo(const TakeRow& row, std::ostream* out) {
    *out << row.name;
}

class SurfaceFromFieldsTest : public WindowFixture, public testing::WithParamInterface<TakeRow> {
  protected:
    SurfaceFromFieldsTest() { Load(); }
};

TEST_P(SurfaceFromFieldsTest, TakesEveryFieldAsCalcolaReadsItOrSaysWhichCannotBe) {
    const TakeRow& row = GetParam();
    row.fields(window);
    Surface base;
    base.name = "Timone";
    base.kind = SurfaceKind::Timone;
    base.servoCount = 3;
    base.servo = {"Standard", 4, RatingUnit::KgfCm, ""};
    base.otherInputKeys = R"({"nota": 1})";
    base.inputs = SurfaceInputs{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const std::variant<Surface, std::string> taken = SurfaceFromMainWindow(State(), base);
    if (!row.refusal.empty()) {
        ASSERT_TRUE(std::holds_alternative<std::string>(taken));
        EXPECT_EQ(std::get<std::string>(taken), row.refusal);
        return;
    }
    ASSERT_TRUE(std::holds_alternative<Surface>(taken)) << std::get<std::string>(taken);
    const Surface& surface = std::get<Surface>(taken);
    EXPECT_EQ(surface.deflection, row.deflection);
    EXPECT_EQ(surface.inputs.Ang, row.angle);
    EXPECT_EQ(surface.inputs.Corsa, row.travel);
    EXPECT_EQ(surface.inputs.Vel, *ReadNumber(Text(Control::Vel)));
    Surface rest = surface;
    rest.inputs = base.inputs;
    rest.deflection = base.deflection;
    EXPECT_EQ(rest, base) << "the name, the kind, the servos and the unknown keys are the base's";
}

const std::string kOutOfRange = " della finestra principale ha un numero fuori limite";

INSTANTIATE_TEST_SUITE_P(
    Fields, SurfaceFromFieldsTest,
    testing::Values(
        // Corsa 20 on 60: 19.1887°, which Ang shows as 19.2; by angle, Ang's own 20.0 is taken.
        TakeRow{"Initial", [](MainWindow&) {}, "", DeflectionInput::Travel, 19.2, 20},
        TakeRow{"ByAngle", [](MainWindow& w) { w.UserClick(Control::UP); }, "",
                DeflectionInput::Angle, 20, 20.8},
        // A field that reads as 0 is a number: the calculation refuses it, not the transfer.
        TakeRow{"TextThatReadsAsZero",
                [](MainWindow& w) { ASSERT_TRUE(w.UserEdit(Control::Vel, "abc")); }, "",
                DeflectionInput::Travel, 19.2, 20},
        TakeRow{"SpeedOutOfRange",
                [](MainWindow& w) { ASSERT_TRUE(w.UserEdit(Control::Vel, "1e400")); },
                "il campo Vel" + kOutOfRange},
        // The fields are read in the order they are typed in: the chord is named first.
        TakeRow{"TwoOutOfRange",
                [](MainWindow& w) {
                    ASSERT_TRUE(w.UserEdit(Control::Vel, "1e400"));
                    ASSERT_TRUE(w.UserEdit(Control::CordaAla, "-1e999"));
                },
                "il campo CordaAla" + kOutOfRange},
        TakeRow{"TravelOutOfRange",
                [](MainWindow& w) { ASSERT_TRUE(w.UserEdit(Control::Corsa, "1e400")); },
                "il campo Corsa" + kOutOfRange},
        // Corsa 110 on 60 is 132.9° in Ang: by travel, the angle is derived and not limited.
        TakeRow{"TravelOfALargeAngle",
                [](MainWindow& w) { ASSERT_TRUE(w.UserEdit(Control::Corsa, "110")); }, "",
                DeflectionInput::Travel, 132.9, 110},
        // By angle, what the travel left in Ang could not load back into the main window.
        TakeRow{"AngleLeftBeyondTheLimit",
                [](MainWindow& w) {
                    ASSERT_TRUE(w.UserEdit(Control::Corsa, "110"));
                    w.UserClick(Control::UP);
                },
                "il campo Ang della finestra principale: l'angolo deve stare fra -60 e 60 gradi"},
        TakeRow{"AngleLeftBelowTheLimit",
                [](MainWindow& w) {
                    ASSERT_TRUE(w.UserEdit(Control::Corsa, "-110"));
                    w.UserClick(Control::UP);
                },
                "il campo Ang della finestra principale: l'angolo deve stare fra -60 e 60 gradi"}));

// The deflection's field is emptied before it is typed: even a load of what the fields already
// show changes them, so that CALCOLA is enabled and clicked.
TEST(LoadIntoMainWindowTest, ClicksCalcolaAgainForTheFieldsAlreadyLoaded) {
    RecordingMessages messages;
    MemoryLastInputs lastInputs;
    MainWindow window(messages, lastInputs);
    window.Main_Form_Load();
    Surface surface;
    surface.inputs.Vel = 90;
    ASSERT_TRUE(LoadIntoMainWindow(surface, window));
    ASSERT_TRUE(window.State().ResultsCurrent());
    const int writes = lastInputs.writes;
    EXPECT_TRUE(LoadIntoMainWindow(surface, window));
    EXPECT_TRUE(window.State().ResultsCurrent());
    EXPECT_EQ(lastInputs.writes, writes + 1) << "CALCOLA saved the inputs again";
    EXPECT_EQ(window.State().Text(Control::Vel), "90");
}

}  // namespace
}  // namespace coppia
