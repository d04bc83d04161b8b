// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/model_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <variant>

#include "engine/number_text.h"
#include "files/model_json.h"
#include "files/platform/safe_file.h"

namespace coppia {

namespace {

using Json = ModelJson;

constexpr std::string_view kKgfCmName = "Kg*cm";
constexpr std::string_view kNewtonCmName = "N*cm";
constexpr std::string_view kAngleName = "angolo";
constexpr std::string_view kTravelName = "corsa";
constexpr std::string_view kProfileKey = "profilo";
constexpr std::string_view kSupplyKey = "alimentazione";

struct InputKey {
    std::string_view key;
    double SurfaceInputs::*value;
};
// The keys of "ingressi", in the order they are written.
constexpr std::array<InputKey, 9> kInputKeys = {{
    {"CordaAla", &SurfaceInputs::CordaAla},
    {"CordaAlett", &SurfaceInputs::CordaAlett},
    {"LungAlett", &SurfaceInputs::LungAlett},
    {"BrAlett", &SurfaceInputs::BrAlett},
    {"BrServ", &SurfaceInputs::BrServ},
    {"Vel", &SurfaceInputs::Vel},
    {"CarAla", &SurfaceInputs::CarAla},
    {"Ang", &SurfaceInputs::Ang},
    {"Corsa", &SurfaceInputs::Corsa},
}};

// ---- JSON to the record -----------------------------------------------------------------------

bool IsWholeIn(double value, double least, double most) {
    return value >= least && value <= most && value == std::trunc(value);
}

void CheckVersion(const Json& root) {
    const std::string format = TextAt(root, "formato", "");
    if (format != kModelFormat)
        RefuseValue("formato", "non è un modello di coppia (deve essere \"coppia-modello\")");
    const double version = NumberAt(root, "versione", "");
    // Any number beyond this version is a newer one, whole or not: that is what its reader
    // needs to hear.
    if (version > kModelFileVersion) {
        const std::string which = version < 1e6
                                      ? "della versione " + FormatPlainNumber(version) + ","
                                      : "di una versione";
        RefuseValue("versione",
                    "il file è " + which + " più recente della " +
                        std::to_string(kModelFileVersion) +
                        " che questo programma sa leggere: serve un coppia più recente");
    }
    if (!IsWholeIn(version, 1, kModelFileVersion))
        RefuseValue("versione", "deve essere un numero intero da 1 in su");
}

ServoRecord ReadServo(const Json& object, const std::string& path) {
    ServoRecord servo;
    servo.name = BoundedTextAt(object, "nome", path, kMaxNameCharacters);
    // null: the builder has not given the rating yet.
    if (!MemberAt(object, "coppia", path).is_null())
        servo.rating = NumberAt(object, "coppia", path);
    constexpr std::array<std::string_view, 2> kUnits = {kKgfCmName, kNewtonCmName};
    servo.unit =
        WordAt(object, "unita", path, kUnits) == 0 ? RatingUnit::KgfCm : RatingUnit::NewtonCm;
    for (const ServoFigureKey& figure : kServoFigureKeys)
        servo.figures.*figure.value = OptionalNumberAt(object, figure.key, path);
    constexpr std::array<std::string_view, 7> kKnown = {
        "nome",
        "coppia",
        "unita",
        kServoFigureKeys[0].key,
        kServoFigureKeys[1].key,
        kServoFigureKeys[2].key,
        kServoFigureKeys[3].key,
    };
    servo.otherKeys = OtherKeys(object, kKnown);
    return servo;
}

// The section, when the file gives it: both keys, or the surface is refused.
void ReadProfile(const Json& object, const std::string& path, Surface& surface) {
    if (!object.contains(kProfileKey))
        return;
    const Json& profile = ObjectAt(object, kProfileKey, path);
    const std::string profilePath = JoinKey(path, kProfileKey);
    surface.profile = SectionProfile{
        NumberAt(profile, "spessore", profilePath),
        static_cast<HingeGap>(WordAt(profile, "fessura", profilePath, kHingeGapNames))};
    surface.otherProfileKeys = OtherKeys(profile, {"spessore", "fessura"});
}

// The model's supply, when the file gives one: its three keys, each current a number or null.
std::optional<SupplyRecord> ReadSupply(const Json& root) {
    if (!root.contains(kSupplyKey))
        return std::nullopt;
    const Json& object = ObjectAt(root, kSupplyKey, "");
    SupplyRecord supply;
    supply.name = BoundedTextAt(object, "nome", kSupplyKey, kMaxNameCharacters);
    const auto current = [&object](std::string_view key) {
        MemberAt(object, key, kSupplyKey);  // there, though it may be null
        return OptionalNumberAt(object, key, kSupplyKey);
    };
    supply.continuous = current("continua");
    supply.peak = current("picco");
    supply.otherKeys = OtherKeys(object, {"nome", "continua", "picco"});
    if (const std::optional<SurfaceFault> fault = CheckSupplyRecord(supply))
        RefuseValue(JoinKey(kSupplyKey, fault->key), fault->reason);
    return supply;
}

Surface ReadSurface(const Json& object, const std::string& path) {
    Surface surface;
    surface.name = BoundedTextAt(object, "nome", path, kMaxNameCharacters);
    surface.kind = static_cast<SurfaceKind>(WordAt(object, "tipo", path, kSurfaceKindNames));
    const double servos = NumberAt(object, "servi", path);
    if (!IsWholeIn(servos, 1, kMaxServoCount)) {
        RefuseValue(JoinKey(path, "servi"),
                    "deve essere un numero intero da 1 a " + std::to_string(kMaxServoCount));
    }
    surface.servoCount = static_cast<int>(servos);
    constexpr std::array<std::string_view, 2> kDeflections = {kAngleName, kTravelName};
    surface.deflection = WordAt(object, "deflessione", path, kDeflections) == 0
                             ? DeflectionInput::Angle
                             : DeflectionInput::Travel;
    const std::string inputsPath = JoinKey(path, "ingressi");
    const Json& inputs = ObjectAt(object, "ingressi", path);
    for (const InputKey& input : kInputKeys)
        surface.inputs.*input.value = NumberAt(inputs, input.key, inputsPath);
    surface.otherInputKeys = OtherKeys(inputs, {"CordaAla", "CordaAlett", "LungAlett", "BrAlett",
                                                "BrServ", "Vel", "CarAla", "Ang", "Corsa"});
    ReadProfile(object, path, surface);
    surface.servo = ReadServo(ObjectAt(object, "servo", path), JoinKey(path, "servo"));
    surface.otherKeys = OtherKeys(
        object, {"nome", "tipo", "servi", "deflessione", "ingressi", kProfileKey, "servo"});
    if (const std::optional<SurfaceFault> fault = CheckSurface(surface))
        RefuseValue(JoinKey(path, fault->key), fault->reason);
    return surface;
}

Model ReadModel(const Json& root) {
    if (!root.is_object())
        RefuseValue("", "non è un modello di coppia: il testo JSON non è un oggetto { }");
    CheckVersion(root);
    Model model;
    model.name = BoundedTextAt(root, "nome", "", kMaxNameCharacters);
    model.notes = BoundedTextAt(root, "note", "", kMaxNotesCharacters);
    model.supply = ReadSupply(root);
    const Json& surfaces = MemberAt(root, "superfici", "");
    if (!surfaces.is_array())
        RefuseValue("superfici", "deve essere una lista [ ]");
    model.surfaces.reserve(surfaces.size());
    for (std::size_t i = 0; i < surfaces.size(); ++i) {
        const std::string path = "superfici[" + std::to_string(i) + "]";
        if (!surfaces[i].is_object())
            RefuseValue(path, "deve essere un oggetto { }");
        model.surfaces.push_back(ReadSurface(surfaces[i], path));
    }
    model.otherKeys =
        OtherKeys(root, {"formato", "versione", "nome", "note", kSupplyKey, "superfici"});
    return model;
}

// ---- The record to JSON -----------------------------------------------------------------------

Json SurfaceJson(const Surface& surface) {
    Json object = Json::object();
    object["nome"] = surface.name;
    object["tipo"] = NameOf(surface.kind);
    object["servi"] = surface.servoCount;
    object["deflessione"] = surface.deflection == DeflectionInput::Angle ? kAngleName : kTravelName;
    Json inputs = Json::object();
    for (const InputKey& input : kInputKeys)
        inputs[std::string(input.key)] = NumberJson(surface.inputs.*input.value);
    AppendOtherKeys(inputs, surface.otherInputKeys);
    object["ingressi"] = std::move(inputs);
    if (surface.profile) {
        Json profile = Json::object();
        profile["spessore"] = NumberJson(surface.profile->thicknessPercent);
        profile["fessura"] = NameOf(surface.profile->gap);
        AppendOtherKeys(profile, surface.otherProfileKeys);
        object[kProfileKey] = std::move(profile);
    }
    Json servo = Json::object();
    servo["nome"] = surface.servo.name;
    servo["coppia"] = surface.servo.rating ? NumberJson(*surface.servo.rating) : Json(nullptr);
    servo["unita"] = surface.servo.unit == RatingUnit::KgfCm ? kKgfCmName : kNewtonCmName;
    // Only the figures given: a file of a servo without them reads as it did before they were.
    for (const ServoFigureKey& figure : kServoFigureKeys) {
        if (const std::optional<double>& value = surface.servo.figures.*figure.value)
            servo[std::string(figure.key)] = NumberJson(*value);
    }
    AppendOtherKeys(servo, surface.servo.otherKeys);
    object["servo"] = std::move(servo);
    AppendOtherKeys(object, surface.otherKeys);
    return object;
}

// The surface's name at `index` when it can be shown: a text within its bound.
std::optional<std::string> ShownSurfaceName(const Json* root, std::size_t index) {
    if (root == nullptr || !root->is_object() || !root->contains("superfici"))
        return std::nullopt;
    const Json& surfaces = (*root)["superfici"];
    if (!surfaces.is_array() || index >= surfaces.size() || !surfaces[index].is_object() ||
        !surfaces[index].contains("nome") || !surfaces[index]["nome"].is_string()) {
        return std::nullopt;
    }
    const std::string name = surfaces[index]["nome"].get<std::string>();
    if (name.empty() || TextFault(name, kMaxNameCharacters))
        return std::nullopt;
    return name;
}

// A key path in words: "superfici[2].ingressi.Vel" is "superficie 3 («Flap»), campo Vel", with
// the surface's name when the file gives one that can be shown.
std::string PlaceInWords(std::string_view keyPath, const Json* root) {
    std::string words;
    constexpr std::string_view kSurfaces = "superfici[";
    const std::size_t close = keyPath.find(']');
    const std::string_view digits =
        keyPath.starts_with(kSurfaces) && close != std::string_view::npos
            ? keyPath.substr(kSurfaces.size(), close - kSurfaces.size())
            : std::string_view();
    if (!digits.empty() && digits.size() < 10 &&
        digits.find_first_not_of("0123456789") == std::string_view::npos) {
        const std::size_t index = std::stoul(std::string(digits));
        keyPath.remove_prefix(std::min(close + 2, keyPath.size()));
        words = "superficie " + std::to_string(index + 1);
        if (const std::optional<std::string> name = ShownSurfaceName(root, index);
            name && keyPath != "nome") {
            words += " («" + *name + "»)";
        }
    }
    std::string_view field = keyPath;
    while (!field.empty()) {
        const std::size_t dot = field.find('.');
        if (dot == std::string_view::npos) {
            words.append(words.empty() ? "" : ", ").append("campo ").append(field);
            break;
        }
        // "ingressi" goes without saying: every input is a field of its own.
        if (field.substr(0, dot) != "ingressi")
            words.append(words.empty() ? "" : ", ").append(field.substr(0, dot));
        field.remove_prefix(dot + 1);
    }
    return words;
}

ModelFileFault Placed(ModelFileFault fault, const Json* root) {
    if (fault.place.empty() && !fault.keyPath.empty())
        fault.place = PlaceInWords(fault.keyPath, root);
    return fault;
}

}  // namespace

std::string EncodeModel(const Model& model) {
    Json root = Json::object();
    root["formato"] = kModelFormat;
    root["versione"] = kModelFileVersion;
    root["nome"] = model.name;
    root["note"] = model.notes;
    if (model.supply) {
        Json supply = Json::object();
        supply["nome"] = model.supply->name;
        for (const auto& [key, amperes] : {std::pair{"continua", model.supply->continuous},
                                           std::pair{"picco", model.supply->peak}}) {
            supply[key] = amperes ? NumberJson(*amperes) : Json(nullptr);
        }
        AppendOtherKeys(supply, model.supply->otherKeys);
        root[kSupplyKey] = std::move(supply);
    }
    Json surfaces = Json::array();
    for (const Surface& surface : model.surfaces) surfaces.push_back(SurfaceJson(surface));
    root["superfici"] = std::move(surfaces);
    AppendOtherKeys(root, model.otherKeys);
    // A name typed with a broken character is saved with U+FFFD in its place rather than lost.
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::variant<Model, ModelFileFault> DecodeModel(std::string_view bytes) {
    std::variant<Json, ModelFileFault> parsed = ParseModelJson(bytes);
    if (const ModelFileFault* fault = std::get_if<ModelFileFault>(&parsed))
        return Placed(*fault, nullptr);
    const Json& root = std::get<Json>(parsed);
    try {
        return ReadModel(root);
    } catch (const ModelRefusal& refusal) {
        return Placed(refusal.fault, &root);
    }
}

std::variant<Model, ModelFileFault> ReadModelFile(const std::string& path) {
    if (path.empty())
        return ModelFileFault{"", "il percorso del file è vuoto", ""};
    const BoundedRead read = ReadRegularFile(path, kModelFileReadLimit);
    if (!read.opened)
        return ModelFileFault{"", read.problem.empty() ? "il file non esiste" : read.problem, ""};
    if (!read.complete) {
        if (read.bytes.size() >= kModelFileReadLimit)
            return ModelFileFault{"", "il file supera i 16 MiB che un modello può occupare", ""};
        return ModelFileFault{"", read.problem, ""};
    }
    return DecodeModel(read.bytes);
}

SaveResult WriteModelFile(const std::string& path, const Model& model) {
    return ReplaceFileInItsFolder(path, EncodeModel(model));
}

std::string NamedAsModelFile(std::string name) {
    if (name.find('.') == std::string::npos)
        name += kModelFileExtension;
    return name;
}

std::string ModelRefusalText(std::string_view path, const ModelFileFault& fault) {
    std::string text =
        "Il modello " + (path.empty() ? "" : std::string(path) + " ") + "non può essere aperto: ";
    if (!fault.place.empty())
        text += fault.place + ": ";
    text += fault.reason;
    if (!fault.keyPath.empty())
        text += " (" + fault.keyPath + ")";
    return text + ".";
}

}  // namespace coppia
