// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's servos in motion: the servo's data sheet on the page of the surface, the
// model's supply on the page of the model, and the supply's verdict below the table.
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "models/model/model_controls.h"
#include "models/shared/servo_motion_text.h"
#include "ui/common/qt_text.h"
#include "ui/kit/window_widgets.h"
#include "ui/model/model_view.h"

namespace coppia {

namespace {

// In kServoFigureKeys' order, as the model window's table names them.
constexpr std::array<const char*, 4> kFigureFields = {"TensioneServo", "Tempo60Servo",
                                                      "CorrenteVuotoServo", "CorrenteStalloServo"};

// A field with its unit right after it.
QWidget* WithUnit(QWidget* parent, QLineEdit* field, const QString& unit) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addWidget(new QLabel(unit, row));
    layout->addStretch();
    return row;
}

}  // namespace

QLineEdit* ModelView::AddFigureField(const char* name) {
    QLineEdit* edit = AddField(name);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
    edit->installEventFilter(decimalKeys_);
    connect(edit, &QLineEdit::editingFinished, this, [this] { Commit(); });
    return edit;
}

QWidget* ModelView::BuildFigureFields() {
    auto* group = new QGroupBox(ToQString(kServoFiguresTitle), this);
    group->setObjectName(QStringLiteral("DatiServo"));
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < kFigureFields.size(); ++i) {
        const ControlText& field = ModelControl(kFigureFields[i]);
        figures_[i] = AddFigureField(kFigureFields[i]);
        const int row = static_cast<int>(i) / 2;
        const int column = static_cast<int>(i) % 2 * 2;
        grid->addWidget(Caption(CaptionOf(field), figures_[i]), row, column);
        grid->addWidget(WithUnit(group, figures_[i], ToQString(kServoFigureKeys[i].unit)), row,
                        column + 1);
    }
    grid->setColumnStretch(3, 1);
    return group;
}

QWidget* ModelView::BuildSupplyFields() {
    auto* group = new QGroupBox(CaptionOf(ModelControl("Alimentazione")), this);
    group->setObjectName(QStringLiteral("Alimentazione"));
    auto* grid = new QGridLayout(group);
    supplyName_ = AddField("NomeAlimentazione");
    supplyName_->setPlaceholderText(ToQString(kSupplyNameExample));
    connect(supplyName_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    supplyContinuous_ = AddFigureField("CorrenteContinua");
    supplyPeak_ = AddFigureField("CorrentePicco");
    supplyProblem_ = Note("ProblemaAlimentazione", this);
    const QString unit = ToQString(kSupplyCurrentUnit);
    grid->addWidget(Caption(CaptionOf(ModelControl("NomeAlimentazione")), supplyName_), 0, 0);
    grid->addWidget(supplyName_, 0, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("CorrenteContinua")), supplyContinuous_), 1, 0);
    grid->addWidget(WithUnit(group, supplyContinuous_, unit), 1, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("CorrentePicco")), supplyPeak_), 2, 0);
    grid->addWidget(WithUnit(group, supplyPeak_, unit), 2, 1);
    grid->addWidget(supplyProblem_, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

void ModelView::AddSupplyTotals(QVBoxLayout* layout) {
    supplyVerdict_ = Note("VerdettoAlimentazione", this);
    supplyCurrents_ = Note("CorrentiModello", this);
    supplyRule_ = Note("RegolaAlimentazione", this);
    for (QLabel* label : {supplyVerdict_, supplyCurrents_, supplyRule_}) layout->addWidget(label);
}

void ModelView::CommitFiguresAndSupply() {
    const std::array<void (ModelWindow::*)(std::string_view), 4> figureEvents = {
        &ModelWindow::Modello_TensioneServo_Change, &ModelWindow::Modello_Tempo60Servo_Change,
        &ModelWindow::Modello_CorrenteVuotoServo_Change,
        &ModelWindow::Modello_CorrenteStalloServo_Change};
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        if (figures_[i]->isModified()) {
            figures_[i]->setModified(false);
            (model_.*figureEvents[i])(figures_[i]->text().toStdString());
        }
    }
    const std::array<std::pair<QLineEdit*, void (ModelWindow::*)(std::string_view)>, 3> supply = {
        {{supplyName_, &ModelWindow::Modello_NomeAlimentazione_Change},
         {supplyContinuous_, &ModelWindow::Modello_CorrenteContinua_Change},
         {supplyPeak_, &ModelWindow::Modello_CorrentePicco_Change}}};
    for (const auto& [edit, event] : supply) {
        if (edit->isModified()) {
            edit->setModified(false);
            (model_.*event)(edit->text().toStdString());
        }
    }
}

}  // namespace coppia
