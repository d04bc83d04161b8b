// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/analysis/sweep_motion.h"

#include "engine/servo_check.h"
#include "engine/servo_motion.h"

namespace coppia {

std::vector<std::string> SweepMotionHeadings(const std::string& shareText) {
    std::vector<std::string> headings(kMotionHeadings.begin(), kMotionHeadings.end());
    if (!shareText.empty()) {
        // "Corrente in tenuta (A)" becomes "Corrente in tenuta (A, per servo: 1 dei 2)"; the
        // times are every servo's, which move together.
        for (std::size_t i = 2; i < headings.size(); ++i) {
            headings[i].pop_back();
            headings[i] += ", " + shareText + ")";
        }
    }
    return headings;
}

std::vector<std::array<std::string, kMotionColumnCount>> SweepMotion(
    const FieldCalculation& calculation, const SweepServo& servo,
    const TorqueConstants& constants) {
    std::vector<std::array<std::string, kMotionColumnCount>> rows;
    rows.reserve(kSweepRows);
    const TorqueInputs& in = calculation.inputs;
    const ServoLoad load = LoadFromCalculation(in, servo.share, constants);
    const ServoSheet sheet = SheetOf(servo.figures, servo.ratingKgfCm);
    for (int angle = kSweepFirstAngle; angle <= kSweepLastAngle; ++angle) {
        if (!calculation.sweepInputsRead) {
            rows.push_back({"numero fuori limite", "numero fuori limite", "numero fuori limite",
                            "numero fuori limite"});
            continue;
        }
        const MotionInputs way{in.BrAlett, in.BrServ, servo.servoThrow, static_cast<double>(angle)};
        rows.push_back(MotionCells(MoveServo(way, sheet, load)));
    }
    return rows;
}

}  // namespace coppia
