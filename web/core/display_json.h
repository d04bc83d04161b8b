// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "models/analysis/analysis_window.h"
#include "models/model/model_window.h"
#include "models/shared/control_text.h"
#include "web/core/page_dialogs.h"

namespace coppia {

// What the windows show, as JSON for the page: every text as the window writes it, each tone by
// its name ("neutral", "good", "warning", "bad"), which the page's style gives a colour. A field
// the models add is one more line here and one more element on the page.

// The unit of a rating by its place in the list the windows offer: Kg*cm, N·cm.
int RatingUnitIndex(RatingUnit unit);

std::string AnalysisWindowJson(const AnalysisWindow& window);
std::string ModelWindowJson(const ModelWindow& window);
// The model window's questions and the page's answers (question_json.cpp). "null" when there is
// no question.
std::string QuestionJson(const std::optional<PageQuestion>& question);
std::string MessagesJson(const std::vector<std::pair<std::string, std::string>>& messages);
// A window's table of controls: the name, the caption without its "&", the letter after it,
// and what a screen reader says (the caption when the table gives nothing else).
std::string ControlsJson(std::span<const ControlText> controls);

// The answers the page gives, as JSON ({"salvare": "Salva", "apri": "/m.coppia", ...}); none of
// them for what is not JSON.
PageAnswers AnswersFromJson(std::string_view text);
// A list of rows, as JSON ([0, 2]); the numbers that are rows' only.
std::vector<std::size_t> RowsFromJson(std::string_view text);

}  // namespace coppia
