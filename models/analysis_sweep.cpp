// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis_sweep.h"

#include <algorithm>
#include <cmath>

#include "engine/deflection.h"
#include "engine/number_text.h"
#include "engine/servo_check.h"

namespace coppia {

namespace {

// A speed to a tenth, without trailing zeros: "48", "73.2".
std::string SpeedText(double speed) {
    return FormatPlainNumber(std::round(speed * 10) / 10);
}

// Torques beyond this are left off the plot: only absurd inputs reach them, and the table
// still gives them.
constexpr double kLargestPlotted = 1e9;
// The rated torque's line is drawn while it lies within this many times the curves' reach.
constexpr double kRatingReach = 10;

// A table cell: the torque as a figure, or why there is none.
std::string TorqueCell(const TorqueResult& point) {
    switch (point.Outcome) {
        case TorqueOutcome::Complete:
            return TorqueText(point.ServoTorque);
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

PlotData Plot(const FieldCalculation& calculation, const std::vector<SweepCurve>& curves,
              const std::vector<double>& factors, const std::vector<std::string>& names,
              std::optional<double> ratingKgfCm) {
    PlotData plot;
    if (CurrentAngle(calculation))
        plot.deflection = std::fabs(calculation.inputs.Ang);
    PlotBounds bounds;
    for (std::size_t i = 0; calculation.sweepInputsRead && i < curves.size(); ++i) {
        PlotCurve curve = CurveToPlot(curves[i], names[i], 1, bounds);
        curve.modelSpeed = factors[i] == 1;
        if (const std::optional<int> peak = curves[i].peakAngle) {
            const double torque = curves[i].points[static_cast<std::size_t>(*peak)].ServoTorque;
            if (std::fabs(torque) <= kLargestPlotted) {
                curve.mark = std::make_pair(double(*peak), torque);
                curve.markLabel = TorqueText(torque);
            }
        }
        plot.curves.push_back(std::move(curve));
    }
    if (ratingKgfCm)
        plot.ratings.push_back({"Servo: " + TorqueText(*ratingKgfCm) + " Kg*cm", ratingKgfCm, {}});
    ScalePlot(plot, bounds);
    return plot;
}

}  // namespace

PlotScale RoundScale(double low, double high) {
    PlotScale scale;
    // About six steps of 1, 2 or 5 times a power of ten.
    const double rough = (high - low) / 6;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double leading = rough / power;
    const double factor = leading <= 1 ? 1 : leading <= 2 ? 2 : leading <= 5 ? 5 : 10;
    scale.step = factor * power;
    // Minor lines at a fifth of 1 and 5, at a quarter of 2: every 0.2, 0.5 or 1 of a unit.
    scale.minorTicks = factor == 2 ? 3 : 4;
    scale.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(scale.step) + 1e-9)));
    scale.low = std::floor(low / scale.step) * scale.step;
    scale.high = std::ceil(high / scale.step) * scale.step;
    return scale;
}

PlotCurve CurveToPlot(const SweepCurve& swept, std::string name, double share, PlotBounds& bounds) {
    PlotCurve curve;
    curve.name = std::move(name);
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
        const TorqueResult& point = swept.points[static_cast<std::size_t>(angle)];
        const double torque = point.ServoTorque / share;
        if (point.Outcome == TorqueOutcome::Complete && std::fabs(torque) <= kLargestPlotted) {
            curve.points.emplace_back(angle, torque);
            bounds.low = std::min(bounds.low, torque);
            bounds.high = std::max(bounds.high, torque);
        }
    }
    return curve;
}

void ScalePlot(PlotData& plot, PlotBounds bounds) {
    const double reach = std::max(bounds.high - bounds.low, 0.0) * kRatingReach;
    double high = bounds.high;
    for (PlotRating& rating : plot.ratings) {
        if (!rating.value)
            continue;
        if (*rating.value <= (reach > 0 ? reach : kLargestPlotted)) {
            high = std::max(high, *rating.value);
        } else {
            rating.value.reset();
            rating.name += ", fuori scala";
        }
    }
    const double low = bounds.low;
    // Room above the highest point for its label.
    plot.scale = RoundScale(low, high > low ? high + (high - low) * 0.08 : low + 1);
}

std::optional<int> CurrentAngle(const FieldCalculation& calculation) {
    if (!calculation.deflectionKnown)
        return std::nullopt;
    const double angle = std::round(std::fabs(calculation.inputs.Ang));
    if (!(angle <= kSweepLastAngle))
        return std::nullopt;
    return static_cast<int>(angle);
}

SweepDisplay DisplaySweep(const FieldCalculation& calculation, std::vector<double> factors,
                          std::optional<double> ratingKgfCm, const TorqueConstants& constants) {
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
    for (const double factor : factors) {
        speeds.push_back(in.Vel * factor);
        std::string name = SpeedText(in.Vel * factor) + " Km/h";
        if (factor == 1) {
            name += ", modello";
        } else if (factor == diveFactor) {
            name += ", picchiata";
        }
        sweep.headings.push_back("Coppia a " + name + " (Kg*cm)");
        names.push_back(std::move(name));
    }
    sweep.headings.push_back("Nota");
    const std::vector<SweepCurve> curves = SweepTorque(in, speeds, constants);
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
            row.cells.push_back(calculation.sweepInputsRead ? TorqueCell(point)
                                                            : "numero fuori limite");
        }
        row.peak = calculation.sweepInputsRead && curves[modelCurve].peakAngle == angle;
        row.current = current == angle;
        row.cells.push_back(RowMark(row.peak, row.current));
    }
    sweep.plot = Plot(calculation, curves, factors, names, ratingKgfCm);
    return sweep;
}

}  // namespace coppia
