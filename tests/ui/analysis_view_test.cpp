// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <stdlib.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
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
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/last_inputs_file.h"
#include "models/main/main_window.h"
#include "tests/models/memory_last_inputs.h"
#include "tests/models/recording_messages.h"
#include "tests/ui/window_test_helpers.h"
#include "ui/closes_with_main_window.h"
#include "ui/main/main_window_view.h"
#include "ui/qt_italian.h"
#include "ui/window_opener.h"

namespace coppia {
namespace {

namespace fs = std::filesystem;

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
    EXPECT_EQ(Find("Rotazione")->text(), "30.9");

    QLineEdit* rating = Find("CoppiaServo");
    rating->setFocus();
    rating->selectAll();
    QTest::keyClicks(rating, "0,4");  // a typed comma enters the decimal point here too
    EXPECT_EQ(rating->text(), "0.4");
    EXPECT_EQ(Find<QLabel>("Verdetto")->text(), "Servo Insufficiente!!");
    Find<QComboBox>("UnitaCoppia")->setCurrentIndex(1);
    emit Find<QComboBox>("UnitaCoppia")->activated(1);
    EXPECT_EQ(Find("CoppiaMinima")->text(), "10.19");
    EXPECT_EQ(Find<QLabel>("UnitaCoppiaMinima")->text(), "N·cm");
    QTest::mouseClick(Find<QPushButton>("Copia"), Qt::LeftButton);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Analisi della Coppia\n"));
    // Closing the main window closes the analysis with it.
    const ClosesWithMainWindow closing(&view, {&opener});
    EXPECT_TRUE(view.close());
    EXPECT_FALSE(analysis->isVisible());

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
              "CoppiaServo=0.4\nUnitaCoppia=N*cm\nFattoreSicurezza=2\nEscursione=45\n"
              "AltreVelocita=0.8 1.2 1.5\n"
              "SpessoreProfilo=12\nFessuraProfilo=sigillata\nTensioneServo=\nTempo60Servo=\n"
              "CorrenteVuotoServo=\nCorrenteStalloServo=\nGiudicaCon=calcolo\n");
}

bool Export(QWidget* window, const char* method, const fs::path& path);

TEST_F(AnalysisViewTest, FollowsTheMainWindowsFieldsAsTheyAreTyped) {
    QWidget* analysis = OpenAnalysis();
    const QSize size = analysis->size();
    const QPoint copy = Find<QPushButton>("Copia")->mapTo(analysis, QPoint());
    model.UserEdit(Control::Vel, "20");
    EXPECT_EQ(Find("CoppiaKgcm")->text(), "0.10");
    EXPECT_TRUE(Find<QLabel>("Rifiuto")->isHidden());
    model.UserEdit(Control::Vel, "0");
    EXPECT_EQ(Find("CoppiaKgcm")->text(), "");
    EXPECT_FALSE(Find<QLabel>("Rifiuto")->isHidden());
    EXPECT_EQ(Find<QLabel>("Rifiuto")->toolTip(), "Calcolo impossibile: Velocità Nulla!!");
    EXPECT_TRUE(messages.shown.empty());

    // No message line moves the window's edges or its buttons, however long.
    QTest::keyClicks(Find("AltreVelocita"), " abc 1 2 3 4 5 6");
    Export(analysis, "ExportCsv", config.folder / std::string(300, 'x') / "coppia.csv");
    QApplication::processEvents();
    EXPECT_EQ(analysis->size(), size);
    EXPECT_EQ(Find<QPushButton>("Copia")->mapTo(analysis, QPoint()), copy);
}

TEST_F(AnalysisViewTest, AfterCalcolaTheMainWindowsResultsAreCurrent) {
    OpenAnalysis();
    model.UserEdit(Control::Vel, "61");
    EXPECT_EQ(Find<QLabel>("Aggiornamento")->toolTip(),
              "Risultati della finestra principale da ricalcolare (CALCOLA): qui i valori seguono "
              "già i campi");
    QTest::mouseClick(view.findChild<QPushButton*>("Calc"), Qt::LeftButton);
    EXPECT_EQ(Find<QLabel>("Aggiornamento")->toolTip(),
              "Risultati della finestra principale aggiornati");
}

