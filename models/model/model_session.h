// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/recent_files.h"
#include "models/model/model_document.h"
#include "models/shared/messages.h"

namespace coppia {

// The answers to "Salvare le modifiche a <nome>?".
enum class SaveChoice { Salva, NonSalvare, Annulla };

// What the builder gives a surface added from the main window's fields: its name, its kind and
// its servo, whose rating may be left for later.
struct NewSurface {
    std::string name;
    SurfaceKind kind = SurfaceKind::Alettone;
    int servoCount = 1;
    ServoRecord servo;
};

// What the new surface's dialog says under its fields as the builder types: why what is typed
// cannot be used, or that another surface has the name; and whether the surface may be added.
struct NewSurfaceAdvice {
    std::string problem;
    std::string warning;
    bool acceptable = false;
};
using NewSurfaceAdvisor =
    std::function<NewSurfaceAdvice(std::string_view name, std::string_view rating)>;

// What the model window asks of its user; the view answers with real dialogs, the tests with
// answers of their own.
class ModelDialogs : public MessageSink {
  public:
    // The question with the buttons Salva, Non salvare and Annulla.
    virtual SaveChoice AskToSave(std::string_view question) = 0;
    // A model file to open; empty when the user gives up.
    virtual std::optional<std::string> AskFileToOpen() = 0;
    // Where to save, starting from `suggestion` (a file name); empty when the user gives up.
    virtual std::optional<std::string> AskFileToSave(std::string_view suggestion) = 0;
    // A line of text, `current` to start with; empty when the user gives up.
    virtual std::optional<std::string> AskText(std::string_view question,
                                               std::string_view current) = 0;
    // The new surface's name, kind and servo, from `proposal`, saying as they are typed what
    // `advise` says of them; empty when the user gives up.
    virtual std::optional<NewSurface> AskNewSurface(const NewSurface& proposal,
                                                    const NewSurfaceAdvisor& advise) = 0;
};

namespace messages {
inline constexpr std::string_view kOpenFailedTitle = "Errore Apertura Modello";
inline std::string SaveChangesQuestion(std::string_view name) {
    return "Salvare le modifiche a " + std::string(name) + "?";
}
}  // namespace messages

// The model window's document and its file: New, Open, Save, Save as, the recent files, and
// the question that keeps unsaved changes from being lost on New, Open and Close.
// A model's name as the name of a file: every character that some system refuses in a file's
// name, or takes as a folder's end ("/" and "\\" alike), becomes "-", so that a proposed name
// never points into another folder wherever the file is saved or carried.
std::string FileNameFor(std::string_view name);

class ModelSession {
  public:
    ModelSession(ModelDialogs& dialogs, RecentFilesStore& recent);
    ModelSession(const ModelSession&) = delete;
    ModelSession& operator=(const ModelSession&) = delete;

    ModelDocument& Document() { return document_; }
    const ModelDocument& Document() const { return document_; }
    // The file the document was opened from or last saved to; empty for a new one.
    const std::optional<std::string>& Path() const { return path_; }
    // The model's name, or the file's when the model has none, or "Senza nome".
    std::string DisplayName() const;
    // The name a new file of the model is proposed with, without its extension.
    std::string FileNameProposed() const { return FileNameFor(DisplayName()); }
    // The window's title, with the mark Qt shows while there are unsaved changes: the file's name
    // with the model's beside it, as desktop programs name a document, or the model's alone
    // before there is a file.
    std::string WindowTitle() const;
    // What the last save that failed was told with; empty when the last save went through, or
    // was given up before anything was written.
    const std::string& SaveProblem() const { return saveProblem_; }
    // Newest first, at most kMaxRecentFiles.
    const std::vector<std::string>& RecentFiles() const { return recent_; }
    // Where the file dialogs open: the model's folder, or the last model's; empty for none.
    std::string Folder() const;

    // Each operation that would drop the document asks first when it has unsaved changes:
    // Salva saves it (and goes on only if that succeeds), Non salvare goes on, Annulla stops.
    // Each returns whether it went through.
    bool New();
    bool Open();
    bool OpenRecent(std::size_t index);
    bool Save();
    bool SaveAs();
    // Whether the window may close now, asking first as above.
    bool MayClose();

    // Opens a file without asking: at start, for the file named on the command line. A file
    // that is refused is told with its place and leaves the document as it was.
    bool OpenFile(const std::string& path);

  private:
    bool MayDropDocument();
    bool SaveTo(const std::string& path);
    void Remember(const std::string& path);

    ModelDialogs& dialogs_;
    RecentFilesStore& recentStore_;
    ModelDocument document_;
    std::optional<std::string> path_;
    std::vector<std::string> recent_;
    bool recentFailureTold_ = false;
    std::string saveProblem_;
    bool saveFolderGone_ = false;  // the last save failed for its folder was removed
};

// What a new model is called.
inline constexpr std::string_view kNewModelName = "Nuovo modello";

}  // namespace coppia
