// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/main_window_view.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "ui/common/decimal_key_filter.h"
#include "ui/common/qt_text.h"
#include "ui/main/control_look.h"
#include "ui/main/sunken_field_style.h"
#include "ui/main/toggle_picture.h"

namespace coppia {

MainWindowView::MainWindowView(MainWindow& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      fieldStyle_(new SunkenFieldStyle()),
      decimalKeys_(new DecimalKeyFilter(this)) {
    fieldStyle_->setParent(this);
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(ToQString(kWindowTitle));
    setWindowIcon(WindowIcon());
    setFixedSize(kClientWidth, kClientHeight);

    // Created back to front, so that each control lies over the ones listed after it.
    for (auto entry = kControls.rbegin(); entry != kControls.rend(); ++entry) {
        QWidget* widget = Create(*entry);
        widget->setObjectName(ToQString(entry->name));
        const Geometry& g = entry->geometry;
        widget->setGeometry(g.left, g.top, g.width, g.height);
        ApplyLook(*widget, *entry);
        Describe(*widget, *entry);
        widgets_[static_cast<std::size_t>(entry->id)] = widget;
    }
    SetTabOrder();
    AddWindowActions();

    model_.AddObserver([this](Control control) { Follow(control); });
    for (const ControlEntry& entry : kControls) Follow(entry.id);
}

QWidget* MainWindowView::Create(const ControlEntry& entry) {
    const Control id = entry.id;
    switch (entry.kind) {
        case ControlKind::TextBox: {
            auto* edit = new QLineEdit(this);
            edit->setAlignment(Qt::AlignCenter);
            edit->setStyle(fieldStyle_);
            if (IsInputField(id))
                edit->installEventFilter(decimalKeys_);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, id](const QString& text) { model_.UserEdit(id, text.toStdString()); });
            return edit;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(ToQString(entry.initialText), this);
            connect(button, &QPushButton::clicked, this, [this, id] { model_.UserClick(id); });
            return button;
        }
        case ControlKind::PictureBox: {
            // Its picture comes when the window is shown and its pixel density is known.
            auto* toggle = new TogglePicture(this);
            connect(toggle, &TogglePicture::clicked, this, [this, id, toggle] {
                const bool hadFocus = toggle->hasFocus();
                model_.UserClick(id);
                // The toggle hides itself; the keyboard stays on the one shown in its place.
                if (!hadFocus)
                    return;
                for (Control shown : {Control::UP, Control::Down}) {
                    if (model_.State().Visible(shown))
                        Widget(shown)->setFocus(Qt::OtherFocusReason);
                }
            });
            return toggle;
        }
        case ControlKind::Label:
            return new QLabel(ToQString(entry.initialText), this);
        case ControlKind::Image: {
            auto* image = new QLabel(this);
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return image;
        }
    }
    return new QWidget(this);
}

void MainWindowView::Describe(QWidget& widget, const ControlEntry& entry) {
    // Most fields have no caption on the screen: their dimension line in the drawing tells
    // a sighted user what they are, and this tells everyone else.
    const QString name = ToQString(entry.accessibleName);
    const QString unit = ToQString(entry.accessibleDescription);
    widget.setAccessibleName(name);
    widget.setAccessibleDescription(unit);
    if (entry.kind == ControlKind::TextBox) {
        widget.setToolTip(unit.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, unit));
    }
}

void MainWindowView::Follow(Control control) {
    QWidget* widget = Widget(control);
    const MainWindowState& state = model_.State();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QString text = QString::fromStdString(state.Text(control));
        // Left alone when equal, so that the cursor of the box being typed into stays put.
        if (edit->text() != text)
            edit->setText(text);
    }
    const bool usable = state.Enabled(control) && state.Visible(control);
    if (!usable && widget->hasFocus())
        PassFocusOn(widget);
    widget->setEnabled(state.Enabled(control));
    widget->setHidden(!state.Visible(control));
}

