// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_session.h"

#include <filesystem>
#include <system_error>
#include <variant>

#include "files/model_file.h"

namespace coppia {

namespace {

Model NewModel() {
    Model model;
    model.name = kNewModelName;
    return model;
}

// The recent list keeps absolute paths, so that it means the same from any folder.
std::string AbsolutePath(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

ModelSession::ModelSession(ModelDialogs& dialogs, RecentFilesStore& recent)
    : dialogs_(dialogs), recentStore_(recent), document_(NewModel()), recent_(recent.Read()) {}

std::string ModelSession::DisplayName() const {
    if (!document_.Content().name.empty())
        return document_.Content().name;
    if (path_)
        return FileNameOf(*path_);
    return "Senza nome";
}

bool ModelSession::New() {
    if (!MayDropDocument())
        return false;
    document_ = ModelDocument(NewModel());
    path_.reset();
    return true;
}

bool ModelSession::Open() {
    if (!MayDropDocument())
        return false;
    const std::optional<std::string> path = dialogs_.AskFileToOpen();
    return path && OpenFile(*path);
}

bool ModelSession::OpenRecent(std::size_t index) {
    if (index >= recent_.size() || !MayDropDocument())
        return false;
    // A copy: opening reorders the list.
    const std::string path = recent_[index];
    return OpenFile(path);
}

bool ModelSession::Save() {
    saveProblem_.clear();
    if (!path_)
        return SaveAs();
    return SaveTo(*path_);
}

bool ModelSession::SaveAs() {
    saveProblem_.clear();
    const std::optional<std::string> path =
        dialogs_.AskFileToSave(DisplayName() + std::string(kModelFileExtension));
    return path && SaveTo(*path);
}

bool ModelSession::MayClose() {
    return MayDropDocument();
}

bool ModelSession::OpenFile(const std::string& path) {
    std::variant<Model, ModelFileFault> read = ReadModelFile(path);
    if (const ModelFileFault* fault = std::get_if<ModelFileFault>(&read)) {
        dialogs_.ShowMessage(ModelRefusalText(path, *fault), messages::kOpenFailedTitle);
        return false;
    }
    document_ = ModelDocument(std::move(std::get<Model>(read)));
    path_ = AbsolutePath(path);
    Remember(*path_);
    return true;
}

bool ModelSession::MayDropDocument() {
    saveProblem_.clear();
    if (!document_.Modified())
        return true;
    switch (dialogs_.AskToSave(messages::SaveChangesQuestion(DisplayName()))) {
        case SaveChoice::Salva:
            return Save();
        case SaveChoice::NonSalvare:
            return true;
        case SaveChoice::Annulla:
            return false;
    }
    return false;
}

bool ModelSession::SaveTo(const std::string& path) {
    const SaveResult result = WriteModelFile(path, document_.Content());
    if (!result.saved) {
        saveProblem_ = messages::SaveFailedText(path, result.reason);
        dialogs_.ShowMessage(saveProblem_, messages::kSaveFailedTitle);
        return false;
    }
    saveProblem_.clear();
    document_.MarkSaved();
    path_ = AbsolutePath(path);
    Remember(*path_);
    return true;
}

void ModelSession::Remember(const std::string& path) {
    const std::vector<std::string> recent = WithRecentFile(recent_, path);
    if (recent == recent_)
        return;
    recent_ = recent;
    const SaveResult result = recentStore_.Write(recent_);
    // The list is a convenience: its first failure in a run is told, later ones are not.
    if (!result.saved && !recentFailureTold_) {
        recentFailureTold_ = true;
        dialogs_.ShowMessage(messages::SaveFailedText(recentStore_.Location(), result.reason),
                             messages::kSaveFailedTitle);
    }
}

}  // namespace coppia
