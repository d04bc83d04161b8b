// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "files/recent_files.h"
#include "models/model/model_session.h"
#include "tests/models/recording_messages.h"

namespace coppia {

// Answers every dialog as told, and keeps what was asked and shown.
class ScriptedDialogs : public ModelDialogs {
  public:
    SaveChoice AskToSave(std::string_view question) override {
        questions.emplace_back(question);
        return answer;
    }
    std::optional<std::string> AskFileToOpen() override { return fileToOpen; }
    std::optional<std::string> AskFileToSave(std::string_view suggestion) override {
        suggestions.emplace_back(suggestion);
        return fileToSave;
    }
    std::optional<std::string> AskText(std::string_view question,
                                       std::string_view current) override {
        textQuestions.emplace_back(std::string(question) + " [" + std::string(current) + "]");
        return text;
    }
    std::optional<NewSurface> AskNewSurface(const NewSurface& proposal,
                                            const NewSurfaceAdvisor& advise) override {
        proposals.push_back(proposal);
        for (const auto& [name, rating] : typed) advice.push_back(advise(name, rating));
        if (!newSurface)
            return std::nullopt;
        NewSurface given = *newSurface;
        if (given.name.empty())
            given.name = proposal.name;
        return given;
    }
    void ShowMessage(std::string_view text, std::string_view title) override {
        messages.ShowMessage(text, title);
    }

    SaveChoice answer = SaveChoice::Annulla;
    std::optional<std::string> fileToOpen;
    std::optional<std::string> fileToSave;
    std::vector<std::string> questions;
    std::optional<std::string> text;
    std::vector<std::string> suggestions;
    std::vector<std::string> textQuestions;
    // The answer to a new surface: the proposal's name where this one has none; none gives up.
    std::optional<NewSurface> newSurface = NewSurface{};
    std::vector<NewSurface> proposals;
    // What the builder types into the new surface's name and rating, and what is said of each.
    std::vector<std::pair<std::string, std::string>> typed;
    std::vector<NewSurfaceAdvice> advice;
    RecordingMessages messages;
};

// The recent-files list held in memory.
class MemoryRecentFiles : public RecentFilesStore {
  public:
    std::vector<std::string> Read() override { return list; }
    SaveResult Write(const std::vector<std::string>& recent) override {
        list = recent;
        return SaveResult{true, {}, false};
    }
    std::string Location() const override { return "/home/pilota/.config/coppia-recenti.txt"; }

    std::vector<std::string> list;
};

}  // namespace coppia
