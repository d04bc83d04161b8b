// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_view.h"

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "models/analysis/analysis_controls.h"
#include "ui/analysis/analysis_sheet.h"
#include "ui/analysis/sweep_table.h"
#include "ui/common/decimal_key_filter.h"
#include "ui/common/qt_text.h"
#include "ui/common/tab_scroll_names.h"
#include "ui/common/window_menu.h"
#include "ui/kit/torque_plot.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

AnalysisView::AnalysisView(AnalysisWindow& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      decimalKeys_(new DecimalKeyFilter(this)),
      exports_(
          {this, [] { return ToQString(kAnalysisTitle); },
           [&model](CsvFormat format) { return model.CsvText(format); },
           [&model](QPagedPaintDevice& device) {
               PaintSheet(device, model, QDateTime::currentDateTime());
           },
           [&model] { return model.ExportFolder(); },
           [] { return QStringLiteral("coppia-") + QDate::currentDate().toString(Qt::ISODate); },
           [&model](std::string_view what, const std::string& path, const std::string& reason) {
               model.Analisi_File_Written(what, path, reason);
           }}) {
    setObjectName(QStringLiteral("Analisi"));
    setWindowTitle(ToQString(kAnalysisTitle));
    UseSansFace(this);
    setAttribute(Qt::WA_DeleteOnClose, false);  // closing hides it; it opens again as it was

    freshness_ = new StatusLine("Aggiornamento", this);
    refusal_ = new StatusLine("Rifiuto", this, 2);
    QFont bold = refusal_->font();
    bold.setBold(true);
    refusal_->setFont(bold);
    refusal_->setFixedHeight(QFontMetrics(bold).lineSpacing() * 2 + 2);

    BuildPages();

    status_ = new StatusLine("StatoFile", this);
    const std::vector<QPushButton*> actions = BuildButtons();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : actions) buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    // Its one menu leads to the other windows.
    auto* menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("Menu"));
    menus->setAccessibleName(AccessibleNameOf(AnalysisControl("Menu")));
    AddWindowMenu(menus);
    layout->setMenuBar(menus);
    layout->addWidget(freshness_);
    layout->addWidget(refusal_);
    layout->addWidget(pages_, 1);
    layout->addWidget(status_);
    layout->addLayout(buttons);

    CloseOnEscape(this);
    SetFocusOrder(actions);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    model_.SetObserver([this] { Follow(); });
    Follow();
}

void AnalysisView::BuildPages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Pagine"));
    pages_->setAccessibleName(AccessibleNameOf(AnalysisControl("Pagine")));
    pages_->addTab(BuildVerdictPage(), CaptionOf(AnalysisControl("PaginaVerifica")));
    pages_->addTab(BuildStepsPage(), CaptionOf(AnalysisControl("PaginaCalcolo")));
    pages_->addTab(BuildSweepPage(), CaptionOf(AnalysisControl("PaginaAndamento")));
    // Where the tabs do not fit, the arrow keys already switch pages: their scroll buttons
    // would only be two more stops of Tab.
    for (QToolButton* scroll : pages_->tabBar()->findChildren<QToolButton*>()) {
        scroll->setFocusPolicy(Qt::NoFocus);
    }
    NameTabScrollButtons(pages_->tabBar());
}

// The buttons along the bottom, in their order of Tab.
std::vector<QPushButton*> AnalysisView::BuildButtons() {
    QPushButton* copy = AddButton("Copia");
    copy->setToolTip(
        QStringLiteral("Copia dati, coppia, rinvio e verdetto negli appunti "
                       "(Ctrl+C quando nulla è selezionato)"));
    connect(copy, &QPushButton::clicked, this, [this] { model_.Analisi_Copia_Click(); });
    QPushButton* csv = AddButton("EsportaCsv");
    connect(csv, &QPushButton::clicked, this, [this] { exports_.ChooseAndWriteCsv(); });
    QPushButton* print = AddButton("Stampa");
    connect(print, &QPushButton::clicked, this, [this] { exports_.Print(); });
    QPushButton* pdf = AddButton("EsportaPdf");
    connect(pdf, &QPushButton::clicked, this, [this] { exports_.ChooseAndWritePdf(); });
    return {copy, csv, print, pdf};
}

