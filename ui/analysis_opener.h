// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace coppia {

class MainWindow;

// Opens the analysis window: loads its plugin and builds the window the first time, sized for
// the screen and placed beside the main window, and only shows and raises it after that.
class AnalysisOpener : public QObject {
    Q_OBJECT
  public:
    // `mainView` is the main window's view, beside which the analysis appears.
    AnalysisOpener(MainWindow& main, QWidget* mainView, QString pluginPath,
                   QObject* parent = nullptr);
    ~AnalysisOpener() override;

    // The window, once it has been opened; null before.
    QWidget* Window() const { return window_; }

  public slots:
    // Beside the main window, on the side with room. False when the plugin cannot be loaded:
    // a message box over the main window says so, with the plugin's path and the loader's
    // reason, and the main window goes on as before.
    bool Open();
    // At start: the two windows side by side, the pair centred on the screen; the main window
    // moves to make room.
    bool OpenSideBySide();

  private:
    bool Create();
    void TellNotLoaded(QString reason);
    // Sizes the new window for the screen and places it, and the main window too when `pair`.
    void Place(bool pair);
    void Show();

    MainWindow& main_;
    QWidget* mainView_;
    QString pluginPath_;
    QPointer<QWidget> window_;
};

}  // namespace coppia
