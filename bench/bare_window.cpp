// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt window of the calculator's size with eleven line edits: what start-up costs with
// nothing of the calculator's own.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(639, 374);
    for (int i = 0; i < 11; ++i) {
        auto* edit = new QLineEdit(QString::number(i * 10), &window);
        edit->setGeometry(20 + (i % 4) * 150, 20 + (i / 4) * 100, 47, 22);
    }
    window.show();
    return app.exec();
}
