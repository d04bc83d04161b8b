// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "models/model/model_window.h"
#include "ui/kit/window_exports.h"

class QAction;
class QComboBox;
class QGridLayout;
class QKeySequence;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;
class QVBoxLayout;

namespace coppia {

class SurfaceTable;
class StatusLine;
class TorquePlot;

// The model window: Qt widgets bound to the model, each named as its control. Every action is
// on a button, in a menu and on a shortcut; every change of what the model shows comes back at
// once. Its lower pages scroll, so that it fits whatever size the screen leaves it.
class ModelView : public QWidget {
    Q_OBJECT
  public:
    // Where an action's button stands: its action's name, its text and its accessible name,
    // and its row and column.
    // A button of an action, its caption and name from the window's table (model_controls.h).
    struct ButtonPlace {
        const char* action;
        int row;
        int column;
    };

    explicit ModelView(ModelWindow& model, QWidget* parent = nullptr);

    // The model file named on the command line, by the system's bytes.
    Q_INVOKABLE bool OpenFile(const QByteArray& path);
    // The exports, each to a file chosen by the user first. A file is written whole or left as
    // it was; the window says which, and why. Invokable, so that the program and its tests can
    // reach them through the plugin's boundary.
    Q_INVOKABLE bool ExportCsv(const QString& path, bool international = false);
    Q_INVOKABLE bool ExportPdf(const QString& path);
    Q_INVOKABLE bool PrintToFile(const QString& path);

  protected:
    // Closing with unsaved changes asks first, and stays open on Annulla.
    void closeEvent(QCloseEvent* event) override;
    // Coming back to the window, it takes the analysis's settings as they now are; once Qt's
    // translation is installed, the buttons name their keys as the menus do.
    bool event(QEvent* event) override;
    // The notes are taken when the focus leaves them.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The menus, the buttons and the actions they share, in model_view_actions.cpp.
    void BuildMenus(QMenuBar* menus);
    void BuildFileMenu(QMenu* file);
    void BuildEditMenu(QMenu* edit);
    QWidget* BuildSurfaceButtons();
    QWidget* BuildFileButtons();
    QWidget* ButtonGrid(std::span<const ButtonPlace> places);
    // An action of the window: its menu text, shortcut and what it does, after any detail
    // still being typed is taken.
    QAction* AddAction(const char* name, const QString& text, const QKeySequence& keys,
                       std::function<void()> run);
    // The action's button, enabled with it.
    QPushButton* AddButton(QAction* action, const QString& text, const QString& accessibleName);
    // The button's tooltip, which a screen reader also speaks: its name and its action's keys.
    static void TellShortcut(QPushButton* button, const QAction* action);

    // The table with its totals and the pages, in model_view_pages.cpp.
    QWidget* BuildTableWithTotals();
    QWidget* BuildTotals();
    QWidget* BuildPages();
    QWidget* BuildComparePage();
    QWidget* BuildModelPage();

    // The current surface's page, in model_view_details.cpp.
    QWidget* BuildDetailsPage();
    void BuildSurfaceFields();
    void BuildServoFields();
    void PlaceDetailsFields(QGridLayout* grid);
    // The section's thickness and gap, and where they go in the details' grid.
    void BuildProfileFields(QGridLayout* grid, int row);
    // The main window's inputs of the surface, shown and not edited.
    QWidget* BuildShownInputs(QWidget* page);
    QLineEdit* AddField(const char* name);

    // The window itself, in model_view.cpp.
    void SetFocusOrder();
    // Hands the model what is typed into a detail and not yet taken (no Enter, focus still
    // there), so that a save or an action never misses it.
    void Commit();

    // What the model shows, followed by the widgets, in model_view_follow.cpp.
    void Follow();
    void FollowDetails(const SurfaceDetails& details);
    void FollowComparison(const Comparison& comparison);
    void FollowRecentFiles(const std::vector<std::string>& recent);

    // The servo's data sheet and the model's supply, in model_view_supply.cpp; followed in
    // model_view_follow.cpp.
    QLineEdit* AddFigureField(const char* name);
    QWidget* BuildFigureFields();
    QWidget* BuildSupplyFields();
    void AddSupplyTotals(QVBoxLayout* layout);
    void CommitFiguresAndSupply();
    void FollowFigures(const SurfaceDetails& details);
    void FollowSupply(const ModelDisplay& shown);

    // The inputs the details page shows as they are, from the main window: those between the
    // number of servos and the servo's name, which the page edits.
    static constexpr std::size_t kFirstShownInput = 2;
    static constexpr std::size_t kShownInputs = 10;

    ModelWindow& model_;
    QObject* decimalKeys_;
    WindowExports exports_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* moveUp_ = nullptr;
    QAction* moveDown_ = nullptr;
    std::vector<QAction*> onCurrent_;  // the actions that need a current surface
    std::vector<std::pair<QPushButton*, QAction*>> buttons_;
    QMenu* recentMenu_ = nullptr;
    std::vector<std::string> recentShown_;

    SurfaceTable* table_ = nullptr;
    QLabel* servos_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* weakest_ = nullptr;
    QLabel* judging_ = nullptr;
    QLabel* settingsProblem_ = nullptr;
    QLabel* weakestEither_ = nullptr;        // by the calculation or the second estimate
    QLabel* secondOpinionSource_ = nullptr;  // where the second estimate comes from
    QTabWidget* pages_ = nullptr;
    StatusLine* status_ = nullptr;

    QLabel* detailsHeading_ = nullptr;
    QWidget* detailsFields_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* kind_ = nullptr;
    QSpinBox* servoCount_ = nullptr;
    QLabel* servoNote_ = nullptr;
    QLineEdit* servoName_ = nullptr;
    QLineEdit* rating_ = nullptr;
    QComboBox* unit_ = nullptr;
    QLabel* kindNote_ = nullptr;
    QLabel* detailsProblem_ = nullptr;
    // The section at the surface, for the second estimate.
    QLineEdit* thickness_ = nullptr;
    QComboBox* gap_ = nullptr;
    QLabel* profileNote_ = nullptr;
    std::vector<std::pair<QLabel*, QLabel*>> inputs_;

    QLabel* compareNote_ = nullptr;
    TorquePlot* plot_ = nullptr;
    QTableWidget* sideBySide_ = nullptr;
    // What the plot shows now: the surfaces and the rows they were computed from.
    std::pair<std::vector<std::size_t>, std::uint64_t> plotted_;

    QLineEdit* modelName_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;

    std::array<QLineEdit*, 4> figures_{};
    QLineEdit* supplyName_ = nullptr;
    QLineEdit* supplyContinuous_ = nullptr;
    QLineEdit* supplyPeak_ = nullptr;
    QLabel* supplyProblem_ = nullptr;
    QLabel* supplyVerdict_ = nullptr;
    QLabel* supplyCurrents_ = nullptr;
    QLabel* supplyRule_ = nullptr;
};

}  // namespace coppia
