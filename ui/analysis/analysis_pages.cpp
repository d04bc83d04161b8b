// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window's three pages: the verdict, the steps of the calculation, the sweep.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "models/analysis/analysis_controls.h"
#include "ui/analysis/analysis_view.h"
#include "ui/analysis/sweep_table.h"
#include "ui/common/qt_text.h"
#include "ui/kit/torque_plot.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

// The four torque fields, in the model's order.
constexpr std::array<std::string_view, 4> kTorqueNames = {"CoppiaKgcm", "CoppiaNcm", "CoppiaNm",
                                                          "CoppiaOzin"};

QLabel* Unit(const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    if (name != nullptr)
        label->setObjectName(QString::fromUtf8(name));
    return label;
}

}  // namespace

QWidget* AnalysisView::WithUnit(QWidget* field, QLabel* unit) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(unit);
    layout->addStretch();
    return row;
}

QWidget* AnalysisView::BuildVerdictPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(BuildServoInputs());
    layout->addWidget(BuildServoFigures());
    layout->addWidget(BuildVerdict());
    layout->addWidget(BuildLinkage());
    layout->addWidget(BuildTorque());
    layout->addWidget(BuildSecondOpinion());
    layout->addStretch();
    return Scrolling(page, "PaginaVerifica");
}

QWidget* AnalysisView::BuildServoInputs() {
    auto* group = new QGroupBox(CaptionOf(AnalysisControl("ServoERinvio")), this);
    group->setObjectName(QStringLiteral("ServoERinvio"));
    auto* grid = new QGridLayout(group);
    QLineEdit* rating = AddInput(AnalysisField::CoppiaServo, "CoppiaServo");
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("UnitaCoppia"));
    unit_->setAccessibleName(AccessibleNameOf(AnalysisControl("UnitaCoppia")));
    unit_->addItem(QStringLiteral("Kg*cm"));
    unit_->addItem(QStringLiteral("N·cm"));
    connect(unit_, &QComboBox::activated, this, [this](int index) {
        model_.Analisi_UnitaCoppia_Change(index == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm);
    });
    QLineEdit* factor = AddInput(AnalysisField::FattoreSicurezza, "FattoreSicurezza");
    const QString factorNoteText = CaptionOf(AnalysisControl("NotaFattore"));
    factor->setToolTip(factorNoteText.chopped(1));
    QLineEdit* servoThrow = AddInput(AnalysisField::Escursione, "Escursione");
    // A screen reader names the combo by the caption it is the buddy of, not by its value.
    auto* ratingRow = new QWidget(this);
    auto* ratingLayout = new QHBoxLayout(ratingRow);
    ratingLayout->setContentsMargins(0, 0, 0, 0);
    ratingLayout->addWidget(rating);
    ratingLayout->addWidget(Caption(CaptionOf(AnalysisControl("UnitaCoppia")), unit_));
    ratingLayout->addWidget(unit_);
    ratingLayout->addStretch();
    auto* factorNote = new QLabel(factorNoteText, this);
    factorNote->setObjectName(QStringLiteral("NotaFattore"));
    factorNote->setWordWrap(true);
    settingsProblem_ = Note("ProblemaImpostazioni", this);
    // Whose servo is judged, when a model lent it with the surface it loaded.
    servoOwner_ = Note("ServoDi", this);
    // That the rating typed here is not yet the surface's.
    loanDrift_ = Note("CoppiaDiversa", this);

    grid->addWidget(servoOwner_, 0, 0, 1, 2);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("CoppiaServo")), rating), 1, 0);
    grid->addWidget(ratingRow, 1, 1);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("FattoreSicurezza")), factor), 2, 0);
    grid->addWidget(factor, 2, 1);
    grid->addWidget(factorNote, 3, 0, 1, 2);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("Escursione")), servoThrow), 4, 0);
    grid->addWidget(WithUnit(servoThrow, Unit(QStringLiteral("°"))), 4, 1);
    QComboBox* judgeWith = BuildJudgeWith();
    grid->addWidget(Caption(CaptionOf(AnalysisControl("GiudicaCon")), judgeWith), 5, 0);
    grid->addWidget(judgeWith, 5, 1, Qt::AlignLeft);
    grid->addWidget(loanDrift_, 6, 0, 1, 2);
    grid->addWidget(settingsProblem_, 7, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* AnalysisView::BuildVerdict() {
    auto* group = new QGroupBox(CaptionOf(AnalysisControl("GruppoVerdetto")), this);
    group->setObjectName(QStringLiteral("GruppoVerdetto"));
    auto* grid = new QGridLayout(group);
    verdict_ = Note("Verdetto", this);
    QFont large = verdict_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.4);
    verdict_->setFont(large);
    verdictReason_ = Note("MotivoVerdetto", this);
    margin_ = AddValue("Margine");
    minimumRating_ = AddValue("CoppiaMinima");
    minimumRatingUnit_ = Unit(QString(), "UnitaCoppiaMinima");

    // The verdict on the other torque, when it differs, right under the verdict.
    otherVerdict_ = Note("AltroVerdetto", this);
    judgedOn_ = Note("GiudicatoSu", this);
    grid->addWidget(verdict_, 0, 0, 1, 2);
    grid->addWidget(otherVerdict_, 1, 0, 1, 2);
    grid->addWidget(verdictReason_, 2, 0, 1, 2);
    grid->addWidget(judgedOn_, 3, 0, 1, 2);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("Margine")), margin_), 4, 0);
    grid->addWidget(margin_, 4, 1, Qt::AlignLeft);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("CoppiaMinima")), minimumRating_), 5, 0);
    grid->addWidget(WithUnit(minimumRating_, minimumRatingUnit_), 5, 1);
    constexpr std::array<const char*, 2> kLimitNames = {"LimiteDeflessione", "LimiteVelocita"};
    for (std::size_t i = 0; i < limits_.size(); ++i) {
        limitCaptions_[i] = new QLabel(this);
        limits_[i] = Note(kLimitNames[i], this);
        limits_[i]->setWordWrap(true);
        const int row = 6 + static_cast<int>(i);
        grid->addWidget(limitCaptions_[i], row, 0);
        grid->addWidget(limits_[i], row, 1);
    }
    AddMotionNotes(grid, grid->rowCount());
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* AnalysisView::BuildLinkage() {
    auto* group = new QGroupBox(CaptionOf(AnalysisControl("GruppoRinvio")), this);
    group->setObjectName(QStringLiteral("GruppoRinvio"));
    auto* grid = new QGridLayout(group);
    rotation_ = AddValue("Rotazione");
    grid->addWidget(Caption(CaptionOf(AnalysisControl("Rotazione")), rotation_), 0, 0);
    grid->addWidget(WithUnit(rotation_, Unit(QStringLiteral("°"))), 0, 1);
    linkage_ = Note("NotaRinvio", this);
    grid->addWidget(linkage_, 1, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* AnalysisView::BuildTorque() {
    torqueGroup_ = new QGroupBox(QStringLiteral("Coppia al servo"), this);
    torqueGroup_->setObjectName(QStringLiteral("GruppoCoppia"));
    auto* grid = new QGridLayout(torqueGroup_);
    for (std::size_t i = 0; i < torque_.size(); ++i) {
        const QString unit = CaptionOf(AnalysisControl(kTorqueNames[i]));
        torque_[i] = AddValue(kTorqueNames[i]);
        grid->addWidget(WithUnit(torque_[i], Caption(unit, torque_[i])), static_cast<int>(i) / 2,
                        static_cast<int>(i) % 2);
    }
    return torqueGroup_;
}

QWidget* AnalysisView::BuildStepsPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        const QString name = ToQString(kAnalysisStepNames[i]);
        const QString unit = ToQString(kAnalysisStepUnits[i]);
        steps_[i] = AddValue(kAnalysisStepFields[i], unit.isEmpty() ? name : name + " in " + unit);
        const int row = static_cast<int>(i);
        grid->addWidget(Caption(QStringLiteral("%1.  %2").arg(i + 1).arg(name), steps_[i]), row, 0);
        grid->addWidget(steps_[i], row, 1);
        // No empty label: a screen reader would name it after the page. The first step's
        // label tells the range the ratio must lie in when it does not.
        if (!unit.isEmpty() || i == 0) {
            stepUnits_[i] = Unit(unit);
            grid->addWidget(stepUnits_[i], row, 2);
        }
    }
    stall_ = Note("Stallo", this);
    grid->addWidget(stall_, static_cast<int>(kAnalysisStepCount), 0, 1, 3);
    grid->addWidget(BuildEstimateSteps(), static_cast<int>(kAnalysisStepCount) + 1, 0, 1, 3);
    grid->setRowStretch(static_cast<int>(kAnalysisStepCount) + 2, 1);
    grid->setColumnStretch(2, 1);
    return Scrolling(page, "PaginaCalcolo");
}

