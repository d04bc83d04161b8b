// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/page_dialogs.h"

namespace coppia {

void PageDialogs::Asked(PageQuestion question) {
    if (!question_)
        question_ = std::move(question);
}

SaveChoice PageDialogs::AskToSave(std::string_view question) {
    if (answers_.saveChanges)
        return *answers_.saveChanges;
    Asked({QuestionKind::SaveChanges, std::string(question), {}, {}});
    return SaveChoice::Annulla;
}

std::optional<std::string> PageDialogs::AskFileToOpen() {
    if (answers_.fileToOpen)
        return *answers_.fileToOpen;
    Asked({QuestionKind::FileToOpen, {}, {}, {}});
    return std::nullopt;
}

std::optional<std::string> PageDialogs::AskFileToSave(std::string_view suggestion) {
    if (answers_.fileToSave)
        return *answers_.fileToSave;
    Asked({QuestionKind::FileToSave, std::string(suggestion), {}, {}});
    return std::nullopt;
}

std::optional<std::string> PageDialogs::AskText(std::string_view question,
                                                std::string_view current) {
    if (answers_.text)
        return *answers_.text;
    Asked({QuestionKind::Text, std::string(question), std::string(current), {}});
    return std::nullopt;
}

// The page asks the builder in a form of its own, which the advice follows as they type
// (coppia_model_advice), as the desktop's dialog does.
std::optional<NewSurface> PageDialogs::AskNewSurface(const NewSurface& proposal,
                                                     const NewSurfaceAdvisor&) {
    if (answers_.newSurface)
        return *answers_.newSurface;
    Asked({QuestionKind::NewSurface, {}, {}, proposal});
    return std::nullopt;
}

}  // namespace coppia
