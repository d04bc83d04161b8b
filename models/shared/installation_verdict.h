// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/servo_check.h"
#include "models/shared/tone.h"

namespace coppia {

// One servo moving one surface through its linkage.
struct Installation {
    double neededTorque = 0;  // signed, in the unit the rating is in
    double rating = 0;
    double safetyFactor = 1;
    double hornArm = 0;     // mm
    double servoArm = 0;    // mm
    double deflection = 0;  // degrees, signed
    double servoThrow = 0;  // degrees each way from neutral
};

// The judgement of the whole installation: the servo must give the torque with the margin and
// its arm must reach the deflection within its throw. A linkage that fails is red whatever the
// torque says; the torque's own margin is still given, as what it is.
struct InstallationVerdict {
    ServoCheck torque;  // the torque alone
    LinkageResult linkage;
    bool linkageFits = false;  // reachable, and within the throw
    std::string words;         // "Servo Sufficiente", "Rinvio Insufficiente", ...
    std::string reason;        // why, in one line
    Tone tone = Tone::Neutral;
    // At the digits shown, each rounded to the safe side (MarginShown, MinimumRatingShown).
    std::string margin;         // "2.00", "oltre 1000", "illimitato"
    std::string minimumRating;  // without its unit: "1.04"
};

InstallationVerdict JudgeInstallation(const Installation& installation);

// The colour of a torque's verdict.
Tone ToneOf(Verdict verdict);

// The margin as it is shown: two decimals rounded down, briefly when huge or infinite.
std::string MarginText(double margin);

}  // namespace coppia
