// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis/analysis_summary.h"

#include "engine/number_text.h"

namespace coppia {

namespace {

// The verdict's words, its reason, the margin and what the servo holds.
void SummariseVerdict(const AnalysisDisplay& shown, std::vector<std::string>& lines) {
    lines.push_back(shown.verdict);
    if (!shown.otherVerdict.empty())
        lines.push_back(shown.otherVerdict);
    lines.push_back(shown.verdictReason);
    if (!shown.judgedOn.empty())
        lines.push_back(shown.judgedOn);
    if (!shown.margin.empty()) {
        lines.push_back("Margine " + shown.margin + ", coppia minima da usare " +
                        shown.minimumRating + " " + shown.ratingUnit);
    } else if (!shown.minimumRating.empty()) {
        lines.push_back("Coppia minima da usare " + shown.minimumRating + " " + shown.ratingUnit);
    }
    if (!shown.secondOpinionMargin.empty())
        lines.push_back("Margine con la seconda stima (profilo reale): " +
                        shown.secondOpinionMargin);
    for (const CaptionedFigure& limit : shown.limits) {
        lines.push_back(limit.caption + ": " + limit.value);
    }
    for (const std::string* motion :
         {&shown.motion, &shown.current, &shown.figures, &shown.figuresProblem}) {
        if (!motion->empty())
            lines.push_back(*motion);
    }
}

}  // namespace

Summary Summarise(const SummaryQuestion& question, const AnalysisDisplay& shown) {
    const auto number = [](double value) { return FormatPlainNumber(value); };
    const TorqueInputs& in = question.inputs;
    Summary summary;
    std::vector<std::string>& facts = summary.facts;
    facts.push_back("Corda ala " + number(in.CordaAla) + " mm, corda alettone " +
                    number(in.CordaAlett) + " mm, lunghezza alettone " + number(in.LungAlett) +
                    " mm");
    std::string arms = "Braccio squadretta " + number(in.BrAlett) + " mm, braccio servo " +
                       number(in.BrServ) + " mm, deflessione " + number(in.Ang) + "°";
    if (question.travel)
        arms += " (corsa " + number(*question.travel) + " mm)";
    facts.push_back(arms);
    facts.push_back("Velocità " + number(in.Vel) + " Km/h, carico alare " + number(in.CarAla) +
                    " g/dm²");
    if (!shown.refusal.empty()) {
        facts.push_back(shown.refusal);
    } else {
        facts.push_back(shown.torqueHeading + ": " + shown.torqueKgfCm +
                        " Kg*cm = " + shown.torqueNewtonCm + " N·cm = " + shown.torqueNewtonM +
                        " N·m = " + shown.torqueOzfIn + " oz·in");
        facts.push_back("Coefficiente di portanza (Cp): " + shown.steps[2].value + ". " +
                        shown.stall);
    }
    for (std::string& line : SecondOpinionLines(shown.secondOpinion))
        facts.push_back(std::move(line));
    std::string linkage = "Rinvio: ";
    if (!shown.rotation.empty())
        linkage += shown.rotation + "° di rotazione del servo. ";
    facts.push_back(linkage + shown.linkage);

    summary.servo = shown.servoOwner.empty() ? "Servo" : shown.servoOwner;
    if (question.rating) {
        // Set apart from "uno dei 2 che si dividono la coppia", whose torque it is not.
        summary.servo += (shown.share.empty() ? " da " : ", da ") + number(*question.rating) + " " +
                         std::string(RatingUnitName(question.unit));
    }
    if (question.safetyFactor)
        summary.servo += ", fattore di sicurezza " + number(*question.safetyFactor);
    if (shown.verdict.empty()) {
        if (!shown.settingsProblem.empty())
            summary.verdict.push_back(shown.settingsProblem);
    } else {
        SummariseVerdict(shown, summary.verdict);
    }
    if (!shown.loanDrift.empty())
        summary.verdict.push_back(shown.loanDrift);
    return summary;
}

std::string SummaryText(const Summary& summary) {
    std::string text = std::string(kAnalysisTitle) + "\n";
    for (const std::string& fact : summary.facts) text += fact + "\n";
    text += summary.servo;
    for (std::size_t i = 0; i < summary.verdict.size(); ++i) {
        text += (i == 0 ? ": " : "\n") + summary.verdict[i];
    }
    return text + "\n";
}

std::string SweepCsv(const std::vector<std::string>& headings,
                     const std::vector<SweepTableRow>& rows, CsvFormat format) {
    std::vector<std::vector<std::string>> lines{headings};
    for (const SweepTableRow& row : rows) lines.push_back(row.cells);
    return CsvText(lines, format);
}

}  // namespace coppia
