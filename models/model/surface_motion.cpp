// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/surface_motion.h"

#include "engine/servo_motion.h"
#include "models/model/surface_calculation.h"
#include "models/shared/servo_motion_text.h"

namespace coppia {

void FillMotion(ModelTableRow& row, const Surface& surface, const AnalysisSettings& settings,
                const TorqueConstants& constants) {
    const ServoRecord& servo = surface.servo;
    row.draw = {surface.servoCount, std::nullopt, servo.figures.stallCurrent};
    if (!row.refusal.empty())
        return;
    const SurfaceCalculation calculation = CalculateSurface(surface, constants);
    const TorqueInputs& in = calculation.inputs;
    const std::optional<double> rating =
        servo.rating ? std::optional(RatingInKgfCm(*servo.rating, servo.unit)) : std::nullopt;
    const ServoMotion motion = MoveServo({in.BrAlett, in.BrServ, settings.servoThrow, in.Ang},
                                         SheetOf(servo.figures, rating),
                                         LoadFromCalculation(in, surface.servoCount, constants));
    const auto cells = MotionCells(motion);
    std::copy(cells.begin(), cells.end(),
              row.cells.begin() + static_cast<std::ptrdiff_t>(ModelColumn::TempoCarico));
    if (motion.holding.outcome == CurrentOutcome::Given)
        row.draw.movingCurrent = motion.holding.amperes;
    row.motionTone = DescribeMotion(motion, in.Ang).timeTone;
}

SupplyLines ModelSupply(const Model& model, const std::vector<ModelTableRow>& rows) {
    std::vector<SurfaceDraw> draws;
    int servos = 0;
    for (std::size_t i = 0; i < rows.size() && i < model.surfaces.size(); ++i) {
        draws.push_back(rows[i].draw);
        servos += model.surfaces[i].servoCount;
    }
    SupplyRating rating;
    if (model.supply)
        rating = {model.supply->continuous, model.supply->peak};
    return DescribeSupply(CheckSupply(draws, rating), model.supply, servos);
}

}  // namespace coppia
