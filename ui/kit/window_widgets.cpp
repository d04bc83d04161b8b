// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/window_widgets.h"

#include <QFontInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QScrollArea>
#include <QShortcut>

#include "ui/common/qt_text.h"

namespace coppia {

QColor ToneColour(Tone tone) {
    switch (tone) {
        case Tone::Good:
            return QColor(0, 120, 0);
        case Tone::Warning:
            return QColor(176, 88, 0);
        case Tone::Bad:
            return QColor(200, 0, 0);
        case Tone::Neutral:
            break;
    }
    return QColor(0, 0, 0);
}

void SetTone(QWidget* widget, Tone tone) {
    if (tone == Tone::Neutral) {
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette;
    palette.setColor(QPalette::WindowText, ToneColour(tone));
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

QLabel* Note(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    if (buddy != nullptr)
        label->setBuddy(buddy);
    return label;
}

QScrollArea* Scrolling(QWidget* content, const char* name) {
    auto* area = new QScrollArea;
    area->setObjectName(QString::fromUtf8(name));
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    return area;
}

void UseSansFace(QWidget* window) {
    if (!QFontInfo(window->font()).fixedPitch())
        return;
    QFont sans = window->font();
    sans.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    sans.setStyleHint(QFont::SansSerif);
    window->setFont(sans);
}

void CloseOnEscape(QWidget* window) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* close = new QShortcut(keys, window);
        QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    }
}

StatusLine::StatusLine(const char* name, QWidget* parent, int lines)
    : QLabel(parent), lines_(lines) {
    setObjectName(QString::fromUtf8(name));
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(lines_ > 1);
    setFixedHeight(fontMetrics().lineSpacing() * lines_ + 2);
}

void StatusLine::Show(const std::string& text, Tone tone) {
    full_ = ToQString(text);
    setToolTip(full_);
    setAccessibleName(full_);
    SetTone(this, tone);
    Elide();
}

QSize StatusLine::minimumSizeHint() const {
    return {0, height()};
}

QSize StatusLine::sizeHint() const {
    return {fontMetrics().horizontalAdvance(full_) / lines_, height()};
}

void StatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void StatusLine::Elide() {
    const QString shown =
        lines_ > 1 ? full_ : fontMetrics().elidedText(full_, Qt::ElideMiddle, width());
    if (text() != shown)
        setText(shown);
}

}  // namespace coppia
