// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/new_surface_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "engine/number_text.h"
#include "models/model/model_controls.h"
#include "models/model/model_table.h"
#include "models/model/surface_advice.h"
#include "ui/common/decimal_key_filter.h"
#include "ui/common/qt_text.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

// Named as the window's table names the control, with its caption for the form's row.
template <typename Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setAccessibleName(AccessibleNameOf(ModelControl(name)));
    return widget;
}

QString CaptionFor(const char* name) {
    return CaptionOf(ModelControl(name));
}

// Aggiungi and Annulla, named in Italian.
QDialogButtonBox* Buttons(QDialog& dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    Named(buttons->button(QDialogButtonBox::Ok), "AggiungiNuovaSuperficie")
        ->setText(CaptionFor("AggiungiNuovaSuperficie"));
    Named(buttons->button(QDialogButtonBox::Cancel), "AnnullaNuovaSuperficie")
        ->setText(CaptionFor("AnnullaNuovaSuperficie"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return buttons;
}

// Below the fields, why Aggiungi is greyed, or what it would do to a name another surface has,
// as `advise` says of what is typed.
QLabel* Advice(QDialog& dialog, QLineEdit* name, QLineEdit* rating, QPushButton* add,
               const NewSurfaceAdvisor& advise) {
    QLabel* advice = Note("AvvisoNuovaSuperficie", &dialog);
    // Wide enough for why a rating is refused on one line; a long name's warning wraps.
    advice->setMinimumWidth(advice->fontMetrics().horizontalAdvance(ToQString(RatingProblem())));
    const auto check = [&dialog, name, rating, add, advice, &advise] {
        const NewSurfaceAdvice said =
            advise(name->text().toStdString(), rating->text().toStdString());
        add->setEnabled(said.acceptable);
        if (!said.problem.empty())
            ShowNote(advice, said.problem, Tone::Bad);
        else
            ShowNote(advice, said.warning, Tone::Warning);
        // Taller or shorter with the note's lines.
        dialog.adjustSize();
    };
    QObject::connect(name, &QLineEdit::textChanged, &dialog, check);
    QObject::connect(rating, &QLineEdit::textChanged, &dialog, check);
    check();
    return advice;
}

}  // namespace

std::optional<NewSurface> AskNewSurfaceDialog(QWidget* parent, const NewSurface& proposal,
                                              const NewSurfaceAdvisor& advise) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("NuovaSuperficie"));
    dialog.setWindowTitle(CaptionFor("NuovaSuperficie"));
    auto* name = Named(new QLineEdit(ToQString(proposal.name)), "NomeNuovaSuperficie");
    auto* kind = Named(new QComboBox, "TipoNuovaSuperficie");
    for (std::size_t k = 0; k < kSurfaceKindNames.size(); ++k)
        kind->addItem(ToQString(KindText(static_cast<SurfaceKind>(k))));
    kind->setCurrentIndex(static_cast<int>(proposal.kind));
    auto* count = Named(new QSpinBox, "ServiNuovaSuperficie");
    count->setRange(1, kMaxServoCount);
    count->setValue(proposal.servoCount);
    auto* servo = Named(new QLineEdit(ToQString(proposal.servo.name)), "NomeServoNuovo");
    auto* rating = Named(new QLineEdit, "CoppiaServoNuovo");
    rating->setPlaceholderText(ToQString(kRatingToBeGiven));
    rating->installEventFilter(new DecimalKeyFilter(rating));
    auto* unit = Named(new QComboBox, "UnitaServoNuovo");
    unit->addItems({QStringLiteral("Kg*cm"), QStringLiteral("N·cm")});
    unit->setCurrentIndex(proposal.servo.unit == RatingUnit::NewtonCm ? 1 : 0);

    QDialogButtonBox* buttons = Buttons(dialog);
    QLabel* advice = Advice(dialog, name, rating, buttons->button(QDialogButtonBox::Ok), advise);

    auto* form = new QFormLayout(&dialog);
    for (auto [caption, field] : {std::pair<const char*, QWidget*>{"NomeNuovaSuperficie", name},
                                  {"TipoNuovaSuperficie", kind},
                                  {"ServiNuovaSuperficie", count},
                                  {"NomeServoNuovo", servo},
                                  {"CoppiaServoNuovo", rating},
                                  {"UnitaServoNuovo", unit}})
        form->addRow(CaptionFor(caption), field);
    form->addRow(advice);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    NewSurface given;
    given.name = CutToCharacters(name->text().toStdString(), kMaxNameCharacters);
    given.kind = static_cast<SurfaceKind>(kind->currentIndex());
    given.servoCount = count->value();
    given.servo.name = CutToCharacters(servo->text().toStdString(), kMaxNameCharacters);
    given.servo.rating = TypedRating(rating->text().toStdString()).value_or(std::nullopt);
    given.servo.unit = unit->currentIndex() == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm;
    return given;
}

}  // namespace coppia
