// SPDX-License-Identifier: GPL-3.0-or-later
// The model window following its model: every change of what the model shows comes back to
// the widgets at once, without taking from the user what is still being typed.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>

#include "models/model/model_controls.h"
#include "ui/common/path_bytes.h"
#include "ui/common/qt_text.h"
#include "ui/kit/torque_plot.h"
#include "ui/kit/window_widgets.h"
#include "ui/model/model_view.h"
#include "ui/model/surface_table.h"

namespace coppia {

namespace {

// The background of a row whose surfaces differ.
const QColor kDiffersColour(255, 236, 179);

// Replaces the text unless the user is typing a new one there.
void ShowTyped(QLineEdit* edit, const std::string& text) {
    if (!(edit->hasFocus() && edit->isModified()))
        ShowText(edit, text);
}

}  // namespace

void ModelView::Follow() {
    const ModelDisplay& shown = model_.Display();
    setWindowTitle(ToQString(shown.title));
    setWindowModified(shown.modified);
    table_->Show(shown);
    servos_->setText(ToQString(shown.totals.servos));
    ShowNote(verdict_, shown.totals.verdict, shown.totals.verdictTone);
    ShowNote(weakest_, shown.totals.weakest, shown.totals.weakestTone);
    ShowNote(weakestEither_, shown.totals.weakestEither, shown.totals.weakestEitherTone);
    ShowNote(secondOpinionSource_, shown.totals.secondOpinionSource, Tone::Neutral);
    judging_->setText(ToQString(shown.judgingSettings));
    ShowNote(settingsProblem_, shown.settingsProblem, Tone::Bad);
    FollowSupply(shown);
    FollowDetails(shown.details);
    ShowTyped(modelName_, shown.modelName);
    if (!(notes_->hasFocus() && notes_->document()->isModified()) &&
        notes_->toPlainText() != ToQString(shown.notes)) {
        notes_->setPlainText(ToQString(shown.notes));
    }
    FollowComparison(shown.comparison);

    undo_->setEnabled(shown.canUndo);
    undo_->setText(QStringLiteral("&") + ToQString(shown.undoName));
    redo_->setEnabled(shown.canRedo);
    redo_->setText(QStringLiteral("&") + ToQString(shown.redoName));
    for (QAction* action : onCurrent_) action->setEnabled(shown.current.has_value());
    moveUp_->setEnabled(shown.canMoveUp);
    moveDown_->setEnabled(shown.canMoveDown);
    for (const auto& [button, action] : buttons_) button->setEnabled(action->isEnabled());
    FollowRecentFiles(shown.recentFiles);
    status_->Show(shown.status, shown.statusTone);
}

void ModelView::FollowDetails(const SurfaceDetails& details) {
    detailsHeading_->setText(ToQString(details.shown ? details.heading : kNoSurfaceHeading));
    detailsFields_->setEnabled(details.shown);
    ShowTyped(name_, details.name);
    {
        const QSignalBlocker blockKind(kind_);
        const QSignalBlocker blockCount(servoCount_);
        const QSignalBlocker blockUnit(unit_);
        kind_->setCurrentIndex(static_cast<int>(details.kind));
        servoCount_->setValue(details.servoCount);
        unit_->setCurrentIndex(details.unit == RatingUnit::NewtonCm ? 1 : 0);
        gap_->setCurrentIndex(details.gap == HingeGap::Open ? 1 : 0);
    }
    ShowTyped(thickness_, details.thickness);
    ShowNote(profileNote_, details.profileNote, Tone::Neutral);
    ShowTyped(servoName_, details.servoName);
    ShowTyped(rating_, details.rating);
    ShowNote(servoNote_, details.servoNote, Tone::Neutral);
    ShowNote(kindNote_, details.kindNote, Tone::Warning);
    ShowNote(detailsProblem_, details.problem, Tone::Bad);
    FollowFigures(details);
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const std::size_t line = kFirstShownInput + i;
        const bool known = line < details.inputs.size();
        inputs_[i].second->setText(known ? ToQString(details.inputs[line].value) : QString());
    }
}

void ModelView::FollowComparison(const Comparison& comparison) {
    const ModelDisplay& shown = model_.Display();
    ShowNote(compareNote_, comparison.note, Tone::Neutral);
    const auto plotted = std::make_pair(shown.selected, shown.rowsRevision);
    if (plotted != plotted_) {
        plotted_ = plotted;
        plot_->Show(comparison.plot);
    }
    const int columns = static_cast<int>(comparison.names.size()) + 2;
    sideBySide_->clear();
    sideBySide_->setColumnCount(columns);
    sideBySide_->setRowCount(static_cast<int>(comparison.rows.size()));
    QStringList headings{ToQString(kInputHeading)};
    for (const std::string& name : comparison.names) headings << ToQString(name);
    headings << ToQString(kDifferenceHeading);
    sideBySide_->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < sideBySide_->rowCount(); ++r) {
        const SideBySideRow& row = comparison.rows[static_cast<std::size_t>(r)];
        QStringList cells{ToQString(row.label)};
        for (const std::string& value : row.values) cells << ToQString(value);
        cells << (row.differs ? ToQString(kDiffers) : QString());
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(cells.value(c));
            if (row.differs) {
                item->setBackground(kDiffersColour);
                QFont font = item->font();
                font.setBold(c > 0);
                item->setFont(font);
            }
            if (c > 0 && c + 1 < columns)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            sideBySide_->setItem(r, c, item);
        }
    }
}

void ModelView::FollowRecentFiles(const std::vector<std::string>& recent) {
    if (recent == recentShown_ && !recentMenu_->isEmpty())
        return;
    recentShown_ = recent;
    recentMenu_->clear();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const QString path = PathQString(recent[i]);
        // The folder tells apart two models of one name; "&" doubled is no mnemonic.
        const QFileInfo file(path);
        QAction* item = recentMenu_->addAction(
            QStringLiteral("&%1 %2 – %3")
                .arg(i + 1)
                .arg(file.fileName().replace('&', "&&"))
                .arg(QDir::toNativeSeparators(file.path()).replace('&', "&&")));
        item->setToolTip(path);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, i] {
            Commit();
            model_.Modello_Recente_Click(i);
        });
    }
    if (recent.empty())
        recentMenu_->addAction(QStringLiteral("Nessun file recente"))->setEnabled(false);
    recentMenu_->setToolTipsVisible(true);
}

void ModelView::FollowFigures(const SurfaceDetails& details) {
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        ShowTyped(figures_[i], details.figures[i]);
        figures_[i]->setEnabled(details.shown);
    }
}

void ModelView::FollowSupply(const ModelDisplay& shown) {
    ShowTyped(supplyName_, shown.supplyName);
    ShowTyped(supplyContinuous_, shown.supplyContinuous);
    ShowTyped(supplyPeak_, shown.supplyPeak);
    ShowNote(supplyProblem_, shown.supplyProblem, Tone::Bad);
    const SupplyLines& supply = shown.totals.supply;
    ShowNote(supplyVerdict_, supply.verdict, supply.tone);
    ShowNote(supplyCurrents_, supply.currents, Tone::Neutral);
    ShowNote(supplyRule_, supply.rule, Tone::Neutral);
    // The rules of thumb that give the scale, where the rule is read.
    supplyRule_->setToolTip(supply.rule.empty() ? QString()
                                                : ToQString(supply.rule + "\n" + supply.sources));
}

}  // namespace coppia