TEST_F(AnalysisViewTest, OpensFromTheShortcutAndFromTheDrawingsAndResultsMenus) {
    QApplication::setActiveWindow(&view);
    QWidget* vel = view.Widget(Control::Vel);
    vel->setFocus();
    QTest::keyClick(vel, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_NE(opener.Window(), nullptr);
    EXPECT_TRUE(opener.Window()->isVisible());
    EXPECT_EQ(model.State().Text(Control::Vel), "60") << "the shortcut types nothing";

    const QStringList windows{"Analisi della Coppia…", "Modello…"};
    EXPECT_EQ(MenuOf(view.Widget(Control::Image1)), windows);
    model.UserClick(Control::Calc);
    const QStringList resultMenu = MenuOf(view.Widget(Control::Coppia));
    EXPECT_GT(resultMenu.size(), 4) << "the standard edit items stay";
    EXPECT_EQ(resultMenu.mid(resultMenu.size() - 2), windows);
    const QStringList liftMenu = MenuOf(view.Widget(Control::Cp_Out));
    EXPECT_EQ(liftMenu.mid(liftMenu.size() - 2), windows);
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
    EXPECT_EQ(Find<QLabel>("StatoFile")->toolTip(), "Riepilogo copiato negli appunti");
    factor->selectAll();
    QTest::keyClick(factor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "2");

    // In the table, the selected cells, as a spreadsheet pastes them.
    auto* table = Find<QTableWidget>("Tabella");
    table->setFocus();
    table->setRangeSelected(QTableWidgetSelectionRange(19, 2, 20, 3), true);
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "0.33\t0.50\n0.35\t0.52\n");
    EXPECT_EQ(Find<QLabel>("StatoFile")->toolTip(), "Celle copiate negli appunti");
    table->clearSelection();
    QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Analisi della Coppia\n"));
}

TEST_F(AnalysisViewTest, TabGoesFromThePagesToTheFieldsTheResultsAndTheButtons) {
    QWidget* analysis = OpenAnalysis();
    QApplication::setActiveWindow(analysis);
    auto* pages = Find<QTabWidget>("Pagine");
    QStringList stops;
    const auto walk = [&] {
        stops = TabStops([pages](QWidget* focused) {
            return focused == pages->tabBar() ? QStringLiteral("Pagine") : focused->objectName();
        });
    };
    pages->setCurrentIndex(0);
    pages->tabBar()->setFocus();
    walk();
    EXPECT_EQ(stops,
              (QStringList{"Pagine",        "CoppiaServo",    "UnitaCoppia",     "FattoreSicurezza",
                           "Escursione",    "GiudicaCon",     "Tensione",        "Tempo60",
                           "CorrenteVuoto", "CorrenteStallo", "SpessoreProfilo", "FessuraProfilo",
                           "Margine",       "CoppiaMinima",   "Rotazione",       "CoppiaKgcm",
                           "CoppiaNcm",     "CoppiaNm",       "CoppiaOzin",      "StimaReale",
                           "StimaSottile",  "MargineStima",   "Copia",           "EsportaCsv",
                           "Stampa",        "EsportaPdf"}));
    // The table is one stop: Tab leaves it, the arrows move inside.
    pages->setCurrentIndex(2);
    pages->tabBar()->setFocus();
    walk();
    EXPECT_EQ(stops, (QStringList{"Pagine", "AltreVelocita", "Tabella", "Copia", "EsportaCsv",
                                  "Stampa", "EsportaPdf"}));

    const QStringList keys = Mnemonics(analysis);
    EXPECT_EQ(keys.size(), 17);
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size())
        << keys.join(' ').toStdString();

    QTest::keyClick(Find<QLineEdit>("CoppiaServo"), Qt::Key_Escape);
    EXPECT_FALSE(analysis->isVisible()) << "Esc closes it";
    OpenAnalysis();
    QApplication::setActiveWindow(analysis);
    QTest::keyClick(Find<QLineEdit>("CoppiaServo"), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(analysis->isVisible()) << "and so does Ctrl+W";
}

