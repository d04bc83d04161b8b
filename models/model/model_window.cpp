// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/model/model_window.h"

#include <algorithm>

#include "engine/number_text.h"
#include "files/platform/platform.h"
#include "models/model/model_table_file.h"
#include "models/model/surface_advice.h"
#include "models/shared/file_written.h"

namespace coppia {

ModelWindow::ModelWindow(MainWindow& main, ModelDialogs& dialogs, RecentFilesStore& recent,
                         AnalysisSettingsStore& analysisSettings)
    : main_(main.State()),
      loadTarget_(main),
      dialogs_(dialogs),
      settingsStore_(analysisSettings),
      session_(dialogs, recent),
      constants_(InitTorqueConstants()) {}

ModelWindow::~ModelWindow() {
    // The model that lent the servo goes: the analysis judges its own again.
    loadTarget_.Loan().End();
}

std::string ModelWindow::CsvText(CsvFormat format) const {
    return ModelCsv(display_.headings, display_.rows, format);
}

Comparison ModelWindow::PrintedComparison() const {
    if (selected_.size() >= 2)
        return display_.comparison;
    // Of all, those with a verdict: one without (refused, or a negative length) would draw
    // below zero or squash the others' curves flat.
    std::vector<std::size_t> judged;
    for (std::size_t i = 0; i < display_.rows.size(); ++i) {
        if (display_.rows[i].refusal.empty())
            judged.push_back(i);
    }
    const std::size_t leftOut = display_.rows.size() - judged.size();
    Comparison comparison = Compare(Document().Content(), judged, constants_);
    if (judged.size() < 2)
        comparison.note.clear();
    if (leftOut > 0) {
        comparison.note +=
            (comparison.note.empty() ? "" : "; ") +
            (leftOut == 1 ? std::string("Esclusa 1 superficie senza verdetto")
                          : "Escluse " + std::to_string(leftOut) + " superfici senza verdetto");
    }
    return comparison;
}

std::string ModelWindow::ExportFolder() const {
    if (!lastExportFolder_.empty())
        return lastExportFolder_;
    if (session_.Path())
        return session_.Folder();
    return settings_.exportFolder;
}

std::string ModelWindow::ExportName() const {
    return session_.FileNameProposed();
}

void ModelWindow::Modello_Form_Load() {
    ReadSettings();
    Replaced();
}

void ModelWindow::Modello_Form_Activate() {
    const AnalysisSettings before = settings_;
    ReadSettings();
    if (settings_.safetyFactor != before.safetyFactor ||
        settings_.servoThrow != before.servoThrow || settings_.judgeWith != before.judgeWith)
        ComputeRows();
    Refresh();
}

bool ModelWindow::Modello_Form_Close() {
    const bool closing = session_.MayClose();
    NotDropped();
    return closing;
}

void ModelWindow::Modello_Nuovo_Click() {
    if (!session_.New())
        return NotDropped();
    status_.clear();
    Replaced();
}

void ModelWindow::Modello_Apri_Click() {
    Opened(session_.Open());
}

void ModelWindow::Modello_Recente_Click(std::size_t index) {
    Opened(session_.OpenRecent(index));
}

void ModelWindow::Opened(bool opened) {
    if (!opened)
        return NotDropped();
    Tell("Aperto " + *session_.Path(), Tone::Neutral);
    Replaced();
}

void ModelWindow::NotDropped() {
    // A save the question asked for, and that failed, says why.
    if (!session_.SaveProblem().empty())
        Tell(session_.SaveProblem(), Tone::Bad);
    Refresh();
}

bool ModelWindow::Modello_ApriFile(const std::string& path) {
    const bool opened = session_.OpenFile(path);
    if (opened)
        Replaced();
    else
        Refresh();
    return opened;
}

void ModelWindow::Modello_Salva_Click() {
    Saved(session_.Save());
}

void ModelWindow::Modello_SalvaConNome_Click() {
    Saved(session_.SaveAs());
}

void ModelWindow::Saved(bool saved) {
    if (saved) {
        Tell("Modello salvato in " + *session_.Path(), Tone::Good);
    } else if (!session_.SaveProblem().empty()) {
        Tell(session_.SaveProblem(), Tone::Bad);
    }
    Refresh();
}

void ModelWindow::Modello_File_Written(std::string_view what, std::string_view path,
                                       std::string_view reason) {
    FileWritten told = TellFileWritten(what, path, reason);
    Tell(std::move(told.text), told.tone);
    if (reason.empty())
        lastExportFolder_ = PathString(FileSystemPath(path).parent_path());
    Refresh();
}

const Surface* ModelWindow::Current() const {
    if (!current_ || *current_ >= Document().SurfaceCount())
        return nullptr;
    return &Document().SurfaceAt(*current_);
}

std::string ModelWindow::CurrentLabel() const {
    const Surface* current = Current();
    return current ? SurfaceLabel(*current, *current_) : std::string();
}

void ModelWindow::Edited(std::optional<std::size_t> index, std::string status) {
    ForgetTyped();
    FollowLoan();
    ComputeRows();
    if (index) {
        Select(index);
    } else if (current_ && *current_ >= Document().SurfaceCount()) {
        // The model's own name or notes: the selection stays, but for what is no longer there.
        Select(Document().SurfaceCount() > 0 ? std::optional(Document().SurfaceCount() - 1)
                                             : std::nullopt);
    }
    Tell(std::move(status), Tone::Good);
    Refresh();
}

void ModelWindow::Replaced() {
    loadTarget_.Loan().End();
    ForgetTyped();
    ComputeRows();
    Select(Document().SurfaceCount() > 0 ? std::optional<std::size_t>(0) : std::nullopt);
    Refresh();
}

void ModelWindow::ForgetTyped() {
    ratingTyped_.reset();
    thicknessTyped_.reset();
    detailsProblem_.clear();
    figuresTyped_ = {};
    supplyTyped_ = {};
    supplyProblem_.clear();
}

void ModelWindow::Select(std::optional<std::size_t> index) {
    selected_.clear();
    if (index)
        selected_.push_back(*index);
    current_ = index;
}

void ModelWindow::Refuse(std::string status) {
    Tell(std::move(status), Tone::Bad);
    Refresh();
}

void ModelWindow::Tell(std::string status, Tone tone) {
    status_ = std::move(status);
    statusTone_ = tone;
}

void ModelWindow::ReadSettings() {
    JudgingSettings read = ReadJudgingSettings(settingsStore_);
    settings_ = read.settings;
    display_.settingsProblem = std::move(read.problem);
}

void ModelWindow::ComputeRows() {
    const Model& model = Document().Content();
    display_.headings = ModelTableHeadings(settings_);
    display_.rows.clear();
    display_.rows.reserve(model.surfaces.size());
    for (const Surface& surface : model.surfaces)
        display_.rows.push_back(SurfaceRow(surface, settings_, constants_));
    display_.totals = Totals(model, display_.rows, settings_.judgeWith);
    display_.judgingSettings = JudgingSettingsText(settings_);
    ++display_.rowsRevision;
}

void ModelWindow::FillDetails() {
    SurfaceDetails& details = display_.details;
    details = SurfaceDetails{};
    const Surface* surface = Current();
    if (surface == nullptr)
        return;
    details.shown = true;
    details.heading = "Superficie " + std::to_string(*current_ + 1) + " di " +
                      std::to_string(Document().SurfaceCount()) + ": " + CurrentLabel();
    details.name = surface->name;
    details.kind = surface->kind;
    details.servoCount = surface->servoCount;
    details.servoName = surface->servo.name;
    details.rating = ratingTyped_.value_or(
        surface->servo.rating ? FormatPlainNumber(*surface->servo.rating) : std::string());
    details.unit = surface->servo.unit;
    details.kindNote = KindNote(surface->kind);
    if (surface->servoCount > 1) {
        details.servoNote = "Ciascuno dei " + std::to_string(surface->servoCount) +
                            " servi porta la sua parte della coppia della superficie";
    }
    details.inputs = SurfaceInputLines(*surface);
    details.problem = detailsProblem_;
    const SectionProfile profile = ProfileOf(*surface);
    details.thickness = thicknessTyped_.value_or(FormatPlainNumber(profile.thicknessPercent));
    details.gap = profile.gap;
    details.profileNote = ProfileNote(*surface);
    FillFigures();
}

void ModelWindow::Refresh() {
    const ModelDocument& document = Document();
    lentBefore_ = LentIndex();
    surfacesBefore_ = document.SurfaceCount();
    display_.title = session_.WindowTitle();
    display_.modified = document.Modified();
    display_.selected = selected_;
    display_.current = current_;
    FillDetails();
    display_.modelName = document.Content().name;
    display_.notes = document.Content().notes;
    FillSupply();
    display_.comparison = Compare(document.Content(), selected_, constants_);
    display_.canUndo = document.CanUndo();
    display_.canRedo = document.CanRedo();
    display_.undoName = "Annulla " + std::string(document.UndoName());
    display_.redoName = "Ripeti " + std::string(document.RedoName());
    display_.canMoveUp = current_ && *current_ > 0;
    display_.canMoveDown = current_ && *current_ + 1 < document.SurfaceCount();
    display_.recentFiles = session_.RecentFiles();
    display_.status = status_;
    display_.statusTone = statusTone_;
    if (observer_)
        observer_();
}

}  // namespace coppia
