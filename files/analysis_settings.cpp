// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/analysis_settings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "engine/double_chars.h"
#include "engine/number_text.h"
#include "files/config_folder.h"
#include "files/platform/safe_file.h"

namespace coppia {

namespace {

constexpr std::string_view kRatingKey = "CoppiaServo";
constexpr std::string_view kUnitKey = "UnitaCoppia";
constexpr std::string_view kFactorKey = "FattoreSicurezza";
constexpr std::string_view kThrowKey = "Escursione";
constexpr std::string_view kSpeedsKey = "AltreVelocita";
constexpr std::string_view kExportFolderKey = "CartellaEsportazioni";
constexpr std::string_view kThicknessKey = "SpessoreProfilo";
constexpr std::string_view kGapKey = "FessuraProfilo";
constexpr std::string_view kJudgeWithKey = "GiudicaCon";
// The servo's figures, in the order of kServoFigureKeys, whose ranges they take.
constexpr std::array<std::string_view, 4> kFigureKeys = {
    "TensioneServo", "Tempo60Servo", "CorrenteVuotoServo", "CorrenteStalloServo"};
constexpr std::string_view kKgfCmName = "Kg*cm";
constexpr std::string_view kNewtonCmName = "N*cm";

// The whole value as one number, or nothing: "2 x" or "" is damage, not 2 or 0.
std::optional<double> StrictNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = DoubleFromChars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

void ReadNumberInto(std::string_view text, double& field, bool (*valid)(double)) {
    const std::optional<double> value = StrictNumber(text);
    if (value && valid(*value))
        field = *value;
}

}  // namespace

bool IsValidSafetyFactor(double safetyFactor) {
    return std::isfinite(safetyFactor) && safetyFactor >= 1;
}
bool IsValidServoThrow(double servoThrow) {
    return servoThrow > 0 && servoThrow <= 180;
}

std::optional<std::vector<double>> ReadSpeedFactors(std::string_view text) {
    std::vector<double> factors;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            break;
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        const std::optional<double> factor = StrictNumber(text.substr(0, end));
        if (!factor || !(*factor > 0 && *factor <= 10))
            return std::nullopt;
        factors.push_back(*factor);
        text.remove_prefix(end);
    }
    if (factors.empty() || factors.size() > kMaxSpeedFactors)
        return std::nullopt;
    return factors;
}

std::string SpeedFactorsText(const std::vector<double>& factors) {
    std::string text;
    for (const double factor : factors) {
        if (!text.empty())
            text += ' ';
        text += FormatPlainNumber(factor);
    }
    return text;
}

namespace {

// A setting of the second estimate or of the servo's figures; any other key is passed over.
void ReadEstimateSetting(std::string_view key, std::string_view value, AnalysisSettings& settings) {
    if (key == kThicknessKey) {
        ReadNumberInto(value, settings.profile.thicknessPercent, IsValidThickness);
    } else if (key == kGapKey) {
        settings.profile.gap = HingeGapNamed(value).value_or(settings.profile.gap);
    } else if (key == kJudgeWithKey) {
        for (std::size_t i = 0; i < kJudgeWithNames.size(); ++i) {
            if (value == kJudgeWithNames[i])
                settings.judgeWith = static_cast<JudgeWith>(i);
        }
    } else {
        const auto found = std::find(kFigureKeys.begin(), kFigureKeys.end(), key);
        if (found == kFigureKeys.end())
            return;
        const ServoFigureKey& figure = kServoFigureKeys[std::size_t(found - kFigureKeys.begin())];
        // Empty: the sheet does not give it, which is no damage.
        const std::optional<double> number = StrictNumber(value);
        if (value.empty() || (number && IsValidFigure(figure, *number)))
            settings.servoFigures.*figure.value = number;
    }
}

}  // namespace

std::string EncodeAnalysisSettings(const AnalysisSettings& settings) {
    std::string bytes;
    const auto line = [&bytes](std::string_view key, std::string_view value) {
        bytes.append(key).append("=").append(value).append("\n");
    };
    line(kRatingKey, FormatPlainNumber(settings.rating));
    line(kUnitKey, settings.unit == RatingUnit::NewtonCm ? kNewtonCmName : kKgfCmName);
    line(kFactorKey, FormatPlainNumber(settings.safetyFactor));
    line(kThrowKey, FormatPlainNumber(settings.servoThrow));
    line(kSpeedsKey, SpeedFactorsText(settings.speedFactors));
    line(kThicknessKey, FormatPlainNumber(settings.profile.thicknessPercent));
    line(kGapKey, NameOf(settings.profile.gap));
    for (std::size_t i = 0; i < kFigureKeys.size(); ++i) {
        const std::optional<double>& figure = settings.servoFigures.*kServoFigureKeys[i].value;
        line(kFigureKeys[i], figure ? FormatPlainNumber(*figure) : "");
    }
    line(kJudgeWithKey, kJudgeWithNames[static_cast<std::size_t>(settings.judgeWith)]);
    // A folder whose name breaks the line is not remembered.
    if (!settings.exportFolder.empty() &&
        settings.exportFolder.find_first_of("\r\n") == std::string::npos) {
        line(kExportFolderKey, settings.exportFolder);
    }
    return bytes;
}

AnalysisSettings DecodeAnalysisSettings(std::string_view bytes) {
    AnalysisSettings settings;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        if (key == kRatingKey) {
            ReadNumberInto(value, settings.rating, IsValidRating);
        } else if (key == kFactorKey) {
            ReadNumberInto(value, settings.safetyFactor, IsValidSafetyFactor);
        } else if (key == kThrowKey) {
            ReadNumberInto(value, settings.servoThrow, IsValidServoThrow);
        } else if (key == kSpeedsKey) {
            if (const auto factors = ReadSpeedFactors(value))
                settings.speedFactors = *factors;
        } else if (key == kExportFolderKey) {
            settings.exportFolder = value;
        } else if (key == kUnitKey && value == kNewtonCmName) {
            settings.unit = RatingUnit::NewtonCm;
        } else if (key == kUnitKey && value == kKgfCmName) {
            settings.unit = RatingUnit::KgfCm;
        } else {
            ReadEstimateSetting(key, value, settings);
        }
    }
    return settings;
}

std::optional<std::string> AnalysisSettingsPath() {
    return ConfigFilePath(kAnalysisSettingsFileName);
}

AnalysisSettings AnalysisSettingsFile::Read() {
    readProblem_.clear();
    if (!path_)
        return {};
    const BoundedRead read = ReadRegularFile(*path_, kAnalysisSettingsReadLimit);
    readProblem_ = read.problem;
    // A line the limit cuts would give a shorter value: only whole lines are read.
    return DecodeAnalysisSettings(WholeLines(read));
}

std::string AnalysisSettingsFile::ReadProblem() const {
    return readProblem_;
}

SaveResult AnalysisSettingsFile::Write(const AnalysisSettings& settings) {
    return ReplaceConfigFile(path_, EncodeAnalysisSettings(settings));
}

std::string AnalysisSettingsFile::Location() const {
    return ConfigFileLocation(path_, kAnalysisSettingsFileName);
}

}  // namespace coppia
