// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_widgets.h"

#include <QLabel>
#include <QLineEdit>

namespace coppia {

void SetTone(QWidget* widget, Tone tone) {
    QColor colour;
    switch (tone) {
        case Tone::Neutral:
            widget->setPalette(QPalette());
            return;
        case Tone::Good:
            colour = QColor(0, 120, 0);
            break;
        case Tone::Warning:
            colour = QColor(176, 88, 0);
            break;
        case Tone::Bad:
            colour = QColor(200, 0, 0);
            break;
    }
    QPalette palette;
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void ShowText(QLineEdit* edit, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

void ShowNote(QLabel* label, const std::string& text, Tone tone) {
    label->setText(QString::fromStdString(text));
    label->setHidden(text.empty());
    SetTone(label, tone);
}

QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    if (buddy != nullptr)
        label->setBuddy(buddy);
    return label;
}

}  // namespace coppia
