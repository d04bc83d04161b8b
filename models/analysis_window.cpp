// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis_window.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/deflection.h"
#include "engine/number_text.h"

namespace coppia {

namespace {

std::string_view UnitName(RatingUnit unit) {
    return unit == RatingUnit::NewtonCm ? "N·cm" : "Kg*cm";
}

// Four significant digits with an exponent, for the tiny hinge coefficient: "6.932E-10".
std::string Scientific(double value) {
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 3).ptr;
    std::string text(buffer, end);
    const std::size_t e = text.find('e');
    if (e != std::string::npos)
        text[e] = 'E';
    return text;
}

// A speed to a tenth, without trailing zeros: "48", "73.2".
std::string SpeedText(double speed) {
    return FormatPlainNumber(std::round(speed * 10) / 10);
}

// A table cell: the torque as the main window writes it, or why there is none.
std::string TorqueCell(const TorqueResult& point) {
    switch (point.Outcome) {
        case TorqueOutcome::Complete:
            return FormatNumber(point.ServoTorque, "#00.00");
        case TorqueOutcome::RatioOutOfRange:
            return "rapporto corde fuori gamma";
        case TorqueOutcome::ZeroSpeed:
            return "velocità nulla";
        case TorqueOutcome::ZeroHornArm:
            return "braccio alettone nullo";
        case TorqueOutcome::LiftOutOfRange:
        case TorqueOutcome::TorqueOutOfRange:
            break;
    }
    return "fuori limite";
}

// The whole degree of the deflection the main window shows, when it is known and swept.
std::optional<int> CurrentAngle(const FieldCalculation& calculation) {
    if (!calculation.deflectionKnown)
        return std::nullopt;
    const double angle = std::round(std::fabs(calculation.inputs.Ang));
    if (!(angle <= kSweepLastAngle))
        return std::nullopt;
    return static_cast<int>(angle);
}

std::string Degrees(double value) {
    return FormatNumber(value, "#0.0") + "°";
}

}  // namespace

AnalysisWindow::AnalysisWindow(const MainWindowState& main, AnalysisSettingsStore& settings,
                               TextClipboard& clipboard)
    : main_(main), store_(settings), clipboard_(clipboard), constants_(InitTorqueConstants()) {}

void AnalysisWindow::Analisi_Form_Load() {
    settings_ = store_.Read();
    saved_ = settings_;
    texts_ = {FormatPlainNumber(settings_.rating), FormatPlainNumber(settings_.safetyFactor),
              FormatPlainNumber(settings_.servoThrow), SpeedFactorsText(settings_.speedFactors)};
    valid_ = {true, true, true, true};
    Refresh();
}

void AnalysisWindow::Analisi_CoppiaServo_Change(std::string_view text) {
    Edit(AnalysisField::CoppiaServo, text, settings_.rating, IsValidRating);
}

void AnalysisWindow::Analisi_FattoreSicurezza_Change(std::string_view text) {
    Edit(AnalysisField::FattoreSicurezza, text, settings_.safetyFactor, IsValidSafetyFactor);
}

void AnalysisWindow::Analisi_Escursione_Change(std::string_view text) {
    Edit(AnalysisField::Escursione, text, settings_.servoThrow, IsValidServoThrow);
}

void AnalysisWindow::Analisi_AltreVelocita_Change(std::string_view text) {
    const auto index = static_cast<std::size_t>(AnalysisField::AltreVelocita);
    texts_[index] = text;
    const std::optional<std::vector<double>> factors = ReadSpeedFactors(text);
    valid_[index] = factors.has_value();
    if (factors) {
        settings_.speedFactors = *factors;
        Save();
    }
    Refresh();
}

void AnalysisWindow::Analisi_UnitaCoppia_Change(RatingUnit unit) {
    // The number stays as typed: the unit says what it was typed in.
    settings_.unit = unit;
    Save();
    Refresh();
}

void AnalysisWindow::Analisi_Copia_Click() {
    clipboard_.SetText(CopyText());
}

void AnalysisWindow::Main_Change() {
    Refresh();
}

