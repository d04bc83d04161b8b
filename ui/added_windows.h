// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <optional>
#include <string>

#include "ui/closes_with_main_window.h"
#include "ui/window_opener.h"

class QWidget;

namespace coppia {

class MainWindow;

// The windows added to the main window, the analysis and the model: each opened from every
// window (the main window's shortcuts and menus, the others' "Finestra" menu and its
// shortcuts), each kept clear of the other where it first opens, both closed with the main
// window.
class AddedWindows : public QObject {
    Q_OBJECT
  public:
    AddedWindows(MainWindow& main, QWidget* mainView, const QString& analysisPlugin,
                 const QString& modelPlugin, QObject* parent = nullptr);

    AnalysisOpener& Analysis() { return analysis_; }
    ModelOpener& Model() { return model_; }

    // At start, as the command line asks: the analysis, the model (with its `file`) or both
    // beside the main window. Where the screen holds the three across, they stand side by
    // side; where it does not, the model window stands beside the main window and the
    // analysis where it covers the least, clear of the model's table.
    void OpenAtStart(bool analysis, bool model, const std::optional<std::string>& file);

  private:
    // Connects the "Finestra" menu of a window just made to the windows it leads to.
    void LeadOnFrom(QWidget* window);
    void ShowMainWindow();

    QWidget* mainView_;
    AnalysisOpener analysis_;
    ModelOpener model_;
    ClosesWithMainWindow closing_;
};

}  // namespace coppia