QWidget* AnalysisView::BuildSweepPage() {
    auto* page = new QWidget(this);
    QLineEdit* speeds = AddInput(AnalysisField::AltreVelocita, "AltreVelocita");
    speeds->setAlignment(Qt::AlignLeft);
    speeds->setMaximumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("0.00 0.00 0.00 0.00 ")));
    speedsProblem_ = new StatusLine("ProblemaVelocita", page, 2);
    plot_ = new TorquePlot(page);
    plot_->setMinimumHeight(250);
    table_ = new SweepTable(page);
    table_->setMinimumHeight(150);

    auto* speedsRow = new QHBoxLayout;
    speedsRow->addWidget(Caption(CaptionOf(AnalysisControl("AltreVelocita")), speeds));
    speedsRow->addWidget(speeds);
    speedsRow->addStretch();
    // The problem has a line of its own, so that it never squeezes the plot or the field.
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(speedsRow);
    layout->addWidget(speedsProblem_);
    layout->addWidget(plot_, 3);
    layout->addWidget(table_, 2);
    return Scrolling(page, "PaginaAndamento");
}

QLineEdit* AnalysisView::AddInput(AnalysisField field, std::string_view name) {
    const QString accessibleName = AccessibleNameOf(AnalysisControl(name));
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ToQString(name));
    edit->setAccessibleName(accessibleName);
    edit->setToolTip(accessibleName);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
    edit->installEventFilter(decimalKeys_);
    inputs_[static_cast<std::size_t>(field)] = edit;
    connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
        const std::string typed = text.toStdString();
        switch (field) {
            case AnalysisField::CoppiaServo:
                return model_.Analisi_CoppiaServo_Change(typed);
            case AnalysisField::FattoreSicurezza:
                return model_.Analisi_FattoreSicurezza_Change(typed);
            case AnalysisField::Escursione:
                return model_.Analisi_Escursione_Change(typed);
            case AnalysisField::AltreVelocita:
                return model_.Analisi_AltreVelocita_Change(typed);
            case AnalysisField::SpessoreProfilo:
                return model_.Analisi_SpessoreProfilo_Change(typed);
        }
    });
    return edit;
}

QLineEdit* AnalysisView::AddValue(std::string_view name) {
    return AddValue(name, AccessibleNameOf(AnalysisControl(name)));
}

QLineEdit* AnalysisView::AddValue(std::string_view name, const QString& accessibleName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ToQString(name));
    edit->setAccessibleName(accessibleName);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000·10⁻⁰⁰")));
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.000·10⁻⁰⁰")));
    return edit;
}

}  // namespace coppia
