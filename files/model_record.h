// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/deflection.h"
#include "engine/hinge_estimate.h"
#include "engine/torque_units.h"
#include "files/section_and_sheet.h"

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
    std::string name;  // free, may be empty
    // The rated torque, in `unit`, above 0; none until the builder gives it, and then the
    // surface has no verdict.
    std::optional<double> rating;
    RatingUnit unit = RatingUnit::KgfCm;
    // The keys of the file's "servo" object that this program does not know, as the text of a
    // JSON object (empty when there are none), so that a save writes them back.
    std::string otherKeys;
    // Its data-sheet figures beyond the rating, each empty until the builder gives it.
    ServoFigures figures = {};

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
    // The section at the surface, for the second estimate of its hinge moment: none until the
    // builder gives it, and then its kind's (ProfileOf).
    std::optional<SectionProfile> profile = {};
    std::string otherProfileKeys = {};  // of its "profilo" object, written only with a profile

    bool operator==(const Surface&) const = default;
};

// The section a surface of `kind` is taken to have when none is given: a wing's for ailerons
// and flaps, a tail's for elevators and rudders, and for "altro" the thinner tail's, whose
// real-section estimate is the larger of the two, so that a surface of unknown section is not
// judged on the smaller one.
SectionProfile DefaultProfile(SurfaceKind kind);
SectionProfile ProfileOf(const Surface& surface);

// What feeds the model's servos: a receiver battery, a regulator, an ESC's BEC.
struct SupplyRecord {
    std::string name;                  // free, may be empty
    std::optional<double> continuous;  // A, none until given
    std::optional<double> peak;        // A, none until given
    std::string otherKeys = {};        // of its "alimentazione" object

    bool operator==(const SupplyRecord&) const = default;
};

// A supply's current, A, both ends included: from a small regulator's to a big receiver
// battery's, with room to spare; 0 is no supply's.
inline constexpr double kLeastSupplyCurrent = 0.01;
inline constexpr double kMostSupplyCurrent = 1000;
inline constexpr std::string_view kSupplyCurrentRange = "un numero da 0.01 a 1000 A";

// A whole model: every surface of one aircraft, with its servo.
struct Model {
    std::string name;
    std::string notes;
    std::vector<Surface> surfaces;
    std::string otherKeys;                    // of the file's top object
    std::optional<SupplyRecord> supply = {};  // none until the builder gives one

    bool operator==(const Model&) const = default;
};

// The file's words for the kinds, in the order of SurfaceKind.
inline constexpr std::array<std::string_view, 5> kSurfaceKindNames = {
    "alettone", "flap", "elevatore", "timone", "altro"};
inline constexpr std::string_view NameOf(SurfaceKind kind) {
    return kSurfaceKindNames[static_cast<std::size_t>(kind)];
}

// A servo's rating as a model keeps it: a plain number a servo can have, in Kg*cm or in N*cm
// alike. A rating of 1e-320 is no servo's, and would be shown in digits no one can read.
inline constexpr double kLeastRating = 0.01;
inline constexpr double kMostRating = 10000;
inline constexpr std::string_view kRatingRange = "un numero da 0.01 a 10000";
inline bool IsModelRating(double rating) {
    return rating >= kLeastRating && rating <= kMostRating;
}

// Names (of the model, of a surface, of a servo) and notes are bounded, so that no file can
// make the window take more memory than a model ever needs. Counted in characters (UTF-8 code
// points), not bytes.
inline constexpr std::size_t kMaxNameCharacters = 200;
inline constexpr std::size_t kMaxNotesCharacters = 10000;

// The characters of a UTF-8 text: its bytes that start one.
std::size_t CharacterCount(std::string_view text);
// The text cut after its first `most` characters.
std::string CutToCharacters(std::string_view text, std::size_t most);
// Why a name or notes cannot be kept: longer than `most` characters ("più di 200 caratteri"),
// or holding a NUL, which would end it for every program written in C; nothing when it can.
std::optional<std::string> TextFault(std::string_view text, std::size_t most);

// Why a surface or a supply cannot be kept in a model file: the key at fault, relative to the
// object checked ("servi", "ingressi.Ang", "servo.coppia"; "picco"), and the reason in words.
struct SurfaceFault {
    std::string key;
    std::string reason;
};

// Its name and its servo's within kMaxNameCharacters and without a NUL; every number finite;
// from 1 to kMaxServoCount servos; a rating a servo can have (IsModelRating); and, when the angle
// is given, an angle within the limits the main window takes typed (-60 to 60), so that the
// surface loads into it unchanged. A travel with no angle on its chord is no fault: the
// calculation refuses it as the main window does. A profile's thickness within
// IsValidThickness, and each of the servo's figures given within its range (kServoFigureKeys).
std::optional<SurfaceFault> CheckSurface(const Surface& surface);

// Its name within kMaxNameCharacters and without a NUL, and each current given within
// kLeastSupplyCurrent to kMostSupplyCurrent.
std::optional<SurfaceFault> CheckSupplyRecord(const SupplyRecord& supply);

}  // namespace coppia
