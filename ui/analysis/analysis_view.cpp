// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/analysis/analysis_view.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/analysis/analysis_exports.h"
#include "ui/analysis/analysis_widgets.h"
#include "ui/analysis/sweep_table.h"
#include "ui/analysis/torque_plot.h"
#include "ui/common/decimal_key_filter.h"
#include "ui/common/qt_text.h"

namespace coppia {

namespace {

// The four torque fields and the nine steps' value fields, in the model's order.
constexpr std::array<const char*, 4> kTorqueNames = {"CoppiaKgcm", "CoppiaNcm", "CoppiaNm",
                                                     "CoppiaOzin"};
constexpr std::array<const char*, 4> kTorqueUnits = {"Kg*cm", "N·cm", "N·m", "oz·in"};
constexpr std::array<const char*, kAnalysisStepCount> kStepFieldNames = {
    "RapportoCorde",  "VelocitaMs",     "Cp",
    "FattoreAngolo",  "AngoloEfficace", "CoeffCerniera",
    "CoppiaCerniera", "RapportoBracci", "CoppiaAlServo"};

}  // namespace

AnalysisView::AnalysisView(AnalysisWindow& model, QWidget* parent)
    : QWidget(parent), model_(model), decimalKeys_(new DecimalKeyFilter(this)) {
    setObjectName(QStringLiteral("Analisi"));
    setWindowTitle(ToQString(kAnalysisTitle));
    // The desktop's own face, unless a bare system resolves it to a fixed-pitch one: then the
    // sans face the package depends on.
    if (QFontInfo(font()).fixedPitch()) {
        QFont sans = font();
        sans.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
        sans.setStyleHint(QFont::SansSerif);
        setFont(sans);
    }
    setAttribute(Qt::WA_DeleteOnClose, false);  // closing hides it; it opens again as it was

    freshness_ = AddNote("Aggiornamento");
    refusal_ = AddNote("Rifiuto");
    QFont bold = refusal_->font();
    bold.setBold(true);
    refusal_->setFont(bold);

    QPushButton* copy = AddButton("Copia", QStringLiteral("&Copia riepilogo"),
                                  QStringLiteral("Copia il riepilogo negli appunti"));
    copy->setToolTip(
        QStringLiteral("Copia dati, coppia, rinvio e verdetto negli appunti "
                       "(Ctrl+C quando nulla è selezionato)"));
    connect(copy, &QPushButton::clicked, this, [this] { model_.Analisi_Copia_Click(); });
    QPushButton* csv = AddButton("EsportaCsv", QStringLiteral("Esporta C&SV…"),
                                 QStringLiteral("Esporta la tabella in un file CSV"));
    connect(csv, &QPushButton::clicked, this, &AnalysisView::ChooseAndExportCsv);
    QPushButton* print = AddButton("Stampa", QStringLiteral("S&tampa…"),
                                   QStringLiteral("Stampa il foglio dell'analisi"));
    connect(print, &QPushButton::clicked, this, &AnalysisView::Print);
    QPushButton* pdf = AddButton("EsportaPdf", QStringLiteral("Esporta P&DF…"),
                                 QStringLiteral("Esporta il foglio dell'analisi in un file PDF"));
    connect(pdf, &QPushButton::clicked, this, &AnalysisView::ChooseAndExportPdf);
    fileStatus_ = AddNote("StatoFile");

    auto* numbers = new QVBoxLayout;
    numbers->addWidget(BuildTorque());
    numbers->addWidget(BuildSteps());
    numbers->addStretch();
    auto* check = new QVBoxLayout;
    check->addWidget(BuildLinkage());
    check->addWidget(BuildServoCheck());
    check->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(numbers);
    columns->addLayout(check);
    auto* figures = new QWidget(this);
    figures->setLayout(columns);

    // Two pages, so that the window fits a small screen: the figures, and the sweep.
    auto* pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("Pagine"));
    pages->setAccessibleName(QStringLiteral("Pagine dell'analisi"));
    pages->addTab(figures, QStringLiteral("&Verifica"));
    pages->addTab(BuildSweep(), QStringLiteral("&Andamento con la deflessione"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fileStatus_, 1);
    for (QPushButton* button : {copy, csv, print, pdf}) buttons->addWidget(button);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(freshness_);
    layout->addWidget(refusal_);
    layout->addWidget(pages);
    layout->addLayout(buttons);

    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    model_.SetObserver([this] { Follow(); });
    Follow();
}

QWidget* AnalysisView::BuildTorque() {
    auto* group = new QGroupBox(QStringLiteral("Coppia al servo"), this);
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < torque_.size(); ++i) {
        const QString unit = QString::fromUtf8(kTorqueUnits[i]);
        torque_[i] = AddValue(kTorqueNames[i], QStringLiteral("Coppia al servo in %1").arg(unit));
        const int row = static_cast<int>(i) / 2;
        const int column = static_cast<int>(i) % 2 * 2;
        grid->addWidget(torque_[i], row, column);
        grid->addWidget(Caption(unit, torque_[i]), row, column + 1);
    }
    return group;
}

