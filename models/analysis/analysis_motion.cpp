// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window's servo in motion: its data sheet's figures, typed beside its rating (the
// window's own, kept in its settings, or those of the servo a model lent), and what they give
// under the verdict: the time to the deflection or where the servo stops, and its currents.
#include "engine/servo_motion.h"
#include "models/analysis/analysis_window.h"
#include "models/shared/absurd_inputs.h"
#include "models/shared/servo_motion_text.h"

namespace coppia {

void AnalysisWindow::Analisi_Tensione_Change(std::string_view text) {
    EditFigure(0, text);
}

void AnalysisWindow::Analisi_Tempo60_Change(std::string_view text) {
    EditFigure(1, text);
}

void AnalysisWindow::Analisi_CorrenteVuoto_Change(std::string_view text) {
    EditFigure(2, text);
}

void AnalysisWindow::Analisi_CorrenteStallo_Change(std::string_view text) {
    EditFigure(3, text);
}

const ServoFigures& AnalysisWindow::Figures() const {
    const std::optional<LoanedServo>& loaned = loan_.Current();
    return loaned ? loaned->figures : settings_.servoFigures;
}

ServoFigures AnalysisWindow::FiguresInUse() const {
    ServoFigures figures = Figures();
    for (std::size_t i = 0; i < kServoFigureKeys.size(); ++i) {
        if (!figureValid_[i])
            (figures.*kServoFigureKeys[i].value).reset();
    }
    return figures;
}

void AnalysisWindow::ShowFigures() {
    for (std::size_t i = 0; i < kServoFigureKeys.size(); ++i) {
        figureTexts_[i] = FigureFieldText(Figures().*kServoFigureKeys[i].value);
        figureValid_[i] = true;
    }
}

void AnalysisWindow::EditFigure(std::size_t figure, std::string_view text) {
    figureTexts_[figure] = text;
    const std::optional<std::optional<double>> typed = TypedFigure(kServoFigureKeys[figure], text);
    figureValid_[figure] = typed.has_value();
    if (typed) {
        ServoFigures figures = Figures();
        figures.*kServoFigureKeys[figure].value = *typed;
        // A lent servo's figures go back to the model with "Aggiorna", not to the settings.
        if (loan_.Current()) {
            lendingBack_ = true;
            loan_.SetFigures(figures);
            lendingBack_ = false;
        } else {
            settings_.servoFigures = figures;
            Save();
        }
    }
    InputChanged();
}

void AnalysisWindow::FillMotion(const FieldCalculation& calculation) {
    for (std::size_t i = 0; i < kServoFigureKeys.size() && display_.figuresProblem.empty(); ++i) {
        if (!figureValid_[i])
            display_.figuresProblem = FigureProblem(i);
    }
    // Under a verdict on the installation only: not beside a refusal, an input the servo
    // check cannot use, or inputs that make no sense for a verdict.
    if (display_.verdict.empty() || calculation.refusal ||
        AbsurdInput(calculation.inputs, TravelGiven(calculation))) {
        return;
    }
    const TorqueInputs& in = calculation.inputs;
    const ServoMotion motion = MoveServo({in.BrAlett, in.BrServ, settings_.servoThrow, in.Ang},
                                         SheetOf(FiguresInUse(), RatingKgfCm()),
                                         LoadFromCalculation(in, Share(), constants_));
    const MotionLines lines = DescribeMotion(motion, in.Ang);
    display_.motion = lines.time;
    display_.motionTone = lines.timeTone;
    display_.current = lines.current;
    display_.figures = FiguresText(FiguresInUse());
}

}  // namespace coppia