void AnalysisView::SetFocusOrder(const std::vector<QPushButton*>& buttons) {
    // The pages, then what the user types, then the results, then the buttons. Qt passes over
    // the fields of the pages not shown.
    const auto input = [this](AnalysisField field) -> QWidget* {
        return inputs_[static_cast<std::size_t>(field)];
    };
    std::vector<QWidget*> order{pages_->tabBar(),
                                input(AnalysisField::CoppiaServo),
                                unit_,
                                input(AnalysisField::FattoreSicurezza),
                                input(AnalysisField::Escursione),
                                judgeWith_};
    // The servo's data sheet after its settings, as the page shows them.
    order.insert(order.end(), figures_.begin(), figures_.end());
    order.insert(order.end(),
                 {input(AnalysisField::AltreVelocita), input(AnalysisField::SpessoreProfilo), gap_,
                  margin_, minimumRating_, rotation_});
    order.insert(order.end(), torque_.begin(), torque_.end());
    order.insert(order.end(), {estimateReal_, estimateThin_, estimateMargin_});
    order.insert(order.end(), steps_.begin(), steps_.end());
    order.insert(order.end(), estimateSteps_.begin(), estimateSteps_.end());
    order.push_back(table_);
    order.insert(order.end(), buttons.begin(), buttons.end());
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    pages_->tabBar()->setFocus();
}

QPushButton* AnalysisView::AddButton(std::string_view name) {
    const ControlText& control = AnalysisControl(name);
    auto* button = new QPushButton(CaptionOf(control), this);
    button->setObjectName(ToQString(name));
    button->setAccessibleName(AccessibleNameOf(control));
    return button;
}

bool AnalysisView::ExportCsv(const QString& path, bool international) {
    return exports_.Csv(path, international ? CsvFormat::International : CsvFormat::Italian);
}

bool AnalysisView::ExportPdf(const QString& path) {
    return exports_.Pdf(path);
}

bool AnalysisView::PrintToFile(const QString& path) {
    return exports_.PrintToFile(path);
}

void AnalysisView::Follow() {
    const AnalysisDisplay& shown = model_.Display();
    freshness_->Show(shown.freshness, shown.freshnessTone);
    refusal_->Show(shown.refusal, Tone::Bad);
    refusal_->setHidden(shown.refusal.empty());
    const std::array<const std::string*, 4> torque = {&shown.torqueKgfCm, &shown.torqueNewtonCm,
                                                      &shown.torqueNewtonM, &shown.torqueOzfIn};
    for (std::size_t i = 0; i < torque_.size(); ++i) ShowText(torque_[i], *torque[i]);
    torqueGroup_->setTitle(ToQString(shown.torqueHeading));
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        ShowText(steps_[i], shown.steps[i].value);
        if (stepUnits_[i] != nullptr) {
            stepUnits_[i]->setText(ToQString(shown.steps[i].unit));
            stepUnits_[i]->setHidden(shown.steps[i].unit.empty());
        }
    }
    ShowNote(stall_, shown.stall, shown.stallTone);
    for (std::size_t field = 0; field < kAnalysisFieldCount; ++field)
        ShowText(inputs_[field], model_.Text(static_cast<AnalysisField>(field)));
    unit_->setCurrentIndex(model_.Unit() == RatingUnit::NewtonCm ? 1 : 0);
    ShowText(rotation_, shown.rotation);
    ShowNote(linkage_, shown.linkage, shown.linkageTone);
    ShowNote(servoOwner_, shown.servoOwner, Tone::Neutral);
    ShowNote(loanDrift_, shown.loanDrift, Tone::Warning);
    ShowNote(verdict_, shown.verdict, shown.verdictTone);
    ShowNote(verdictReason_, shown.verdictReason, shown.verdictTone);
    ShowText(margin_, shown.margin);
    ShowText(minimumRating_, shown.minimumRating);
    minimumRatingUnit_->setText(ToQString(shown.ratingUnit));
    for (std::size_t i = 0; i < limits_.size(); ++i) {
        const bool known = i < shown.limits.size();
        limitCaptions_[i]->setText(known ? ToQString(shown.limits[i].caption) : QString());
        limits_[i]->setText(known ? ToQString(shown.limits[i].value) : QString());
        limitCaptions_[i]->setHidden(!known);
        limits_[i]->setHidden(!known);
    }
    ShowNote(settingsProblem_, shown.settingsProblem, Tone::Bad);
    speedsProblem_->Show(shown.speedsProblem, Tone::Bad);
    plot_->Show(shown.plot);
    table_->Show(shown.sweepHeadings, shown.sweepRows);
    status_->Show(shown.status, shown.statusTone);
    FollowSecondOpinion(shown);
    FollowFigures(shown);
}

bool AnalysisView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        return QWidget::eventFilter(watched, event);
    }
    if (watched == table_ || watched == table_->viewport()) {
        model_.Analisi_Tabella_Copy(table_->SelectedCells());
        return true;
    }
    const auto* edit = qobject_cast<QLineEdit*>(watched);
    const auto* label = qobject_cast<QLabel*>(watched);
    if ((edit != nullptr && edit->hasSelectedText()) ||
        (label != nullptr && label->hasSelectedText())) {
        return QWidget::eventFilter(watched, event);
    }
    model_.Analisi_Copia_Click();
    return true;
}

}  // namespace coppia
