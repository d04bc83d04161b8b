// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "models/analysis_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace coppia {

// The analysis window: Qt widgets bound to the model, each named as its control. Edits and
// clicks go to the model; every change of what the model shows comes back at once.
class AnalysisView : public QWidget {
    Q_OBJECT
  public:
    explicit AnalysisView(AnalysisWindow& model, QWidget* parent = nullptr);

    // The exports, each to a file chosen by the user first. A file is written whole or left as
    // it was; the window says which, and why. Invokable, so that the program and its tests can
    // reach them through the plugin's boundary.
    Q_INVOKABLE bool ExportCsv(const QString& path);
    Q_INVOKABLE bool ExportPdf(const QString& path);
    // The sheet printed to a file, as when the print dialog is told to.
    Q_INVOKABLE bool PrintToFile(const QString& path);

  protected:
    // Ctrl+C copies the summary wherever the focus is, unless some text is selected there.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildTorque();
    QWidget* BuildSteps();
    QWidget* BuildLinkage();
    QWidget* BuildServoCheck();
    QWidget* BuildSweep();
    QPushButton* AddButton(const char* name, const QString& text, const QString& accessibleName);
    void ChooseAndExportCsv();
    void ChooseAndExportPdf();
    void Print();
    void TellSaved(const QString& what, const QString& path, const QString& reason);
    QLineEdit* AddInput(AnalysisField field, const char* name, const QString& accessibleName);
    QLineEdit* AddValue(const char* name, const QString& accessibleName);
    QLabel* AddNote(const char* name);
    void Follow();

    AnalysisWindow& model_;
    QLabel* freshness_;
    QLabel* refusal_;
    std::array<QLineEdit*, 4> torque_{};
    std::array<QLineEdit*, kAnalysisStepCount> steps_{};
    QLabel* stall_ = nullptr;
    std::array<QLineEdit*, kAnalysisFieldCount> inputs_{};
    QComboBox* unit_ = nullptr;
    QLineEdit* rotation_ = nullptr;
    QLabel* linkage_ = nullptr;
    QLineEdit* margin_ = nullptr;
    QLineEdit* minimumRating_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* settingsProblem_ = nullptr;
    QLabel* speedsProblem_ = nullptr;
    class TorquePlot* plot_ = nullptr;
    class SweepTable* table_ = nullptr;
    QLabel* fileStatus_ = nullptr;
    QObject* decimalKeys_;
};

}  // namespace coppia
