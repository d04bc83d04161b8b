// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/installation_verdict.h"

#include <cmath>

#include "engine/number_text.h"

namespace coppia {

namespace {

// Beyond this a margin's digits tell nothing more.
constexpr double kLargestMarginWritten = 1000;

std::string LinkageReason(const Installation& in, const LinkageResult& linkage) {
    if (linkage.outcome == LinkageOutcome::Unreachable) {
        return "il braccio del servo è troppo corto: con questi bracci la deflessione di " +
               FormatPlainNumber(std::fabs(in.deflection)) + "° non si raggiunge";
    }
    return "il servo dovrebbe ruotare di " + FormatNumber(linkage.rotation, "#0.0") +
           "°, oltre la sua escursione di " + FormatPlainNumber(in.servoThrow) + "° per lato";
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

}  // namespace

Tone ToneOf(Verdict verdict) {
    switch (verdict) {
        case Verdict::Sufficient:
            return Tone::Good;
        case Verdict::AtTheLimit:
            return Tone::Warning;
        case Verdict::Insufficient:
            break;
    }
    return Tone::Bad;
}

std::string MarginText(double margin) {
    if (std::isinf(margin))
        return "illimitato";
    if (margin > kLargestMarginWritten)
        return "oltre " + FormatPlainNumber(kLargestMarginWritten);
    return FormatNumber(MarginShown(margin), "#0.00");
}

InstallationVerdict JudgeInstallation(const Installation& in) {
    InstallationVerdict verdict;
    verdict.torque = CheckServo(in.neededTorque, in.rating, in.safetyFactor);
    verdict.linkage = CheckLinkage(in.hornArm, in.servoArm, in.deflection, in.servoThrow);
    verdict.linkageFits =
        verdict.linkage.outcome == LinkageOutcome::Reachable && !verdict.linkage.beyondThrow;
    verdict.margin = MarginText(verdict.torque.margin);
    verdict.minimumRating = FormatFigure(MinimumRatingShown(in.neededTorque, in.safetyFactor), 2);
    const std::string factor = FormatPlainNumber(in.safetyFactor);

    if (!verdict.linkageFits) {
        verdict.tone = Tone::Bad;
        const std::string linkage = Capitalised(LinkageReason(in, verdict.linkage));
        verdict.words = "Rinvio Insufficiente";
        switch (verdict.torque.verdict) {
            case Verdict::Sufficient:
                verdict.reason = linkage + "; per la coppia il servo basterebbe";
                break;
            case Verdict::AtTheLimit:
                verdict.reason = linkage + "; per la coppia il servo sarebbe al limite";
                break;
            case Verdict::Insufficient:
                verdict.reason = linkage + "; e anche la coppia del servo non basta";
                break;
        }
        return verdict;
    }
    switch (verdict.torque.verdict) {
        case Verdict::Sufficient:
            verdict.words = "Servo Sufficiente";
            verdict.tone = Tone::Good;
            verdict.reason = "Margine di almeno " + factor +
                             " (il fattore di sicurezza) e rinvio entro l'escursione del servo";
            break;
        case Verdict::AtTheLimit:
            verdict.words = "Servo al Limite";
            verdict.tone = Tone::Warning;
            verdict.reason = "Margine sotto il fattore di sicurezza " + factor +
                             ": il servo regge, ma senza riserva";
            break;
        case Verdict::Insufficient:
            verdict.words = "Servo Insufficiente!!";
            verdict.tone = Tone::Bad;
            verdict.reason = "Il servo dà meno coppia di quella necessaria";
            break;
    }
    return verdict;
}

}  // namespace coppia
