// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "models/analysis_display.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace coppia {

// How the analysis window's widgets show the model's texts.

// The colour of a tone; the neutral one is the desktop's own.
void SetTone(QWidget* widget, Tone tone);
// Replaces the text only when it differs, so that a cursor being typed with stays put.
void ShowText(QLineEdit* edit, const std::string& text);
// A note is hidden while it has nothing to say.
void ShowNote(QLabel* label, const std::string& text, Tone tone);
// A caption, the buddy of the field it names.
QLabel* Caption(const QString& text, QWidget* buddy = nullptr);

}  // namespace coppia
