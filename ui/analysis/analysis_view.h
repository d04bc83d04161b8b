// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <string_view>
#include <vector>

#include "models/analysis/analysis_window.h"
#include "ui/kit/window_exports.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace coppia {

class StatusLine;

// The analysis window: Qt widgets bound to the model, each named as its control. Edits and
// clicks go to the model; every change of what the model shows comes back at once. Its pages
// scroll, so that it fits whatever size the screen leaves it.
class AnalysisView : public QWidget {
    Q_OBJECT
  public:
    explicit AnalysisView(AnalysisWindow& model, QWidget* parent = nullptr);

    // The exports, each to a file chosen by the user first. A file is written whole or left as
    // it was; the window says which, and why. Invokable, so that the program and its tests can
    // reach them through the plugin's boundary.
    Q_INVOKABLE bool ExportCsv(const QString& path, bool international = false);
    Q_INVOKABLE bool ExportPdf(const QString& path);
    // The sheet printed to a file, as when the print dialog is told to.
    Q_INVOKABLE bool PrintToFile(const QString& path);

  protected:
    // Ctrl+C copies the selected cells of the table, or the selected text of a field or note,
    // or else the summary, wherever the focus is.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The pages, in analysis_pages.cpp.
    QWidget* BuildVerdictPage();
    QWidget* BuildStepsPage();
    QWidget* BuildSweepPage();
    QWidget* BuildServoInputs();
    QWidget* BuildVerdict();
    QWidget* BuildLinkage();
    QWidget* BuildTorque();

    void BuildPages();
    std::vector<QPushButton*> BuildButtons();
    // Each named as the window's table (analysis_controls.h) names it.
    QPushButton* AddButton(std::string_view name);
    QLineEdit* AddInput(AnalysisField field, std::string_view name);
    QLineEdit* AddValue(std::string_view name);
    QLineEdit* AddValue(std::string_view name, const QString& accessibleName);
    // A field with its unit right after it, as every field with a unit has it.
    QWidget* WithUnit(QWidget* field, QLabel* unit);
    void SetFocusOrder(const std::vector<QPushButton*>& buttons);
    void Follow();
    // The servo's data sheet and its motion under the verdict, in analysis_figures.cpp.
    QWidget* BuildServoFigures();
    void AddMotionNotes(QGridLayout* grid, int row);
    void FollowFigures(const AnalysisDisplay& shown);

    AnalysisWindow& model_;
    QObject* decimalKeys_;
    WindowExports exports_;
    QTabWidget* pages_ = nullptr;
    StatusLine* freshness_ = nullptr;
    StatusLine* refusal_ = nullptr;
    StatusLine* status_ = nullptr;
    std::array<QLineEdit*, 4> torque_{};
    std::array<QLineEdit*, kAnalysisStepCount> steps_{};
    std::array<QLabel*, kAnalysisStepCount> stepUnits_{};
    QLabel* stall_ = nullptr;
    std::array<QLineEdit*, kAnalysisFieldCount> inputs_{};
    QComboBox* unit_ = nullptr;
    QLineEdit* rotation_ = nullptr;
    QLabel* linkage_ = nullptr;
    QLabel* servoOwner_ = nullptr;
    QLabel* loanDrift_ = nullptr;
    QGroupBox* torqueGroup_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* verdictReason_ = nullptr;
    QLineEdit* margin_ = nullptr;
    QLineEdit* minimumRating_ = nullptr;
    QLabel* minimumRatingUnit_ = nullptr;
    std::array<QLabel*, 2> limitCaptions_{};
    std::array<QLabel*, 2> limits_{};
    QLabel* settingsProblem_ = nullptr;
    StatusLine* speedsProblem_ = nullptr;
    class TorquePlot* plot_ = nullptr;
    class SweepTable* table_ = nullptr;

    // The second estimate and the torque judged, in analysis_second_opinion_view.cpp.
    QWidget* BuildSecondOpinion();
    QWidget* BuildEstimateSteps();
    // "Giudica con", a row of the servo's group.
    QComboBox* BuildJudgeWith();
    void FollowSecondOpinion(const AnalysisDisplay& shown);
    QComboBox* gap_ = nullptr;
    QComboBox* judgeWith_ = nullptr;
    QLineEdit* estimateReal_ = nullptr;
    QLineEdit* estimateThin_ = nullptr;
    QLineEdit* estimateMargin_ = nullptr;
    QLabel* estimateRatio_ = nullptr;
    QLabel* estimateSource_ = nullptr;
    QLabel* estimateIndicative_ = nullptr;
    QLabel* estimateProblem_ = nullptr;
    QLabel* otherVerdict_ = nullptr;
    QLabel* judgedOn_ = nullptr;
    QWidget* estimateStepsGroup_ = nullptr;
    std::array<QLineEdit*, kEstimateStepCount> estimateSteps_{};
    std::array<QLabel*, kEstimateStepCount> estimateStepUnits_{};
    std::array<QLineEdit*, 4> figures_{};
    QLabel* figuresProblem_ = nullptr;
    QLabel* motion_ = nullptr;
    QLabel* current_ = nullptr;
};

}  // namespace coppia
