// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <utility>
#include <vector>

#include "files/last_inputs_file.h"
#include "models/main/main_window.h"
#include "models/model/model_controls.h"
#include "models/model/model_table.h"
#include "tests/models/recording_messages.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/closes_with_main_window.h"
#include "ui/common/qt_text.h"
#include "ui/main/main_window_view.h"
#include "ui/qt_italian.h"
#include "ui/window_opener.h"

namespace coppia {
namespace {

// The real main window with its file on disk, and the model window opened through its plugin.
class ModelViewTest : public testing::Test {
  protected:
    ModelViewTest()
        : lastInputs(LastInputsPath()),
          model(messages, lastInputs),
          view(model),
          opener(model, &view, QStringLiteral(COPPIA_MODEL_PLUGIN)) {
        QObject::connect(&view, &MainWindowView::ModelRequested, &opener, &WindowOpener::Open);
        view.LoadAndShow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    // Answers the question that closing asks with the button of this text, and keeps it.
    void Answer(const QString& button) { AnswerNextQuestion(button, &question, &answers); }

    ConfigFolderForTest config;
    RecordingMessages messages;
    LastInputsFile lastInputs;
    MainWindow model;
    MainWindowView view;
    ModelOpener opener;
    QString question;
    QStringList answers;
};

TEST_F(ModelViewTest, OpensFromTheMainWindowAndIsUsedFromTheKeyboardAlone) {
    QApplication::setActiveWindow(&view);
    QTest::keyClick(view.Widget(Control::Vel), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* window = opener.Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    EXPECT_EQ(window->windowTitle(), "Nuovo modello[*] – Modello");
    bool opened = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(
        window, "OpenFile", Q_RETURN_ARG(bool, opened),
        Q_ARG(QByteArray, QByteArray(COPPIA_SOURCE_DIR "/docs/esempio.coppia"))));
    EXPECT_TRUE(opened);
    EXPECT_EQ(window->windowTitle(), "esempio.coppia[*] (Sport 160) – Modello");
    EXPECT_FALSE(window->isWindowModified());
    // Each recent model shows its folder, which tells apart two of one name, spelt as the system
    // spells it.
    auto* recent = window->findChild<QMenu*>("MenuRecenti");
    ASSERT_NE(recent, nullptr);
    ASSERT_FALSE(recent->actions().isEmpty());
    const QString folder = QDir::toNativeSeparators(
        QFileInfo(QStringLiteral(COPPIA_SOURCE_DIR "/docs")).canonicalFilePath());
    EXPECT_EQ(recent->actions().constFirst()->text(), "&1 esempio.coppia – " + folder);

    // A surface from the main window, by the button: the table has it, selected, and the title
    // its mark.
    // The builder names its kind and servo: a flap, its rating left for later.
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), "NuovaSuperficie");
        dialog->findChild<QComboBox*>("TipoNuovaSuperficie")->setCurrentIndex(1);
        // A rating it cannot take greys Aggiungi, and says why.
        auto* rating = dialog->findChild<QLineEdit*>("CoppiaServoNuovo");
        auto* advice = dialog->findChild<QLabel*>("AvvisoNuovaSuperficie");
        auto* add = dialog->findChild<QPushButton*>("AggiungiNuovaSuperficie");
        ASSERT_NE(advice, nullptr);
        rating->setText(QStringLiteral("-2"));
        EXPECT_FALSE(add->isEnabled());
        EXPECT_FALSE(advice->isHidden());
        EXPECT_EQ(advice->text(), "Coppia dichiarata non valida: serve un numero da 0.01 a 10000");
        rating->clear();
        EXPECT_TRUE(advice->isHidden());
        QTest::mouseClick(add, Qt::LeftButton);
    });
    QTest::mouseClick(window->findChild<QPushButton*>("Aggiungi"), Qt::LeftButton);
    EXPECT_EQ(window->findChild<QLabel*>("VerdettoModello")->text(),
              "Servo da indicare: Superficie 7");
    auto* table = window->findChild<QTableView*>("Tabella");
    ASSERT_EQ(table->model()->rowCount(), 7);
    EXPECT_EQ(table->model()->index(6, 0).data().toString(), "Superficie 7");
    EXPECT_TRUE(window->isWindowModified());

    // In a small window every line under the table still shows whole: the pages give way.
    window->resize(700, 600);
    QApplication::processEvents();
    for (const char* name : {"Impostazioni", "FonteStima", "VerdettoAlimentazione",
                             "CorrentiModello", "RegolaAlimentazione"}) {
        const auto* label = window->findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_FALSE(label->isHidden()) << name;
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << name;
    }

    // Tab goes through the table in one stop, then the page's fields, then the buttons that
    // can be used.
    QApplication::setActiveWindow(window);
    table->setFocus();
    const QStringList stops = TabStops([](QWidget* focused) {
        return focused->objectName().startsWith("qt_") ? focused->parentWidget()->objectName()
                                                       : focused->objectName();
    });
    EXPECT_EQ(stops, (QStringList{"Tabella",
                                  "Pagine",
                                  "NomeSuperficie",
                                  "TipoSuperficie",
                                  "NumeroServi",
                                  "NomeServo",
                                  "CoppiaServo",
                                  "UnitaServo",
                                  "SpessoreProfilo",
                                  "FessuraProfilo",
                                  "TensioneServo",
                                  "Tempo60Servo",
                                  "CorrenteVuotoServo",
                                  "CorrenteStalloServo",
                                  "Aggiungi",
                                  "Aggiorna",
                                  "Carica",
                                  "Annulla",
                                  "Duplica",
                                  "Rinomina",
                                  "Rimuovi",
                                  "SpostaSu",
                                  "Nuovo",
                                  "Apri",
                                  "Recenti",
                                  "Salva",
                                  "SalvaConNome",
                                  "EsportaCsv",
                                  "Stampa",
                                  "EsportaPdf"}));
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) && !child->objectName().startsWith("qt_")) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->objectName().toStdString();
        }
    }
    const QStringList keys = Mnemonics(window);
    EXPECT_EQ(keys.size(), 20);
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size())
        << keys.join(' ').toStdString();

    // The whole model on paper: every row of the table, across its pages.
    const std::filesystem::path pdf = config.folder / "modello.pdf";
    bool exported = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(window, "ExportPdf", Q_RETURN_ARG(bool, exported),
                                          Q_ARG(QString, QString::fromStdString(pdf.string()))));
    ASSERT_TRUE(exported);
    if (qEnvironmentVariableIsSet("COPPIA_KEEP_PDF"))
        std::filesystem::copy_file(pdf, qEnvironmentVariable("COPPIA_KEEP_PDF").toStdString());
    const std::optional<QString> pdfText = PdfText(pdf);
    if (pdfText) {
        const QString& text = *pdfText;
        const auto cell = [table](int row, ModelColumn column) {
            return QRegularExpression::escape(
                table->model()->index(row, static_cast<int>(column)).data().toString());
        };
        const auto onOneLine = [&text](const QStringList& cells) {
            return QRegularExpression(cells.join(QStringLiteral("\\s+"))).match(text).hasMatch();
        };
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            // The table's cells up to the second estimate, which has a table of its own on
            // paper, beside the torque, with its ratio to it.
            QStringList cells;
            for (int column = 0; column < static_cast<int>(ModelColumn::SecondaStimaReale);
                 ++column) {
                cells << cell(row, static_cast<ModelColumn>(column));
            }
            EXPECT_TRUE(onOneLine(cells)) << cells.join(' ').toStdString();
            // The servos' motion in a table of its own, each row after its surface's name.
            QStringList motion{cell(row, ModelColumn::Superficie)};
            for (std::size_t column = 0; column < kModelColumnCount; ++column) {
                if (IsMotionColumn(column))
                    motion << cell(row, static_cast<ModelColumn>(column));
            }
            EXPECT_TRUE(onOneLine(motion)) << motion.join(' ').toStdString();
            if (cell(row, ModelColumn::MargineSecondaStima).isEmpty())
                continue;  // the surface just added, without a rating
            const QStringList estimate{cell(row, ModelColumn::Superficie),
                                       cell(row, ModelColumn::CoppiaKgcm),
                                       cell(row, ModelColumn::SecondaStimaReale),
                                       QStringLiteral("\\d\\.\\d\\d volte il calcolo.*"),
                                       cell(row, ModelColumn::SecondaStimaSottile),
                                       cell(row, ModelColumn::MargineSecondaStima)};
            EXPECT_TRUE(onOneLine(estimate)) << estimate.join(' ').toStdString();
        }
        EXPECT_TRUE(
            text.contains("Seconda stima: teoria del profilo sottile (Glauert); "
                          "correzioni DATCOM"));
        EXPECT_TRUE(text.contains("Margine più basso: 2.87, Alettone sinistro"));
        // Superficie 7, just added, has no servo data: the budget of the others is a lower bound.
        EXPECT_TRUE(
            text.contains("Alimentazione al Limite (BEC 5 A): riserva al più 1.11, sotto 1.25"));
    }

    // Closing with unsaved changes asks; Annulla keeps the window, Non salvare closes it.
    Answer("Annulla");
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_EQ(question, "Salvare le modifiche a esempio.coppia?");
    answers.sort();
    EXPECT_EQ(answers, (QStringList{"&Non salvare", "&Salva", "Annulla"}));
    EXPECT_TRUE(window->isVisible());
    // Closing the main window closes it too, after the same question: Annulla keeps both.
    const ClosesWithMainWindow closing(&view, {&opener});
    Answer("Annulla");
    EXPECT_FALSE(view.close());
    EXPECT_TRUE(view.isVisible());
    EXPECT_TRUE(window->isVisible());
    Answer("Non salvare");
    QApplication::setActiveWindow(window);
    QTest::keyClick(table, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(messages.shown.empty());
    if (!pdfText)
        GTEST_SKIP() << kNoPdfText;
}

