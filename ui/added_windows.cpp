// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/added_windows.h"

#include <QAction>
#include <QWidget>

#include "ui/common/window_menu.h"

namespace coppia {

AddedWindows::AddedWindows(MainWindow& main, QWidget* mainView, const QString& analysisPlugin,
                           const QString& modelPlugin, QObject* parent)
    : QObject(parent),
      mainView_(mainView),
      analysis_(main, mainView, analysisPlugin),
      model_(main, mainView, modelPlugin),
      // The model window first: it may ask to save its model, and where its user answers
      // Annulla, nothing has closed.
      closing_(mainView, {&model_, &analysis_}) {
    analysis_.KeepClearOf(&model_);
    model_.KeepClearOf(&analysis_);
    for (WindowOpener* opener :
         {static_cast<WindowOpener*>(&analysis_), static_cast<WindowOpener*>(&model_)}) {
        connect(opener, &WindowOpener::Created, this, &AddedWindows::LeadOnFrom);
    }
}

void AddedWindows::OpenAtStart(bool analysis, bool model, const std::optional<std::string>& file) {
    bool shown = false;
    if (analysis && model && !analysis_.HoldsThreeAcross(model_)) {
        shown = model_.OpenSideBySide();
        analysis_.Open();
    } else {
        if (analysis)
            analysis_.OpenSideBySideLeavingRoomFor(model ? &model_ : nullptr);
        if (model)
            shown = analysis ? model_.Open() : model_.OpenSideBySide();
    }
    if (shown && file)
        model_.OpenFile(*file);
}

void AddedWindows::LeadOnFrom(QWidget* window) {
    const auto lead = [window](const char* name, auto target) {
        if (auto* action = window->findChild<QAction*>(QString::fromUtf8(name)))
            connect(action, &QAction::triggered, window, target);
    };
    lead(kOpenMainAction, [this] { ShowMainWindow(); });
    lead(kOpenAnalysisAction, [this] { analysis_.Open(); });
    lead(kOpenModelAction, [this] { model_.Open(); });
}

void AddedWindows::ShowMainWindow() {
    mainView_->showNormal();
    mainView_->raise();
    mainView_->activateWindow();
}

}  // namespace coppia
