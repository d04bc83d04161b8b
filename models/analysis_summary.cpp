// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis_summary.h"

#include "engine/number_text.h"

namespace coppia {

std::string_view RatingUnitName(RatingUnit unit) {
    return unit == RatingUnit::NewtonCm ? "N·cm" : "Kg*cm";
}

std::string SummaryText(const TorqueInputs& in, const AnalysisDisplay& shown,
                        const ServoQuestion& servo) {
    const auto number = [](double value) { return FormatPlainNumber(value); };
    std::string text = std::string(kAnalysisTitle) + "\n";
    text += "Corda ala " + number(in.CordaAla) + " mm, corda alettone " + number(in.CordaAlett) +
            " mm, lunghezza alettone " + number(in.LungAlett) + " mm\n";
    text += "Braccio squadretta " + number(in.BrAlett) + " mm, braccio servo " + number(in.BrServ) +
            " mm, deflessione " + number(in.Ang) + "°\n";
    text += "Velocità " + number(in.Vel) + " Km/h, carico alare " + number(in.CarAla) + " g/dm2\n";
    if (!shown.refusal.empty()) {
        text += shown.refusal + "\n";
    } else {
        text += "Coppia al servo: " + shown.torqueKgfCm + " Kg*cm = " + shown.torqueNewtonCm +
                " N·cm = " + shown.torqueNewtonM + " N·m = " + shown.torqueOzfIn + " oz·in\n";
    }
    text += "Rinvio: ";
    if (!shown.rotation.empty())
        text += shown.rotation + " di rotazione del servo. ";
    text += shown.linkage + "\n";
    text += "Servo da " + servo.rating + " " + std::string(RatingUnitName(servo.unit)) +
            ", fattore di sicurezza " + servo.safetyFactor;
    if (!shown.verdict.empty()) {
        text +=
            ": margine " + shown.margin + ", minimo " + shown.minimumRating + ", " + shown.verdict;
    }
    text += "\n";
    return text;
}

std::string SweepCsv(const std::vector<std::string>& headings,
                     const std::vector<SweepTableRow>& rows) {
    // A field holding a comma or a quote is quoted, its quotes doubled.
    const auto field = [](const std::string& text) {
        if (text.find_first_of(",\"\r\n") == std::string::npos)
            return text;
        std::string quoted = "\"";
        for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        return quoted + "\"";
    };
    const auto line = [&field](const std::vector<std::string>& cells) {
        std::string text;
        for (const std::string& cell : cells) text += (text.empty() ? "" : ",") + field(cell);
        return text + "\r\n";
    };
    std::string csv = line(headings);
    for (const SweepTableRow& row : rows) csv += line(row.cells);
    return csv;
}

}  // namespace coppia
