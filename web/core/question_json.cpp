// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's questions to the page and the page's answers, as JSON.
#include <algorithm>
#include <array>

#include "files/model_file.h"
#include "files/model_json.h"
#include "files/platform/web/page_files.h"
#include "models/model/model_controls.h"
#include "models/model/surface_advice.h"
#include "web/core/display_json.h"
#include "web/core/json_text.h"

namespace coppia {

namespace {

using Json = ModelJson;

constexpr std::array<std::string_view, 3> kSaveChoiceNames = {"Salva", "NonSalvare", "Annulla"};
constexpr std::array<std::string_view, 5> kQuestionNames = {"salvare", "apri", "salvaIn", "testo",
                                                            "nuovaSuperficie"};

// A key given: its text, or none (given up) for anything else.
std::optional<std::optional<std::string>> Given(const Json& object, const char* key) {
    const auto found = object.find(key);
    if (found == object.end())
        return std::nullopt;
    if (found->is_string())
        return std::optional<std::string>(found->get<std::string>());
    return std::optional<std::string>();
}

std::optional<NewSurface> NewSurfaceFrom(const Json& given) {
    if (!given.is_object())
        return std::nullopt;
    const auto text = [&given](const char* key) {
        const auto found = given.find(key);
        return found != given.end() && found->is_string() ? found->get<std::string>()
                                                          : std::string();
    };
    const auto number = [&given](const char* key, int otherwise) {
        const auto found = given.find(key);
        return found != given.end() && found->is_number_integer() ? found->get<int>() : otherwise;
    };
    NewSurface surface;
    surface.name = CutToCharacters(text("name"), kMaxNameCharacters);
    surface.kind = static_cast<SurfaceKind>(
        std::clamp(number("kind", 0), 0, static_cast<int>(kSurfaceKindNames.size()) - 1));
    surface.servoCount = number("servoCount", 1);
    surface.servo.name = CutToCharacters(text("servoName"), kMaxNameCharacters);
    // As the desktop's dialog takes it: a rating that cannot be used is none, and refused.
    surface.servo.rating = TypedRating(text("rating")).value_or(std::nullopt);
    surface.servo.unit = number("unit", 0) == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm;
    return surface;
}

// A caption without the "&" before its Alt+ letter.
std::string Plain(std::string_view caption) {
    std::string plain(caption);
    std::erase(plain, '&');
    return plain;
}

}  // namespace

std::string QuestionJson(const std::optional<PageQuestion>& question) {
    if (!question)
        return "null";
    std::string_view title = kModelTitle;
    JsonWriter buttons = JsonWriter::List();
    switch (question->kind) {
        case QuestionKind::SaveChanges:
            for (const std::string_view caption : kSaveChoiceCaptions)
                buttons.Text({}, Plain(caption));
            break;
        case QuestionKind::FileToOpen:
            title = kOpenDialogTitle;
            break;
        case QuestionKind::FileToSave:
            title = kSaveDialogTitle;
            buttons.Text({}, Plain(kSaveChoiceCaptions[0])).Text({}, kSaveChoiceCaptions[2]);
            break;
        case QuestionKind::Text:
            buttons.Text({}, "OK").Text({}, kSaveChoiceCaptions[2]);
            break;
        case QuestionKind::NewSurface:
            title = ModelControl("NuovaSuperficie").caption;
            buttons.Text({}, ModelControl("AggiungiNuovaSuperficie").caption)
                .Text({}, ModelControl("AnnullaNuovaSuperficie").caption);
            break;
    }
    JsonWriter asked = JsonWriter::Object();
    asked.Text("kind", kQuestionNames[static_cast<std::size_t>(question->kind)])
        .Text("title", title)
        .Text("text", question->text)
        .Text("current", question->current)
        .Raw("buttons", buttons.Done());
    if (question->kind == QuestionKind::NewSurface) {
        const NewSurface& proposal = question->proposal;
        asked.Raw("proposal", JsonWriter::Object()
                                  .Text("name", proposal.name)
                                  .Number("kind", static_cast<int>(proposal.kind))
                                  .Number("servoCount", proposal.servoCount)
                                  .Text("servoName", proposal.servo.name)
                                  .Number("unit", RatingUnitIndex(proposal.servo.unit))
                                  .Text("ratingToBeGiven", kRatingToBeGiven)
                                  .Done());
    }
    return asked.Done();
}

PageAnswers AnswersFromJson(std::string_view text) {
    const Json given = Json::parse(text, nullptr, false);
    PageAnswers answers;
    if (!given.is_object())
        return answers;
    if (const auto choice = Given(given, "salvare"); choice && *choice) {
        for (std::size_t i = 0; i < kSaveChoiceNames.size(); ++i) {
            if (**choice == kSaveChoiceNames[i])
                answers.saveChanges = static_cast<SaveChoice>(i);
        }
    }
    // Files by their names, where the page hands them over.
    answers.fileToOpen = Given(given, "apri");
    if (answers.fileToOpen && *answers.fileToOpen)
        *answers.fileToOpen = PagePathOf(**answers.fileToOpen);
    answers.fileToSave = Given(given, "salvaIn");
    if (answers.fileToSave && *answers.fileToSave)
        *answers.fileToSave = PagePathOf(NamedAsModelFile(**answers.fileToSave));
    answers.text = Given(given, "testo");
    if (const auto found = given.find("nuovaSuperficie"); found != given.end())
        answers.newSurface = NewSurfaceFrom(*found);
    return answers;
}

std::vector<std::size_t> RowsFromJson(std::string_view text) {
    const Json given = Json::parse(text, nullptr, false);
    std::vector<std::size_t> rows;
    if (given.is_array()) {
        for (const Json& row : given) {
            if (row.is_number_unsigned())
                rows.push_back(row.get<std::size_t>());
        }
    }
    return rows;
}
}  // namespace coppia
