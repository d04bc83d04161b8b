// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis window's second estimate of the torque: the section it needs, its figures beside
// the calculation's on "Verifica", its steps on "Come si ottiene", and the torque the verdict is
// judged on.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "models/analysis/analysis_controls.h"
#include "ui/analysis/analysis_view.h"
#include "ui/common/qt_text.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

QComboBox* AnalysisView::BuildJudgeWith() {
    judgeWith_ = new QComboBox(this);
    judgeWith_->setObjectName(QStringLiteral("GiudicaCon"));
    judgeWith_->setAccessibleName(AccessibleNameOf(AnalysisControl("GiudicaCon")));
    for (const std::string_view text : kJudgeWithTexts) judgeWith_->addItem(ToQString(text));
    judgeWith_->setToolTip(
        QStringLiteral("La coppia del calcolo, o la più alta tra il calcolo e la seconda stima "
                       "(profilo reale): margine, coppia minima e limiti la seguono"));
    connect(judgeWith_, &QComboBox::activated, this, [this](int index) {
        model_.Analisi_GiudicaCon_Change(index == 1 ? JudgeWith::Prudent : JudgeWith::Calculation);
    });
    return judgeWith_;
}

QWidget* AnalysisView::BuildSecondOpinion() {
    auto* group = new QGroupBox(ToQString(kSecondOpinionTitle), this);
    group->setObjectName(QStringLiteral("GruppoSecondaStima"));
    auto* grid = new QGridLayout(group);
    QLineEdit* thickness = AddInput(AnalysisField::SpessoreProfilo, "SpessoreProfilo");
    gap_ = new QComboBox(this);
    gap_->setObjectName(QStringLiteral("FessuraProfilo"));
    gap_->setAccessibleName(AccessibleNameOf(AnalysisControl("FessuraProfilo")));
    for (const std::string_view gap : kHingeGapNames) gap_->addItem(ToQString(gap));
    connect(gap_, &QComboBox::activated, this, [this](int index) {
        model_.Analisi_FessuraProfilo_Change(index == 1 ? HingeGap::Open : HingeGap::Sealed);
    });
    estimateReal_ = AddValue("StimaReale");
    estimateThin_ = AddValue("StimaSottile");
    estimateMargin_ = AddValue("MargineStima");
    estimateRatio_ = Note("RapportoStima", this);
    estimateSource_ = Note("FonteStima", this);
    estimateIndicative_ = Note("StimaIndicativa", this);
    estimateProblem_ = Note("ProblemaStima", this);

    grid->addWidget(Caption(CaptionOf(AnalysisControl("SpessoreProfilo")), thickness), 0, 0);
    grid->addWidget(WithUnit(thickness, new QLabel(QStringLiteral("% della corda"))), 0, 1);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("FessuraProfilo")), gap_), 1, 0);
    grid->addWidget(gap_, 1, 1, Qt::AlignLeft);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("StimaReale")), estimateReal_), 2, 0);
    grid->addWidget(WithUnit(estimateReal_, new QLabel(QStringLiteral("Kg*cm"))), 2, 1);
    grid->addWidget(estimateRatio_, 3, 1);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("StimaSottile")), estimateThin_), 4, 0);
    grid->addWidget(WithUnit(estimateThin_, new QLabel(QStringLiteral("Kg*cm"))), 4, 1);
    grid->addWidget(Caption(CaptionOf(AnalysisControl("MargineStima")), estimateMargin_), 5, 0);
    grid->addWidget(estimateMargin_, 5, 1, Qt::AlignLeft);
    grid->addWidget(estimateSource_, 6, 0, 1, 2);
    grid->addWidget(estimateIndicative_, 7, 0, 1, 2);
    grid->addWidget(estimateProblem_, 8, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget* AnalysisView::BuildEstimateSteps() {
    auto* group = new QGroupBox(
        ToQString(kSecondOpinionTitle) + QStringLiteral(": ") + ToQString(kSecondOpinionSource),
        this);
    group->setObjectName(QStringLiteral("PassiSecondaStima"));
    estimateStepsGroup_ = group;
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < kEstimateStepCount; ++i) {
        const QString name = ToQString(kEstimateStepNames[i]);
        const QByteArray control =
            "StimaPasso" + QByteArray::number(static_cast<qulonglong>(i + 1));
        estimateSteps_[i] = AddValue(control.constData(), name);
        estimateStepUnits_[i] = new QLabel(ToQString(kEstimateStepUnits[i]), group);
        const int row = static_cast<int>(i);
        grid->addWidget(Caption(QStringLiteral("%1.  %2").arg(i + 1).arg(name), estimateSteps_[i]),
                        row, 0);
        grid->addWidget(estimateSteps_[i], row, 1);
        grid->addWidget(estimateStepUnits_[i], row, 2);
    }
    grid->setColumnStretch(2, 1);
    return group;
}

void AnalysisView::FollowSecondOpinion(const AnalysisDisplay& shown) {
    const SecondOpinionTexts& texts = shown.secondOpinion;
    gap_->setCurrentIndex(model_.Profile().gap == HingeGap::Open ? 1 : 0);
    judgeWith_->setCurrentIndex(model_.JudgeChoice() == JudgeWith::Prudent ? 1 : 0);
    ShowText(estimateReal_, texts.real);
    ShowText(estimateThin_, texts.thin);
    ShowText(estimateMargin_, shown.secondOpinionMargin);
    ShowNote(estimateRatio_, texts.real.empty() ? std::string() : texts.ratio + ", " + texts.side,
             Tone::Neutral);
    ShowNote(
        estimateSource_,
        texts.real.empty() && texts.problem.empty() ? std::string() : SourceAndAssumption(texts),
        Tone::Neutral);
    ShowNote(estimateIndicative_, texts.indicative, Tone::Warning);
    ShowNote(estimateProblem_, texts.problem, Tone::Bad);
    ShowNote(otherVerdict_, shown.otherVerdict, shown.otherVerdictTone);
    ShowNote(judgedOn_, shown.judgedOn, Tone::Neutral);
    for (std::size_t i = 0; i < kEstimateStepCount; ++i) {
        const bool known = i < shown.estimateSteps.size();
        ShowText(estimateSteps_[i], known ? shown.estimateSteps[i].value : std::string());
        estimateStepUnits_[i]->setText(
            ToQString(known ? shown.estimateSteps[i].unit : std::string(kEstimateStepUnits[i])));
    }
}

}  // namespace coppia
