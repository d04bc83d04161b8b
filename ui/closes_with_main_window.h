// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <vector>

class QWidget;

namespace coppia {

class WindowOpener;

// Closing the main window ends the program: the windows added to it close with it, each as its
// user would close it, in the order given. One that stays open (the model window, whose user
// answered Annulla to its question about unsaved changes) keeps the main window open too, and
// those after it: a window that may ask goes first, so that nothing closes before its question
// is answered.
class ClosesWithMainWindow : public QObject {
    Q_OBJECT
  public:
    ClosesWithMainWindow(QWidget* mainView, std::vector<WindowOpener*> added);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<WindowOpener*> added_;
};

}  // namespace coppia
