// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/surface_transfer.h"

#include <array>
#include <charconv>
#include <optional>

#include "engine/double_chars.h"
#include "engine/number_text.h"
#include "models/model/surface_calculation.h"

namespace coppia {

namespace {

struct FieldOfInput {
    Control field;
    double SurfaceInputs::*value;
};
// The fields that take a number as they are, in the order they are typed; the deflection's
// two come after them, so that they convert on the chord already in place.
constexpr std::array<FieldOfInput, 7> kPlainFields = {{
    {Control::CordaAla, &SurfaceInputs::CordaAla},
    {Control::CordaAlett, &SurfaceInputs::CordaAlett},
    {Control::LungAlett, &SurfaceInputs::LungAlett},
    {Control::BrAlett, &SurfaceInputs::BrAlett},
    {Control::BrServ, &SurfaceInputs::BrServ},
    {Control::Vel, &SurfaceInputs::Vel},
    {Control::CarAla, &SurfaceInputs::CarAla},
}};

// The shortest text that ReadNumber reads back to the same double: "300", "12.5", "1e+20".
std::string ExactText(double value) {
    char buffer[32];
    const auto end = ShortestChars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

}  // namespace

std::variant<Surface, std::string> SurfaceFromMainWindow(const MainWindowState& main,
                                                         Surface base) {
    Surface surface = std::move(base);
    SurfaceInputs& in = surface.inputs;
    std::array<FieldOfInput, 9> fields{};
    std::copy(kPlainFields.begin(), kPlainFields.end(), fields.begin());
    fields[7] = {Control::Ang, &SurfaceInputs::Ang};
    fields[8] = {Control::Corsa, &SurfaceInputs::Corsa};
    for (const FieldOfInput& field : fields) {
        const std::optional<double> number = ReadNumber(main.Text(field.field));
        if (!number) {
            return "il campo " + std::string(EntryOf(field.field).name) +
                   " della finestra principale ha un numero fuori limite";
        }
        in.*field.value = *number;
    }
    // As CALCOLA tells them, whatever the toggles show.
    surface.deflection =
        main.Enabled(Control::Corsa) ? DeflectionInput::Travel : DeflectionInput::Angle;
    if (surface.deflection == DeflectionInput::Travel) {
        if (const std::optional<double> angle = SurfaceAngle(surface))
            in.Ang = *angle;
    } else if (const std::optional<double> travel = SurfaceTravel(surface)) {
        in.Corsa = *travel;
    }
    if (const std::optional<SurfaceFault> fault = CheckSurface(surface))
        return "il campo " + fault->key.substr(fault->key.find('.') + 1) +
               " della finestra principale: " + fault->reason;
    return surface;
}

bool LoadIntoMainWindow(const Surface& surface, MainWindow& main) {
    const bool byTravel = surface.deflection == DeflectionInput::Travel;
    const MainWindowState& state = main.State();
    if (byTravel && !state.Enabled(Control::Corsa))
        main.UserClick(Control::Down);
    if (!byTravel && !state.Enabled(Control::Ang))
        main.UserClick(Control::UP);
    for (const FieldOfInput& field : kPlainFields)
        main.UserEdit(field.field, ExactText(surface.inputs.*field.value));
    const Control deflection = byTravel ? Control::Corsa : Control::Ang;
    main.UserEdit(deflection, "");
    main.UserEdit(deflection, ExactText(byTravel ? surface.inputs.Corsa : surface.inputs.Ang));
    return main.UserClick(Control::Calc);
}

}  // namespace coppia
