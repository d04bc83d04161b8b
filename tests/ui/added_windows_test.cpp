// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/added_windows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "files/last_inputs_file.h"
#include "models/main/main_window.h"
#include "tests/models/recording_messages.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/main/main_window_view.h"

namespace coppia {
namespace {

// The real main window with both added windows, wired as the program wires them.
class AddedWindowsTest : public testing::Test {
  protected:
    AddedWindowsTest()
        : lastInputs(LastInputsPath()),
          model(messages, lastInputs),
          view(model),
          added(model, &view, QStringLiteral(COPPIA_ANALYSIS_PLUGIN),
                QStringLiteral(COPPIA_MODEL_PLUGIN)) {
        QObject::connect(&view, &MainWindowView::AnalysisRequested, &added.Analysis(),
                         &WindowOpener::Open);
        QObject::connect(&view, &MainWindowView::ModelRequested, &added.Model(),
                         &WindowOpener::Open);
        view.LoadAndShow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    // Ctrl+Shift and `key` in a field of `window`, as its user types them.
    static void Press(QWidget* window, Qt::Key key) {
        QApplication::setActiveWindow(window);
        QWidget* field = window->findChild<QLineEdit*>();
        ASSERT_NE(field, nullptr);
        field->setFocus();
        QTest::keyClick(field, key, Qt::ControlModifier | Qt::ShiftModifier);
    }

    ConfigFolderForTest config;
    RecordingMessages messages;
    LastInputsFile lastInputs;
    MainWindow model;
    MainWindowView view;
    AddedWindows added;
};

TEST_F(AddedWindowsTest, EachWindowOpensEveryOtherByItsShortcutsAndItsMenu) {
    Press(view.Widget(Control::Vel)->window(), Qt::Key_A);
    QWidget* analysis = added.Analysis().Window();
    ASSERT_NE(analysis, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(analysis));

    Press(analysis, Qt::Key_M);
    QWidget* modelWindow = added.Model().Window();
    ASSERT_NE(modelWindow, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(modelWindow));
    analysis->close();
    Press(modelWindow, Qt::Key_A);
    EXPECT_TRUE(analysis->isVisible()) << "Ctrl+Shift+A in the model window";
    modelWindow->close();
    Press(analysis, Qt::Key_M);
    EXPECT_TRUE(modelWindow->isVisible()) << "Ctrl+Shift+M in the analysis";

    for (QWidget* window : {analysis, modelWindow}) {
        auto* menu = window->findChild<QMenu*>("MenuFinestra");
        ASSERT_NE(menu, nullptr) << window->objectName().toStdString();
        QStringList entries;
        for (const QAction* action : menu->actions())
            entries << action->text() + " " + action->shortcut().toString();
        EXPECT_EQ(entries,
                  (QStringList{"Finestra &principale ", "&Analisi della Coppia Ctrl+Shift+A",
                               "&Modello Ctrl+Shift+M"}));
        QApplication::setActiveWindow(window);
        window->findChild<QAction*>("MostraPrincipale")->trigger();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AddedWindowsTest, AnnullaKeepsEveryWindowOpenUntilTheQuestionIsAnswered) {
    added.Analysis().Open();
    added.Model().Open();
    QWidget* analysis = added.Analysis().Window();
    QWidget* modelWindow = added.Model().Window();
    ASSERT_TRUE(analysis != nullptr && modelWindow != nullptr);
    auto* name = modelWindow->findChild<QLineEdit*>("NomeModello");
    ASSERT_NE(name, nullptr);
    QTest::keyClicks(name, "Prova");  // unsaved until the question is answered

    AnswerNextQuestion("Annulla");
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    EXPECT_TRUE(modelWindow->isVisible());
    EXPECT_TRUE(analysis->isVisible()) << "closed before the model window's question";

    AnswerNextQuestion("Non salvare");
    EXPECT_TRUE(view.close());
    EXPECT_FALSE(modelWindow->isVisible());
    EXPECT_FALSE(analysis->isVisible());
}

}  // namespace
}  // namespace coppia