void MainWindowView::PassFocusOn(QWidget* leaving) {
    // Left to Qt, the focus would arrive as if by Tab and select the whole text of the next
    // field: after "CALCOLA" that would show the new torque highlighted instead of red.
    for (QWidget* next = leaving->nextInFocusChain(); next != leaving;
         next = next->nextInFocusChain()) {
        if (next->isEnabled() && next->isVisibleTo(this) && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void MainWindowView::SetTabOrder() {
    std::vector<const ControlEntry*> focusable;
    for (const ControlEntry& entry : kControls) {
        const bool takesFocus = entry.kind == ControlKind::TextBox ||
                                entry.kind == ControlKind::CommandButton ||
                                entry.kind == ControlKind::PictureBox;
        if (takesFocus) {
            focusable.push_back(&entry);
        } else {
            Widget(entry.id)->setFocusPolicy(Qt::NoFocus);
        }
    }
    std::sort(focusable.begin(), focusable.end(), [](const ControlEntry* a, const ControlEntry* b) {
        return a->tabIndex < b->tabIndex;
    });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(Widget(focusable[i - 1]->id), Widget(focusable[i]->id));
    }
}

void MainWindowView::AddWindowActions() {
    // Ctrl+Shift+A and Ctrl+Shift+M are no editing keys of a text box, so they work from every
    // field.
    openAnalysis_ = AddWindowAction(QStringLiteral("Analisi della Coppia…"), "ApriAnalisi",
                                    Qt::Key_A, &MainWindowView::AnalysisRequested);
    openModel_ = AddWindowAction(QStringLiteral("Modello…"), "ApriModello", Qt::Key_M,
                                 &MainWindowView::ModelRequested);

    for (Control result : {Control::Coppia, Control::Cp_Out}) {
        auto* edit = static_cast<QLineEdit*>(Widget(result));
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this,
                [this, edit](const QPoint& position) { ShowResultMenu(edit, position); });
    }
    QWidget* coppia = Widget(Control::Coppia);
    coppia->setToolTip(
        coppia->toolTip() +
        QStringLiteral("\nAnalisi della Coppia: tasto destro sul disegno o sui risultati, o %1")
            .arg(openAnalysis_->shortcut().toString(QKeySequence::NativeText)) +
        QStringLiteral("\nModello, con tutte le superfici: tasto destro sul disegno o sui "
                       "risultati, o %1")
            .arg(openModel_->shortcut().toString(QKeySequence::NativeText)));
}

QAction* MainWindowView::AddWindowAction(const QString& text, const char* name, Qt::Key key,
                                         void (MainWindowView::*requested)()) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, requested);
    return action;
}

void MainWindowView::ShowResultMenu(QLineEdit* result, const QPoint& position) {
    QMenu* menu = result->createStandardContextMenu();
    menu->addSeparator();
    menu->addAction(openAnalysis_);
    menu->addAction(openModel_);
    menu->exec(result->mapToGlobal(position));
    delete menu;
}

void MainWindowView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(openAnalysis_);
    menu.addAction(openModel_);
    menu.exec(event->globalPos());
}

void MainWindowView::showEvent(QShowEvent* event) {
    // The screen, and with it the pixel density, is known for sure only now.
    RefreshPictures();
    QWidget::showEvent(event);
}

void MainWindowView::RefreshPictures() {
    const qreal ratio = devicePixelRatioF();
    for (Control toggle : {Control::UP, Control::Down}) {
        static_cast<TogglePicture*>(Widget(toggle))->setPicture(PictureFor(toggle, ratio));
    }
    static_cast<QLabel*>(Widget(Control::Image1))->setPixmap(PictureFor(Control::Image1, ratio));
}

void MainWindowView::LoadAndShow() {
    CenterOnScreen();
    model_.Main_Form_Load();
    show();
}

void MainWindowView::CenterOnScreen() {
    const QScreen* screen = this->screen();
    if (screen == nullptr)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

}  // namespace coppia
