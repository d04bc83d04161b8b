// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's page of the current surface: its name, kind, servos and servo, which the
// page edits, and the inputs from the main window, which it only shows.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "models/model/model_controls.h"
#include "ui/common/qt_text.h"
#include "ui/kit/window_widgets.h"
#include "ui/model/model_view.h"

namespace coppia {

QWidget* ModelView::BuildDetailsPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    detailsHeading_ = Note("TitoloSuperficie", this);
    QFont bold = detailsHeading_->font();
    bold.setBold(true);
    detailsHeading_->setFont(bold);
    layout->addWidget(detailsHeading_);

    detailsFields_ = new QWidget(page);
    auto* grid = new QGridLayout(detailsFields_);
    grid->setContentsMargins(0, 0, 0, 0);
    BuildSurfaceFields();
    BuildServoFields();
    PlaceDetailsFields(grid);
    BuildProfileFields(grid, 5);
    layout->addWidget(detailsFields_);
    kindNote_ = Note("NotaTipo", this);
    detailsProblem_ = Note("ProblemaSuperficie", this);
    profileNote_ = Note("NotaProfilo", this);
    layout->addWidget(kindNote_);
    layout->addWidget(profileNote_);
    // The servo's data sheet after what is said of the section, which it leaves beside its fields.
    layout->addWidget(BuildFigureFields());
    layout->addWidget(detailsProblem_);

    layout->addWidget(BuildShownInputs(page));
    layout->addStretch();
    return page;
}

void ModelView::BuildSurfaceFields() {
    name_ = AddField("NomeSuperficie");
    connect(name_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("TipoSuperficie"));
    kind_->setAccessibleName(AccessibleNameOf(ModelControl("TipoSuperficie")));
    for (std::size_t k = 0; k < kSurfaceKindNames.size(); ++k)
        kind_->addItem(ToQString(KindText(static_cast<SurfaceKind>(k))));
    connect(kind_, &QComboBox::activated, this, [this](int index) {
        Commit();
        model_.Modello_TipoSuperficie_Change(static_cast<SurfaceKind>(index));
    });
    servoCount_ = new QSpinBox(this);
    servoCount_->setObjectName(QStringLiteral("NumeroServi"));
    servoCount_->setAccessibleName(AccessibleNameOf(ModelControl("NumeroServi")));
    servoCount_->setRange(1, kMaxServoCount);
    servoCount_->setKeyboardTracking(false);
    connect(servoCount_, &QSpinBox::valueChanged, this,
            [this](int count) { model_.Modello_NumeroServi_Change(count); });
    servoNote_ = Note("NotaServi", this);
}

void ModelView::BuildServoFields() {
    servoName_ = AddField("NomeServo");
    connect(servoName_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    rating_ = AddField("CoppiaServo");
    rating_->setAlignment(Qt::AlignRight);
    rating_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
    rating_->installEventFilter(decimalKeys_);
    connect(rating_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("UnitaServo"));
    unit_->setAccessibleName(AccessibleNameOf(ModelControl("UnitaServo")));
    unit_->addItem(QStringLiteral("Kg*cm"));
    unit_->addItem(QStringLiteral("N·cm"));
    connect(unit_, &QComboBox::activated, this, [this](int index) {
        Commit();
        model_.Modello_UnitaServo_Change(index == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm);
    });
}

void ModelView::PlaceDetailsFields(QGridLayout* grid) {
    auto* ratingRow = new QHBoxLayout;
    ratingRow->addWidget(rating_);
    ratingRow->addWidget(unit_);
    ratingRow->addStretch();
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(servoCount_, 0, Qt::AlignLeft);
    countRow->addWidget(servoNote_, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("NomeSuperficie")), name_), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("TipoSuperficie")), kind_), 1, 0);
    grid->addWidget(kind_, 1, 1, Qt::AlignLeft);
    servoCount_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    grid->addWidget(Caption(CaptionOf(ModelControl("NumeroServi")), servoCount_), 2, 0);
    grid->addLayout(countRow, 2, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("NomeServo")), servoName_), 3, 0);
    grid->addWidget(servoName_, 3, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("CoppiaServo")), rating_), 4, 0);
    grid->addLayout(ratingRow, 4, 1);
    grid->setColumnStretch(1, 1);
}

void ModelView::BuildProfileFields(QGridLayout* grid, int row) {
    thickness_ = AddField("SpessoreProfilo");
    thickness_->setAlignment(Qt::AlignRight);
    thickness_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
    thickness_->installEventFilter(decimalKeys_);
    connect(thickness_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    gap_ = new QComboBox(this);
    gap_->setObjectName(QStringLiteral("FessuraProfilo"));
    gap_->setAccessibleName(AccessibleNameOf(ModelControl("FessuraProfilo")));
    for (const std::string_view gap : kHingeGapNames) gap_->addItem(ToQString(gap));
    connect(gap_, &QComboBox::activated, this, [this](int index) {
        Commit();
        model_.Modello_FessuraProfilo_Change(index == 1 ? HingeGap::Open : HingeGap::Sealed);
    });
    auto* thicknessRow = new QHBoxLayout;
    thicknessRow->addWidget(thickness_);
    thicknessRow->addWidget(new QLabel(QStringLiteral("% della corda")));
    thicknessRow->addStretch();
    grid->addWidget(Caption(CaptionOf(ModelControl("SpessoreProfilo")), thickness_), row, 0);
    grid->addLayout(thicknessRow, row, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("FessuraProfilo")), gap_), row + 1, 0);
    grid->addWidget(gap_, row + 1, 1, Qt::AlignLeft);
}

QWidget* ModelView::BuildShownInputs(QWidget* page) {
    auto* inputs = new QGroupBox(CaptionOf(ModelControl("DatiSuperficie")), page);
    inputs->setObjectName(QStringLiteral("DatiSuperficie"));
    auto* inputGrid = new QGridLayout(inputs);
    const std::vector<InputLine> lines = SurfaceInputLines(Surface{});
    for (std::size_t i = 0; i < kShownInputs; ++i) {
        auto* label = new QLabel(ToQString(lines[kFirstShownInput + i].label), inputs);
        QLabel* value = Note("Dato", this);
        value->setObjectName(QStringLiteral("Dato%1").arg(i + 1));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        inputGrid->addWidget(label, static_cast<int>(i), 0);
        inputGrid->addWidget(value, static_cast<int>(i), 1);
        inputs_.emplace_back(label, value);
    }
    inputGrid->setColumnStretch(2, 1);
    return inputs;
}

QLineEdit* ModelView::AddField(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setAccessibleName(AccessibleNameOf(ModelControl(name)));
    return edit;
}

}  // namespace coppia