TEST(QtItalianTest, TheStandardDialogsSpeakItalianWhateverTheLocale) {
    ASSERT_TRUE(InstallQtItalian(*QCoreApplication::instance()));
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* lookIn = dialog.findChild<QLabel*>("lookInLabel");
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(lookIn->text(), "Cerca in:");
}

TEST_F(AnalysisViewTest, EveryControlHasANameAndAnAccessibleName) {
    QWidget* analysis = OpenAnalysis();
    int controls = 0;
    for (QWidget* child : analysis->findChildren<QWidget*>()) {
        if (!(child->focusPolicy() & Qt::TabFocus) || child->objectName().startsWith("qt_"))
            continue;
        ++controls;
        EXPECT_FALSE(child->objectName().isEmpty())
            << child->metaObject()->className() << " in "
            << child->parentWidget()->objectName().toStdString();
        EXPECT_FALSE(child->accessibleName().isEmpty()) << child->objectName().toStdString();
    }
    EXPECT_GE(controls, 20);
    // And the buttons that scroll the page tabs, which the arrows make needless to reach.
    QStringList scrolls;
    for (auto* scroll : Find<QTabWidget>("Pagine")->tabBar()->findChildren<QToolButton*>())
        scrolls << scroll->accessibleName();
    EXPECT_EQ(scrolls, (QStringList{"Scorri le schede indietro", "Scorri le schede avanti"}));
}

TEST_F(AnalysisViewTest, TheTableHasARowPerDegreeAndFollowsTheInputs) {
    OpenAnalysis();
    auto* table = Find<QTableWidget>("Tabella");
    ASSERT_EQ(table->rowCount(), 61);
    ASSERT_EQ(table->columnCount(), 14);
    EXPECT_TRUE(table->verticalHeader()->isHidden()) << "the marks have a column of their own";
    EXPECT_EQ(table->item(20, 0)->text(), "20");
    EXPECT_EQ(table->item(20, 3)->text(), "0.52");
    EXPECT_EQ(table->item(20, 6)->text(), "0.52") << "the second estimate, real section";
    EXPECT_EQ(table->item(20, 9)->text(), "attuale");
    EXPECT_EQ(table->item(60, 9)->text(), "picco");
    EXPECT_EQ(table->item(60, 10)->text(), "irraggiungibile") << "the servo's way to each degree";
    // Narrow, the estimate's headers name it briefly; their tooltips in full, as the CSV does.
    EXPECT_EQ(table->model()->headerData(7, Qt::Horizontal).toString(), "Stima\nsottile\n(Kg*cm)");
    EXPECT_EQ(table->horizontalHeaderItem(8)->toolTip(), "Margine seconda stima");
    EXPECT_NE(table->item(60, 3)->background(), table->item(59, 3)->background());
    model.UserEdit(Control::Vel, "20");
    EXPECT_EQ(table->item(20, 3)->text(), "0.10");
    EXPECT_EQ(table->model()->headerData(3, Qt::Horizontal).toString(),
              "20 Km/h\nmodello\n(Kg*cm)");

    QString hovered;
    QMetaObject::invokeMethod(Find<QWidget>("Grafico"), "ValueAt", Q_RETURN_ARG(QString, hovered),
                              Q_ARG(int, 1), Q_ARG(double, 20.3));
    EXPECT_EQ(hovered, "20 Km/h, modello: 20° → 0.10 Kg*cm");
    // What a screen reader hears of the plot follows the inputs as the table does.
    EXPECT_EQ(Find<QWidget>("Grafico")->accessibleDescription(),
              "Coppia massima 0.20 Kg*cm a 20 Km/h, modello a 60°; deflessione attuale 20°, "
              "coppia 0.10 Kg*cm; Seconda stima a 20 Km/h, dal profilo reale al sottile; Servo: "
              "3.00 Kg*cm");
}