// The names of three keys in another language, as a translation installed later gives them.
class OtherKeyNames : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArrayView(context) != "QShortcut")
            return {};
        const QByteArrayView key(source);
        return key == "Del"  ? QStringLiteral("Entf")
               : key == "Up" ? QStringLiteral("Hoch")
                             : QString();
    }
    bool isEmpty() const override { return false; }
};

void DeliverLanguageChange() {
    // The application's event, then the one it posts to each window.
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

// The buttons name their keys as the menus do, in the translation Qt has when it is shown, and
// the page tabs' scroll buttons speak Italian.
// The window's table is what the page reads too: each widget of a control in it says for a screen
// reader what the table says, and a field's caption is the table's, its Alt key included.
TEST_F(ModelViewTest, EveryControlOfTheTableIsNamedAndCaptionedAsTheTableSays) {
    QApplication::setActiveWindow(&view);
    QTest::keyClick(view.Widget(Control::Vel), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* window = opener.Window();
    ASSERT_NE(window, nullptr);
    QSet<QString> checked;
    for (const ControlText& control : kModelControls) {
        const auto* widget = window->findChild<QWidget*>(ToQString(control.name));
        if (widget == nullptr || control.accessibleName.empty())
            continue;  // the new surface's dialog's, or a page's tab
        EXPECT_EQ(widget->accessibleName(), AccessibleNameOf(control)) << control.name;
        checked << ToQString(control.name);
        if (qobject_cast<const QLineEdit*>(widget) == nullptr || control.caption.empty())
            continue;
        QStringList captions;
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() == widget)
                captions << label->text();
        EXPECT_EQ(captions, QStringList{CaptionOf(control)}) << control.name;
    }
    for (const char* name : {"NomeAlimentazione", "CorrenteContinua", "CorrentePicco", "Note",
                             "EsportaCsv", "Tabella"})
        EXPECT_TRUE(checked.contains(QString::fromUtf8(name))) << name;
}

TEST_F(ModelViewTest, TheButtonsNameTheirKeysAsTheMenusDo) {
    QApplication::setActiveWindow(&view);
    QTest::keyClick(view.Widget(Control::Vel), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QWidget* window = opener.Window();
    ASSERT_NE(window, nullptr);
    const auto tip = [window](const char* name) {
        return window->findChild<QPushButton*>(name)->toolTip().toStdString();
    };
    ASSERT_TRUE(InstallQtItalian(*QCoreApplication::instance()));
    DeliverLanguageChange();
    EXPECT_EQ(tip("Rimuovi"), "Rimuovi la superficie selezionata (Canc)");
    EXPECT_EQ(tip("SpostaSu"), "Sposta su la superficie selezionata (Alt+Su)");
    EXPECT_EQ(tip("SpostaGiu"), "Sposta giù la superficie selezionata (Alt+Giù)");
    OtherKeyNames other;
    QCoreApplication::installTranslator(&other);
    DeliverLanguageChange();
    EXPECT_EQ(tip("Rimuovi"), "Rimuovi la superficie selezionata (Entf)");
    EXPECT_EQ(tip("SpostaSu"), "Sposta su la superficie selezionata (Alt+Hoch)");
    QCoreApplication::removeTranslator(&other);
    DeliverLanguageChange();
    EXPECT_EQ(tip("Rimuovi"), "Rimuovi la superficie selezionata (Canc)");

    QStringList scrolls;
    for (auto* tabs : window->findChildren<QTabWidget*>()) {
        for (auto* scroll : tabs->tabBar()->findChildren<QToolButton*>())
            scrolls << scroll->accessibleName();
    }
    EXPECT_EQ(scrolls, (QStringList{"Scorri le schede indietro", "Scorri le schede avanti"}));
}

// The example model grown to 18 surfaces with names alike but for a word in the middle.
std::string LongModel() {
    QJsonObject model =
        QJsonDocument::fromJson(
            QByteArray::fromStdString(Contents(COPPIA_SOURCE_DIR "/docs/esempio.coppia")))
            .object();
    QJsonArray surfaces;
    const QJsonArray example = model["superfici"].toArray();
    for (int i = 0; i < 18; ++i) {
        QJsonObject surface = example[i % example.size()].toObject();
        surface["nome"] = QStringLiteral("%1 numero %2 dell'ala principale del modello")
                              .arg(surface["nome"].toString())
                              .arg(i + 1);
        surfaces.append(surface);
    }
    model["superfici"] = surfaces;
    return QJsonDocument(model).toJson().toStdString();
}

// The height of every word of a PDF, in points, as pdftotext places it.
std::vector<std::pair<double, QString>> WordHeights(const fs::path& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-bbox"), QString::fromStdString(pdf.string()), "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(20000));
    const QString page = QString::fromUtf8(pdftotext.readAllStandardOutput());
    const QRegularExpression word(QStringLiteral(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    std::vector<std::pair<double, QString>> heights;
    for (auto found = word.globalMatch(page); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        const double width = match.captured(3).toDouble() - match.captured(1).toDouble();
        const double height = match.captured(4).toDouble() - match.captured(2).toDouble();
        // The torque axis's title stands upright: its line's height lies across.
        const bool upright = height < width && width >= 8.5 && width <= 9.5;
        heights.emplace_back(upright ? width : height, match.captured(5));
    }
    return heights;
}

TEST_F(ModelViewTest, TheSheetLeadsWithTheVerdictNumbersItsPagesAndWritesNothingSmall) {
    ASSERT_TRUE(opener.Open());
    QWidget* window = opener.Window();
    const fs::path file = config.folder / "lungo.coppia";
    Put(file, LongModel());
    bool opened = false;
    ASSERT_TRUE(
        QMetaObject::invokeMethod(window, "OpenFile", Q_RETURN_ARG(bool, opened),
                                  Q_ARG(QByteArray, QByteArray::fromStdString(file.string()))));
    ASSERT_TRUE(opened);
    const fs::path pdf = config.folder / "lungo.pdf";
    bool exported = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(window, "ExportPdf", Q_RETURN_ARG(bool, exported),
                                          Q_ARG(QString, QString::fromStdString(pdf.string()))));
    ASSERT_TRUE(exported);
    const std::optional<QString> text = PdfText(pdf);
    if (!text)
        GTEST_SKIP() << kNoPdfText;
    const QStringList pages = text->split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    for (int i = 0; i < pages.size(); ++i) {
        EXPECT_TRUE(pages[i].contains("Sport 160")) << i;
        EXPECT_TRUE(
            pages[i].contains(QStringLiteral("pagina %1 di %2").arg(i + 1).arg(pages.size())))
            << pages[i].left(300).toStdString();
    }
    EXPECT_LT(pages[0].indexOf("Servo Sufficiente per tutte"),
              pages[0].indexOf("Servi del modello"))
        << "the verdict first";
    for (const auto& [height, word] : WordHeights(pdf))
        EXPECT_GE(height, 8.5) << word.toStdString() << " is smaller than 8 points";
}

}  // namespace
}  // namespace coppia
