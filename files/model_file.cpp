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
#include "files/safe_file.h"

namespace coppia {

namespace {

using Json = ModelJson;

constexpr std::string_view kKgfCmName = "Kg*cm";
constexpr std::string_view kNewtonCmName = "N*cm";
constexpr std::string_view kAngleName = "angolo";
constexpr std::string_view kTravelName = "corsa";

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

struct Refusal {
    ModelFileFault fault;
};

[[noreturn]] void Refuse(std::string keyPath, std::string reason) {
    throw Refusal{ModelFileFault{"", std::move(reason), std::move(keyPath)}};
}

// ---- JSON to the record -----------------------------------------------------------------------

std::string Join(std::string_view path, std::string_view key) {
    return path.empty() ? std::string(key) : std::string(path) + "." + std::string(key);
}

const Json& Member(const Json& object, std::string_view key, std::string_view path) {
    const auto found = object.find(std::string(key));
    if (found == object.end())
        Refuse(Join(path, key), "chiave mancante");
    return *found;
}

const Json& ObjectAt(const Json& object, std::string_view key, std::string_view path) {
    const Json& value = Member(object, key, path);
    if (!value.is_object())
        Refuse(Join(path, key), "deve essere un oggetto { }");
    return value;
}

std::string TextAt(const Json& object, std::string_view key, std::string_view path) {
    const Json& value = Member(object, key, path);
    if (!value.is_string())
        Refuse(Join(path, key), "deve essere un testo fra virgolette");
    return value.get<std::string>();
}

double NumberAt(const Json& object, std::string_view key, std::string_view path) {
    const Json& value = Member(object, key, path);
    if (!value.is_number())
        Refuse(Join(path, key), "deve essere un numero");
    return value.get<double>();
}

// A name or the notes, within `most` characters and without a NUL.
std::string BoundedTextAt(const Json& object, std::string_view key, std::string_view path,
                          std::size_t most) {
    std::string text = TextAt(object, key, path);
    if (std::optional<std::string> fault = TextFault(text, most))
        Refuse(Join(path, key), std::move(*fault));
    return text;
}

// One of `words`, as its index.
template <std::size_t N>
std::size_t WordAt(const Json& object, std::string_view key, std::string_view path,
                   const std::array<std::string_view, N>& words) {
    const std::string text = TextAt(object, key, path);
    for (std::size_t i = 0; i < N; ++i) {
        if (text == words[i])
            return i;
    }
    std::string allowed;
    for (const std::string_view word : words) {
        allowed.append(allowed.empty() ? "" : ", ").append("\"").append(word).append("\"");
    }
    Refuse(Join(path, key), "deve essere uno fra " + allowed);
}

bool IsWholeIn(double value, double least, double most) {
    return value >= least && value <= most && value == std::trunc(value);
}

// The members of `object` whose keys are not among `known`, as the text of a JSON object.
std::string OtherKeys(const Json& object, std::initializer_list<std::string_view> known) {
    Json other = Json::object();
    for (const auto& [key, value] : object.items()) {
        if (std::find(known.begin(), known.end(), key) == known.end())
            other[key] = value;
    }
    return other.empty() ? std::string() : other.dump();
}

void CheckVersion(const Json& root) {
    const std::string format = TextAt(root, "formato", "");
    if (format != kModelFormat)
        Refuse("formato", "non è un modello di coppia (deve essere \"coppia-modello\")");
    const double version = NumberAt(root, "versione", "");
    // Any number beyond this version is a newer one, whole or not: that is what its reader
    // needs to hear.
    if (version > kModelFileVersion) {
        const std::string which = version < 1e6
                                      ? "della versione " + FormatPlainNumber(version) + ","
                                      : "di una versione";
        Refuse("versione", "il file è " + which + " più recente della " +
                               std::to_string(kModelFileVersion) +
                               " che questo programma sa leggere: serve un coppia più recente");
    }
    if (!IsWholeIn(version, 1, kModelFileVersion))
        Refuse("versione", "deve essere un numero intero da 1 in su");
}

ServoRecord ReadServo(const Json& object, const std::string& path) {
    ServoRecord servo;
    servo.name = BoundedTextAt(object, "nome", path, kMaxNameCharacters);
    // null: the builder has not given the rating yet.
    if (!Member(object, "coppia", path).is_null())
        servo.rating = NumberAt(object, "coppia", path);
    constexpr std::array<std::string_view, 2> kUnits = {kKgfCmName, kNewtonCmName};
    servo.unit =
        WordAt(object, "unita", path, kUnits) == 0 ? RatingUnit::KgfCm : RatingUnit::NewtonCm;
    servo.otherKeys = OtherKeys(object, {"nome", "coppia", "unita"});
    return servo;
}

Surface ReadSurface(const Json& object, const std::string& path) {
    Surface surface;
    surface.name = BoundedTextAt(object, "nome", path, kMaxNameCharacters);
    surface.kind = static_cast<SurfaceKind>(WordAt(object, "tipo", path, kSurfaceKindNames));
    const double servos = NumberAt(object, "servi", path);
    if (!IsWholeIn(servos, 1, kMaxServoCount)) {
        Refuse(Join(path, "servi"),
               "deve essere un numero intero da 1 a " + std::to_string(kMaxServoCount));
    }
    surface.servoCount = static_cast<int>(servos);
    constexpr std::array<std::string_view, 2> kDeflections = {kAngleName, kTravelName};
    surface.deflection = WordAt(object, "deflessione", path, kDeflections) == 0
                             ? DeflectionInput::Angle
                             : DeflectionInput::Travel;
    const std::string inputsPath = Join(path, "ingressi");
    const Json& inputs = ObjectAt(object, "ingressi", path);
    for (const InputKey& input : kInputKeys)
        surface.inputs.*input.value = NumberAt(inputs, input.key, inputsPath);
    surface.otherInputKeys = OtherKeys(inputs, {"CordaAla", "CordaAlett", "LungAlett", "BrAlett",
                                                "BrServ", "Vel", "CarAla", "Ang", "Corsa"});
    surface.servo = ReadServo(ObjectAt(object, "servo", path), Join(path, "servo"));
    surface.otherKeys =
        OtherKeys(object, {"nome", "tipo", "servi", "deflessione", "ingressi", "servo"});
    if (const std::optional<SurfaceFault> fault = CheckSurface(surface))
        Refuse(Join(path, fault->key), fault->reason);
    return surface;
}

Model ReadModel(const Json& root) {
    if (!root.is_object())
        Refuse("", "non è un modello di coppia: il testo JSON non è un oggetto { }");
    CheckVersion(root);
    Model model;
    model.name = BoundedTextAt(root, "nome", "", kMaxNameCharacters);
    model.notes = BoundedTextAt(root, "note", "", kMaxNotesCharacters);
    const Json& surfaces = Member(root, "superfici", "");
    if (!surfaces.is_array())
        Refuse("superfici", "deve essere una lista [ ]");
    model.surfaces.reserve(surfaces.size());
    for (std::size_t i = 0; i < surfaces.size(); ++i) {
        const std::string path = "superfici[" + std::to_string(i) + "]";
        if (!surfaces[i].is_object())
            Refuse(path, "deve essere un oggetto { }");
        model.surfaces.push_back(ReadSurface(surfaces[i], path));
    }
    model.otherKeys = OtherKeys(root, {"formato", "versione", "nome", "note", "superfici"});
    return model;
}

// ---- The record to JSON -----------------------------------------------------------------------

// A whole number is written without a fraction, as people write it; every other value in as
// few digits as read back to the same double. -0 keeps its sign as a fraction ("-0.0").
Json NumberJson(double value) {
    constexpr double kExactIntegers = 9007199254740992.0;  // 2^53
    if (value == std::trunc(value) && std::abs(value) < kExactIntegers &&
        !(value == 0 && std::signbit(value))) {
        return Json(static_cast<std::int64_t>(value));
    }
    return Json(value);
}

void AppendOtherKeys(Json& object, const std::string& otherKeys) {
    if (otherKeys.empty())
        return;
    const Json other = Json::parse(otherKeys, nullptr, false);
    if (!other.is_object())
        return;
    for (const auto& [key, value] : other.items()) {
        if (!object.contains(key))
            object[key] = value;
    }
}

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
    Json servo = Json::object();
    servo["nome"] = surface.servo.name;
    servo["coppia"] = surface.servo.rating ? NumberJson(*surface.servo.rating) : Json(nullptr);
    servo["unita"] = surface.servo.unit == RatingUnit::KgfCm ? kKgfCmName : kNewtonCmName;
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
    } catch (const Refusal& refusal) {
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
