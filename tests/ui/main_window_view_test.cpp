#include "ui/main_window_view.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/ui/memory_last_inputs.h"
#include "tests/ui/recording_messages.h"
#include "ui/qt_message_sink.h"

namespace coppia {
namespace {

class MainWindowViewTest : public testing::Test {
  protected:
    MainWindowViewTest() : model(messages, lastInputs), view(model) {
        model.Main_Form_Load();
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    QLineEdit* Edit(const char* name) { return view.findChild<QLineEdit*>(name); }

    RecordingMessages messages;
    MemoryLastInputs lastInputs;
    MainWindow model;
    MainWindowView view;
};

TEST_F(MainWindowViewTest, EveryControlIsFoundByItsNameAtItsPlace) {
    EXPECT_EQ(view.windowTitle(), "Coppia Necessaria per Movimento Superfici di Controllo");
    EXPECT_EQ(view.size(), QSize(639, 374));
    for (const ControlSpec& spec : kControls) {
        const QString name = QString::fromUtf8(spec.name.data(), spec.name.size());
        QWidget* widget = view.findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name.toStdString();
        const Geometry& g = spec.geometry;
        EXPECT_EQ(widget->geometry(), QRect(g.left, g.top, g.width, g.height))
            << name.toStdString();
    }
    EXPECT_EQ(view.findChild<QLabel*>("Label_V")->text(), "V  Km/h");
    EXPECT_EQ(view.findChild<QLabel*>("Label5")->text(), "- V è la velocità del modello");
    EXPECT_EQ(view.findChild<QPushButton*>("Calc")->text(), "CALCOLA");
    EXPECT_EQ(Edit("Ang")->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
}

TEST_F(MainWindowViewTest, TypingAndClickingCalcolaShowsTheResults) {
    EXPECT_FALSE(Edit("Coppia")->isEnabled());
    QLineEdit* vel = Edit("Vel");
    vel->setFocus();
    vel->selectAll();
    QTest::keyClicks(vel, "20");
    EXPECT_EQ(model.State().Text(Control::Vel), "20");
    auto* calc = view.findChild<QPushButton*>("Calc");
    QTest::mouseClick(calc, Qt::LeftButton);
    EXPECT_EQ(Edit("Cp_Out")->text(), "2.59");
    EXPECT_EQ(Edit("Coppia")->text(), "00.10");
    EXPECT_TRUE(Edit("Coppia")->isEnabled());
    EXPECT_TRUE(Edit("Cp_Out")->isEnabled());
    EXPECT_FALSE(calc->isEnabled());
    EXPECT_EQ(messages.shown, RecordingMessages::Shown{RecordingMessages::Of(messages::StallRisk)});

    QTest::keyClick(vel, Qt::Key_Backspace);
    EXPECT_EQ(model.State().Text(Control::Vel), "2");
    EXPECT_TRUE(calc->isEnabled());
    EXPECT_FALSE(Edit("Coppia")->isEnabled());
    EXPECT_EQ(Edit("Coppia")->text(), "00.10");
}

TEST_F(MainWindowViewTest, AClickOnTheToggleSpotReachesTheVisibleToggle) {
    QWidget* up = view.findChild<QWidget*>("UP");
    QWidget* down = view.findChild<QWidget*>("Down");
    ASSERT_TRUE(up->isVisible());
    ASSERT_FALSE(down->isVisible());
    const QPoint spot = up->geometry().center();
    QTest::mouseClick(view.childAt(spot), Qt::LeftButton);
    EXPECT_FALSE(up->isVisible());
    EXPECT_TRUE(down->isVisible());
    EXPECT_TRUE(Edit("Ang")->isEnabled());
    EXPECT_FALSE(Edit("Corsa")->isEnabled());

    QLineEdit* ang = Edit("Ang");
    ang->setFocus();
    ang->selectAll();
    QTest::keyClicks(ang, "65");
    EXPECT_EQ(messages.shown,
              RecordingMessages::Shown{RecordingMessages::Of(messages::AngleAboveMaximum)});
    EXPECT_EQ(ang->text(), "60.0");
    EXPECT_EQ(Edit("Corsa")->text(), "60.0");

    QTest::mouseClick(view.childAt(spot), Qt::LeftButton);
    EXPECT_TRUE(up->isVisible());
    EXPECT_FALSE(Edit("Ang")->isEnabled());
}

TEST_F(MainWindowViewTest, FocusMovesInTheTableOrderOverTheControlsThatCanTakeIt) {
    QApplication::setActiveWindow(&view);
    Edit("Vel")->setFocus();
    QStringList order;
    for (int i = 0; i < 12; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Ang, Coppia and Cp_Out are disabled and Down hidden at start.
    EXPECT_EQ(order, QStringList({"Vel", "BrServ", "CordaAla", "CarAla", "BrAlett", "CordaAlett",
                                  "LungAlett", "Calc", "Corsa", "UP", "Vel", "BrServ"}));
}

TEST_F(MainWindowViewTest, NumbersReadAndWriteWithAPointWhateverTheLocale) {
    QLineEdit* vel = Edit("Vel");
    vel->setFocus();
    vel->selectAll();
    QTest::keyClicks(vel, "60.5");
    QTest::mouseClick(view.findChild<QPushButton*>("Calc"), Qt::LeftButton);
    EXPECT_EQ(Edit("Cp_Out")->text(), "0.28");
    EXPECT_EQ(*lastInputs.bytes,
              "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.5\r\n");
}

TEST(QtMessageSinkTest, ShowsAModalBoxWithTheTextTitleAndOneOkButton) {
    QtMessageSink sink;
    QString title, text;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = static_cast<int>(box->buttons().size());
        box->button(QMessageBox::Ok)->click();
    });
    sink.ShowMessage(messages::AngleAboveMaximum.text, messages::AngleAboveMaximum.title);
    EXPECT_EQ(title, "Errore Dato Immesso");
    EXPECT_EQ(text, "Massimo 60°!!");
    EXPECT_EQ(buttons, 1);
}

}  // namespace
}  // namespace coppia
