// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/torque.h"
#include "files/analysis_settings.h"
#include "files/recent_files.h"
#include "models/main/main_window.h"
#include "models/model/model_display.h"
#include "models/model/model_session.h"
#include "models/shared/csv_text.h"

namespace coppia {

// The behaviour of the model window, free of any toolkit: the model's file through its session,
// the table computed as CALCOLA computes, the current surface's details, the comparison of the
// selected surfaces, and the surfaces' way to and from the main window. It reads the main
// window's fields, and changes the main window only on "Carica nella finestra principale", as
// its user would. The analysis window's settings give the safety factor and the servo's throw;
// this window reads them and never writes them. One method per event of its own controls.
class ModelWindow {
  public:
    using Observer = std::function<void()>;

    ModelWindow(MainWindow& main, ModelDialogs& dialogs, RecentFilesStore& recent,
                AnalysisSettingsStore& analysisSettings);
    ~ModelWindow();
    ModelWindow(const ModelWindow&) = delete;
    ModelWindow& operator=(const ModelWindow&) = delete;

    // Told after every change of what the window shows.
    void SetObserver(Observer observer) { observer_ = std::move(observer); }

    const ModelDisplay& Display() const { return display_; }
    const ModelSession& Session() const { return session_; }
    // The table with its headings, as CSV in the given format.
    std::string CsvText(CsvFormat format) const;
    // What the printed sheet compares: the selected surfaces, or, when fewer than two are, all
    // that have a verdict.
    Comparison PrintedComparison() const;
    // Where an export's dialog opens: the model file's folder, or the last export's of this run,
    // or the analysis's; empty when there is none. And the name it proposes, without extension.
    std::string ExportFolder() const;
    std::string ExportName() const;

    // Events of the window.
    void Modello_Form_Load();
    // The window became the active one: the analysis may have changed its settings meanwhile.
    void Modello_Form_Activate();
    // The window is being closed: true when it may close.
    bool Modello_Form_Close();

    // The file.
    void Modello_Nuovo_Click();
    void Modello_Apri_Click();
    void Modello_Recente_Click(std::size_t index);
    void Modello_Salva_Click();
    void Modello_SalvaConNome_Click();
    // The file named on the command line, opened without asking.
    bool Modello_ApriFile(const std::string& path);

    // The surfaces. Each acts on the current surface where it needs one.
    void Modello_Aggiungi_Click();
    void Modello_Aggiorna_Click();
    void Modello_Carica_Click();
    void Modello_Duplica_Click();
    void Modello_Rinomina_Click();
    void Modello_Rimuovi_Click();
    void Modello_SpostaSu_Click();
    void Modello_SpostaGiu_Click();
    void Modello_Annulla_Click();
    void Modello_Ripeti_Click();
    // The rows selected in the table, and the one with the keyboard's focus, which the details
    // show; without one, the first selected.
    void Modello_Tabella_Select(std::vector<std::size_t> selected,
                                std::optional<std::size_t> current);

    // The current surface's details and the model's own, each a step of the history when it
    // changes something.
    void Modello_NomeSuperficie_Change(std::string_view name);
    void Modello_TipoSuperficie_Change(SurfaceKind kind);
    void Modello_NumeroServi_Change(int count);
    void Modello_NomeServo_Change(std::string_view name);
    void Modello_CoppiaServo_Change(std::string_view text);
    void Modello_UnitaServo_Change(RatingUnit unit);
    void Modello_SpessoreProfilo_Change(std::string_view text);
    void Modello_FessuraProfilo_Change(HingeGap gap);
    void Modello_NomeModello_Change(std::string_view name);
    void Modello_Note_Change(std::string_view notes);
    // The current surface's servo's data sheet, each figure optional (blank: not given); and
    // the model's supply, which a blank name and currents leave without one.
    void Modello_TensioneServo_Change(std::string_view text);
    void Modello_Tempo60Servo_Change(std::string_view text);
    void Modello_CorrenteVuotoServo_Change(std::string_view text);
    void Modello_CorrenteStalloServo_Change(std::string_view text);
    void Modello_NomeAlimentazione_Change(std::string_view name);
    void Modello_CorrenteContinua_Change(std::string_view text);
    void Modello_CorrentePicco_Change(std::string_view text);

    // An export has written `path` (`reason` empty), or could not, for `reason`.
    void Modello_File_Written(std::string_view what, std::string_view path,
                              std::string_view reason);

  private:
    const ModelDocument& Document() const { return session_.Document(); }
    ModelDocument& Document() { return session_.Document(); }
    const Surface* Current() const;
    std::string CurrentLabel() const;
    // After an edit that touched `index` (when it did): that surface alone selected.
    void Edited(std::optional<std::size_t> index, std::string status = {});
    // After the document was replaced: the first surface selected.
    void Replaced();
    void Select(std::optional<std::size_t> index);
    // Gives the current surface `name`: never an empty one; a name another surface has is kept,
    // with a warning.
    void Rename(const std::string& name);
    // The current surface's servo, to the analysis, as the servo of the surface in the fields.
    void LendServo();
    // Again, after the servo changed, when the current surface's is the one lent.
    void LendServoAgainIfLent();
    // Where the surface lent to the analysis is, when a surface is lent and the model has it.
    std::optional<std::size_t> LentIndex() const;
    // After an edit: the loan renamed with its surface, or ended when the surface is gone.
    void FollowLoan();
    // The current surface's servo, changed: a step of the history when it changes something.
    void EditServo(const std::function<void(ServoRecord&)>& change);
    // The current surface's section, likewise.
    void EditProfile(const std::function<void(SectionProfile&)>& change);
    // What was typed into the details and could not be kept is dropped.
    void ForgetTyped();
    void Tell(std::string status, Tone tone);
    // Says what a save did: where it saved, or why not; nothing when the user gave up.
    void Saved(bool saved);
    // After Apri or a recent file: the model opened, or as it was.
    void Opened(bool opened);
    // The model stays: said why when a save asked for before dropping it failed.
    void NotDropped();
    // What an action could not do, and why.
    void Refuse(std::string status);
    void ReadSettings();
    void ComputeRows();
    void Refresh();
    void FillDetails();
    // The servo's figures and the supply, in model_window_supply.cpp.
    void EditFigure(std::size_t figure, std::string_view text);
    void EditSupply(const std::function<void(SupplyRecord&)>& change);
    void EditSupplyCurrent(std::size_t current, std::string_view text);
    void FillFigures();
    void FillSupply();

    const MainWindowState& main_;
    MainWindow& loadTarget_;  // only "Carica nella finestra principale" changes it
    ModelDialogs& dialogs_;
    AnalysisSettingsStore& settingsStore_;
    ModelSession session_;
    TorqueConstants constants_;
    AnalysisSettings settings_;
    std::vector<std::size_t> selected_;
    std::optional<std::size_t> current_;
    std::optional<std::string> ratingTyped_;     // a rating typed that cannot be used
    std::optional<std::string> thicknessTyped_;  // a thickness typed that cannot be used
    std::string detailsProblem_;
    std::string lastExportFolder_;
    // Where the lent surface was, and how many surfaces there were, before the last edit.
    std::optional<std::size_t> lentBefore_;
    std::size_t surfacesBefore_ = 0;
    std::string status_;
    Tone statusTone_ = Tone::Neutral;
    ModelDisplay display_;
    Observer observer_;
    std::array<std::optional<std::string>, kServoFigureKeys.size()> figuresTyped_;
    std::array<std::optional<std::string>, 2> supplyTyped_;  // continuous, peak
    std::string supplyProblem_;
};

}  // namespace coppia
