// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/deflection.h"
#include "engine/torque_units.h"

namespace coppia {

// What a control surface is. The calculation is the same for all; the kind tells the builder
// what the fields mean (for an elevator or a rudder CordaAla is the stabiliser's or the fin's
// chord, and CarAla 0 unless the surface carries load).
enum class SurfaceKind { Alettone, Flap, Elevatore, Timone, Altro };

// The main window's eight inputs and its travel, named after its fields. The defaults are the
// fields' initial texts.
struct SurfaceInputs {
    double CordaAla = 300;
    double CordaAlett = 60;
    double LungAlett = 500;
    double BrAlett = 18;
    double BrServ = 12;
    double Vel = 60;
    double CarAla = 50;
    double Ang = 20;
    double Corsa = 20;

    bool operator==(const SurfaceInputs&) const = default;
};

// The servo chosen for a surface.
struct ServoRecord {
    std::string name;   // free, may be empty
    double rating = 3;  // rated torque, in `unit`; above 0
    RatingUnit unit = RatingUnit::KgfCm;
    // The keys of the file's "servo" object that this program does not know, as the text of a
    // JSON object (empty when there are none), so that a save writes them back.
    std::string otherKeys;

    bool operator==(const ServoRecord&) const = default;
};

// The most servos one surface can have; each carries an equal share of its torque.
inline constexpr int kMaxServoCount = 16;

struct Surface {
    std::string name;
    SurfaceKind kind = SurfaceKind::Alettone;
    int servoCount = 1;
    DeflectionInput deflection = DeflectionInput::Angle;
    SurfaceInputs inputs;
    ServoRecord servo;
    std::string otherKeys;       // of the surface's object, as ServoRecord::otherKeys
    std::string otherInputKeys;  // of its "ingressi" object

    bool operator==(const Surface&) const = default;
};

// A whole model: every surface of one aircraft, with its servo.
struct Model {
    std::string name;
    std::string notes;
    std::vector<Surface> surfaces;
    std::string otherKeys;  // of the file's top object

    bool operator==(const Model&) const = default;
};

// The file's words for the kinds, in the order of SurfaceKind.
inline constexpr std::array<std::string_view, 5> kSurfaceKindNames = {
    "alettone", "flap", "elevatore", "timone", "altro"};
inline constexpr std::string_view NameOf(SurfaceKind kind) {
    return kSurfaceKindNames[static_cast<std::size_t>(kind)];
}

// Why a surface cannot be kept in a model file: the key at fault, relative to the surface's
// object ("servi", "ingressi.Ang", "servo.coppia"), and the reason in words.
struct SurfaceFault {
    std::string key;
    std::string reason;
};

// Every number finite; from 1 to kMaxServoCount servos; a rating above 0; and, when the angle
// is given, an angle within the limits the main window takes typed (-60 to 60), so that the
// surface loads into it unchanged. A travel with no angle on its chord is no fault: the
// calculation refuses it as the main window does.
std::optional<SurfaceFault> CheckSurface(const Surface& surface);

}  // namespace coppia
