// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdlib.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QStringList>
#include <QTabBar>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/files/scratch_folder.h"

namespace coppia {

inline const std::string kInitialFile =
    "50.0\r\n300.0\r\n60.0\r\n12.0\r\n18.0\r\n500.0\r\n20.0\r\n60.0\r\n";

// A configuration folder of its own, holding the last-inputs file, set up before the model.
struct ConfigFolderForTest {
    ConfigFolderForTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "coppia-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(folder.string()));
        std::ofstream(folder / "Mervanti.ini", std::ios::binary) << kInitialFile;
    }
    ~ConfigFolderForTest() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
};

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
