// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "models/model/model_session.h"

namespace coppia {

// A question the model window asked that the page had no answer for yet.
enum class QuestionKind { SaveChanges, FileToOpen, FileToSave, Text, NewSurface };

struct PageQuestion {
    QuestionKind kind = QuestionKind::SaveChanges;
    std::string text;     // the question, or the file name suggested, or the text to start from
    std::string current;  // of a text asked for: what it is now
    NewSurface proposal;  // of a new surface
};

// The answers the page gives to the questions of the next event; each unset until given.
struct PageAnswers {
    std::optional<SaveChoice> saveChanges;
    std::optional<std::optional<std::string>> fileToOpen;  // set to none: given up
    std::optional<std::optional<std::string>> fileToSave;
    std::optional<std::optional<std::string>> text;
    std::optional<std::optional<NewSurface>> newSurface;
};

// The model window's dialogs on a page. A page cannot hold an event while its user answers:
// a question it has no answer for is given up, as a user gives up a dialog, which changes
// nothing, and kept for the page to ask; the page then runs the event again with the answers
// its user gave.
class PageDialogs : public ModelDialogs {
  public:
    // For the next event only.
    void Answer(PageAnswers answers) { answers_ = std::move(answers); }
    void EventDone() { answers_ = PageAnswers{}; }
    // The first question of the event that the page had no answer for.
    const std::optional<PageQuestion>& Question() const { return question_; }
    void QuestionTaken() { question_.reset(); }

    std::vector<std::pair<std::string, std::string>> messages;  // text, title

    void ShowMessage(std::string_view text, std::string_view title) override {
        messages.emplace_back(std::string(text), std::string(title));
    }
    SaveChoice AskToSave(std::string_view question) override;
    std::optional<std::string> AskFileToOpen() override;
    std::optional<std::string> AskFileToSave(std::string_view suggestion) override;
    std::optional<std::string> AskText(std::string_view question,
                                       std::string_view current) override;
    std::optional<NewSurface> AskNewSurface(const NewSurface& proposal,
                                            const NewSurfaceAdvisor& advise) override;

  private:
    void Asked(PageQuestion question);

    PageAnswers answers_;
    std::optional<PageQuestion> question_;
};

}  // namespace coppia
