// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/main_window_view.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "models/main/controls.h"
#include "tests/models/memory_last_inputs.h"
#include "tests/models/recording_messages.h"
#include "ui/common/qt_message_sink.h"
#include "ui/common/qt_text.h"

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

struct PlacedControl {
    const char* name;
    QRect rect;
    const char* accessibleName;
    const char* accessibleDescription;
};

// The layout and what a screen reader says, written out once, word for word.
const PlacedControl kPlacedControls[] = {
    {"Down",
     {552, 131, 26, 40},
     "Inserisci la corsa",
     "ora si inserisce l'angolo; premi per inserire la corsa"},
    {"UP",
     {552, 131, 26, 40},
     "Inserisci l'angolo",
     "ora si inserisce la corsa; premi per inserire l'angolo"},
    {"Corsa", {544, 107, 40, 24}, "Corsa del bordo d'uscita dell'alettone", "millimetri"},
    {"Cp_Out",
     {432, 16, 40, 20},
     "Cp di funzionamento",
     "coefficiente di portanza dell'ala, senza unità"},
    {"Coppia", {128, 69, 65, 32}, "Coppia servo", "chilogrammi-centimetro (Kg*cm)"},
    {"Calc", {16, 69, 97, 33}, "Calcola", "calcola la coppia del servo e il Cp di funzionamento"},
    {"LungAlett", {392, 256, 47, 22}, "Lunghezza dell'alettone", "millimetri"},
    {"CordaAlett", {376, 144, 47, 22}, "Corda media dell'alettone", "millimetri"},
    {"BrAlett", {352, 224, 40, 23}, "Braccio della squadretta dell'alettone", "millimetri"},
    {"Ang", {536, 172, 40, 24}, "Angolo di deflessione dell'alettone", "gradi"},
    {"CarAla",
     {336, 16, 47, 22},
     "Carico alare",
     "grammi per decimetro quadrato; 0 per superfici non portanti"},
    {"CordaAla", {336, 76, 47, 24}, "Corda media dell'ala", "millimetri"},
    {"BrServ", {139, 145, 40, 24}, "Braccio del servo", "millimetri"},
    {"Vel", {75, 199, 47, 22}, "Velocità del modello", "chilometri all'ora"},
    {"Label_Cp", {480, 19, 153, 23}, "Cp di Funzionamento", ""},
    {"Label_Servo", {128, 48, 137, 17}, "Coppia Servo", ""},
    {"Label_CM", {200, 73, 57, 32}, "Kg*cm", ""},
    {"Label5", {456, 328, 161, 17}, "- V è la velocità del modello", ""},
    {"Label4", {464, 312, 161, 17}, "0 per Superfici non Portanti", ""},
    {"Label3", {456, 296, 161, 17}, "- Il carico alare va messo a", ""},
    {"Label2", {456, 280, 161, 17}, "- Le corde sono medie", ""},
    {"Label1", {456, 264, 161, 17}, "- Tutte le misure sono in mm", ""},
    {"Label_Gr", {544, 200, 49, 13}, "Gradi", ""},
    {"Label_V", {64, 176, 65, 17}, "V  Km/h", ""},
    {"Label_carico", {183, 17, 153, 22}, "Carico Alare g/dm2", ""},
    {"Image1", {0, 0, 640, 374}, "Disegno dell'ala con l'alettone, i rinvii e le quote", ""},
};

TEST_F(MainWindowViewTest, EveryControlIsFoundByItsNameAtItsPlace) {
    EXPECT_EQ(view.objectName(), "Main");
    EXPECT_EQ(view.windowTitle(), "Coppia Necessaria per Movimento Superfici di Controllo");
    EXPECT_EQ(view.size(), QSize(639, 374));
    ASSERT_EQ(std::size(kPlacedControls), kControls.size());
    for (const PlacedControl& control : kPlacedControls) {
        QWidget* widget = view.findChild<QWidget*>(control.name);
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), control.rect) << control.name;
        EXPECT_EQ(widget->accessibleName(), control.accessibleName) << control.name;
        EXPECT_EQ(widget->accessibleDescription(), control.accessibleDescription) << control.name;
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
    // The comma key and the keypad's decimal key of an Italian layout both enter the point.
    QTest::keyClicks(vel, "6,");
    EXPECT_EQ(vel->text(), "6.");
    QTest::keyClick(vel, Qt::Key_Backspace);
    QTest::keyClicks(vel, "0");
    QTest::keyClick(vel, ',', Qt::KeypadModifier);
    QTest::keyClicks(vel, "5");
    EXPECT_EQ(model.State().Text(Control::Vel), "60.5");
    QTest::mouseClick(view.findChild<QPushButton*>("Calc"), Qt::LeftButton);
    EXPECT_EQ(Edit("Cp_Out")->text(), "0.28");
    EXPECT_EQ(*lastInputs.bytes,
              "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.5\r\n");
}

