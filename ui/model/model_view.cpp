// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/model/model_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/common/decimal_key_filter.h"
#include "ui/common/qt_text.h"
#include "ui/kit/torque_plot.h"
#include "ui/kit/window_widgets.h"
#include "ui/model/model_sheet.h"
#include "ui/model/model_table.h"

namespace coppia {

namespace {

// Replaces the text unless the user is typing a new one there.
void ShowTyped(QLineEdit* edit, const std::string& text) {
    if (!(edit->hasFocus() && edit->isModified()))
        ShowText(edit, text);
}

}  // namespace

ModelView::ModelView(ModelWindow& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      decimalKeys_(new DecimalKeyFilter(this)),
      exports_(
          {this, [&model] { return ToQString(model.Display().title).remove("[*]"); },
           [&model](CsvFormat format) { return model.CsvText(format); },
           [&model](QPagedPaintDevice& device) {
               PaintModelSheet(device, model, QDateTime::currentDateTime());
           },
           [&model] { return model.ExportFolder(); },
           [&model] { return ToQString(model.ExportName()); },
           [&model](std::string_view what, const std::string& path, const std::string& reason) {
               model.Modello_File_Written(what, path, reason);
           }}) {
    setObjectName(QStringLiteral("Modello"));
    UseSansFace(this);
    setAttribute(Qt::WA_DeleteOnClose, false);  // closing hides it; it opens again as it was

    auto* menus = new QMenuBar(this);
    menus->setObjectName(QStringLiteral("Menu"));
    BuildMenus(menus);
    QWidget* surfaceButtons = BuildSurfaceButtons();

    table_ = new ModelTable(this);
    table_->setMinimumHeight(fontMetrics().height() * 6);
    connect(table_, &ModelTable::Selected, this,
            [this](std::vector<std::size_t> rows, std::optional<std::size_t> current) {
                Commit();
                model_.Modello_Tabella_Select(std::move(rows), current);
            });
    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(table_, 1);
    upperLayout->addWidget(BuildTotals());

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Pagine"));
    pages_->setAccessibleName(
        QStringLiteral("Pagine della superficie, del confronto e del modello"));
    pages_->addTab(Scrolling(BuildDetailsPage(), "PaginaSuperficie"),
                   QStringLiteral("S&uperficie"));
    pages_->addTab(Scrolling(BuildComparePage(), "PaginaConfronto"), QStringLiteral("Confron&to"));
    pages_->addTab(Scrolling(BuildModelPage(), "PaginaModello"), QStringLiteral("Mode&llo"));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("Divisione"));
    split->setChildrenCollapsible(false);
    split->addWidget(upper);
    split->addWidget(pages_);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    status_ = new StatusLine("StatoFile", this);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(surfaceButtons);
    layout->addWidget(split, 1);
    layout->addWidget(status_);
    layout->addWidget(BuildFileButtons());

    // Esc closes it, as any secondary window; Ctrl+W is the menu's Chiudi.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    SetFocusOrder();
    model_.SetObserver([this] { Follow(); });
    Follow();
}

QAction* ModelView::AddAction(const char* name, const QString& text, const QKeySequence& keys,
                              std::function<void()> run) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromUtf8(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        Commit();
        run();
    });
    return action;
}

QPushButton* ModelView::AddButton(QAction* action, const QString& text,
                                  const QString& accessibleName) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(action->objectName());
    button->setAccessibleName(accessibleName);
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    button->setToolTip(keys.isEmpty() ? accessibleName : accessibleName + " (" + keys + ")");
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    buttons_.emplace_back(button, action);
    return button;
}

void ModelView::Commit() {
    if (name_->isModified())
        model_.Modello_NomeSuperficie_Change(name_->text().toStdString());
    if (servoName_->isModified())
        model_.Modello_NomeServo_Change(servoName_->text().toStdString());
    if (rating_->isModified())
        model_.Modello_CoppiaServo_Change(rating_->text().toStdString());
    if (modelName_->isModified())
        model_.Modello_NomeModello_Change(modelName_->text().toStdString());
    if (notes_->document()->isModified())
        model_.Modello_Note_Change(notes_->toPlainText().toStdString());
    for (QLineEdit* edit : {name_, servoName_, rating_, modelName_}) edit->setModified(false);
    notes_->document()->setModified(false);
    servoCount_->interpretText();
}

bool ModelView::OpenFile(const QByteArray& path) {
    return model_.Modello_ApriFile(path.toStdString());
}

bool ModelView::ExportCsv(const QString& path, bool international) {
    return exports_.Csv(path, international ? CsvFormat::International : CsvFormat::Italian);
}

bool ModelView::ExportPdf(const QString& path) {
    return exports_.Pdf(path);
}

bool ModelView::PrintToFile(const QString& path) {
    return exports_.PrintToFile(path);
}

void ModelView::closeEvent(QCloseEvent* event) {
    Commit();
    if (model_.Modello_Form_Close()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool ModelView::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        model_.Modello_Form_Activate();
    return QWidget::event(event);
}

bool ModelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == notes_ && event->type() == QEvent::FocusOut)
        Commit();
    return QWidget::eventFilter(watched, event);
}

void ModelView::Follow() {
    const ModelDisplay& shown = model_.Display();
    setWindowTitle(ToQString(shown.title));
    setWindowModified(shown.modified);
    table_->Show(shown);
    servos_->setText(ToQString(shown.totals.servos));
    ShowNote(weakest_, shown.totals.weakest, shown.totals.weakestTone);
    judging_->setText(ToQString(shown.judgingSettings));
    ShowNote(settingsProblem_, shown.settingsProblem, Tone::Bad);
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
    detailsHeading_->setText(details.shown ? ToQString(details.heading)
                                           : QStringLiteral("Nessuna superficie selezionata"));
    detailsFields_->setEnabled(details.shown);
    ShowTyped(name_, details.name);
    {
        const QSignalBlocker blockKind(kind_);
        const QSignalBlocker blockCount(servoCount_);
        const QSignalBlocker blockUnit(unit_);
        kind_->setCurrentIndex(static_cast<int>(details.kind));
        servoCount_->setValue(details.servoCount);
        unit_->setCurrentIndex(details.unit == RatingUnit::NewtonCm ? 1 : 0);
    }
    ShowTyped(servoName_, details.servoName);
    ShowTyped(rating_, details.rating);
    ShowNote(servoNote_, details.servoNote, Tone::Neutral);
    ShowNote(kindNote_, details.kindNote, Tone::Warning);
    ShowNote(detailsProblem_, details.problem, Tone::Bad);
    for (std::size_t i = 0; i < inputs_.size(); ++i) {
        const std::size_t line = kFirstShownInput + i;
        const bool known = line < details.inputs.size();
        inputs_[i].second->setText(known ? ToQString(details.inputs[line].value) : QString());
    }
}

void ModelView::FollowRecentFiles(const std::vector<std::string>& recent) {
    if (recent == recentShown_ && !recentMenu_->isEmpty())
        return;
    recentShown_ = recent;
    recentMenu_->clear();
    for (std::size_t i = 0; i < recent.size(); ++i) {
        const QString path = QFile::decodeName(QByteArray::fromStdString(recent[i]));
        // The folder tells apart two models of one name; "&" doubled is no mnemonic.
        const QFileInfo file(path);
        QAction* item = recentMenu_->addAction(QStringLiteral("&%1 %2 – %3")
                                                   .arg(i + 1)
                                                   .arg(file.fileName().replace('&', "&&"))
                                                   .arg(file.path().replace('&', "&&")));
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

}  // namespace coppia
