// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <string>
#include <vector>

#include "models/shared/window_placement.h"

namespace coppia {

class MainWindow;

// Opens a window that comes in a plugin: loads the plugin and builds the window the first time,
// sized for the screen and placed beside the main window, and only shows and raises it after
// that.
class WindowOpener : public QObject {
    Q_OBJECT
  public:
    // What tells one added window from another.
    struct Kind {
        QString module;      // in the message when the plugin cannot be loaded: "dell'Analisi"
        QString title;       // of that message: "Errore Analisi"
        QString notOurs;     // the reason when another plugin stands in its place
        ScreenSize largest;  // the size it opens at, where the screen has room
        // How small it may be made to stand beside the others (its own least size where that is
        // larger).
        ScreenSize smallest;
        // The child that the windows opened later keep in sight first, if any.
        QString inSightFirst;
    };

    // `mainView` is the main window's view, beside which the window appears.
    WindowOpener(MainWindow& main, QWidget* mainView, QString pluginPath, Kind kind,
                 QObject* parent = nullptr);
    ~WindowOpener() override;

    // Another added window that this one keeps clear of when it first opens.
    void KeepClearOf(const WindowOpener* neighbour) { neighbours_.push_back(neighbour); }

    // The window, once it has been opened; null before.
    QWidget* Window() const { return window_; }
    // Whether the screen holds the main window, this window and `next` across.
    bool HoldsThreeAcross(const WindowOpener& next) const;
    // Closes the window where it is open, as its user would; false when it stays open.
    bool Close();

  public slots:
    // Beside the main window, on the side with room. False when the plugin cannot be loaded:
    // a message box over the main window says so, with the plugin's path and the loader's
    // reason, and the main window goes on as before.
    bool Open();
    // At start: the two windows side by side, the pair centred on the screen; the main window
    // moves to make room.
    bool OpenSideBySide();
    // The same, the pair leaving room on the right for `next` where the screen has room for all
    // three.
    bool OpenSideBySideLeavingRoomFor(const WindowOpener* next);

  signals:
    // The window was made, before it is placed and shown for the first time.
    void Created(QWidget* window);

  protected:
    // The window from the plugin's instance; null when the instance is not this kind's plugin.
    virtual QWidget* CreateWindow(QObject* plugin) = 0;
    MainWindow& Main() const { return main_; }

  private:
    bool Create();
    void TellNotLoaded(QString reason);
    // Sizes the new window for the screen and places it, and the main window too when `pair`.
    void Place(bool pair, int keepRight = 0);
    // The smallest it may be made, its frame included.
    ScreenSize Smallest(ScreenSize frame) const;
    // Where it is on the screen, with the part of it to keep in sight first.
    OpenWindow Where() const;
    void Show();

    MainWindow& main_;
    QWidget* mainView_;
    QString pluginPath_;
    Kind kind_;
    QPointer<QWidget> window_;
    std::vector<const WindowOpener*> neighbours_;
};

// The analysis window ("Analisi della Coppia").
class AnalysisOpener : public WindowOpener {
    Q_OBJECT
  public:
    AnalysisOpener(MainWindow& main, QWidget* mainView, QString pluginPath,
                   QObject* parent = nullptr);

  protected:
    QWidget* CreateWindow(QObject* plugin) override;
};

// The model window ("Modello").
class ModelOpener : public WindowOpener {
    Q_OBJECT
  public:
    ModelOpener(MainWindow& main, QWidget* mainView, QString pluginPath, QObject* parent = nullptr);

    // Opens the model file at `path` (the system's bytes) in the window, once it is open. A file
    // that is refused is told over the window, which stays as it was.
    bool OpenFile(const std::string& path);

  protected:
    QWidget* CreateWindow(QObject* plugin) override;
};

}  // namespace coppia
