// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/model_record.h"

#include <algorithm>
#include <cmath>

#include "engine/deflection.h"

namespace coppia {

std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string CutToCharacters(std::string_view text, std::size_t most) {
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80 && ++characters > most)
            return std::string(text.substr(0, at));
    }
    return std::string(text);
}

std::optional<std::string> TextFault(std::string_view text, std::size_t most) {
    if (text.find('\0') != std::string_view::npos)
        return "contiene un carattere NUL (\\u0000)";
    if (CharacterCount(text) > most)
        return "più di " + std::to_string(most) + " caratteri";
    return std::nullopt;
}

SectionProfile DefaultProfile(SurfaceKind kind) {
    switch (kind) {
        case SurfaceKind::Alettone:
        case SurfaceKind::Flap:
            return kWingSurfaceProfile;
        case SurfaceKind::Elevatore:
        case SurfaceKind::Timone:
        case SurfaceKind::Altro:
            break;
    }
    return kTailSurfaceProfile;
}

SectionProfile ProfileOf(const Surface& surface) {
    return surface.profile.value_or(DefaultProfile(surface.kind));
}

namespace {

// What a surface keeps beside the calculation's inputs: its section and its servo's figures.
std::optional<SurfaceFault> CheckSectionAndSheet(const Surface& surface) {
    if (surface.profile && !IsValidThickness(surface.profile->thicknessPercent))
        return SurfaceFault{"profilo.spessore", "deve essere " + std::string(kThicknessRange)};
    if (const ServoFigureKey* figure = FigureOutOfRange(surface.servo.figures)) {
        return SurfaceFault{"servo." + std::string(figure->key),
                            "deve essere " + FigureRange(*figure) + ", o null"};
    }
    return std::nullopt;
}

bool IsSupplyCurrent(double amperes) {
    return amperes >= kLeastSupplyCurrent && amperes <= kMostSupplyCurrent;
}

}  // namespace

std::optional<SurfaceFault> CheckSurface(const Surface& surface) {
    if (std::optional<std::string> fault = TextFault(surface.name, kMaxNameCharacters))
        return SurfaceFault{"nome", std::move(*fault)};
    if (std::optional<std::string> fault = TextFault(surface.servo.name, kMaxNameCharacters))
        return SurfaceFault{"servo.nome", std::move(*fault)};
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
    if (surface.servo.rating && !IsModelRating(*surface.servo.rating))
        return SurfaceFault{"servo.coppia", "deve essere " + std::string(kRatingRange)};
    return CheckSectionAndSheet(surface);
}

std::optional<SurfaceFault> CheckSupplyRecord(const SupplyRecord& supply) {
    if (std::optional<std::string> fault = TextFault(supply.name, kMaxNameCharacters))
        return SurfaceFault{"nome", std::move(*fault)};
    const std::array<std::pair<std::string_view, std::optional<double>>, 2> currents = {{
        {"continua", supply.continuous},
        {"picco", supply.peak},
    }};
    for (const auto& [key, amperes] : currents) {
        if (amperes && !IsSupplyCurrent(*amperes))
            return SurfaceFault{std::string(key),
                                "deve essere " + std::string(kSupplyCurrentRange) + ", o null"};
    }
    return std::nullopt;
}

}  // namespace coppia
