// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's events on its surfaces: to and from the main window, the edits of the
// table and of the current surface's details, undo and redo.
#include <algorithm>
#include <variant>

#include "engine/number_text.h"
#include "models/model/model_window.h"
#include "models/model/surface_advice.h"
#include "models/model/surface_transfer.h"

namespace coppia {

namespace {

std::string Quoted(std::string_view name) {
    return "«" + std::string(name) + "»";
}

// "Superficie 7", or the first number after it that no surface of the model is named with.
std::string NewSurfaceName(const Model& model) {
    for (std::size_t number = model.surfaces.size() + 1;; ++number) {
        std::string name = "Superficie " + std::to_string(number);
        if (std::none_of(model.surfaces.begin(), model.surfaces.end(),
                         [&name](const Surface& surface) { return surface.name == name; })) {
            return name;
        }
    }
}

// Why a surface the builder describes cannot be added; empty when it can.
std::optional<std::string> NewSurfaceProblem(const NewSurface& given) {
    if (given.name.find_first_not_of(" \t") == std::string::npos)
        return "serve un nome";
    if (given.servoCount < 1 || given.servoCount > kMaxServoCount)
        return "numero di servi da 1 a " + std::to_string(kMaxServoCount);
    if (given.servo.rating && !IsModelRating(*given.servo.rating))
        return "coppia dichiarata non valida: serve " + std::string(kRatingRange);
    return std::nullopt;
}

}  // namespace

void ModelWindow::Modello_Aggiungi_Click() {
    // Refused before the builder is asked anything, when the fields cannot make a surface.
    std::variant<Surface, std::string> taken = SurfaceFromMainWindow(main_, Surface{});
    if (const std::string* reason = std::get_if<std::string>(&taken)) {
        return Refuse("Superficie non aggiunta: " + *reason);
    }
    // Nothing is made up: the kind and the servo are the builder's, the rating may come later.
    NewSurface proposal;
    proposal.name = NewSurfaceName(Document().Content());
    if (const Surface* current = Current()) {
        proposal.kind = current->kind;
        proposal.servo.unit = current->servo.unit;
    }
    const Model& model = Document().Content();
    const std::optional<NewSurface> given =
        dialogs_.AskNewSurface(proposal, [&model](std::string_view name, std::string_view rating) {
            return AdviseNewSurface(model, name, rating);
        });
    if (!given)
        return Refresh();
    if (const std::optional<std::string> problem = NewSurfaceProblem(*given))
        return Refuse("Superficie non aggiunta: " + *problem);
    Surface& surface = std::get<Surface>(taken);
    surface.name = given->name;
    surface.kind = given->kind;
    surface.servoCount = given->servoCount;
    surface.servo = given->servo;
    const std::string name = std::get<Surface>(taken).name;
    Edited(Document().AddSurface(std::move(std::get<Surface>(taken))),
           Quoted(name) + " aggiunta dalla finestra principale");
}

void ModelWindow::Modello_Aggiorna_Click() {
    const Surface* current = Current();
    if (current == nullptr)
        return Refuse("Nessuna superficie da aggiornare: selezionane una");
    const std::string name = Quoted(CurrentLabel());
    std::variant<Surface, std::string> taken = SurfaceFromMainWindow(main_, *current);
    if (const std::string* reason = std::get_if<std::string>(&taken)) {
        return Refuse(name + " non aggiornata: " + *reason);
    }
    // The servo the analysis judged, as it left it, when it is this surface's.
    const std::optional<LoanedServo>& loaned = loadTarget_.Loan().Current();
    if (loaned && loaned->surface == CurrentLabel()) {
        if (loaned->rating && !IsModelRating(*loaned->rating)) {
            return Refuse(name + " non aggiornata: la coppia del servo nell'analisi deve essere " +
                          std::string(kRatingRange));
        }
        std::get<Surface>(taken).servo.rating = loaned->rating;
        std::get<Surface>(taken).servo.unit = loaned->unit;
        // A section the analysis changed is given; one it left as it was still follows the kind.
        if (loaned->profile != ProfileOf(*current))
            std::get<Surface>(taken).profile = loaned->profile;
        std::get<Surface>(taken).servo.figures = loaned->figures;
    }
    if (std::get<Surface>(taken) == *current) {
        Tell(name + " è già come i campi della finestra principale", Tone::Neutral);
        return Refresh();
    }
    Document().UpdateSurface(*current_, std::move(std::get<Surface>(taken)));
    // The analysis's rating is now the surface's.
    LendServoAgainIfLent();
    Edited(current_, name + " aggiornata dalla finestra principale");
}

void ModelWindow::Modello_Carica_Click() {
    const Surface* current = Current();
    if (current == nullptr)
        return Refuse("Nessuna superficie da caricare: selezionane una");
    // A copy: the main window's messages wait for the user while the load goes on.
    const Surface surface = *current;
    const std::string name = Quoted(CurrentLabel());
    // Lent first, so that the analysis judges this surface's servo as the fields arrive.
    LendServo();
    if (!LoadIntoMainWindow(surface, loadTarget_)) {
        return Refuse(name +
                      " caricata nella finestra principale, ma CALCOLA non si è potuto premere");
    }
    std::string status = name + " caricata nella finestra principale e calcolata";
    if (surface.servoCount > 1) {
        status += ": la sua Coppia è di tutta la superficie, che " +
                  std::to_string(surface.servoCount) + " servi si dividono";
    }
    Tell(status, Tone::Good);
    Refresh();
}

void ModelWindow::Modello_Duplica_Click() {
    if (Current() == nullptr)
        return Refuse("Nessuna superficie da duplicare: selezionane una");
    const std::string original = Quoted(CurrentLabel());
    const std::optional<std::size_t> copy = Document().DuplicateSurface(*current_);
    Edited(copy, Quoted(SurfaceLabel(Document().SurfaceAt(*copy), *copy)) +
                     " aggiunta come variante di " + original);
}

void ModelWindow::Modello_Rinomina_Click() {
    const Surface* current = Current();
    if (current == nullptr)
        return Refuse("Nessuna superficie da rinominare: selezionane una");
    const std::optional<std::string> name =
        dialogs_.AskText("Nuovo nome di " + Quoted(CurrentLabel()), current->name);
    if (name)
        return Rename(*name);
    Refresh();
}

void ModelWindow::Rename(const std::string& name) {
    if (name.find_first_not_of(" \t") == std::string::npos) {
        detailsProblem_ = "Nome della superficie vuoto: la superficie tiene il suo";
        return Refuse(detailsProblem_);
    }
    const Model& model = Document().Content();
    const bool duplicate = std::any_of(
        model.surfaces.begin(), model.surfaces.end(),
        [&](const Surface& surface) { return &surface != Current() && surface.name == name; });
    if (!Document().RenameSurface(*current_, CutToCharacters(name, kMaxNameCharacters)))
        return Refresh();
    Edited(current_);
    if (duplicate) {
        Tell(SameNameWarning(name), Tone::Warning);
        Refresh();
    }
}

void ModelWindow::Modello_Rimuovi_Click() {
    if (Current() == nullptr)
        return Refuse("Nessuna superficie da rimuovere: selezionane una");
    const std::string name = Quoted(CurrentLabel());
    const std::size_t index = *current_;
    Document().RemoveSurface(index);
    const std::size_t left = Document().SurfaceCount();
    Edited(left == 0 ? std::nullopt : std::optional(std::min(index, left - 1)),
           name + " rimossa (Ctrl+Z la rimette)");
}

void ModelWindow::Modello_SpostaSu_Click() {
    if (current_ && Document().MoveSurfaceUp(*current_))
        return Edited(*current_ - 1);
    Refresh();
}

void ModelWindow::Modello_SpostaGiu_Click() {
    if (current_ && Document().MoveSurfaceDown(*current_))
        return Edited(*current_ + 1);
    Refresh();
}

void ModelWindow::Modello_Annulla_Click() {
    const std::string name(Document().UndoName());
    if (!Document().CanUndo())
        return Refresh();
    Edited(Document().Undo(), "Annullato: " + name);
}

void ModelWindow::Modello_Ripeti_Click() {
    const std::string name(Document().RedoName());
    if (!Document().CanRedo())
        return Refresh();
    Edited(Document().Redo(), "Ripetuto: " + name);
}

void ModelWindow::Modello_Tabella_Select(std::vector<std::size_t> selected,
                                         std::optional<std::size_t> current) {
    const std::size_t count = Document().SurfaceCount();
    std::erase_if(selected, [count](std::size_t i) { return i >= count; });
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    if (current && *current >= count)
        current.reset();
    if (!current && !selected.empty())
        current = selected.front();
    if (current != current_) {
        ForgetTyped();
    }
    selected_ = std::move(selected);
    current_ = current;
    Refresh();
}

void ModelWindow::Modello_NomeSuperficie_Change(std::string_view name) {
    if (Current() == nullptr)
        return Refresh();
    Rename(std::string(name));
}

void ModelWindow::Modello_TipoSuperficie_Change(SurfaceKind kind) {
    if (current_ && Document().SetSurfaceKind(*current_, kind)) {
        // A section not given follows the kind: the analysis judges the new one.
        LendServoAgainIfLent();
        return Edited(current_);
    }
    Refresh();
}

void ModelWindow::Modello_NumeroServi_Change(int count) {
    if (Current() == nullptr || count == Current()->servoCount)
        return Refresh();
    if (Document().SetServoCount(*current_, count)) {
        LendServoAgainIfLent();
        return Edited(current_);
    }
    detailsProblem_ = "Numero di servi non valido: da 1 a " + std::to_string(kMaxServoCount);
    Refresh();
}

void ModelWindow::Modello_NomeServo_Change(std::string_view name) {
    EditServo(
        [name](ServoRecord& servo) { servo.name = CutToCharacters(name, kMaxNameCharacters); });
}

void ModelWindow::Modello_CoppiaServo_Change(std::string_view text) {
    if (Current() == nullptr)
        return Refresh();
    // Cleared, the rating is to be given, and the surface has no verdict until it is.
    const std::optional<std::optional<double>> rating = TypedRating(text);
    if (!rating) {
        ratingTyped_ = std::string(text);
        detailsProblem_ = RatingProblem();
        return Refresh();
    }
    ForgetTyped();
    EditServo([rating](ServoRecord& servo) { servo.rating = *rating; });
}

void ModelWindow::Modello_UnitaServo_Change(RatingUnit unit) {
    // The number stays as typed: the unit says what it was typed in.
    EditServo([unit](ServoRecord& servo) { servo.unit = unit; });
}

void ModelWindow::EditServo(const std::function<void(ServoRecord&)>& change) {
    if (Current() == nullptr)
        return Refresh();
    ServoRecord servo = Current()->servo;
    change(servo);
    if (!Document().SetServo(*current_, std::move(servo)))
        return Refresh();
    LendServoAgainIfLent();
    Edited(current_);
}

void ModelWindow::LendServoAgainIfLent() {
    // The analysis judges the servo as the surface now has it.
    const std::optional<LoanedServo>& loaned = loadTarget_.Loan().Current();
    if (loaned && loaned->surface == CurrentLabel())
        LendServo();
}

std::optional<std::size_t> ModelWindow::LentIndex() const {
    const std::optional<LoanedServo>& loaned = loadTarget_.Loan().Current();
    for (std::size_t i = 0; loaned && i < Document().SurfaceCount(); ++i) {
        if (SurfaceLabel(Document().SurfaceAt(i), i) == loaned->surface)
            return i;
    }
    return std::nullopt;
}

void ModelWindow::FollowLoan() {
    // A surface still called as lent is the one lent, moved or not.
    if (!loadTarget_.Loan().Current() || LentIndex())
        return;
    // Gone by its name with as many surfaces as before: renamed in its place.
    if (lentBefore_ && Document().SurfaceCount() == surfacesBefore_) {
        return loadTarget_.Loan().Follow(
            SurfaceLabel(Document().SurfaceAt(*lentBefore_), *lentBefore_));
    }
    loadTarget_.Loan().End();
}

void ModelWindow::LendServo() {
    const Surface& surface = *Current();
    const SectionProfile profile = ProfileOf(surface);
    LoanedServo servo{CurrentLabel(),
                      surface.servo.name,
                      surface.servo.rating,
                      surface.servo.unit,
                      surface.servoCount,
                      surface.servo.rating,
                      surface.servo.unit,
                      profile,
                      profile};
    servo.figures = servo.surfaceFigures = surface.servo.figures;
    loadTarget_.Loan().Lend(std::move(servo));
}

void ModelWindow::Modello_NomeModello_Change(std::string_view name) {
    // A name or notes beyond their bound are cut there, as a field with a maximum length cuts
    // what is pasted into it: a file could not keep them whole.
    if (Document().SetName(CutToCharacters(name, kMaxNameCharacters)))
        return Edited(std::nullopt);
    Refresh();
}

void ModelWindow::Modello_Note_Change(std::string_view notes) {
    if (Document().SetNotes(CutToCharacters(notes, kMaxNotesCharacters)))
        return Edited(std::nullopt);
    Refresh();
}

}  // namespace coppia