// Counts the pixels of a widget's grab that the predicate picks.
template <typename Pick>
int CountPixels(QWidget* widget, Pick pick) {
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += pick(QColor(image.pixel(x, y)));
    }
    return count;
}

bool IsRed(const QColor& c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}

TEST_F(MainWindowViewTest, AfterCalcolaTheFocusMovesOnWithoutSelectingTheTorque) {
    auto* calc = view.findChild<QPushButton*>("Calc");
    QApplication::setActiveWindow(&view);
    calc->setFocus();
    QTest::keyClick(calc, Qt::Key_Space);
    EXPECT_FALSE(calc->isEnabled());
    ASSERT_EQ(QApplication::focusWidget(), Edit("Coppia"));
    EXPECT_FALSE(Edit("Coppia")->hasSelectedText());
}

TEST_F(MainWindowViewTest, AFocusedToggleHandsTheFocusToTheOtherOne) {
    QApplication::setActiveWindow(&view);
    QWidget* up = view.findChild<QWidget*>("UP");
    up->setFocus();
    QTest::keyClick(up, Qt::Key_Space);
    EXPECT_EQ(model.State().Mode(), DeflectionInput::Angle);
    EXPECT_EQ(QApplication::focusWidget(), view.findChild<QWidget*>("Down"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(model.State().Mode(), DeflectionInput::Travel);
    EXPECT_EQ(QApplication::focusWidget(), up);
}

TEST_F(MainWindowViewTest, OpensCentredWithAFixedClientArea) {
    view.CenterOnScreen();
    const QRect screen = view.screen()->availableGeometry();
    EXPECT_LE((view.frameGeometry().center() - screen.center()).manhattanLength(), 2);
    EXPECT_EQ(view.minimumSize(), QSize(639, 374));
    EXPECT_EQ(view.maximumSize(), QSize(639, 374));
}

TEST_F(MainWindowViewTest, EveryFocusableControlTellsAScreenReaderWhatItIs) {
    for (const ControlEntry& entry : kControls) {
        const bool focusable = entry.kind == ControlKind::TextBox ||
                               entry.kind == ControlKind::CommandButton ||
                               entry.kind == ControlKind::PictureBox;
        if (!focusable)
            continue;
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(view.Widget(entry.id));
        ASSERT_NE(accessible, nullptr) << entry.name;
        const QString name = accessible->text(QAccessible::Name);
        const QString description = accessible->text(QAccessible::Description);
        EXPECT_FALSE(name.isEmpty()) << entry.name;
        EXPECT_FALSE(description.isEmpty()) << entry.name;
        if (entry.kind == ControlKind::TextBox && entry.id != Control::Coppia) {
            EXPECT_EQ(view.Widget(entry.id)->toolTip(), name + " (" + description + ")")
                << entry.name;
        }
    }
    // The torque's tooltip also says where the analysis of that torque and the model open.
    EXPECT_EQ(Edit("Coppia")->toolTip(),
              "Coppia servo (chilogrammi-centimetro (Kg*cm))\nAnalisi della Coppia: tasto destro "
              "sul disegno o sui risultati, o Ctrl+Shift+A\nModello, con tutte le superfici: "
              "tasto destro sul disegno o sui risultati, o Ctrl+Shift+M");
    QAccessibleInterface* chord = QAccessible::queryAccessibleInterface(Edit("CordaAlett"));
    EXPECT_EQ(chord->text(QAccessible::Name), "Corda media dell'alettone");
    EXPECT_EQ(chord->text(QAccessible::Description), "millimetri");
}

TEST_F(MainWindowViewTest, TheResultFieldsAnnounceTheirValue) {
    QTest::mouseClick(view.findChild<QPushButton*>("Calc"), Qt::LeftButton);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Edit("Coppia"))->text(QAccessible::Value),
              "00.52");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Edit("Cp_Out"))->text(QAccessible::Value),
              "0.29");
}

TEST_F(MainWindowViewTest, LabelsAreWhiteTextOnBlack) {
    for (const ControlEntry& entry : kControls) {
        if (entry.kind != ControlKind::Label)
            continue;
        QWidget* label = view.findChild<QWidget*>(ToQString(entry.name));
        const int coloured = CountPixels(
            label, [](const QColor& c) { return c.red() != c.green() || c.green() != c.blue(); });
        const int white = CountPixels(label, [](const QColor& c) { return c.lightness() > 240; });
        const int black = CountPixels(label, [](const QColor& c) { return c.lightness() < 15; });
        EXPECT_EQ(coloured, 0) << entry.name;
        EXPECT_GT(white, 10) << entry.name;
        EXPECT_GT(black, white) << entry.name;
    }
}