void AnalysisWindow::Edit(AnalysisField field, std::string_view text, double& value,
                          bool (*valid)(double)) {
    const auto index = static_cast<std::size_t>(field);
    texts_[index] = text;
    const std::optional<double> number = ReadNumber(text);
    valid_[index] = number && valid(*number);
    if (valid_[index]) {
        value = *number;
        Save();
    }
    Refresh();
}

void AnalysisWindow::Save() {
    if (settings_ == saved_)
        return;
    const SaveResult result = store_.Write(settings_);
    if (result.saved) {
        saved_ = settings_;
        saveProblem_.clear();
    } else {
        saveProblem_ =
            "Impostazioni non salvate in " + store_.Location() + ": " + result.reason + "!!";
    }
}

void AnalysisWindow::Refresh() {
    display_ = AnalysisDisplay{};
    if (main_.ResultsCurrent()) {
        display_.freshness = "Risultati della finestra principale aggiornati";
        display_.freshnessTone = Tone::Good;
    } else if (main_.ResultsStale()) {
        display_.freshness =
            "Risultati della finestra principale da ricalcolare (CALCOLA): qui i valori seguono "
            "già i campi";
        display_.freshnessTone = Tone::Warning;
    }
    calculation_ = CalculateFromFields(main_, constants_);
    FillTorque(calculation_);
    FillLinkage(calculation_);
    FillServoCheck(calculation_);
    FillSweep(calculation_);
    if (observer_)
        observer_();
}

void AnalysisWindow::FillTorque(const FieldCalculation& calculation) {
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        display_.steps[i] = AnalysisStep{kAnalysisStepNames[i], {}, kAnalysisStepUnits[i]};
    }
    if (calculation.refusal) {
        display_.refusal = "Calcolo impossibile: " + std::string(calculation.refusal->text);
        return;
    }
    const TorqueResult& r = calculation.result;
    const TorqueInputs& in = calculation.inputs;
    const TorqueInUnits units = ConvertTorque(r.ServoTorque);
    display_.torqueKgfCm = FormatNumber(units.kgfCm, "#0.00");
    display_.torqueNewtonCm = FormatNumber(units.newtonCm, "#0.00");
    display_.torqueNewtonM = FormatNumber(units.newtonM, "#0.0000");
    display_.torqueOzfIn = FormatNumber(units.ozfIn, "#0.00");

    const std::array<std::string, kAnalysisStepCount> values = {
        FormatNumber(r.ChordRatio, "#0.000"),
        FormatNumber(std::copysign(std::sqrt(r.SpeedSquared), in.Vel), "#0.00"),
        FormatNumber(r.LiftCoefficient, "#0.000"),
        FormatNumber(r.AngleFactor, "#0.00"),
        FormatNumber(r.EffectiveAngle, "#0.00"),
        Scientific(r.HingeCoefficient),
        FormatNumber(r.HingeTorque, "#0.00"),
        FormatNumber(in.BrServ / in.BrAlett, "#0.000"),
        FormatNumber(r.ServoTorque, "#0.00"),
    };
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) display_.steps[i].value = values[i];
    if (r.StallRisk) {
        display_.stall = "Cp oltre 1.2: possibile condizione di stallo!!";
        display_.stallTone = Tone::Bad;
    } else {
        display_.stall = "Cp fino a 1.2: nessun rischio di stallo";
        display_.stallTone = Tone::Good;
    }
}

void AnalysisWindow::FillLinkage(const FieldCalculation& calculation) {
    if (!valid_[static_cast<std::size_t>(AnalysisField::Escursione)]) {
        display_.linkage = "Escursione del servo non valida: serve un numero oltre 0 e fino a 180";
        display_.linkageTone = Tone::Bad;
    }
    if (!calculation.deflectionKnown || !calculation.armsRead) {
        if (display_.linkage.empty())
            display_.linkage = "Deflessione o bracci non leggibili nella finestra principale";
        return;
    }
    const TorqueInputs& in = calculation.inputs;
    const LinkageResult linkage = CheckLinkage(in.BrAlett, in.BrServ, in.Ang, settings_.servoThrow);
    if (linkage.outcome == LinkageOutcome::Unreachable) {
        display_.linkage =
            "Con questi bracci la deflessione non si raggiunge: il braccio del "
            "servo è troppo corto!!";
        display_.linkageTone = Tone::Bad;
        return;
    }
    display_.rotation = Degrees(linkage.rotation);
    if (!display_.linkage.empty())
        return;
    const std::string servoThrow = FormatPlainNumber(settings_.servoThrow) + "°";
    if (linkage.beyondThrow) {
        display_.linkage = "Oltre l'escursione del servo (" + servoThrow + " per lato)!!";
        display_.linkageTone = Tone::Bad;
    } else {
        display_.linkage = "Entro l'escursione del servo (" + servoThrow + " per lato)";
        display_.linkageTone = Tone::Good;
    }
}

