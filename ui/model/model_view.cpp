// SPDX-License-Identifier: GPL-3.0-or-later
// The model window put together from its parts, and what it does as a window: its events, the
// details still being typed handed to the model, the exports, the order of Tab.
#include "ui/model/model_view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/common/decimal_key_filter.h"
#include "ui/common/qt_text.h"
#include "ui/kit/window_widgets.h"
#include "ui/model/model_sheet.h"
#include "ui/model/surface_table.h"

namespace coppia {

ModelView::ModelView(ModelWindow& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      decimalKeys_(new DecimalKeyFilter(this)),
      exports_(
          {this, [&model] { return ToQString(model.Session().DisplayName()); },
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
    QWidget* upper = BuildTableWithTotals();
    QWidget* pages = BuildPages();

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("Divisione"));
    split->setChildrenCollapsible(false);
    split->addWidget(upper);
    split->addWidget(pages);
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

void ModelView::Commit() {
    if (name_->isModified())
        model_.Modello_NomeSuperficie_Change(name_->text().toStdString());
    if (servoName_->isModified())
        model_.Modello_NomeServo_Change(servoName_->text().toStdString());
    if (rating_->isModified())
        model_.Modello_CoppiaServo_Change(rating_->text().toStdString());
    if (thickness_->isModified())
        model_.Modello_SpessoreProfilo_Change(thickness_->text().toStdString());
    if (modelName_->isModified())
        model_.Modello_NomeModello_Change(modelName_->text().toStdString());
    if (notes_->document()->isModified())
        model_.Modello_Note_Change(notes_->toPlainText().toStdString());
    for (QLineEdit* edit : {name_, servoName_, rating_, thickness_, modelName_})
        edit->setModified(false);
    notes_->document()->setModified(false);
    servoCount_->interpretText();
    CommitFiguresAndSupply();
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
    if (event->type() == QEvent::LanguageChange) {
        for (const auto& [button, action] : buttons_) TellShortcut(button, action);
    }
    return QWidget::event(event);
}

bool ModelView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == notes_ && event->type() == QEvent::FocusOut)
        Commit();
    return QWidget::eventFilter(watched, event);
}

void ModelView::SetFocusOrder() {
    // The table, the pages and their fields, then the surfaces' buttons and the file's.
    // The page widget hands its focus to its tab bar, and stands in the chain itself.
    std::vector<QWidget*> order{table_,      pages_,     pages_->tabBar(), name_, kind_,
                                servoCount_, servoName_, rating_,          unit_, thickness_,
                                gap_};
    // The servo's data sheet after the section, as the page shows it; the supply after the
    // model's notes.
    order.insert(order.end(), figures_.begin(), figures_.end());
    order.insert(order.end(),
                 {sideBySide_, modelName_, notes_, supplyName_, supplyContinuous_, supplyPeak_});
    for (const auto& [button, action] : buttons_) {
        order.push_back(button);
        if (button->objectName() == QStringLiteral("Apri"))
            order.push_back(findChild<QPushButton*>(QStringLiteral("Recenti")));
    }
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    table_->setFocus();
}

}  // namespace coppia
