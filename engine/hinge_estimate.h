// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/torque.h"

namespace coppia {

// A second estimate of the hinge moment the calculation gives, from wing-section theory: the
// hinge-moment derivatives of a plain flap by Glauert's thin-airfoil theory (Houghton &
// Carpenter, Aerodynamics for Engineering Students, section 4.5), and the same corrected for a
// real section by the factors of the USAF DATCOM method (Roskam, Airplane Design Part VI,
// section 10.4.1; see datcom_tables.h).
//
// Conventions: delta, the surface's deflection, is positive trailing edge down; alpha, the
// section's angle of attack, positive nose up; both in radians in the formulas. The hinge
// moment H = q c_f^2 b_f (C_h_alpha alpha + C_h_delta delta) is positive when it turns the
// trailing edge down; both derivatives are negative, as the air pushes a deflected surface
// back, and the servo supplies -H. The section is two-dimensional (partial-span surfaces err on
// the safe side, full-span tails lose the relief of their finite span, also the safe side), the
// hinge is at the surface's leading edge with nothing ahead of it, and the flow stays attached:
// beyond about 20 degrees it separates and the real moment grows more slowly than the line.

// The gap between the surface and the wing at the hinge, which sets how far the real section's
// lift slope falls short of theory, r = c_l_alpha / c_l_alpha,theory: an assumption, at model
// Reynolds numbers, that the windows name beside every figure that rests on it.
enum class HingeGap {
    Sealed,  // "sigillata": r = 0.85
    Open,    // "aperta": r = 0.75
};
inline constexpr double kSealedGapLiftSlopeRatio = 0.85;
inline constexpr double kOpenGapLiftSlopeRatio = 0.75;
double LiftSlopeRatio(HingeGap gap);

// A section's thickness, t/c x 100. 0 is the thin plate of the theory; 20 is where the
// theoretical lift slope the factors are read against, 6.3 + 5 t/c, stops being given.
inline constexpr double kWingSurfaceThicknessPercent = 12;  // ailerons, flaps
inline constexpr double kTailSurfaceThicknessPercent = 9;   // elevators, rudders
inline constexpr double kMinThicknessPercent = 0;
inline constexpr double kMaxThicknessPercent = 20;
// Both ends included; not a number is not valid.
bool IsValidThickness(double thicknessPercent);

// What the calculation's eight inputs leave out about the section at the surface.
struct SectionProfile {
    double thicknessPercent = kWingSurfaceThicknessPercent;
    HingeGap gap = HingeGap::Sealed;

    bool operator==(const SectionProfile&) const = default;
};
inline constexpr SectionProfile kWingSurfaceProfile{kWingSurfaceThicknessPercent, HingeGap::Sealed};
inline constexpr SectionProfile kTailSurfaceProfile{kTailSurfaceThicknessPercent, HingeGap::Sealed};

inline constexpr double kAirDensity = 1.225;  // kg/m^3, sea level at 15 degrees C
// Beyond this deflection's magnitude (degrees) the estimate is only indicative.
inline constexpr double kIndicativeDeflection = 20;

// dC_h/dalpha and dC_h/ddelta, per radian, C_h on the surface's chord.
struct HingeDerivatives {
    double alpha = 0;
    double delta = 0;
};

// Glauert's closed forms for a plain flap of chord ratio E, with cos(phi) = 2E - 1:
//   C_h_alpha = -[2(pi - phi)(2 cos phi - 1) + 4 sin phi - sin 2phi] / (4 E^2)
//   C_h_delta = -[(1 - cos 2phi) - 2(pi - phi)^2 (1 - 2 cos phi) + 4(pi - phi) sin phi]
//               / (4 pi E^2)
// Defined for 0 < E <= 1; both are -pi/2 at E = 1, the whole plate turning about its nose.
HingeDerivatives GlauertDerivatives(double chordRatio);

// c_l_alpha,theory of a section of thickness ratio t/c, per radian (DATCOM).
double TheoryLiftSlope(double thicknessRatio);

// The real section's factors, as applied: C_h_alpha,real = incidence x C_h_alpha, and
// C_h_delta,real = deflection x thickness x C_h_delta, Glauert's derivatives at the actual E.
struct RealSectionFactors {
    double liftSlopeRatio = 0;   // r, from the gap
    double theoryLiftSlope = 0;  // c_l_alpha,theory, per radian
    double incidence = 0;        // K_alpha(r, E)
    double deflection = 0;       // K_delta(r, E)
    double thickness = 0;        // C_h_delta,theory(t/c, E) / C_h_delta,theory(0, E)
};

// One estimate on one side.
struct HingeMoment {
    double coefficient = 0;   // C_h
    double newtonMetres = 0;  // H, signed as above
    // The torque the servo supplies, -H through the calculation's arm ratio BrServ / BrAlett,
    // in Kg*cm: signed as the calculation's torque, positive holding the trailing edge down.
    double servoTorque = 0;
    // |servoTorque| over the magnitude of the calculation's torque at the same signed
    // deflection; none when that torque is 0.
    std::optional<double> ratio;
};

enum class DeflectedSide { Down, Up };

// The surface deflected one way by the magnitude of the inputs' Ang.
struct HingeSide {
    double deflection = 0;         // degrees: +|Ang| down, -|Ang| up
    double calculationTorque = 0;  // Kg*cm: the calculation's ServoTorque at `deflection`
    HingeMoment thin;              // thin-airfoil theory: the upper estimate
    HingeMoment real;              // the real-section estimate
};

enum class HingeEstimateOutcome {
    Complete,
    CalculationRefused,   // no estimate; calculation.Outcome says why
    ThicknessOutOfRange,  // no estimate: the thickness is not within its range
    OutOfRange,           // a torque or ratio of the estimate is not a finite number
};

// Only the fields up to the stage named by outcome hold values; the rest stay 0.
struct HingeEstimate {
    HingeEstimateOutcome outcome = HingeEstimateOutcome::CalculationRefused;
    TorqueResult calculation;  // CalculateTorque at the inputs as given
    HingeDerivatives thin;     // Glauert's, at E = CordaAlett / CordaAla
    RealSectionFactors factors;
    HingeDerivatives real;
    // alpha = C_L / a, C_L the calculation's lift coefficient, a = 2 pi for the theory and
    // r c_l_alpha,theory for the real section, which needs more incidence for the same lift.
    double thinAngleOfAttack = 0;  // radians
    double realAngleOfAttack = 0;  // radians
    double dynamicPressure = 0;    // q = rho V^2 / 2, Pa, V = Vel / 3.6
    double momentScale = 0;        // q c_f^2 b_f, N*m per unit of C_h, lengths in metres
    double armRatio = 0;           // BrServ / BrAlett
    HingeSide down;                // delta = +|Ang|
    HingeSide up;                  // delta = -|Ang|
    // The side with the larger real-section torque, the one to judge a servo by; down on a
    // tie. With a lifting wing that is down, where the two terms add.
    DeflectedSide larger = DeflectedSide::Down;
    bool indicative = false;  // |Ang| above kIndicativeDeflection
};

// Pure and cheap: two CalculateTorque calls (at Ang and at its mirror) and a few table readings,
// no allocation (about 2 microseconds), so that sweeps and searches may call it at every point.
HingeEstimate EstimateHingeMoment(const TorqueInputs& inputs, const SectionProfile& profile,
                                  const TorqueConstants& constants);

const HingeSide& SideOf(const HingeEstimate& estimate, DeflectedSide side);

}  // namespace coppia