// Calls an export of the window through the plugin's boundary.
bool Export(QWidget* window, const char* method, const fs::path& path) {
    bool saved = false;
    EXPECT_TRUE(QMetaObject::invokeMethod(window, method, Q_RETURN_ARG(bool, saved),
                                          Q_ARG(QString, QString::fromStdString(path.string()))));
    return saved;
}

std::string Expected(const char* file) {
    std::ifstream expected(std::string(COPPIA_SOURCE_DIR "/tests/models/analysis/") + file,
                           std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(expected), {});
}

TEST_F(AnalysisViewTest, ExportsTheTableAsCsvAndSaysWhyWhenItCannot) {
    QWidget* analysis = OpenAnalysis();
    const fs::path csv = config.folder / "coppia.csv";
    ASSERT_TRUE(Export(analysis, "ExportCsv", csv));
    EXPECT_EQ(Contents(csv), Expected("initial_sweep_it.csv")) << "for Italian spreadsheets";
    EXPECT_EQ(Find<QLabel>("StatoFile")->toolTip().toStdString(), "CSV salvato in " + csv.string());
    bool saved = false;
    ASSERT_TRUE(QMetaObject::invokeMethod(analysis, "ExportCsv", Q_RETURN_ARG(bool, saved),
                                          Q_ARG(QString, QString::fromStdString(csv.string())),
                                          Q_ARG(bool, true)));
    EXPECT_TRUE(saved);
    EXPECT_EQ(Contents(csv), Expected("initial_sweep.csv"));
    // Speeds that are not whole: the international file keeps the point whatever the locale.
    model.UserEdit(Control::Vel, "61");
    EXPECT_EQ(Find<QLabel>("StatoFile")->toolTip(), "") << "the inputs changed since";
    ASSERT_TRUE(QMetaObject::invokeMethod(analysis, "ExportCsv", Q_RETURN_ARG(bool, saved),
                                          Q_ARG(QString, QString::fromStdString(csv.string())),
                                          Q_ARG(bool, true)));
    EXPECT_NE(Contents(csv).find(",Coppia a 73.2 Km/h (Kg*cm),"), std::string::npos);
    ASSERT_TRUE(Export(analysis, "ExportCsv", csv));
    EXPECT_NE(Contents(csv).find(";Coppia a 73,2 Km/h (Kg*cm);"), std::string::npos);

    EXPECT_FALSE(Export(analysis, "ExportCsv", config.folder));
    EXPECT_EQ(Find<QLabel>("StatoFile")->toolTip().toStdString(),
              "CSV non salvato in " + config.folder.string() + ": è una cartella!!");
    EXPECT_TRUE(fs::is_directory(config.folder));
    EXPECT_FALSE(Export(analysis, "ExportPdf", config.folder / "manca" / "coppia.pdf"));
    EXPECT_TRUE(Find<QLabel>("StatoFile")->toolTip().endsWith(": cartella inesistente!!"));
}

