// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's table of surfaces with the totals below it, and its pages: the current
// surface's (in model_view_details.cpp), the comparison, the model's own name and notes.
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "models/model/model_controls.h"
#include "ui/common/qt_text.h"
#include "ui/common/tab_scroll_names.h"
#include "ui/kit/torque_plot.h"
#include "ui/kit/window_widgets.h"
#include "ui/model/model_view.h"
#include "ui/model/surface_table.h"

namespace coppia {

QWidget* ModelView::BuildTableWithTotals() {
    table_ = new SurfaceTable(this);
    // Six rows in view whatever the scale, as many as a whole aircraft's surfaces as a rule,
    // under headings of two lines and above the sideways scroll bar.
    constexpr int kRowsAlwaysShown = 6;
    table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * kRowsAlwaysShown +
                             fontMetrics().height() * 2 + fontMetrics().height() +
                             table_->horizontalScrollBar()->sizeHint().height() +
                             2 * table_->frameWidth());
    connect(table_, &SurfaceTable::Selected, this,
            [this](std::vector<std::size_t> rows, std::optional<std::size_t> current) {
                Commit();
                model_.Modello_Tabella_Select(std::move(rows), current);
            });
    auto* upper = new QWidget(this);
    auto* upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(table_, 1);
    upperLayout->addWidget(BuildTotals());
    return upper;
}

namespace {

// Lines that wrap, each as tall as its text at the width it is given: a splitter asks only for
// the least height, which for a wrapping label is one line, and would cut the rest.
class WrappedLines : public QWidget {
  public:
    using QWidget::QWidget;
    QSize minimumSizeHint() const override {
        return {0, layout()->hasHeightForWidth() ? layout()->heightForWidth(width())
                                                 : layout()->minimumSize().height()};
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (event->oldSize().width() != width())
            updateGeometry();
    }
};

}  // namespace

QWidget* ModelView::BuildTotals() {
    auto* box = new WrappedLines(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    servos_ = Note("Servi", this);
    // The model's worst verdict leads, in bold and in its colour, whatever the table scrolls to.
    verdict_ = Note("VerdettoModello", this);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    weakest_ = Note("MargineMinimo", this);
    weakestEither_ = Note("MargineMinimoStima", this);
    judging_ = Note("Impostazioni", this);
    secondOpinionSource_ = Note("FonteStima", this);
    settingsProblem_ = Note("ProblemaImpostazioni", this);
    for (QLabel* label : {verdict_, servos_, weakest_, weakestEither_, judging_,
                          secondOpinionSource_, settingsProblem_})
        layout->addWidget(label);
    AddSupplyTotals(layout);
    return box;
}

QWidget* ModelView::BuildPages() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Pagine"));
    pages_->setAccessibleName(AccessibleNameOf(ModelControl("Pagine")));
    pages_->addTab(Scrolling(BuildDetailsPage(), "PaginaSuperficie"),
                   CaptionOf(ModelControl("PaginaSuperficie")));
    pages_->addTab(Scrolling(BuildComparePage(), "PaginaConfronto"),
                   CaptionOf(ModelControl("PaginaConfronto")));
    pages_->addTab(Scrolling(BuildModelPage(), "PaginaModello"),
                   CaptionOf(ModelControl("PaginaModello")));
    NameTabScrollButtons(pages_->tabBar());
    return pages_;
}

QWidget* ModelView::BuildComparePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    compareNote_ = Note("NotaConfronto", this);
    plot_ = new TorquePlot(page);
    plot_->setAccessibleName(AccessibleNameOf(ModelControl("Grafico")));
    plot_->setMinimumHeight(fontMetrics().height() * 14);
    auto* legend = new QLabel(CaptionOf(ModelControl("LegendaConfronto")), page);
    legend->setObjectName(QStringLiteral("LegendaConfronto"));
    legend->setWordWrap(true);
    sideBySide_ = new QTableWidget(page);
    sideBySide_->setObjectName(QStringLiteral("Confronto"));
    sideBySide_->setAccessibleName(AccessibleNameOf(ModelControl("Confronto")));
    sideBySide_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sideBySide_->setTabKeyNavigation(false);
    sideBySide_->verticalHeader()->hide();
    sideBySide_->verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 4);
    sideBySide_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    sideBySide_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    sideBySide_->setMinimumHeight(fontMetrics().height() * 10);
    layout->addWidget(compareNote_);
    layout->addWidget(plot_, 3);
    layout->addWidget(legend);
    layout->addWidget(sideBySide_, 2);
    return page;
}

QWidget* ModelView::BuildModelPage() {
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    modelName_ = AddField("NomeModello");
    connect(modelName_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("Note"));
    notes_->setAccessibleName(AccessibleNameOf(ModelControl("Note")));
    notes_->setTabChangesFocus(true);
    notes_->installEventFilter(this);
    grid->addWidget(Caption(CaptionOf(ModelControl("NomeModello")), modelName_), 0, 0);
    grid->addWidget(modelName_, 0, 1);
    grid->addWidget(Caption(CaptionOf(ModelControl("Note")), notes_), 1, 0, Qt::AlignTop);
    grid->addWidget(notes_, 1, 1);
    grid->addWidget(BuildSupplyFields(), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    return page;
}

}  // namespace coppia
