// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_session.h"

#include <variant>

#include "files/model_file.h"
#include "files/platform/opened_path.h"
#include "files/platform/platform.h"

namespace coppia {

namespace {

Model NewModel() {
    Model model;
    model.name = kNewModelName;
    return model;
}

std::string FileNameOf(const std::string& path) {
    return PathString(FileSystemPath(path).filename());
}

}  // namespace

std::string FileNameFor(std::string_view name) {
    std::string file(name);
    for (char& c : file) {
        if (static_cast<unsigned char>(c) < 0x20 ||
            std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            c = '-';
    }
    return file;
}

ModelSession::ModelSession(ModelDialogs& dialogs, RecentFilesStore& recent)
    : dialogs_(dialogs), recentStore_(recent), document_(NewModel()), recent_(recent.Read()) {}

std::string ModelSession::DisplayName() const {
    if (!document_.Content().name.empty())
        return document_.Content().name;
    if (path_)
        return FileNameOf(*path_);
    return "Senza nome";
}

std::string ModelSession::WindowTitle() const {
    if (!path_)
        return DisplayName() + "[*] – Modello";
    const std::string& name = document_.Content().name;
    const bool apart = !name.empty() && name != PathString(FileSystemPath(*path_).stem());
    return FileNameOf(*path_) + "[*]" + (apart ? " (" + name + ")" : "") + " – Modello";
}

std::string ModelSession::Folder() const {
    if (path_)
        return PathString(FileSystemPath(*path_).parent_path());
    if (!recent_.empty())
        return PathString(FileSystemPath(recent_.front()).parent_path());
    return {};
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
    if (SaveTo(*path_))
        return true;
    // The file's folder was removed since it was opened: rather than make it again, which the
    // user did not ask for, Salva con nome lets them choose another.
    if (!saveFolderGone_)
        return false;
    const std::string problem = saveProblem_;
    if (SaveAs())
        return true;
    if (saveProblem_.empty())
        saveProblem_ = problem;
    return false;
}

bool ModelSession::SaveAs() {
    saveProblem_.clear();
    const std::optional<std::string> path =
        dialogs_.AskFileToSave(FileNameProposed() + std::string(kModelFileExtension));
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
    // The file the system opened, as the system resolved its links and "..", so that Salva
    // replaces that very file and the recent list names it from any folder.
    path_ = ResolvedPath(path);
    Remember(*path_);
    return true;
}

bool ModelSession::MayDropDocument() {
    saveProblem_.clear();
    if (!document_.Modified())
        return true;
    // Named as the title names it: by its file, when it has one.
    switch (dialogs_.AskToSave(
        messages::SaveChangesQuestion(path_ ? FileNameOf(*path_) : DisplayName()))) {
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
    saveFolderGone_ = result.folderGone;
    if (!result.saved) {
        saveProblem_ = messages::SaveFailedText(path, result.reason);
        dialogs_.ShowMessage(saveProblem_, messages::kSaveFailedTitle);
        return false;
    }
    saveProblem_.clear();
    document_.MarkSaved();
    path_ = ResolvedPath(path);
    Remember(*path_);
    return true;
}

void ModelSession::Remember(const std::string& path) {
    // Another instance may have changed the list since this one read it: the store merges.
    RecentUpdate update = recentStore_.Add(path, recent_);
    recent_ = std::move(update.recent);
    const SaveResult& result = update.result;
    // The list is a convenience: its first failure in a run is told, later ones are not.
    if (!result.saved && !recentFailureTold_) {
        recentFailureTold_ = true;
        dialogs_.ShowMessage(messages::SaveFailedText(recentStore_.Location(), result.reason),
                             messages::kSaveFailedTitle);
    }
}

}  // namespace coppia
