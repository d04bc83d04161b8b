// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "settings/last_inputs_file.h"
#include "tests/ui/recording_messages.h"
#include "ui/analysis_opener.h"
#include "ui/main_window.h"
#include "ui/main_window_view.h"

namespace coppia {
namespace {

namespace fs = std::filesystem;

const std::string kInitialFile =
    "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n";

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A configuration folder of its own, holding the last-inputs file, set up before the model.
struct ConfigFolderForTest {
    ConfigFolderForTest() {
        std::string pattern = (fs::temp_directory_path() / "coppia-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.string()));
        std::ofstream(folder / "Mervanti.ini", std::ios::binary) << kInitialFile;
    }
    ~ConfigFolderForTest() { fs::remove_all(folder); }
    fs::path folder;
};

// The real main window with its file on disk, and the analysis opened through its plugin.
class AnalysisViewTest : public testing::Test {
  protected:
    AnalysisViewTest()
        : lastInputs(LastInputsPath()),
          model(messages, lastInputs),
          view(model),
          opener(model, &view, QStringLiteral(COPPIA_ANALYSIS_PLUGIN)) {
        QObject::connect(&view, &MainWindowView::AnalysisRequested, &opener, &AnalysisOpener::Open);
        view.LoadAndShow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QWidget* OpenAnalysis() {
        view.OpenAnalysisAction()->trigger();
        QWidget* window = opener.Window();
        EXPECT_NE(window, nullptr);
        if (window != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        }
        return window;
    }
    template <typename T = QLineEdit>
    T* Find(const char* name) {
        T* widget = opener.Window()->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // What a right-click on the widget offers, read while the menu is open and then closed.
    QStringList MenuOf(QWidget* widget) {
        QStringList items;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* action : menu->actions()) items << action->text();
            menu->close();
        });
        const QPoint at = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
        return items;
    }

    ConfigFolderForTest config;
    RecordingMessages messages;
    LastInputsFile lastInputs;
    MainWindow model;
    MainWindowView view;
    AnalysisOpener opener;
};

TEST_F(AnalysisViewTest, OpeningUsingAndClosingItLeaveTheMainWindowAndItsFileAsTheyWere) {
    const MainWindowState before = model.State();
    const auto fileTime = fs::last_write_time(config.folder / "Mervanti.ini");

    QWidget* analysis = OpenAnalysis();
    ASSERT_NE(analysis, nullptr);
    EXPECT_EQ(analysis->windowTitle(), "Analisi della Coppia");
    EXPECT_TRUE(analysis->isWindow());
    EXPECT_EQ(analysis->windowModality(), Qt::NonModal);
    EXPECT_EQ(Find("CoppiaKgcm")->text(), "0.52");
    EXPECT_EQ(Find("CoppiaNcm")->text(), "5.09");
    EXPECT_EQ(Find("CoppiaOzin")->text(), "7.21");
    EXPECT_EQ(Find("Rotazione")->text(), "30.9°");

    QLineEdit* rating = Find("CoppiaServo");
    rating->setFocus();
    rating->selectAll();
    QTest::keyClicks(rating, "0,4");  // a typed comma enters the decimal point here too
    EXPECT_EQ(rating->text(), "0.4");
    EXPECT_EQ(Find<QLabel>("Verdetto")->text(), "Servo Insufficiente!!");
    Find<QComboBox>("UnitaCoppia")->setCurrentIndex(1);
    emit Find<QComboBox>("UnitaCoppia")->activated(1);
    EXPECT_EQ(Find("CoppiaMinima")->text(), "10.18 N·cm");
    QTest::mouseClick(Find<QPushButton>("Copia"), Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Analisi della Coppia\n"));
    analysis->close();

    for (const ControlEntry& entry : kControls) {
        EXPECT_EQ(model.State().Enabled(entry.id), before.Enabled(entry.id)) << entry.name;
        EXPECT_EQ(model.State().Visible(entry.id), before.Visible(entry.id)) << entry.name;
        if (IsTextBox(entry.id)) {
            EXPECT_EQ(model.State().Text(entry.id), before.Text(entry.id)) << entry.name;
        }
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(Contents(config.folder / "Mervanti.ini"), kInitialFile);
    EXPECT_EQ(fs::last_write_time(config.folder / "Mervanti.ini"), fileTime);
    EXPECT_EQ(Contents(config.folder / "coppia-analisi.ini"),
              "CoppiaServo=0.4\nUnitaCoppia=N*cm\nFattoreSicurezza=2\nEscursione=45\n");
}

TEST_F(AnalysisViewTest, FollowsTheMainWindowsFieldsAsTheyAreTyped) {
    OpenAnalysis();
    model.UserEdit(Control::Vel, "20");
    EXPECT_EQ(Find("CoppiaKgcm")->text(), "0.10");
    EXPECT_TRUE(Find<QLabel>("Rifiuto")->isHidden());
    model.UserEdit(Control::Vel, "0");
    EXPECT_EQ(Find("CoppiaKgcm")->text(), "");
    EXPECT_FALSE(Find<QLabel>("Rifiuto")->isHidden());
    EXPECT_EQ(Find<QLabel>("Rifiuto")->text(), "Calcolo impossibile: Velocità Nulla!!");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AnalysisViewTest, OpensFromTheShortcutAndFromTheDrawingsAndResultsMenus) {
    QApplication::setActiveWindow(&view);
    QWidget* vel = view.Widget(Control::Vel);
    vel->setFocus();
    QTest::keyClick(vel, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_NE(opener.Window(), nullptr);
    EXPECT_TRUE(opener.Window()->isVisible());
    EXPECT_EQ(model.State().Text(Control::Vel), "60") << "the shortcut types nothing";

    EXPECT_EQ(MenuOf(view.Widget(Control::Image1)), QStringList{"Analisi della Coppia…"});
    model.UserClick(Control::Calc);
    const QStringList resultMenu = MenuOf(view.Widget(Control::Coppia));
    EXPECT_GT(resultMenu.size(), 3) << "the standard edit items stay";
    EXPECT_EQ(resultMenu.last(), "Analisi della Coppia…");
    EXPECT_EQ(MenuOf(view.Widget(Control::Cp_Out)).last(), "Analisi della Coppia…");
}

TEST_F(AnalysisViewTest, CtrlCCopiesTheSummaryUnlessTextIsSelected) {
    QWidget* analysis = OpenAnalysis();
    QApplication::setActiveWindow(analysis);
    QLineEdit* factor = Find("FattoreSicurezza");
    factor->setFocus();
    factor->deselect();
    QApplication::clipboard()->clear();
    QTest::keyClick(factor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Analisi della Coppia\n"));
    factor->selectAll();
    QTest::keyClick(factor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "2");
}

TEST_F(AnalysisViewTest, EveryControlHasANameAndAnAccessibleName) {
    QWidget* analysis = OpenAnalysis();
    int controls = 0;
    for (QWidget* child : analysis->findChildren<QWidget*>()) {
        if (!(child->focusPolicy() & Qt::TabFocus) || child->objectName().startsWith("qt_"))
            continue;
        ++controls;
        EXPECT_FALSE(child->objectName().isEmpty()) << child->metaObject()->className();
        EXPECT_FALSE(child->accessibleName().isEmpty()) << child->objectName().toStdString();
    }
    EXPECT_GE(controls, 20);
}

}  // namespace
}  // namespace coppia
