// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "files/last_inputs_file.h"
#include "models/main/main_window.h"
#include "tests/models/recording_messages.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/closes_with_main_window.h"
#include "ui/main/main_window_view.h"
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
    void Answer(const QString& button) {
        QTimer::singleShot(0, [this, button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            question = box->text();
            for (QAbstractButton* each : box->buttons()) {
                answers << each->text();
                if (each->text().remove(u'&') == button)
                    each->click();
            }
        });
    }

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
    EXPECT_EQ(window->windowTitle(), "Sport 160[*] – Modello");
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
        QTest::mouseClick(dialog->findChild<QPushButton*>("AggiungiNuovaSuperficie"),
                          Qt::LeftButton);
    });
    QTest::mouseClick(window->findChild<QPushButton*>("Aggiungi"), Qt::LeftButton);
    EXPECT_EQ(window->findChild<QLabel*>("VerdettoModello")->text(),
              "Servo da indicare: Superficie 7");
    auto* table = window->findChild<QTableView*>("Tabella");
    ASSERT_EQ(table->model()->rowCount(), 7);
    EXPECT_EQ(table->model()->index(6, 0).data().toString(), "Superficie 7");
    EXPECT_TRUE(window->isWindowModified());

    // Tab goes through the table in one stop, then the page's fields, then the buttons that
    // can be used.
    QApplication::setActiveWindow(window);
    table->setFocus();
    const QStringList stops = TabStops([](QWidget* focused) {
        return focused->objectName().startsWith("qt_") ? focused->parentWidget()->objectName()
                                                       : focused->objectName();
    });
    EXPECT_EQ(stops, (QStringList{"Tabella",      "Pagine",     "NomeSuperficie", "TipoSuperficie",
                                  "NumeroServi",  "NomeServo",  "CoppiaServo",    "UnitaServo",
                                  "Aggiungi",     "Aggiorna",   "Carica",         "Annulla",
                                  "Duplica",      "Rinomina",   "Rimuovi",        "SpostaSu",
                                  "Nuovo",        "Apri",       "Recenti",        "Salva",
                                  "SalvaConNome", "EsportaCsv", "Stampa",         "EsportaPdf"}));
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if ((child->focusPolicy() & Qt::TabFocus) && !child->objectName().startsWith("qt_")) {
            EXPECT_FALSE(child->accessibleName().isEmpty()) << child->objectName().toStdString();
        }
    }
    const QStringList keys = Mnemonics(window);
    EXPECT_EQ(keys.size(), 18);
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
        for (int row = 0; row < table->model()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->model()->columnCount(); ++column) {
                cells << QRegularExpression::escape(
                    table->model()->index(row, column).data().toString());
            }
            EXPECT_TRUE(
                QRegularExpression(cells.join(QStringLiteral("\\s+"))).match(text).hasMatch())
                << cells.join(' ').toStdString();
        }
        EXPECT_TRUE(text.contains("Margine più basso: 2.87, Alettone sinistro"));
    }

    // Closing with unsaved changes asks; Annulla keeps the window, Non salvare closes it.
    Answer("Annulla");
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_EQ(question, "Salvare le modifiche a Sport 160?");
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

}  // namespace
}  // namespace coppia