QWidget* AnalysisView::BuildSteps() {
    auto* group = new QGroupBox(QStringLiteral("Come si ottiene"), this);
    auto* grid = new QGridLayout(group);
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) {
        const QString name = ToQString(kAnalysisStepNames[i]);
        const QString unit = ToQString(kAnalysisStepUnits[i]);
        steps_[i] = AddValue(kStepFieldNames[i], unit.isEmpty() ? name : name + " in " + unit);
        const int row = static_cast<int>(i);
        grid->addWidget(Caption(QStringLiteral("%1.  %2").arg(i + 1).arg(name), steps_[i]), row, 0);
        grid->addWidget(steps_[i], row, 1);
        grid->addWidget(new QLabel(unit), row, 2);
    }
    stall_ = AddNote("Stallo");
    grid->addWidget(stall_, static_cast<int>(kAnalysisStepCount), 0, 1, 3);
    return group;
}

QWidget* AnalysisView::BuildLinkage() {
    auto* group = new QGroupBox(QStringLiteral("Rinvio"), this);
    auto* grid = new QGridLayout(group);
    QLineEdit* servoThrow = AddInput(AnalysisField::Escursione, "Escursione",
                                     QStringLiteral("Escursione del servo per lato, in gradi"));
    rotation_ = AddValue("Rotazione", QStringLiteral("Rotazione del braccio del servo, in gradi"));
    grid->addWidget(Caption(QStringLiteral("&Escursione del servo per lato"), servoThrow), 0, 0);
    grid->addWidget(servoThrow, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("°")), 0, 2);
    grid->addWidget(Caption(QStringLiteral("Rotazione del braccio del servo"), rotation_), 1, 0);
    grid->addWidget(rotation_, 1, 1);
    linkage_ = AddNote("NotaRinvio");
    grid->addWidget(linkage_, 2, 0, 1, 3);
    return group;
}

QWidget* AnalysisView::BuildServoCheck() {
    auto* group = new QGroupBox(QStringLiteral("Verifica del servo"), this);
    auto* grid = new QGridLayout(group);
    QLineEdit* rating = AddInput(AnalysisField::CoppiaServo, "CoppiaServo",
                                 QStringLiteral("Coppia dichiarata del servo"));
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("UnitaCoppia"));
    unit_->setAccessibleName(QStringLiteral("Unità della coppia del servo"));
    unit_->addItem(QStringLiteral("Kg*cm"));
    unit_->addItem(QStringLiteral("N·cm"));
    connect(unit_, &QComboBox::activated, this, [this](int index) {
        model_.Analisi_UnitaCoppia_Change(index == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm);
    });
    QLineEdit* factor = AddInput(AnalysisField::FattoreSicurezza, "FattoreSicurezza",
                                 QStringLiteral("Fattore di sicurezza"));
    auto* factorNote = new QLabel(
        QStringLiteral("Copre raffiche, picchiate, giochi del rinvio e batteria scarica."), this);
    factorNote->setObjectName(QStringLiteral("NotaFattore"));
    factorNote->setWordWrap(true);
    margin_ = AddValue("Margine", QStringLiteral("Margine: coppia del servo su coppia necessaria"));
    minimumRating_ = AddValue("CoppiaMinima", QStringLiteral("Coppia minima del servo da usare"));
    minimumRating_->setMinimumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("00000.00 N·cm")));
    verdict_ = AddNote("Verdetto");
    QFont large = verdict_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    verdict_->setFont(large);
    settingsProblem_ = AddNote("ProblemaImpostazioni");

    grid->addWidget(Caption(QStringLiteral("Co&ppia del servo"), rating), 0, 0);
    grid->addWidget(rating, 0, 1);
    grid->addWidget(unit_, 0, 2);
    grid->addWidget(Caption(QStringLiteral("&Fattore di sicurezza"), factor), 1, 0);
    grid->addWidget(factor, 1, 1);
    grid->addWidget(factorNote, 2, 0, 1, 3);
    grid->addWidget(Caption(QStringLiteral("Margine"), margin_), 3, 0);
    grid->addWidget(margin_, 3, 1);
    grid->addWidget(Caption(QStringLiteral("Coppia minima da usare"), minimumRating_), 4, 0);
    grid->addWidget(minimumRating_, 4, 1, 1, 2);
    grid->addWidget(verdict_, 5, 0, 1, 3);
    grid->addWidget(settingsProblem_, 6, 0, 1, 3);
    return group;
}

