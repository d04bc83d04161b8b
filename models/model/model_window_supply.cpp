// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's servos in motion: each surface's servo's data-sheet figures, on the page
// of the surface, and the model's supply, on the page of the model. Each is a step of the
// history; what is typed and cannot be kept stays in its field, said why, and is not used.
#include "models/model/model_controls.h"
#include "models/model/model_window.h"
#include "models/shared/servo_motion_text.h"
#include "models/shared/supply_text.h"

namespace coppia {

namespace {

constexpr std::array<std::string_view, 2> kSupplyCurrentCaptions = {
    ModelControl("CorrenteContinua").caption, ModelControl("CorrentePicco").caption};
constexpr std::array<std::optional<double> SupplyRecord::*, 2> kSupplyCurrents = {
    &SupplyRecord::continuous, &SupplyRecord::peak};

}  // namespace

void ModelWindow::Modello_TensioneServo_Change(std::string_view text) {
    EditFigure(0, text);
}

void ModelWindow::Modello_Tempo60Servo_Change(std::string_view text) {
    EditFigure(1, text);
}

void ModelWindow::Modello_CorrenteVuotoServo_Change(std::string_view text) {
    EditFigure(2, text);
}

void ModelWindow::Modello_CorrenteStalloServo_Change(std::string_view text) {
    EditFigure(3, text);
}

void ModelWindow::Modello_NomeAlimentazione_Change(std::string_view name) {
    EditSupply(
        [name](SupplyRecord& supply) { supply.name = CutToCharacters(name, kMaxNameCharacters); });
}

void ModelWindow::Modello_CorrenteContinua_Change(std::string_view text) {
    EditSupplyCurrent(0, text);
}

void ModelWindow::Modello_CorrentePicco_Change(std::string_view text) {
    EditSupplyCurrent(1, text);
}

void ModelWindow::EditFigure(std::size_t figure, std::string_view text) {
    if (Current() == nullptr)
        return Refresh();
    const std::optional<std::optional<double>> typed = TypedFigure(kServoFigureKeys[figure], text);
    if (!typed) {
        figuresTyped_[figure] = std::string(text);
        detailsProblem_ = FigureProblem(figure);
        return Refresh();
    }
    figuresTyped_[figure].reset();
    detailsProblem_.clear();
    EditServo([figure, typed](ServoRecord& servo) {
        servo.figures.*kServoFigureKeys[figure].value = *typed;
    });
}

void ModelWindow::EditSupplyCurrent(std::size_t current, std::string_view text) {
    const std::optional<std::optional<double>> typed = TypedSupplyCurrent(text);
    if (!typed) {
        supplyTyped_[current] = std::string(text);
        supplyProblem_ = SupplyCurrentProblem(kSupplyCurrentCaptions[current]);
        return Refresh();
    }
    supplyTyped_[current].reset();
    supplyProblem_.clear();
    EditSupply(
        [current, typed](SupplyRecord& supply) { supply.*kSupplyCurrents[current] = *typed; });
}

void ModelWindow::EditSupply(const std::function<void(SupplyRecord&)>& change) {
    SupplyRecord supply = Document().Content().supply.value_or(SupplyRecord{});
    change(supply);
    // Nothing given is no supply: the file then has none, as before there was one.
    const bool none =
        supply.name.empty() && !supply.continuous && !supply.peak && supply.otherKeys.empty();
    if (Document().SetSupply(none ? std::nullopt : std::optional(std::move(supply))))
        return Edited(std::nullopt);
    Refresh();
}

void ModelWindow::FillFigures() {
    SurfaceDetails& details = display_.details;
    const Surface* surface = Current();
    for (std::size_t i = 0; surface != nullptr && i < kServoFigureKeys.size(); ++i) {
        details.figures[i] = figuresTyped_[i].value_or(
            FigureFieldText(surface->servo.figures.*kServoFigureKeys[i].value));
    }
}

void ModelWindow::FillSupply() {
    const std::optional<SupplyRecord>& supply = Document().Content().supply;
    display_.supplyName = supply ? supply->name : std::string();
    std::array<std::string*, 2> currents = {&display_.supplyContinuous, &display_.supplyPeak};
    for (std::size_t i = 0; i < currents.size(); ++i) {
        *currents[i] =
            supplyTyped_[i].value_or(supply ? FigureFieldText(*supply.*kSupplyCurrents[i]) : "");
    }
    display_.supplyProblem = supplyProblem_;
}

}  // namespace coppia
