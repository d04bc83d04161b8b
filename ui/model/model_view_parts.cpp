// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's parts: its menus and buttons, the totals below the table, and its three
// pages: the current surface, the comparison, the model's own name and notes.
#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <span>

#include "ui/common/qt_text.h"
#include "ui/kit/torque_plot.h"
#include "ui/kit/window_widgets.h"
#include "ui/model/model_view.h"
#include "ui/model/surface_table.h"

namespace coppia {

namespace {

// The buttons of the actions on the surfaces, beside "Finestra principale:", with their
// mnemonics; Annulla, Ripeti and the moves have their shortcuts instead.
constexpr ModelView::ButtonPlace kSurfaceButtons[] = {
    {"Aggiungi", "&Aggiungi", "Aggiungi una superficie dalla finestra principale", 0, 1},
    {"Aggiorna", "A&ggiorna", "Aggiorna la superficie selezionata dalla finestra principale", 0, 2},
    {"Carica", "&Carica", "Carica la superficie selezionata nella finestra principale", 0, 3},
    {"Annulla", "Annulla", "Annulla l'ultima modifica del modello", 0, 5},
    {"Ripeti", "Ripeti", "Ripeti la modifica annullata", 0, 6},
    {"Duplica", "&Duplica", "Duplica la superficie selezionata come variante", 1, 1},
    {"Rinomina", "&Rinomina…", "Rinomina la superficie selezionata", 1, 2},
    {"Rimuovi", "R&imuovi", "Rimuovi la superficie selezionata", 1, 3},
    {"SpostaSu", "Sposta su", "Sposta su la superficie selezionata", 1, 5},
    {"SpostaGiu", "Sposta giù", "Sposta giù la superficie selezionata", 1, 6},
};

// The file's buttons, which have the File menu's shortcuts; "Recenti" opens a menu.
constexpr ModelView::ButtonPlace kFileButtons[] = {
    {"Nuovo", "Nuovo", "Nuovo modello", 0, 0},
    {"Apri", "Apri…", "Apri un modello", 0, 1},
    {"Salva", "Salva", "Salva il modello", 0, 3},
    {"SalvaConNome", "Salva con nome…", "Salva il modello in un altro file", 0, 4},
    {"EsportaCsv", "Esporta CSV…", "Esporta la tabella in un file CSV", 1, 0},
    {"Stampa", "Stampa…", "Stampa il modello", 1, 1},
    {"EsportaPdf", "Esporta PDF…", "Esporta il modello in un file PDF", 1, 2},
};

// The background of a row whose surfaces differ.
const QColor kDiffersColour(255, 236, 179);

}  // namespace

void ModelView::BuildMenus(QMenuBar* menus) {
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    QMenu* edit = menus->addMenu(QStringLiteral("&Modifica"));
    edit->setObjectName(QStringLiteral("MenuModifica"));
    ModelWindow& m = model_;

    file->addAction(AddAction("Nuovo", QStringLiteral("&Nuovo"), QKeySequence::New,
                              [&m] { m.Modello_Nuovo_Click(); }));
    file->addAction(AddAction("Apri", QStringLiteral("&Apri…"), QKeySequence::Open,
                              [&m] { m.Modello_Apri_Click(); }));
    recentMenu_ = file->addMenu(QStringLiteral("&Recenti"));
    recentMenu_->setObjectName(QStringLiteral("MenuRecenti"));
    file->addAction(AddAction("Salva", QStringLiteral("&Salva"), QKeySequence::Save,
                              [&m] { m.Modello_Salva_Click(); }));
    file->addAction(AddAction("SalvaConNome", QStringLiteral("Salva &con nome…"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                              [&m] { m.Modello_SalvaConNome_Click(); }));
    file->addSeparator();
    file->addAction(AddAction("EsportaCsv", QStringLiteral("&Esporta CSV…"),
                              QKeySequence(Qt::CTRL | Qt::Key_E),
                              [this] { exports_.ChooseAndWriteCsv(); }));
    file->addAction(AddAction("EsportaPdf", QStringLiteral("Esporta &PDF…"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
                              [this] { exports_.ChooseAndWritePdf(); }));
    file->addAction(AddAction("Stampa", QStringLiteral("S&tampa…"), QKeySequence::Print,
                              [this] { exports_.Print(); }));
    file->addSeparator();
    file->addAction(AddAction("Chiudi", QStringLiteral("C&hiudi"),
                              QKeySequence(Qt::CTRL | Qt::Key_W), [this] { close(); }));

    undo_ = AddAction("Annulla", QStringLiteral("&Annulla"), QKeySequence(Qt::CTRL | Qt::Key_Z),
                      [&m] { m.Modello_Annulla_Click(); });
    redo_ = AddAction("Ripeti", QStringLiteral("&Ripeti"),
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                      [&m] { m.Modello_Ripeti_Click(); });
    edit->addAction(undo_);
    edit->addAction(redo_);
    edit->addSeparator();
    edit->addAction(AddAction("Aggiungi", QStringLiteral("A&ggiungi dalla finestra principale"),
                              QKeySequence(Qt::CTRL | Qt::Key_I),
                              [&m] { m.Modello_Aggiungi_Click(); }));
    const std::vector<std::pair<QAction*, bool>> current = {
        {AddAction("Aggiorna", QStringLiteral("Aggi&orna dalla finestra principale"),
                   QKeySequence(Qt::CTRL | Qt::Key_R), [&m] { m.Modello_Aggiorna_Click(); }),
         false},
        {AddAction("Carica", QStringLiteral("&Carica nella finestra principale"),
                   QKeySequence(Qt::CTRL | Qt::Key_L), [&m] { m.Modello_Carica_Click(); }),
         true},
        {AddAction("Duplica", QStringLiteral("&Duplica come variante"),
                   QKeySequence(Qt::CTRL | Qt::Key_D), [&m] { m.Modello_Duplica_Click(); }),
         false},
        {AddAction("Rinomina", QStringLiteral("Ri&nomina…"), QKeySequence(Qt::Key_F2),
                   [&m] { m.Modello_Rinomina_Click(); }),
         false},
        {AddAction("Rimuovi", QStringLiteral("R&imuovi"), QKeySequence(Qt::Key_Delete),
                   [&m] { m.Modello_Rimuovi_Click(); }),
         true},
    };
    for (const auto& [action, separatorAfter] : current) {
        edit->addAction(action);
        onCurrent_.push_back(action);
        if (separatorAfter)
            edit->addSeparator();
    }
    moveUp_ = AddAction("SpostaSu", QStringLiteral("Sposta &su"),
                        QKeySequence(Qt::ALT | Qt::Key_Up), [&m] { m.Modello_SpostaSu_Click(); });
    moveDown_ =
        AddAction("SpostaGiu", QStringLiteral("Sposta gi&ù"), QKeySequence(Qt::ALT | Qt::Key_Down),
                  [&m] { m.Modello_SpostaGiu_Click(); });
    edit->addAction(moveUp_);
    edit->addAction(moveDown_);
}

QWidget* ModelView::BuildSurfaceButtons() {
    auto* box = ButtonGrid(kSurfaceButtons);
    auto* main = new QLabel(QStringLiteral("Finestra principale:"), box);
    main->setObjectName(QStringLiteral("FinestraPrincipale"));
    auto* grid = static_cast<QGridLayout*>(box->layout());
    grid->addWidget(main, 0, 0);
    grid->setColumnStretch(4, 1);
    return box;
}

QWidget* ModelView::BuildFileButtons() {
    auto* box = ButtonGrid(kFileButtons);
    // The last files, in the menu that the button opens.
    auto* recent = new QPushButton(QStringLiteral("Recenti"), box);
    recent->setObjectName(QStringLiteral("Recenti"));
    recent->setAccessibleName(QStringLiteral("Modelli aperti di recente"));
    recent->setToolTip(recent->accessibleName());
    recent->setMenu(recentMenu_);
    static_cast<QGridLayout*>(box->layout())->addWidget(recent, 0, 2);
    return box;
}

QWidget* ModelView::ButtonGrid(std::span<const ButtonPlace> places) {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    for (const ButtonPlace& place : places) {
        auto* action =
            findChild<QAction*>(QString::fromUtf8(place.action), Qt::FindDirectChildrenOnly);
        grid->addWidget(AddButton(action, QString::fromUtf8(place.text),
                                  QString::fromUtf8(place.accessibleName)),
                        place.row, place.column);
    }
    return box;
}

QWidget* ModelView::BuildTotals() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    servos_ = Note("Servi", this);
    weakest_ = Note("MargineMinimo", this);
    QFont bold = weakest_->font();
    bold.setBold(true);
    weakest_->setFont(bold);
    judging_ = Note("Impostazioni", this);
    settingsProblem_ = Note("ProblemaImpostazioni", this);
    for (QLabel* label : {servos_, weakest_, judging_, settingsProblem_}) layout->addWidget(label);
    return box;
}

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
    name_ = AddField("NomeSuperficie", QStringLiteral("Nome della superficie"));
    connect(name_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("TipoSuperficie"));
    kind_->setAccessibleName(QStringLiteral("Tipo di superficie"));
    for (std::size_t k = 0; k < kSurfaceKindNames.size(); ++k)
        kind_->addItem(ToQString(KindText(static_cast<SurfaceKind>(k))));
    connect(kind_, &QComboBox::activated, this, [this](int index) {
        Commit();
        model_.Modello_TipoSuperficie_Change(static_cast<SurfaceKind>(index));
    });
    servoCount_ = new QSpinBox(this);
    servoCount_->setObjectName(QStringLiteral("NumeroServi"));
    servoCount_->setAccessibleName(QStringLiteral("Numero di servi che muovono la superficie"));
    servoCount_->setRange(1, kMaxServoCount);
    servoCount_->setKeyboardTracking(false);
    connect(servoCount_, &QSpinBox::valueChanged, this,
            [this](int count) { model_.Modello_NumeroServi_Change(count); });
    servoNote_ = Note("NotaServi", this);
    servoName_ = AddField("NomeServo", QStringLiteral("Nome del servo"));
    connect(servoName_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    rating_ = AddField("CoppiaServo", QStringLiteral("Coppia dichiarata del servo"));
    rating_->setAlignment(Qt::AlignRight);
    rating_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000.00")));
    rating_->installEventFilter(decimalKeys_);
    connect(rating_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    unit_ = new QComboBox(this);
    unit_->setObjectName(QStringLiteral("UnitaServo"));
    unit_->setAccessibleName(QStringLiteral("Unità della coppia dichiarata"));
    unit_->addItem(QStringLiteral("Kg*cm"));
    unit_->addItem(QStringLiteral("N·cm"));
    connect(unit_, &QComboBox::activated, this, [this](int index) {
        Commit();
        model_.Modello_UnitaServo_Change(index == 1 ? RatingUnit::NewtonCm : RatingUnit::KgfCm);
    });

    auto* ratingRow = new QHBoxLayout;
    ratingRow->addWidget(rating_);
    ratingRow->addWidget(unit_);
    ratingRow->addStretch();
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(servoCount_, 0, Qt::AlignLeft);
    countRow->addWidget(servoNote_, 1);
    grid->addWidget(Caption(QStringLiteral("&Nome"), name_), 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(Caption(QStringLiteral("Ti&po"), kind_), 1, 0);
    grid->addWidget(kind_, 1, 1, Qt::AlignLeft);
    servoCount_->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    grid->addWidget(Caption(QStringLiteral("Ser&vi"), servoCount_), 2, 0);
    grid->addLayout(countRow, 2, 1);
    grid->addWidget(Caption(QStringLiteral("Nome del &servo"), servoName_), 3, 0);
    grid->addWidget(servoName_, 3, 1);
    grid->addWidget(Caption(QStringLiteral("Coppia dic&hiarata"), rating_), 4, 0);
    grid->addLayout(ratingRow, 4, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(detailsFields_);
    kindNote_ = Note("NotaTipo", this);
    detailsProblem_ = Note("ProblemaSuperficie", this);
    layout->addWidget(kindNote_);
    layout->addWidget(detailsProblem_);

    auto* inputs = new QGroupBox(
        QStringLiteral("Dati dalla finestra principale (si cambiano lì, poi Aggiorna)"), page);
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
    layout->addWidget(inputs);
    layout->addStretch();
    return page;
}

QWidget* ModelView::BuildComparePage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    compareNote_ = Note("NotaConfronto", this);
    plot_ = new TorquePlot(page);
    plot_->setAccessibleName(
        QStringLiteral("Grafico della coppia per servo delle superfici selezionate"));
    plot_->setMinimumHeight(fontMetrics().height() * 14);
    auto* legend = new QLabel(
        QStringLiteral("Ogni curva alla velocità della sua superficie; il punto è la sua "
                       "deflessione, la tratteggiata la coppia dichiarata del suo servo."),
        page);
    legend->setObjectName(QStringLiteral("LegendaConfronto"));
    legend->setWordWrap(true);
    sideBySide_ = new QTableWidget(page);
    sideBySide_->setObjectName(QStringLiteral("Confronto"));
    sideBySide_->setAccessibleName(
        QStringLiteral("Dati delle superfici selezionate affiancati, con le differenze"));
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
    modelName_ = AddField("NomeModello", QStringLiteral("Nome del modello"));
    connect(modelName_, &QLineEdit::editingFinished, this, [this] { Commit(); });
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName(QStringLiteral("Note"));
    notes_->setAccessibleName(QStringLiteral("Note del modello"));
    notes_->setTabChangesFocus(true);
    notes_->installEventFilter(this);
    grid->addWidget(Caption(QStringLiteral("Nome del m&odello"), modelName_), 0, 0);
    grid->addWidget(modelName_, 0, 1);
    grid->addWidget(Caption(QStringLiteral("Not&e"), notes_), 1, 0, Qt::AlignTop);
    grid->addWidget(notes_, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    return page;
}

QLineEdit* ModelView::AddField(const char* name, const QString& accessibleName) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromUtf8(name));
    edit->setAccessibleName(accessibleName);
    return edit;
}

void ModelView::SetFocusOrder() {
    // The table, the pages and their fields, then the surfaces' buttons and the file's.
    // The page widget hands its focus to its tab bar, and stands in the chain itself.
    std::vector<QWidget*> order{table_, pages_,      pages_->tabBar(), name_,
                                kind_,  servoCount_, servoName_,       rating_,
                                unit_,  sideBySide_, modelName_,       notes_};
    for (const auto& [button, action] : buttons_) {
        order.push_back(button);
        if (button->objectName() == QStringLiteral("Apri"))
            order.push_back(findChild<QPushButton*>(QStringLiteral("Recenti")));
    }
    for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
    table_->setFocus();
}

void ModelView::FollowComparison(const Comparison& comparison) {
    const ModelDisplay& shown = model_.Display();
    ShowNote(compareNote_, comparison.note, Tone::Neutral);
    const auto plotted = std::make_pair(shown.selected, shown.rowsRevision);
    if (plotted != plotted_) {
        plotted_ = plotted;
        plot_->Show(comparison.plot);
    }
    const int columns = static_cast<int>(comparison.names.size()) + 2;
    sideBySide_->clear();
    sideBySide_->setColumnCount(columns);
    sideBySide_->setRowCount(static_cast<int>(comparison.rows.size()));
    QStringList headings{QStringLiteral("Dato")};
    for (const std::string& name : comparison.names) headings << ToQString(name);
    headings << QStringLiteral("Differenza");
    sideBySide_->setHorizontalHeaderLabels(headings);
    for (int r = 0; r < sideBySide_->rowCount(); ++r) {
        const SideBySideRow& row = comparison.rows[static_cast<std::size_t>(r)];
        QStringList cells{ToQString(row.label)};
        for (const std::string& value : row.values) cells << ToQString(value);
        cells << (row.differs ? QStringLiteral("diversa") : QString());
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(cells.value(c));
            if (row.differs) {
                item->setBackground(kDiffersColour);
                QFont font = item->font();
                font.setBold(c > 0);
                item->setFont(font);
            }
            if (c > 0 && c + 1 < columns)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            sideBySide_->setItem(r, c, item);
        }
    }
}

}  // namespace coppia
