// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>

#include "models/main/controls.h"
#include "models/main/main_window.h"

class QAction;
class QLineEdit;
class QStyle;

namespace coppia {

// The real window: one Qt widget per control of the table, each named after its control,
// bound to the model. User edits and clicks go to the model; every change of the model's state
// comes back to the widgets at once.
class MainWindowView : public QWidget {
    Q_OBJECT
  public:
    explicit MainWindowView(MainWindow& model, QWidget* parent = nullptr);

    QWidget* Widget(Control control) const { return widgets_[static_cast<std::size_t>(control)]; }
    // Places the window in the middle of the screen it is on.
    void CenterOnScreen();
    // Loads the window and shows it. It is placed first, so that a message the load shows
    // stands where the window will appear, not in a corner of the screen.
    void LoadAndShow();
    // Opens the analysis window: on the drawing's and the results' context menus, and by its
    // shortcut anywhere in the window.
    QAction* OpenAnalysisAction() const { return openAnalysis_; }
    // Opens the model window, in the same places and by its own shortcut.
    QAction* OpenModelAction() const { return openModel_; }

  signals:
    void AnalysisRequested();
    void ModelRequested();

  protected:
    void showEvent(QShowEvent* event) override;
    // The drawing, its captions and a disabled result leave their right-click to the window.
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void RefreshPictures();
    QWidget* Create(const ControlEntry& entry);
    static void Describe(QWidget& widget, const ControlEntry& entry);
    void Follow(Control control);
    // Moves the keyboard focus from a control about to be disabled or hidden to the next one.
    void PassFocusOn(QWidget* leaving);
    void SetTabOrder();
    void AddWindowActions();
    QAction* AddWindowAction(const QString& text, const char* name, Qt::Key key,
                             void (MainWindowView::*requested)());
    // A result keeps its standard edit items and gains the analysis.
    void ShowResultMenu(QLineEdit* result, const QPoint& position);

    MainWindow& model_;
    QStyle* fieldStyle_;
    QObject* decimalKeys_;
    QAction* openAnalysis_ = nullptr;
    QAction* openModel_ = nullptr;
    std::array<QWidget*, kControlCount> widgets_{};
};

}  // namespace coppia
