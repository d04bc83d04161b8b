// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace coppia {

class MainWindow;

// Opens the analysis window: loads its plugin and builds the window the first time, and only
// shows and raises it after that.
class AnalysisOpener : public QObject {
    Q_OBJECT
  public:
    // `mainView` is the main window's view, beside which the analysis first appears.
    AnalysisOpener(MainWindow& main, QWidget* mainView, QString pluginPath,
                   QObject* parent = nullptr);
    ~AnalysisOpener() override;

    // The window, once it has been opened; null before.
    QWidget* Window() const { return window_; }

  public slots:
    // False when the plugin cannot be loaded: a message box over the main window says so, with
    // the plugin's path and the loader's reason, and the main window goes on as before.
    bool Open();

  private:
    void TellNotLoaded(QString reason);
    void PlaceBesideTheMainWindow();

    MainWindow& main_;
    QWidget* mainView_;
    QString pluginPath_;
    QPointer<QWidget> window_;
};

}  // namespace coppia