TEST_F(MainWindowViewTest, ResultsAreRedWhileCurrentAndGreyWhileStale) {
    QWidget* coppia = Edit("Coppia");
    QWidget* cpOut = Edit("Cp_Out");
    EXPECT_EQ(CountPixels(coppia, IsRed), 0);
    EXPECT_EQ(CountPixels(cpOut, IsRed), 0);
    QTest::mouseClick(view.findChild<QPushButton*>("Calc"), Qt::LeftButton);
    EXPECT_GT(CountPixels(coppia, IsRed), 20);
    EXPECT_GT(CountPixels(cpOut, IsRed), 10);
    EXPECT_GT(CountPixels(coppia, [](const QColor& c) { return c == Qt::white; }), 500);

    model.UserEdit(Control::Vel, "61");
    EXPECT_EQ(CountPixels(coppia, IsRed), 0);
    EXPECT_EQ(CountPixels(cpOut, IsRed), 0);
    EXPECT_GT(CountPixels(coppia,
                          [](const QColor& c) {
                              return c.lightness() > 100 && c.lightness() < 200 &&
                                     c.saturation() < 30;
                          }),
              5)
        << "the stale torque is shown grey";
}

// The lit panel (light grey with red) lies towards the field being entered.
void ExpectLitHalf(QWidget* toggle, bool upper) {
    const QImage image = toggle->grab().toImage();
    const int half = image.height() / 2;
    int litTop = 0, litBottom = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool lit = QColor(image.pixel(x, y)) == QColor(230, 230, 230);
            (y < half ? litTop : litBottom) += lit;
        }
    }
    if (upper) {
        EXPECT_GT(litTop, 100);
        EXPECT_EQ(litBottom, 0);
    } else {
        EXPECT_EQ(litTop, 0);
        EXPECT_GT(litBottom, 100);
    }
}

TEST_F(MainWindowViewTest, TheVisibleToggleLightsTheHalfTowardsTheFieldEntered) {
    ASSERT_EQ(model.State().Mode(), DeflectionInput::Travel);
    ExpectLitHalf(view.findChild<QWidget*>("UP"), true);
    model.UserClick(Control::UP);
    ASSERT_EQ(model.State().Mode(), DeflectionInput::Angle);
    ExpectLitHalf(view.findChild<QWidget*>("Down"), false);
}

TEST_F(MainWindowViewTest, ControlsListedFirstLieInFront) {
    const QObjectList children = view.children();
    const auto depth = [&](Control control) { return children.indexOf(view.Widget(control)); };
    for (std::size_t front = 0; front < kControls.size(); ++front) {
        for (std::size_t back = front + 1; back < kControls.size(); ++back) {
            EXPECT_GT(depth(kControls[front].id), depth(kControls[back].id))
                << kControls[front].name << " behind " << kControls[back].name;
        }
    }
}

TEST_F(MainWindowViewTest, PicturesAreRenderedForTheScreensPixelDensity) {
    const qreal ratio = view.devicePixelRatioF();
    const QPixmap drawing = view.findChild<QLabel*>("Image1")->pixmap();
    EXPECT_EQ(drawing.devicePixelRatio(), ratio > 1 ? 2.0 : 1.0);
    EXPECT_EQ(drawing.deviceIndependentSize().toSize(), QSize(640, 374));
    EXPECT_EQ(drawing.width(), ratio > 1 ? 1280 : 640);
    EXPECT_FALSE(view.windowIcon().isNull());
}

// A remembered angle beyond the limit brings a message during the load, before the window
// is shown: it must stand where the window appears, in the middle of the screen.
TEST(LoadMessageTest, StandsWhereTheWindowWillAppear) {
    QtMessageSink messages;
    MemoryLastInputs lastInputs("50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n66.4\r\n");
    MainWindow model(messages, lastInputs);
    MainWindowView view(model);
    messages.SetParent(&view);
    QPoint boxCentre;
    bool windowShown = true;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxCentre = box->frameGeometry().center();
        windowShown = view.isVisible();
        box->button(QMessageBox::Ok)->click();
    });
    view.LoadAndShow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_FALSE(windowShown);
    const QPoint screenCentre = view.screen()->availableGeometry().center();
    EXPECT_LE((boxCentre - screenCentre).manhattanLength(), 8);
    EXPECT_LE((view.frameGeometry().center() - screenCentre).manhattanLength(), 8);
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
