// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/hinge_estimate.h"
#include "engine/torque_units.h"
#include "files/platform/save_result.h"
#include "files/section_and_sheet.h"

namespace coppia {

// The torque a verdict is given on: the calculation's, or the larger of the calculation's and
// the real-section estimate's, the more prudent of the two.
enum class JudgeWith { Calculation, Prudent };
// The settings file's words, in the order of JudgeWith.
inline constexpr std::array<std::string_view, 2> kJudgeWithNames = {"calcolo", "prudente"};

// What the analysis window remembers between runs: the servo being checked and the margin
// wanted. Each field's default stands in for a value that is missing or out of its range.
struct AnalysisSettings {
    double rating = 3;  // the servo's rated torque, in `unit`
    RatingUnit unit = RatingUnit::KgfCm;
    double safetyFactor = 2;
    double servoThrow = 45;  // degrees each way from neutral
    // The other speeds the torque is swept at, as multiples of the model's speed.
    std::vector<double> speedFactors = {0.8, 1.2, 1.5};
    // The folder the last export went to; empty until there is one.
    std::string exportFolder = {};
    // The section at the surface judged, for the second estimate: the main window's surface is
    // an aileron, so a wing's.
    SectionProfile profile = kWingSurfaceProfile;
    // The servo's data-sheet figures beside its rating, each empty until given.
    ServoFigures servoFigures = {};
    JudgeWith judgeWith = JudgeWith::Calculation;

    bool operator==(const AnalysisSettings&) const = default;
};

// The ranges a value must lie in to be used and kept.
bool IsValidSafetyFactor(double safetyFactor);  // 1 or more
bool IsValidServoThrow(double servoThrow);      // above 0, up to 180

// Up to this many other speeds, each above 0 and up to 10 times the model's.
inline constexpr std::size_t kMaxSpeedFactors = 4;
// Numbers separated by blanks: "0.8 1.2 1.5". Empty when any is not a number in range, or
// when there are none or too many.
std::optional<std::vector<double>> ReadSpeedFactors(std::string_view text);
std::string SpeedFactorsText(const std::vector<double>& factors);

// One "name=value" line per setting, LF ended; a figure of the servo not given has an empty
// value ("TensioneServo=").
std::string EncodeAnalysisSettings(const AnalysisSettings& settings);
// Field by field: a line that is missing, unreadable or out of range gives that field's default
// (the profile's thickness within IsValidThickness, each figure within its kServoFigureKeys
// range, an empty figure not given).
AnalysisSettings DecodeAnalysisSettings(std::string_view bytes);

// Where the analysis window keeps its settings.
class AnalysisSettingsStore {
  public:
    virtual ~AnalysisSettingsStore() = default;
    virtual AnalysisSettings Read() = 0;
    // Why the last Read found settings it could not read (not a regular file, no permission, an
    // error of the disk); empty when it read them, or when none are kept.
    virtual std::string ReadProblem() const = 0;
    // Replaces what is stored, whole, or leaves it as it was.
    virtual SaveResult Write(const AnalysisSettings& settings) = 0;
    // Where the settings are kept, as the user is told it.
    virtual std::string Location() const = 0;
};

// A file of its own beside the last-inputs file, which it never touches.
inline constexpr std::string_view kAnalysisSettingsFileName = "coppia-analisi.ini";

// Reading looks at no more than this many bytes: a few settings need a few dozen.
inline constexpr std::size_t kAnalysisSettingsReadLimit = 4096;

// The settings file in the configuration folder; empty when there is no such folder.
std::optional<std::string> AnalysisSettingsPath();

class AnalysisSettingsFile : public AnalysisSettingsStore {
  public:
    explicit AnalysisSettingsFile(std::optional<std::string> path) : path_(std::move(path)) {}

    // Reads no more than a few kilobytes of a regular file; of a longer one, its whole lines.
    AnalysisSettings Read() override;
    std::string ReadProblem() const override;
    SaveResult Write(const AnalysisSettings& settings) override;  // atomic (ReplaceFile)
    std::string Location() const override;

  private:
    std::optional<std::string> path_;
    std::string readProblem_;
};

}  // namespace coppia