QWidget* AnalysisView::BuildSweep() {
    auto* page = new QWidget(this);
    QLineEdit* speeds = AddInput(AnalysisField::AltreVelocita, "AltreVelocita",
                                 QStringLiteral("Altre velocità, in multipli della velocità del "
                                                "modello, separate da spazi"));
    speeds->setAlignment(Qt::AlignLeft);
    speeds->setMaximumWidth(
        fontMetrics().horizontalAdvance(QStringLiteral("0.00 0.00 0.00 0.00 ")));
    speedsProblem_ = AddNote("ProblemaVelocita");
    plot_ = new TorquePlot(page);
    plot_->setMinimumHeight(280);
    table_ = new SweepTable(page);
    table_->setMinimumHeight(200);

    auto* speedsRow = new QHBoxLayout;
    speedsRow->addWidget(
        Caption(QStringLiteral("Altre &velocità (× velocità del modello)"), speeds));
    speedsRow->addWidget(speeds);
    speedsRow->addWidget(speedsProblem_);
    speedsRow->addStretch();
    // The table beneath the plot, both as wide as the window.
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(speedsRow);
    layout->addWidget(plot_, 3);
    layout->addWidget(table_, 2);
    return page;
}

QPushButton* AnalysisView::AddButton(const char* name, const QString& text,
                                     const QString& accessibleName) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(QString::fromUtf8(name));
    button->setAccessibleName(accessibleName);
    return button;
}

void AnalysisView::ChooseAndExportCsv() {
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Esporta CSV"), QStringLiteral("coppia.csv"),
        QStringLiteral("Testo separato da virgole (*.csv)"));
    if (!path.isEmpty())
        ExportCsv(path);
}

void AnalysisView::ChooseAndExportPdf() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Esporta PDF"),
                                                      QStringLiteral("coppia.pdf"),
                                                      QStringLiteral("Documento PDF (*.pdf)"));
    if (!path.isEmpty())
        ExportPdf(path);
}

bool AnalysisView::ExportCsv(const QString& path) {
    const QString reason = WriteSweepCsv(model_, path);
    TellSaved(QStringLiteral("CSV"), path, reason);
    return reason.isEmpty();
}

bool AnalysisView::ExportPdf(const QString& path) {
    const QString reason = WriteSheetPdf(model_, path);
    TellSaved(QStringLiteral("PDF"), path, reason);
    return reason.isEmpty();
}

bool AnalysisView::PrintToFile(const QString& path) {
    const QString reason = PrintSheetToFile(model_, path);
    TellSaved(QStringLiteral("PDF"), path, reason);
    return reason.isEmpty();
}

void AnalysisView::Print() {
    if (const std::optional<PrintedFile> printed = PrintSheet(model_, this))
        TellSaved(QStringLiteral("PDF"), printed->path, printed->reason);
}

void AnalysisView::TellSaved(const QString& what, const QString& path, const QString& reason) {
    if (reason.isEmpty()) {
        fileStatus_->setText(QStringLiteral("%1 salvato in %2").arg(what, path));
        SetTone(fileStatus_, Tone::Good);
    } else {
        fileStatus_->setText(QStringLiteral("%1 non salvato in %2: %3!!").arg(what, path, reason));
        SetTone(fileStatus_, Tone::Bad);
    }
    fileStatus_->show();
}

QLineEdit* AnalysisView::AddInput(AnalysisField field, const char* name,
                                  const QString& accessibleName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromUtf8(name));
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
        }
    });
    return edit;
}

QLineEdit* AnalysisView::AddValue(const char* name, const QString& accessibleName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setAccessibleName(accessibleName);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000.000E-00")));
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.000E-00")));
    return edit;
}

QLabel* AnalysisView::AddNote(const char* name) {
    auto* label = new QLabel(this);
    label->setObjectName(QString::fromUtf8(name));
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void AnalysisView::Follow() {
    const AnalysisDisplay& shown = model_.Display();
    ShowNote(freshness_, shown.freshness, shown.freshnessTone);
    ShowNote(refusal_, shown.refusal, Tone::Bad);
    const std::array<const std::string*, 4> torque = {&shown.torqueKgfCm, &shown.torqueNewtonCm,
                                                      &shown.torqueNewtonM, &shown.torqueOzfIn};
    for (std::size_t i = 0; i < torque_.size(); ++i) ShowText(torque_[i], *torque[i]);
    for (std::size_t i = 0; i < kAnalysisStepCount; ++i) ShowText(steps_[i], shown.steps[i].value);
    ShowNote(stall_, shown.stall, shown.stallTone);
    for (AnalysisField field : {AnalysisField::CoppiaServo, AnalysisField::FattoreSicurezza,
                                AnalysisField::Escursione, AnalysisField::AltreVelocita}) {
        ShowText(inputs_[static_cast<std::size_t>(field)], model_.Text(field));
    }
    unit_->setCurrentIndex(model_.Unit() == RatingUnit::NewtonCm ? 1 : 0);
    ShowText(rotation_, shown.rotation);
    ShowNote(linkage_, shown.linkage, shown.linkageTone);
    ShowText(margin_, shown.margin);
    ShowText(minimumRating_, shown.minimumRating);
    ShowNote(verdict_, shown.verdict, shown.verdictTone);
    ShowNote(settingsProblem_, shown.settingsProblem, Tone::Bad);
    ShowNote(speedsProblem_, shown.speedsProblem, Tone::Bad);
    plot_->Show(shown.plot);
    table_->Show(shown.sweepHeadings, shown.sweepRows);
}

bool AnalysisView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        return QWidget::eventFilter(watched, event);
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
