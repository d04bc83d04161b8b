// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis/analysis_sweep.h"

#include <algorithm>
#include <cmath>

#include "engine/deflection.h"
#include "engine/number_text.h"
#include "engine/servo_check.h"
#include "models/analysis/sweep_motion.h"
#include "models/shared/installation_verdict.h"

namespace coppia {

namespace {

// A speed to a tenth, without trailing zeros: "48", "73.2".
std::string SpeedText(double speed) {
    return FormatPlainNumber(std::round(speed * 10) / 10);
}

// A table cell: one servo's torque as a figure, or why there is none.
std::string TorqueCell(const TorqueResult& point, int share) {
    switch (point.Outcome) {
        case TorqueOutcome::Complete:
            return TorqueText(point.ServoTorque / share);
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

std::string RowMark(bool peak, bool current) {
    if (peak && current)
        return "picco e attuale";
    if (peak)
        return "picco";
    return current ? "attuale" : "";
}

// The second estimate at each whole degree of the sweep at the model's speed, on the side the
// sweep deflects to (its angles are positive: down); none where it cannot be given.
using EstimateSweep = std::vector<std::optional<HingeSide>>;
EstimateSweep SweepEstimate(const FieldCalculation& calculation, const SweepServo& servo,
                            const TorqueConstants& constants) {
    EstimateSweep sides(kSweepRows);
    if (!servo.profile || !calculation.sweepInputsRead)
        return sides;
    TorqueInputs at = calculation.inputs;
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
        at.Ang = angle;
        const HingeEstimate estimate = EstimateHingeMoment(at, *servo.profile, constants);
        if (estimate.outcome == HingeEstimateOutcome::Complete)
            sides[static_cast<std::size_t>(angle)] = estimate.down;
    }
    return sides;
}

// The real section's and the thin airfoil's torques, one servo's, and the margin against the
// first.
void AddEstimateCells(SweepTableRow& row, const std::optional<HingeSide>& side,
                      const SweepServo& servo) {
    if (!side) {
        row.cells.insert(row.cells.end(), 3, "—");
        return;
    }
    const double real = side->real.servoTorque / servo.share;
    row.cells.push_back(TorqueText(real));
    row.cells.push_back(TorqueText(side->thin.servoTorque / servo.share));
    row.cells.push_back(servo.ratingKgfCm ? MarginText(*servo.ratingKgfCm / std::fabs(real)) : "");
}

// The estimate as a band from the real section's torque up to the thin airfoil's.
std::optional<PlotBand> Band(const EstimateSweep& sides, double speed, const SweepServo& servo,
                             PlotBounds& bounds) {
    PlotBand band;
    band.name = "Seconda stima a " + SpeedText(speed) + " Km/h, dal profilo reale al sottile";
    for (std::size_t angle = 0; angle < sides.size(); ++angle) {
        if (!sides[angle])
            continue;
        const double low = sides[angle]->real.servoTorque / servo.share;
        const double high = sides[angle]->thin.servoTorque / servo.share;
        if (!(std::fabs(low) <= kLargestPlotted && std::fabs(high) <= kLargestPlotted))
            continue;
        band.low.emplace_back(static_cast<double>(angle), low);
        band.high.emplace_back(static_cast<double>(angle), high);
        bounds.low = std::min({bounds.low, low, high});
        bounds.high = std::max({bounds.high, low, high});
    }
    if (band.low.empty())
        return std::nullopt;
    return band;
}

PlotData Plot(const FieldCalculation& calculation, const std::vector<SweepCurve>& curves,
              const std::vector<double>& factors, const std::vector<std::string>& names,
              const SweepServo& servo, const EstimateSweep& estimate) {
    PlotData plot;
    if (CurrentAngle(calculation))
        plot.deflection = std::fabs(calculation.inputs.Ang);
    PlotBounds bounds;
    for (std::size_t i = 0; calculation.sweepInputsRead && i < curves.size(); ++i) {
        PlotCurve curve = CurveToPlot(curves[i], names[i], servo.share, bounds);
        curve.modelSpeed = factors[i] == 1;
        if (const std::optional<int> peak = curves[i].peakAngle) {
            const double torque =
                curves[i].points[static_cast<std::size_t>(*peak)].ServoTorque / servo.share;
            if (std::fabs(torque) <= kLargestPlotted) {
                curve.mark = std::make_pair(double(*peak), torque);
                curve.markLabel = TorqueText(torque);
            }
        }
        plot.curves.push_back(std::move(curve));
    }
    if (servo.ratingKgfCm) {
        const std::string whose =
            servo.share > 1 ? "Servo, 1 dei " + std::to_string(servo.share) : "Servo";
        plot.ratings.push_back(
            {whose + ": " + TorqueText(*servo.ratingKgfCm) + " Kg*cm", servo.ratingKgfCm, {}});
    }
    plot.band = Band(estimate, calculation.inputs.Vel, servo, bounds);
    ScalePlot(plot, bounds);
    return plot;
}

// The second estimate's headings, the row's mark's, then the servo's motion's.
void AddHeadingsAfterTorques(SweepDisplay& sweep, const std::string& unit,
                             const std::string& shareText) {
    for (const char* estimate : {"Seconda stima profilo reale", "Seconda stima profilo sottile"})
        sweep.headings.push_back(estimate + unit);
    sweep.headings.push_back("Margine seconda stima");
    sweep.headings.push_back("Nota");
    sweep.motionColumn = sweep.headings.size();
    for (std::string& heading : SweepMotionHeadings(shareText))
        sweep.headings.push_back(std::move(heading));
}

}  // namespace

std::optional<int> CurrentAngle(const FieldCalculation& calculation) {
    if (!calculation.deflectionKnown)
        return std::nullopt;
    const double angle = std::round(std::fabs(calculation.inputs.Ang));
    if (!(angle <= kSweepLastAngle))
        return std::nullopt;
    return static_cast<int>(angle);
}

SweepDisplay DisplaySweep(const FieldCalculation& calculation, std::vector<double> factors,
                          const SweepServo& servo, const TorqueConstants& constants) {
    SweepDisplay sweep;
    // The model's speed among the others, slowest first.
    factors.push_back(1);
    std::sort(factors.begin(), factors.end());
    factors.erase(std::unique(factors.begin(), factors.end()), factors.end());
    const double diveFactor = factors.back() > 1 ? factors.back() : 0;

    const TorqueInputs& in = calculation.inputs;
    std::vector<double> speeds;
    std::vector<std::string> names;  // "60 Km/h, modello"
    sweep.headings = {"Angolo (°)", "Corsa (mm)"};
    const std::string unit =
        servo.shareText.empty() ? " (Kg*cm)" : " (Kg*cm, " + servo.shareText + ")";
    for (const double factor : factors) {
        speeds.push_back(in.Vel * factor);
        std::string name = SpeedText(in.Vel * factor) + " Km/h";
        if (factor == 1) {
            name += ", modello";
        } else if (factor == diveFactor) {
            name += ", picchiata";
        }
        sweep.headings.push_back("Coppia a " + name + unit);
        names.push_back(std::move(name));
    }
    AddHeadingsAfterTorques(sweep, unit, servo.shareText);
    const std::vector<std::array<std::string, kMotionColumnCount>> motion =
        SweepMotion(calculation, servo, constants);
    const std::vector<SweepCurve> curves = SweepTorque(in, speeds, constants);
    const EstimateSweep estimate = SweepEstimate(calculation, servo, constants);
    const auto modelCurve =
        static_cast<std::size_t>(std::find(factors.begin(), factors.end(), 1.0) - factors.begin());
    const std::optional<int> current = CurrentAngle(calculation);

    sweep.rows.resize(kSweepRows);
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
        SweepTableRow& row = sweep.rows[static_cast<std::size_t>(angle)];
        row.cells.push_back(FormatPlainNumber(angle));
        const std::optional<double> travel = TravelFromAngle(angle, in.CordaAlett);
        row.cells.push_back(travel && calculation.sweepInputsRead ? FormatNumber(*travel, "#0.0")
                                                                  : "—");
        for (const SweepCurve& curve : curves) {
            const TorqueResult& point = curve.points[static_cast<std::size_t>(angle)];
            row.cells.push_back(calculation.sweepInputsRead ? TorqueCell(point, servo.share)
                                                            : "numero fuori limite");
        }
        AddEstimateCells(row, estimate[static_cast<std::size_t>(angle)], servo);
        row.peak = calculation.sweepInputsRead && curves[modelCurve].peakAngle == angle;
        row.current = current == angle;
        row.cells.push_back(RowMark(row.peak, row.current));
        const auto& moving = motion[static_cast<std::size_t>(angle)];
        row.cells.insert(row.cells.end(), moving.begin(), moving.end());
    }
    sweep.plot = Plot(calculation, curves, factors, names, servo, estimate);
    return sweep;
}

}  // namespace coppia