void AnalysisWindow::FillServoCheck(const FieldCalculation& calculation) {
    std::string problem;
    if (!valid_[static_cast<std::size_t>(AnalysisField::CoppiaServo)])
        problem = "Coppia del servo non valida: serve un numero oltre 0";
    else if (!valid_[static_cast<std::size_t>(AnalysisField::FattoreSicurezza)])
        problem = "Fattore di sicurezza non valido: serve un numero da 1 in su";
    display_.settingsProblem = problem.empty() ? saveProblem_ : problem;
    if (!problem.empty() || calculation.refusal)
        return;

    // Both torques in the unit the rating is typed in.
    const TorqueInUnits needed = ConvertTorque(calculation.result.ServoTorque);
    const double neededInUnit =
        settings_.unit == RatingUnit::NewtonCm ? needed.newtonCm : needed.kgfCm;
    const ServoCheck check = CheckServo(neededInUnit, settings_.rating, settings_.safetyFactor);
    display_.margin = std::isinf(check.margin) ? "illimitato" : FormatNumber(check.margin, "#0.00");
    display_.minimumRating =
        FormatNumber(check.minimumRating, "#0.00") + " " + std::string(UnitName(settings_.unit));
    switch (check.verdict) {
        case Verdict::Sufficient:
            display_.verdict = "Servo Sufficiente";
            display_.verdictTone = Tone::Good;
            break;
        case Verdict::AtTheLimit:
            display_.verdict = "Servo al Limite";
            display_.verdictTone = Tone::Warning;
            break;
        case Verdict::Insufficient:
            display_.verdict = "Servo Insufficiente!!";
            display_.verdictTone = Tone::Bad;
            break;
    }
}

std::optional<double> AnalysisWindow::RatingKgfCm() const {
    if (!valid_[static_cast<std::size_t>(AnalysisField::CoppiaServo)])
        return std::nullopt;
    return settings_.unit == RatingUnit::NewtonCm ? KgfCmFromNewtonCm(settings_.rating)
                                                  : settings_.rating;
}

void AnalysisWindow::FillSweep(const FieldCalculation& calculation) {
    if (!valid_[static_cast<std::size_t>(AnalysisField::AltreVelocita)]) {
        display_.speedsProblem =
            "Altre velocità non valide: da 1 a 4 numeri separati da spazi, "
            "ciascuno oltre 0 e fino a 10";
    }
    // The model's speed among the others, slowest first.
    std::vector<double> factors = settings_.speedFactors;
    factors.push_back(1);
    std::sort(factors.begin(), factors.end());
    factors.erase(std::unique(factors.begin(), factors.end()), factors.end());
    const double diveFactor = factors.back() > 1 ? factors.back() : 0;

    const TorqueInputs& in = calculation.inputs;
    std::vector<double> speeds;
    std::vector<std::string> names;  // "60 Km/h, modello"
    display_.sweepHeadings = {"Angolo (°)", "Corsa (mm)"};
    for (const double factor : factors) {
        speeds.push_back(in.Vel * factor);
        std::string name = SpeedText(in.Vel * factor) + " Km/h";
        if (factor == 1) {
            name += ", modello";
        } else if (factor == diveFactor) {
            name += ", picchiata";
        }
        display_.sweepHeadings.push_back("Coppia a " + name + " (Kg*cm)");
        names.push_back(std::move(name));
    }
    const std::vector<SweepCurve> curves = SweepTorque(in, speeds, constants_);
    const auto modelCurve =
        static_cast<std::size_t>(std::find(factors.begin(), factors.end(), 1.0) - factors.begin());
    const std::optional<int> current = CurrentAngle(calculation);

    display_.sweepRows.resize(kSweepRows);
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
        SweepTableRow& row = display_.sweepRows[static_cast<std::size_t>(angle)];
        row.cells.push_back(FormatPlainNumber(angle));
        const std::optional<double> travel = TravelFromAngle(angle, in.CordaAlett);
        row.cells.push_back(travel && calculation.sweepInputsRead ? FormatNumber(*travel, "#0.0")
                                                                  : "—");
        for (const SweepCurve& curve : curves) {
            const TorqueResult& point = curve.points[static_cast<std::size_t>(angle)];
            row.cells.push_back(calculation.sweepInputsRead ? TorqueCell(point)
                                                            : "numero fuori limite");
        }
        row.peak = calculation.sweepInputsRead && curves[modelCurve].peakAngle == angle;
        row.current = current == angle;
    }
    FillPlot(calculation, curves, factors, names);
}

