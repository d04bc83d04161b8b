// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_compare.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "models/model/model_table.h"
#include "models/model/surface_calculation.h"
#include "models/shared/installation_verdict.h"
#include "models/shared/plot.h"
#include "models/shared/servo_motion_text.h"

namespace coppia {

namespace {

std::string Number(std::optional<double> value) {
    return value ? FormatPlainNumber(*value) : "—";
}

// The curve of one surface at its own speed, per servo, marked at its own deflection.
PlotCurve SurfaceCurve(const Surface& surface, std::string name, const TorqueConstants& constants,
                       PlotBounds& bounds) {
    const SurfaceCalculation calculation = CalculateSurface(surface, constants);
    const std::vector<SweepCurve> swept =
        SweepTorque(calculation.inputs, {surface.inputs.Vel}, constants);
    const double share = surface.servoCount;
    PlotCurve curve = CurveToPlot(swept.front(), std::move(name), share, bounds);
    if (curve.points.empty())
        curve.name += " (non calcolabile)";
    const double angle = std::fabs(calculation.inputs.Ang);
    if (!calculation.refusal && angle <= kSweepLastAngle) {
        TorqueInputs at = calculation.inputs;
        at.Ang = angle;
        const double torque = CalculateTorque(at, constants).ServoTorque / share;
        curve.mark = std::make_pair(angle, torque);
        curve.markLabel = TorqueText(torque);
    }
    return curve;
}

}  // namespace

std::vector<InputLine> SurfaceInputLines(const Surface& surface) {
    const SurfaceInputs& in = surface.inputs;
    const bool byTravel = surface.deflection == DeflectionInput::Travel;
    const std::string rating = surface.servo.rating
                                   ? FormatPlainNumber(*surface.servo.rating) + " " +
                                         std::string(RatingUnitName(surface.servo.unit))
                                   : "da indicare";
    std::vector<InputLine> lines = {
        {"Tipo", std::string(KindText(surface.kind))},
        {"Servi", std::to_string(surface.servoCount)},
        {"Deflessione data come", byTravel ? "corsa" : "angolo"},
        {"CordaAla, corda dell'ala (mm)", Number(in.CordaAla)},
        {"CordaAlett, corda della superficie (mm)", Number(in.CordaAlett)},
        {"LungAlett, lunghezza della superficie (mm)", Number(in.LungAlett)},
        {"BrAlett, braccio della squadretta (mm)", Number(in.BrAlett)},
        {"BrServ, braccio del servo (mm)", Number(in.BrServ)},
        {"Vel, velocità (Km/h)", Number(in.Vel)},
        {"CarAla, carico alare (g/dm²)", Number(in.CarAla)},
        {"Ang, deflessione (°)", Number(byTravel ? SurfaceAngle(surface) : in.Ang)},
        {"Corsa, del bordo d'uscita (mm)", Number(byTravel ? in.Corsa : SurfaceTravel(surface))},
        {"Servo", surface.servo.name.empty() ? "—" : surface.servo.name},
        {"Coppia dichiarata", rating},
        {"Spessore del profilo (%)", Number(ProfileOf(surface).thicknessPercent)},
        {"Fessura alla cerniera", std::string(NameOf(ProfileOf(surface).gap))},
    };
    // The servo's data sheet, each figure as given or not.
    for (std::size_t i = 0; i < kServoFigureKeys.size(); ++i) {
        lines.push_back({std::string(kServoFigureCaptions[i]) + " (" +
                             std::string(kServoFigureKeys[i].unit) + ")",
                         Number(surface.servo.figures.*kServoFigureKeys[i].value)});
    }
    return lines;
}

Comparison Compare(const Model& model, std::vector<std::size_t> indices,
                   const TorqueConstants& constants) {
    Comparison comparison;
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    std::erase_if(indices, [&model](std::size_t i) { return i >= model.surfaces.size(); });
    if (indices.size() < 2) {
        comparison.note =
            "Per confrontare più superfici, selezionale nella tabella (Ctrl+clic, o Maiusc e le "
            "frecce)";
    } else if (indices.size() > kMostCompared) {
        comparison.note = "Confrontate le prime " + std::to_string(kMostCompared) + " delle " +
                          std::to_string(indices.size()) + " superfici";
        indices.resize(kMostCompared);
    }

    PlotBounds bounds;
    for (std::size_t column = 0; column < indices.size(); ++column) {
        const Surface& surface = model.surfaces[indices[column]];
        std::string name = SurfaceLabel(surface, indices[column]);
        comparison.names.push_back(name);
        const std::vector<InputLine> lines = SurfaceInputLines(surface);
        comparison.rows.resize(lines.size());
        for (std::size_t r = 0; r < lines.size(); ++r) {
            SideBySideRow& row = comparison.rows[r];
            row.label = lines[r].label;
            row.differs = row.differs || (column > 0 && lines[r].value != row.values.front());
            row.values.push_back(lines[r].value);
        }
        if (surface.servo.rating) {
            const double rating = RatingInKgfCm(*surface.servo.rating, surface.servo.unit);
            comparison.plot.ratings.push_back(
                {"Servo di " + name + ": " + TorqueText(rating) + " Kg*cm", rating, column});
        }
        comparison.plot.curves.push_back(SurfaceCurve(surface, std::move(name), constants, bounds));
    }
    ScalePlot(comparison.plot, bounds);
    return comparison;
}

}  // namespace coppia
