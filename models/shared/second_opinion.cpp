// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/second_opinion.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/number_text.h"
#include "files/section_and_sheet.h"

namespace coppia {

namespace {

constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

std::string SideWords(const SecondOpinion& opinion) {
    if (opinion.sidesAlike)
        return "uguale da entrambi i lati";
    return opinion.side == DeflectedSide::Down
               ? "con il bordo d'uscita in giù, il lato più caricato"
               : "con il bordo d'uscita in su, il lato più caricato";
}

}  // namespace

std::string GapAssumption(HingeGap gap) {
    return "rapporto delle pendenze " + FormatFigure(LiftSlopeRatio(gap), 2) + ": fessura " +
           std::string(NameOf(gap));
}

std::string ProfileAssumption(const SectionProfile& profile) {
    return "spessore " + FormatPlainNumber(profile.thicknessPercent) + "% della corda; " +
           GapAssumption(profile.gap);
}

std::string ProfileText(const SectionProfile& profile) {
    return FormatPlainNumber(profile.thicknessPercent) + "%, fessura " +
           std::string(NameOf(profile.gap));
}

std::string SecondOpinionAssumptions() {
    return "Ipotesi della seconda stima: " + GapAssumption(HingeGap::Sealed) + "; " +
           GapAssumption(HingeGap::Open) +
           "; cerniera al bordo d'attacco della superficie, senza "
           "compensazione; profilo bidimensionale, a favore di sicurezza; indicativa oltre " +
           FormatPlainNumber(kIndicativeDeflection) + "° di deflessione.";
}

SecondOpinion SecondOpinionOf(const TorqueInputs& inputs, const SectionProfile& profile, int share,
                              const TorqueConstants& constants) {
    SecondOpinion opinion;
    opinion.profile = profile;
    opinion.estimate = EstimateHingeMoment(inputs, profile, constants);
    const HingeEstimate& e = opinion.estimate;
    if (e.calculation.Outcome == TorqueOutcome::Complete)
        opinion.calculationKgfCm = std::fabs(e.calculation.ServoTorque) / share;
    if (e.outcome != HingeEstimateOutcome::Complete)
        return opinion;
    opinion.available = true;
    opinion.side = e.larger;
    opinion.sidesAlike = std::fabs(e.down.real.servoTorque) == std::fabs(e.up.real.servoTorque);
    const HingeSide& side = SideOf(e, e.larger);
    const double real = std::fabs(side.real.servoTorque);
    const double calculation = std::fabs(e.calculation.ServoTorque);
    opinion.realKgfCm = real / share;
    opinion.thinKgfCm = std::fabs(side.thin.servoTorque) / share;
    if (calculation != 0)
        opinion.ratio = real / calculation;
    return opinion;
}

SecondOpinionTexts TextsOf(const SecondOpinion& opinion) {
    SecondOpinionTexts texts;
    texts.source = kSecondOpinionSource;
    texts.assumption = ProfileAssumption(opinion.profile);
    switch (opinion.estimate.outcome) {
        case HingeEstimateOutcome::Complete:
            break;
        case HingeEstimateOutcome::CalculationRefused:
            return texts;  // the calculation's refusal says why
        case HingeEstimateOutcome::ThicknessOutOfRange:
            texts.problem = "Seconda stima non disponibile: lo spessore del profilo deve essere " +
                            std::string(kThicknessRange);
            return texts;
        case HingeEstimateOutcome::OutOfRange:
            texts.problem = "Seconda stima non calcolabile con questi ingressi";
            return texts;
    }
    texts.real = TorqueText(opinion.realKgfCm);
    texts.thin = TorqueText(opinion.thinKgfCm);
    texts.ratio =
        opinion.ratio ? FormatFigure(*opinion.ratio, 2) + " volte il calcolo" : "il calcolo dà 0";
    texts.side = SideWords(opinion);
    if (opinion.estimate.indicative) {
        texts.indicative =
            "Stima indicativa oltre " + FormatPlainNumber(kIndicativeDeflection) +
            "° di deflessione: lì la corrente si stacca e la coppia vera cresce meno della stima";
    }
    return texts;
}

std::string SourceAndAssumption(const SecondOpinionTexts& texts) {
    return "Fonte: " + texts.source + ". Ipotesi: " + texts.assumption;
}

std::vector<std::string> SecondOpinionLines(const SecondOpinionTexts& texts) {
    const std::string title(kSecondOpinionTitle);
    if (!texts.problem.empty())
        return {title + ": " + texts.problem};
    if (texts.real.empty())
        return {};
    std::vector<std::string> lines{title + ": profilo reale " + texts.real + " Kg*cm " +
                                       texts.side + ", " + texts.ratio + "; profilo sottile " +
                                       texts.thin + " Kg*cm, il limite superiore",
                                   SourceAndAssumption(texts)};
    if (!texts.indicative.empty())
        lines.push_back(texts.indicative);
    return lines;
}

JudgedTorque JudgedTorqueOf(const SecondOpinion& opinion, JudgeWith with) {
    const std::string what = "Verdetto, margine, coppia minima e limiti sulla ";
    JudgedTorque judged{opinion.calculationKgfCm, false, what + "coppia del calcolo"};
    if (with == JudgeWith::Calculation)
        return judged;
    if (!opinion.available) {
        judged.words += ": la seconda stima non è disponibile";
    } else if (opinion.realKgfCm > opinion.calculationKgfCm) {
        judged = {opinion.realKgfCm, true,
                  what + "seconda stima (profilo reale), più alta del calcolo"};
    } else {
        judged.words += ", non più bassa della seconda stima (profilo reale)";
    }
    return judged;
}

TorqueAt JudgedTorqueAt(const SectionProfile& profile, JudgeWith with,
                        const TorqueConstants& constants) {
    if (with == JudgeWith::Calculation)
        return CalculatedTorqueAt(constants);
    return [profile, &constants](const TorqueInputs& at) -> std::optional<double> {
        const HingeEstimate e = EstimateHingeMoment(at, profile, constants);
        if (e.outcome != HingeEstimateOutcome::Complete)
            return std::nullopt;
        return std::max(std::fabs(e.calculation.ServoTorque),
                        std::fabs(SideOf(e, e.larger).real.servoTorque));
    };
}

std::optional<OtherVerdict> OtherVerdictOf(const InstallationVerdict& judged,
                                           const InstallationVerdict& other, bool otherIsEstimate) {
    if (judged.words == other.words)
        return std::nullopt;
    const std::string whose =
        otherIsEstimate ? "Con la seconda stima (profilo reale): " : "Con la coppia del calcolo: ";
    return OtherVerdict{whose + other.words, std::max(judged.tone, other.tone)};
}

std::vector<EstimateStep> EstimateSteps(const SecondOpinion& opinion, const std::string& share) {
    const HingeEstimate& e = opinion.estimate;
    const RealSectionFactors& f = e.factors;
    const HingeSide& side = SideOf(e, opinion.side);
    const std::array<std::string, kEstimateStepCount> values = {
        FormatFigure(e.dynamicPressure, 1),
        FormatFigure(e.thin.alpha, 4),
        FormatFigure(e.thin.delta, 4),
        FormatFigure(f.liftSlopeRatio, 2),
        FormatFigure(f.theoryLiftSlope, 3),
        FormatFigure(f.incidence, 3),
        FormatFigure(f.deflection, 3),
        FormatFigure(f.thickness, 3),
        FormatFigure(e.real.alpha, 4),
        FormatFigure(e.real.delta, 4),
        FormatFigure(e.realAngleOfAttack * kDegreesPerRadian, 2),
        FormatFigure(side.deflection, 1),
        FormatFigure(side.real.coefficient, 4),
        FormatFigure(side.real.newtonMetres, 4),
        TorqueText(opinion.realKgfCm),
        TorqueText(opinion.thinKgfCm),
    };
    std::vector<EstimateStep> steps;
    for (std::size_t i = 0; i < kEstimateStepCount; ++i)
        steps.push_back({kEstimateStepNames[i], values[i], std::string(kEstimateStepUnits[i])});
    steps[kGapStep].unit = "fessura " + std::string(NameOf(opinion.profile.gap));
    // The servo's torques, the last two, are one servo's as the calculation's last step is.
    for (std::size_t i = kEstimateStepCount - 2; i < kEstimateStepCount && !share.empty(); ++i)
        steps[i].unit += ", " + share;
    return steps;
}

}  // namespace coppia
