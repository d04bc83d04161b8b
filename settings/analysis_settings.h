// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "settings/save_result.h"

namespace coppia {

// The unit the servo's rated torque is typed in.
enum class RatingUnit { KgfCm, NewtonCm };

// What the analysis window remembers between runs: the servo being checked and the margin
// wanted. Each field's default stands in for a value that is missing or out of its range.
struct AnalysisSettings {
    double rating = 3;  // the servo's rated torque, in `unit`
    RatingUnit unit = RatingUnit::KgfCm;
    double safetyFactor = 2;
    double servoThrow = 45;  // degrees each way from neutral

    bool operator==(const AnalysisSettings&) const = default;
};

// The ranges a value must lie in to be used and kept.
bool IsValidRating(double rating);              // above 0
bool IsValidSafetyFactor(double safetyFactor);  // 1 or more
bool IsValidServoThrow(double servoThrow);      // above 0, up to 180

// One "name=value" line per setting, LF ended.
std::string EncodeAnalysisSettings(const AnalysisSettings& settings);
// Field by field: a line that is missing, unreadable or out of range gives that field's default.
AnalysisSettings DecodeAnalysisSettings(std::string_view bytes);

// Where the analysis window keeps its settings.
class AnalysisSettingsStore {
  public:
    virtual ~AnalysisSettingsStore() = default;
    virtual AnalysisSettings Read() = 0;
    // Replaces what is stored, whole, or leaves it as it was.
    virtual SaveResult Write(const AnalysisSettings& settings) = 0;
    // Where the settings are kept, as the user is told it.
    virtual std::string Location() const = 0;
};

// A file of its own beside the last-inputs file, which it never touches.
inline constexpr std::string_view kAnalysisSettingsFileName = "coppia-analisi.ini";

// The settings file in the configuration folder; empty when there is no such folder.
std::optional<std::string> AnalysisSettingsPath();

class AnalysisSettingsFile : public AnalysisSettingsStore {
  public:
    explicit AnalysisSettingsFile(std::optional<std::string> path) : path_(std::move(path)) {}

    AnalysisSettings Read() override;
    SaveResult Write(const AnalysisSettings& settings) override;  // atomic (ReplaceFile)
    std::string Location() const override;

  private:
    std::optional<std::string> path_;
};

}  // namespace coppia
