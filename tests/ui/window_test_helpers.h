// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "files/config_folder.h"
#include "tests/files/scratch_folder.h"

namespace coppia {

inline const std::string kInitialFile =
    "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n";

// A configuration folder of its own, holding the last-inputs file, set up before the model.
// Windows names the folder itself (%APPDATA%\coppia): what is there is put aside meanwhile.
struct ConfigFolderForTest {
    ConfigFolderForTest() {
#ifdef _WIN32
        const std::string utf8 = ConfigFolder().value();
        folder = fs::path(std::u8string(utf8.begin(), utf8.end()));
        aside = folder;
        aside += ".before-test";
        if (fs::exists(folder))
            fs::rename(folder, aside);
        fs::create_directories(folder);
#else
        folder = FreshFolder();
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.string()));
#endif
        std::ofstream(folder / "Mervanti.ini", std::ios::binary) << kInitialFile;
    }
    ~ConfigFolderForTest() {
        fs::remove_all(folder);
        if (!aside.empty() && fs::exists(aside))
            fs::rename(aside, folder);
    }
    fs::path folder;
    fs::path aside;
};

// The text of a PDF the window wrote, as pdftotext lays it out; empty on Windows, where that
// Linux program cannot be started: there only the file's form is checked, and the test ends
// skipped with kNoPdfText once its other checks are done.
inline std::optional<QString> PdfText(const fs::path& pdf) {
    const std::string bytes = Contents(pdf);
    EXPECT_TRUE(bytes.starts_with("%PDF-") && bytes.find("%%EOF") != std::string::npos);
#ifdef _WIN32
    return std::nullopt;
#else
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), "-"});
    EXPECT_TRUE(pdftotext.waitForFinished(20000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
#endif
}
inline constexpr const char* kNoPdfText =
    "pdftotext, which reads the PDF's text back, is a Linux program; the Linux run checks it";

// What Alt and a letter reach: a caption's field, a button, a page or a menu of the menu bar.
inline QStringList Mnemonics(QWidget* window) {
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() != nullptr)
            texts << label->text();
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        texts << button->text();
    }
    for (const QTabBar* bar : window->findChildren<QTabBar*>()) {
        for (int i = 0; i < bar->count(); ++i) texts << bar->tabText(i);
    }
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
        for (const QAction* menu : bar->actions()) texts << menu->text();
    }
    QStringList keys;
    for (const QString& text : texts) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size())
            keys << text.mid(at + 1, 1).toLower();
    }
    return keys;
}

// Answers the next question a window asks with the button of this text; keeps the question
// and every button's text where asked to.
inline void AnswerNextQuestion(const QString& button, QString* question = nullptr,
                               QStringList* answers = nullptr) {
    QTimer::singleShot(0, [button, question, answers] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        if (question != nullptr)
            *question = box->text();
        for (QAbstractButton* each : box->buttons()) {
            if (answers != nullptr)
                *answers << each->text();
            if (each->text().remove(u'&') == button)
                each->click();
        }
    });
}

// The object names of the widgets Tab reaches from the one with the focus, until it comes back;
// `named` names the ones that have no object name of their own.
template <typename Name>
QStringList TabStops(Name named) {
    QStringList stops;
    QWidget* first = QApplication::focusWidget();
    for (int i = 0; i < 60 && first != nullptr; ++i) {
        QWidget* focused = QApplication::focusWidget();
        stops << named(focused);
        QTest::keyClick(focused, Qt::Key_Tab);
        if (QApplication::focusWidget() == first)
            break;
    }
    return stops;
}

}  // namespace coppia
