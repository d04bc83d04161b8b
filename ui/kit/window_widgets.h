// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>
#include <QScrollArea>  // whole: the pages take a scrolling page as the QWidget it is
#include <QString>
#include <string>

#include "models/shared/tone.h"

class QLineEdit;
class QWidget;

namespace coppia {

// How the added windows' widgets show their models' texts, and what they all do alike.

// The colour of a tone, on screen and on paper; the neutral one is black.
QColor ToneColour(Tone tone);
// The colour of a tone; the neutral one is the desktop's own.
void SetTone(QWidget* widget, Tone tone);
// Replaces the text only when it differs, so that a cursor being typed with stays put.
void ShowText(QLineEdit* edit, const std::string& text);
// A note is hidden while it has nothing to say.
void ShowNote(QLabel* label, const std::string& text, Tone tone);
// A note: text the user can select, wrapped, hidden by ShowNote while it has nothing to say.
QLabel* Note(const char* name, QWidget* parent);
// A caption, the buddy of the field it names.
QLabel* Caption(const QString& text, QWidget* buddy = nullptr);
// A page that scrolls where the window is smaller than it; the fields inside take the keyboard.
QScrollArea* Scrolling(QWidget* content, const char* name);
// The desktop's own face, unless a bare system resolves it to a fixed-pitch one: then the sans
// face the package depends on.
void UseSansFace(QWidget* window);
// Esc and Ctrl+W close the window, as any secondary window.
void CloseOnEscape(QWidget* window);

// A message of a fixed number of lines: one line is elided in the middle where it does not fit,
// more are wrapped; the whole text is in its tool tip and its accessible name. It keeps its
// height when empty and never widens the window, so that no message moves the window's edges or
// its buttons.
class StatusLine : public QLabel {
    Q_OBJECT
  public:
    StatusLine(const char* name, QWidget* parent, int lines = 1);
    void Show(const std::string& text, Tone tone);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Elide();
    QString full_;
    int lines_;
};

}  // namespace coppia
