// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's actions: its menus, the buttons that run the same actions, and their
// shortcuts.
#include <QAction>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <span>

#include "models/model/model_controls.h"
#include "ui/common/qt_text.h"
#include "ui/common/window_menu.h"
#include "ui/model/model_view.h"

namespace coppia {

namespace {

// The buttons of the actions on the surfaces, beside "Finestra principale:", with their
// mnemonics; Annulla, Ripeti and the moves have their shortcuts instead.
constexpr ModelView::ButtonPlace kSurfaceButtons[] = {
    {"Aggiungi", 0, 1}, {"Aggiorna", 0, 2},  {"Carica", 0, 3},   {"Annulla", 0, 5},
    {"Ripeti", 0, 6},   {"Duplica", 1, 1},   {"Rinomina", 1, 2}, {"Rimuovi", 1, 3},
    {"SpostaSu", 1, 5}, {"SpostaGiu", 1, 6},
};

// The file's buttons, which have the File menu's shortcuts; "Recenti" opens a menu.
constexpr ModelView::ButtonPlace kFileButtons[] = {
    {"Nuovo", 0, 0},      {"Apri", 0, 1},   {"Salva", 0, 3},      {"SalvaConNome", 0, 4},
    {"EsportaCsv", 1, 0}, {"Stampa", 1, 1}, {"EsportaPdf", 1, 2},
};

}  // namespace

void ModelView::BuildMenus(QMenuBar* menus) {
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    QMenu* edit = menus->addMenu(QStringLiteral("&Modifica"));
    edit->setObjectName(QStringLiteral("MenuModifica"));
    BuildFileMenu(file);
    BuildEditMenu(edit);
    AddWindowMenu(menus);
}

void ModelView::BuildFileMenu(QMenu* file) {
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
}

void ModelView::BuildEditMenu(QMenu* edit) {
    ModelWindow& m = model_;
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
    auto* main = new QLabel(CaptionOf(ModelControl("FinestraPrincipale")), box);
    main->setObjectName(QStringLiteral("FinestraPrincipale"));
    auto* grid = static_cast<QGridLayout*>(box->layout());
    grid->addWidget(main, 0, 0);
    grid->setColumnStretch(4, 1);
    return box;
}

QWidget* ModelView::BuildFileButtons() {
    auto* box = ButtonGrid(kFileButtons);
    // The last files, in the menu that the button opens.
    const ControlText& recentText = ModelControl("Recenti");
    auto* recent = new QPushButton(CaptionOf(recentText), box);
    recent->setObjectName(QStringLiteral("Recenti"));
    recent->setAccessibleName(AccessibleNameOf(recentText));
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
        const ControlText& text = ModelControl(place.action);
        grid->addWidget(AddButton(action, CaptionOf(text), AccessibleNameOf(text)), place.row,
                        place.column);
    }
    return box;
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
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    buttons_.emplace_back(button, action);
    TellShortcut(button, action);
    return button;
}

void ModelView::TellShortcut(QPushButton* button, const QAction* action) {
    // In the words the menus use, which Qt's translation gives: "Canc", "Alt+Su".
    const QString keys = action->shortcut().toString(QKeySequence::NativeText);
    const QString name = button->accessibleName();
    button->setToolTip(keys.isEmpty() ? name : name + " (" + keys + ")");
}

}  // namespace coppia