TEST_F(AnalysisViewTest, ThePdfSheetHoldsTheVerdictTheInputsAndEveryRowOfTheTable) {
    QWidget* analysis = OpenAnalysis();
    model.UserEdit(Control::Vel, "61");  // other speeds that are not whole: 48.8, 73.2, 91.5
    // The servo's data sheet, typed as a builder types it, comma and all.
    for (const auto& [name, typed] :
         {std::pair{"Tempo60", "0,11"}, {"CorrenteVuoto", "0.2"}, {"CorrenteStallo", "2.5"}}) {
        QTest::keyClicks(Find(name), QString::fromUtf8(typed));
    }
    const fs::path pdf = config.folder / "coppia.pdf";
    ASSERT_TRUE(Export(analysis, "ExportPdf", pdf));
    if (qEnvironmentVariableIsSet("COPPIA_KEEP_PDF"))
        fs::copy_file(pdf, qEnvironmentVariable("COPPIA_KEEP_PDF").toStdString());
    const std::optional<QString> pdfText = PdfText(pdf);
    if (!pdfText)
        GTEST_SKIP() << kNoPdfText;
    const QString& text = *pdfText;
    for (const char* expected :
         {"Analisi della Coppia",
          "Data: ",
          "Servo da 3 Kg*cm, fattore di sicurezza 2",
          "Servo Sufficiente",
          "Margine 5.60, coppia minima da usare 1.08 Kg*cm",
          "Deflessione massima a 61 Km/h: tutta, fino a 60°",
          "Corda ala 300 mm, corda alettone 60 mm",
          "Velocità 61 Km/h, carico alare 50 g/dm²",
          "Coppia al servo: 0.54 Kg*cm = 5.25 N·cm = 0.0525 N·m = 7.43 oz·in",
          "Coefficiente di portanza (Cp): 0.279",
          "30.9° di rotazione del servo",
          "6.932·10⁻¹⁰",
          "Servo: 3.00 Kg*cm",
          "73.2 Km/h",
          "Seconda stima: profilo reale 0.54 Kg*cm",
          "Fonte: teoria del profilo sottile (Glauert); correzioni DATCOM",
          "Margine con la seconda stima (profilo reale): 5.5",
          "Tempo per 20°: 0.06 s sotto carico (0.06 s a vuoto)",
          "Corrente in tenuta a 20°: 0.61 A; allo spunto: 2.50 A",
          "Dati del servo: 60° in 0.11 s a vuoto, 0.2 A a vuoto, 2.5 A in stallo"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    // Every row of the table, cell by cell, as the window's table shows it, but for the servo's
    // motion at each degree, which the CSV holds: the sheet has it at the deflection.
    auto* table = Find<QTableWidget>("Tabella");
    ASSERT_EQ(table->rowCount(), 61);
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        // Up to the row's mark: the servo's motion follows it.
        for (int column = 0; column < 10; ++column) {
            if (!table->item(row, column)->text().isEmpty())
                cells << QRegularExpression::escape(table->item(row, column)->text());
        }
        const QRegularExpression line(QStringLiteral("(^|\\s)") +
                                          cells.join(QStringLiteral("\\s+")) +
                                          QStringLiteral("(\\s|$)"),
                                      QRegularExpression::MultilineOption);
        EXPECT_TRUE(line.match(text).hasMatch())
            << "row " << row << ": " << cells.join(' ').toStdString();
    }
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
}

TEST(AnalysisOpenerTest, APluginThatDoesNotLoadIsToldOverTheMainWindowWhichGoesOn) {
    RecordingMessages messages;
    MemoryLastInputs lastInputs;
    MainWindow model(messages, lastInputs);
    MainWindowView view(model);
    view.LoadAndShow();
    const MainWindowState before = model.State();
    AnalysisOpener opener(model, &view,
                          QStringLiteral("/nonexistent/bin/../libcoppia_analysis.so"));
    QString title, text;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        parent = box->parentWidget();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_FALSE(opener.Open());
    EXPECT_EQ(title, "Errore Analisi");
    // Qt's loader gives its own reason, in its own words; the path is spelt as the system does.
    const QString told = "Modulo dell'Analisi Non Caricato da " +
                         QDir::toNativeSeparators("/nonexistent/libcoppia_analysis.so") + ": ";
    EXPECT_TRUE(text.startsWith(told) && text.endsWith("!!") && !text.endsWith(".!!") &&
                text.size() > told.size() + 2)
        << text.toStdString();
    EXPECT_EQ(parent, &view);
    EXPECT_EQ(opener.Window(), nullptr);
    EXPECT_TRUE(view.isVisible());
    model.UserClick(Control::Calc);
    EXPECT_TRUE(model.State().ResultsCurrent()) << "the main window works on";
    EXPECT_EQ(before.Text(Control::Vel), model.State().Text(Control::Vel));
}

}  // namespace
}  // namespace coppia
