// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/model_record.h"

#include <cmath>

#include "engine/deflection.h"

namespace coppia {

std::optional<SurfaceFault> CheckSurface(const Surface& surface) {
    const SurfaceInputs& in = surface.inputs;
    const std::array<std::pair<std::string_view, double>, 9> numbers = {{
        {"CordaAla", in.CordaAla},
        {"CordaAlett", in.CordaAlett},
        {"LungAlett", in.LungAlett},
        {"BrAlett", in.BrAlett},
        {"BrServ", in.BrServ},
        {"Vel", in.Vel},
        {"CarAla", in.CarAla},
        {"Ang", in.Ang},
        {"Corsa", in.Corsa},
    }};
    for (const auto& [key, value] : numbers) {
        if (!std::isfinite(value))
            return SurfaceFault{"ingressi." + std::string(key), "non è un numero finito"};
    }
    if (surface.deflection == DeflectionInput::Angle &&
        CheckDeflectionAngle(in.Ang) != AngleCheck::AngleWithinLimits) {
        return SurfaceFault{"ingressi.Ang", "l'angolo deve stare fra -60 e 60 gradi"};
    }
    if (surface.servoCount < 1 || surface.servoCount > kMaxServoCount) {
        return SurfaceFault{
            "servi", "deve essere un numero intero da 1 a " + std::to_string(kMaxServoCount)};
    }
    if (!IsValidRating(surface.servo.rating))
        return SurfaceFault{"servo.coppia", "deve essere un numero maggiore di 0"};
    return std::nullopt;
}

}  // namespace coppia
