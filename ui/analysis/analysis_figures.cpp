// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window's servo data sheet, beside its rating, and what it gives under the
// verdict: the time to the deflection or where the servo stops, and its currents.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "models/shared/servo_motion_text.h"
#include "ui/analysis/analysis_view.h"
#include "ui/common/qt_text.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

// In kServoFigureKeys' order: each field's name and caption. Every letter of the currents' captions
// is another control's Alt key on this page: Tab reaches them from the time for 60°.
struct FigureField {
    const char* name;
    const char* caption;
};
constexpr std::array<FigureField, 4> kFigureFields = {{
    {"Tensione", "Te&nsione"},
    {"Tempo60", "Te&mpo per 60° a vuoto"},
    {"CorrenteVuoto", "Corrente a vuoto"},
    {"CorrenteStallo", "Corrente di stallo"},
}};

}  // namespace

QWidget* AnalysisView::BuildServoFigures() {
    auto* group = new QGroupBox(ToQString(kServoFiguresTitle), this);
    group->setObjectName(QStringLiteral("DatiServo"));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < kFigureFields.size(); ++i) {
        const FigureField& field = kFigureFields[i];
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(field.name));
        edit->setAccessibleName(ToQString(kServoFigureDescriptions[i]));
        edit->setToolTip(edit->accessibleName());
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
        edit->installEventFilter(decimalKeys_);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            const std::string typed = text.toStdString();
            const std::array<void (AnalysisWindow::*)(std::string_view), 4> events = {
                &AnalysisWindow::Analisi_Tensione_Change, &AnalysisWindow::Analisi_Tempo60_Change,
                &AnalysisWindow::Analisi_CorrenteVuoto_Change,
                &AnalysisWindow::Analisi_CorrenteStallo_Change};
            (model_.*events[i])(typed);
        });
        figures_[i] = edit;
        const int row = static_cast<int>(i) / 2;
        const int column = static_cast<int>(i) % 2 * 2;
        grid->addWidget(Caption(QString::fromUtf8(field.caption), edit), row, column);
        grid->addWidget(WithUnit(edit, new QLabel(ToQString(kServoFigureKeys[i].unit), this)), row,
                        column + 1);
    }
    figuresProblem_ = Note("ProblemaDatiServo", this);
    grid->addWidget(figuresProblem_, 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return group;
}

void AnalysisView::AddMotionNotes(QGridLayout* grid, int row) {
    motion_ = Note("TempoServo", this);
    current_ = Note("CorrenteServo", this);
    grid->addWidget(motion_, row, 0, 1, 2);
    grid->addWidget(current_, row + 1, 0, 1, 2);
}

void AnalysisView::FollowFigures(const AnalysisDisplay& shown) {
    for (std::size_t i = 0; i < figures_.size(); ++i) ShowText(figures_[i], model_.FigureText(i));
    ShowNote(figuresProblem_, shown.figuresProblem, Tone::Bad);
    ShowNote(motion_, shown.motion, shown.motionTone);
    ShowNote(current_, shown.current, Tone::Neutral);
}

}  // namespace coppia