void AnalysisWindow::FillPlot(const FieldCalculation& calculation,
                              const std::vector<SweepCurve>& curves,
                              const std::vector<double>& factors,
                              const std::vector<std::string>& names) {
    PlotData& plot = display_.plot;
    if (CurrentAngle(calculation))
        plot.deflection = std::fabs(calculation.inputs.Ang);
    if (const std::optional<double> rating = RatingKgfCm()) {
        plot.rating = *rating;
        plot.ratingName = "Servo: " + FormatNumber(*rating, "#0.00") + " Kg*cm";
    }
    if (!calculation.sweepInputsRead)
        return;
    for (std::size_t i = 0; i < curves.size(); ++i) {
        PlotCurve curve;
        curve.name = names[i];
        curve.modelSpeed = factors[i] == 1;
        for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
            const TorqueResult& point = curves[i].points[static_cast<std::size_t>(angle)];
            if (point.Outcome == TorqueOutcome::Complete)
                curve.points.emplace_back(angle, point.ServoTorque);
        }
        if (const std::optional<int> peak = curves[i].peakAngle) {
            const double torque = curves[i].points[static_cast<std::size_t>(*peak)].ServoTorque;
            curve.peak = std::make_pair(double(*peak), torque);
            curve.peakLabel = FormatNumber(torque, "#00.00");
        }
        plot.curves.push_back(std::move(curve));
    }
}

std::string AnalysisWindow::CsvText() const {
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
    std::string csv = line(display_.sweepHeadings);
    for (const SweepTableRow& row : display_.sweepRows) csv += line(row.cells);
    return csv;
}

std::string AnalysisWindow::CopyText() const {
    const TorqueInputs& in = calculation_.inputs;
    const auto number = [](double value) { return FormatPlainNumber(value); };
    std::string text = std::string(kAnalysisTitle) + "\n";
    text += "Corda ala " + number(in.CordaAla) + " mm, corda alettone " + number(in.CordaAlett) +
            " mm, lunghezza alettone " + number(in.LungAlett) + " mm\n";
    text += "Braccio squadretta " + number(in.BrAlett) + " mm, braccio servo " + number(in.BrServ) +
            " mm, deflessione " + number(in.Ang) + "°\n";
    text += "Velocità " + number(in.Vel) + " Km/h, carico alare " + number(in.CarAla) + " g/dm2\n";
    if (!display_.refusal.empty()) {
        text += display_.refusal + "\n";
    } else {
        text += "Coppia al servo: " + display_.torqueKgfCm + " Kg*cm = " + display_.torqueNewtonCm +
                " N·cm = " + display_.torqueNewtonM + " N·m = " + display_.torqueOzfIn + " oz·in\n";
    }
    text += "Rinvio: ";
    if (!display_.rotation.empty())
        text += display_.rotation + " di rotazione del servo. ";
    text += display_.linkage + "\n";
    text += "Servo da " + Text(AnalysisField::CoppiaServo) + " " +
            std::string(UnitName(settings_.unit)) + ", fattore di sicurezza " +
            Text(AnalysisField::FattoreSicurezza);
    if (!display_.verdict.empty()) {
        text += ": margine " + display_.margin + ", minimo " + display_.minimumRating + ", " +
                display_.verdict;
    }
    text += "\n";
    return text;
}

}  // namespace coppia
