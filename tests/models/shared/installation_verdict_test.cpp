// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/installation_verdict.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "engine/number_text.h"

namespace coppia {
namespace {

struct VerdictRow {
    const char* name;
    Installation installation;
    const char* words;
    Tone tone;
    const char* margin;
    const char* minimumRating;
    const char* reason;  // checked where given
};

void PrintTo(const VerdictRow& row, std::ostream* out) {
    *out << row.name;
}

class InstallationVerdictTest : public testing::TestWithParam<VerdictRow> {};

TEST_P(InstallationVerdictTest, JudgesTheTorqueTheReachAndTheThrowTogether) {
    const VerdictRow& row = GetParam();
    const InstallationVerdict verdict = JudgeInstallation(row.installation);
    EXPECT_EQ(verdict.words, row.words);
    EXPECT_EQ(verdict.tone, row.tone);
    EXPECT_EQ(verdict.margin, row.margin);
    EXPECT_EQ(verdict.minimumRating, row.minimumRating);
    if (row.reason != nullptr) {
        EXPECT_EQ(verdict.reason, row.reason);
    }
}

// Arms 18 and 20 at 30°: the servo arm turns 26.7°, well within a throw of 45°.
constexpr double kHorn = 18;
constexpr double kServo = 20;

INSTANTIATE_TEST_SUITE_P(
    AtAndAroundEachBoundary, InstallationVerdictTest,
    testing::Values(
        VerdictRow{"MarginAtTheFactor",
                   {1.5, 3, 2, kHorn, kServo, 30, 45},
                   "Servo Sufficiente",
                   Tone::Good,
                   "2.00",
                   "3.00",
                   "Margine di almeno 2 (il fattore di sicurezza) e rinvio entro l'escursione del "
                   "servo"},
        VerdictRow{"MarginJustBelowTheFactor",
                   {1.5, 2.9985, 2, kHorn, kServo, 30, 45},
                   "Servo al Limite",
                   Tone::Warning,
                   "1.99",
                   "3.00",
                   "Margine sotto il fattore di sicurezza 2: il servo regge, ma senza riserva"},
        VerdictRow{"MarginOne",
                   {1.5, 1.5, 2, kHorn, kServo, 30, 45},
                   "Servo al Limite",
                   Tone::Warning,
                   "1.00",
                   "3.00",
                   nullptr},
        VerdictRow{"MarginJustBelowOne",
                   {1.5, 1.4985, 2, kHorn, kServo, 30, 45},
                   "Servo Insufficiente!!",
                   Tone::Bad,
                   "0.99",
                   "3.00",
                   "Il servo dà meno coppia di quella necessaria"},
        // Downwards the arm turns as far; the torque counts by its magnitude.
        VerdictRow{"Downwards",
                   {-1.5, 3, 2, kHorn, kServo, -30, 45},
                   "Servo Sufficiente",
                   Tone::Good,
                   "2.00",
                   "3.00",
                   nullptr},
        // A servo arm of 8 cannot pull an 18 mm horn to 30°: sin 30° · 18 / 8 = 1.125.
        VerdictRow{"ArmsCannotReach",
                   {1.92, 6, 2, kHorn, 8, 30, 45},
                   "Rinvio Insufficiente",
                   Tone::Bad,
                   "3.12",
                   "3.84",
                   "Il braccio del servo è troppo corto: con questi bracci la deflessione di 30° "
                   "non si raggiunge; per la coppia il servo basterebbe"},
        // Reached with the arm along the rod: sin 90° · 12 / 12 is exactly 1.
        VerdictRow{"ArmsJustReach",
                   {1.5, 3, 2, 12, 12, 90, 90},
                   "Servo Sufficiente",
                   Tone::Good,
                   "2.00",
                   "3.00",
                   nullptr},
        // Arms 18 and 12 at 30° turn the servo 48.6°.
        VerdictRow{"BeyondTheThrow",
                   {2.88, 3, 2, kHorn, 12, 30, 45},
                   "Rinvio Insufficiente",
                   Tone::Bad,
                   "1.04",
                   "5.76",
                   "Il servo dovrebbe ruotare di 48.6°, oltre la sua escursione di 45° per lato; "
                   "per la coppia il servo sarebbe al limite"},
        VerdictRow{"JustWithinTheThrow",
                   {2.88, 6, 2, kHorn, 12, 30, 48.6},
                   "Servo Sufficiente",
                   Tone::Good,
                   "2.08",
                   "5.76",
                   nullptr},
        VerdictRow{"JustBeyondTheThrow",
                   {2.88, 6, 2, kHorn, 12, 30, 48.5},
                   "Rinvio Insufficiente",
                   Tone::Bad,
                   "2.08",
                   "5.76",
                   nullptr},
        VerdictRow{"BeyondTheThrowAndTooWeak",
                   {2.88, 2, 2, kHorn, 12, 30, 45},
                   "Rinvio Insufficiente",
                   Tone::Bad,
                   "0.69",
                   "5.76",
                   "Il servo dovrebbe ruotare di 48.6°, oltre la sua escursione di 45° per lato; "
                   "e anche la coppia del servo non basta"},
        VerdictRow{"NothingNeeded",
                   {0, 3, 2, kHorn, kServo, 0, 45},
                   "Servo Sufficiente",
                   Tone::Good,
                   "illimitato",
                   "0.00",
                   nullptr},
        VerdictRow{"AbsurdRating",
                   {1.5, 1e300, 2, kHorn, kServo, 30, 45},
                   "Servo Sufficiente",
                   Tone::Good,
                   "oltre 1000",
                   "3.00",
                   nullptr}));

// Typing back a figure the verdict shows never lands on the other side of a boundary it names,
// in either unit: the minimum rating typed as the rating is sufficient, the margin typed as the
// factor is still met, and the margin shown is below 1 exactly when the servo is insufficient
// and reaches the factor exactly when it is sufficient.
TEST(InstallationVerdictTest, TypingAShownFigureBackKeepsItsSideOfEveryBoundary) {
    std::mt19937 random(18);
    std::uniform_real_distribution<double> magnitude(-2, 2);
    const double factors[] = {1, 1.25, 1.5, 2, 2.5, 3};
    for (int i = 0; i < 4000; ++i) {
        const double kgfCm = std::pow(10.0, magnitude(random));
        const double needed = i % 2 == 0 ? kgfCm : kgfCm * 9.80665;  // Kg*cm, then N·cm
        const double factor = factors[i % std::size(factors)];
        Installation installation{needed, 1, factor, kHorn, kServo, 30, 45};
        const auto judge = [&installation](double rating) {
            installation.rating = rating;
            return JudgeInstallation(installation);
        };
        const auto typed = [](const std::string& text) { return *ReadWholeNumber(text); };

        const InstallationVerdict asked = judge(typed(FormatFigure(needed, 2)));
        const InstallationVerdict atMinimum = judge(typed(asked.minimumRating));
        ASSERT_EQ(atMinimum.words, "Servo Sufficiente") << needed << " with " << factor;
        installation.safetyFactor = typed(atMinimum.margin);
        ASSERT_EQ(judge(installation.rating).words, "Servo Sufficiente") << needed;
        installation.safetyFactor = factor;

        // The needed torque as shown, and a few ratings around the boundaries.
        for (const double rating : {typed(FormatFigure(needed, 2)), needed * factor * 0.999,
                                    needed * 1.001, needed * 0.999}) {
            const InstallationVerdict verdict = judge(rating);
            const double margin = typed(verdict.margin);
            ASSERT_EQ(verdict.words == "Servo Insufficiente!!", margin < 1)
                << rating << " for " << needed << ": " << verdict.margin;
            ASSERT_EQ(verdict.words == "Servo Sufficiente", margin >= factor)
                << rating << " for " << needed << ": " << verdict.margin;
        }
    }
}

}  // namespace
}  // namespace coppia
