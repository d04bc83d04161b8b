// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace coppia {

// The correction factors of the USAF DATCOM method that take a plain flap's hinge-moment
// derivatives from thin-airfoil theory to a real section: Roskam, Airplane Design Part VI
// (1985), section 10.4.1, figures 10.63 and 10.69, as digitised in the open-source FAST-GA
// aircraft-design code. They are second-hand readings of curves drawn through NACA
// wind-tunnel measurements, good to a few hundredths.
//
// Each table is read along straight lines between its points, first along its own variable and
// then across the chord ratio E (surface chord over section chord). E is held within the
// columns the figures give, 0.10..0.40, and every other variable at its table's ends. Holding
// rather than extending errs on the safe side: at the end a section can leave a table by (a
// lower lift-slope ratio, a thicker section) each factor falls, so the held value gives the
// larger hinge moment.

inline constexpr double kFactorMinChordRatio = 0.10;
inline constexpr double kFactorMaxChordRatio = 0.40;

// K_delta = C_h_delta,real / C_h_delta,theory against the lift-slope ratio
// r = c_l_alpha / c_l_alpha,theory (0.60..1.00), in columns E = 0.10, 0.25, 0.40.
double DeflectionFactor(double liftSlopeRatio, double chordRatio);
inline constexpr double kDeflectionFactorMinRatio = 0.60;

// K_alpha = C_h_alpha,real / C_h_alpha,theory against r (0.70..1.00), in columns E = 0.10, 0.40.
// Below r = 0.72 at small E it turns negative: the measured moment from incidence changes sign.
double IncidenceFactor(double liftSlopeRatio, double chordRatio);
inline constexpr double kIncidenceFactorMinRatio = 0.70;

// How a section's thickness lowers C_h_delta,theory: the figure's value at t/c over its value at
// t/c = 0 (the thin plate), against t/c (0..0.15), in columns E = 0.10, 0.40. Beyond 0.15, where
// the figure stops, the factor stays at its value there: the line would fall further, and a
// guess that lowers the moment is not one to size a servo by.
double ThicknessFactor(double thicknessRatio, double chordRatio);
inline constexpr double kThicknessFactorMaxThickness = 0.15;

}  // namespace coppia
