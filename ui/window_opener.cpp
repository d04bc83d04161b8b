// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window_opener.h"

#include <QDir>
#include <QPluginLoader>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "ui/common/qt_message_sink.h"
#include "ui/common/window_plugins.h"

namespace coppia {

namespace {

constexpr int kGap = 12;

ScreenRect FromQt(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// The frame around a window's client area, from one that is on the screen: a window not yet
// shown has none yet.
ScreenSize FrameOf(const QWidget* shown) {
    return {shown->frameGeometry().width() - shown->geometry().width(),
            shown->frameGeometry().height() - shown->geometry().height()};
}

}  // namespace

WindowOpener::WindowOpener(MainWindow& main, QWidget* mainView, QString pluginPath, Kind kind,
                           QObject* parent)
    : QObject(parent),
      main_(main),
      mainView_(mainView),
      pluginPath_(std::move(pluginPath)),
      kind_(std::move(kind)) {}

WindowOpener::~WindowOpener() {
    // Before the main window's model, which the window reads.
    delete window_;
}

bool WindowOpener::Close() {
    return !window_ || !window_->isVisible() || window_->close();
}

bool WindowOpener::Open() {
    const bool first = !window_;
    if (!Create())
        return false;
    if (first)
        Place(false);
    Show();
    return true;
}

bool WindowOpener::OpenSideBySide() {
    return OpenSideBySideLeavingRoomFor(nullptr);
}

bool WindowOpener::OpenSideBySideLeavingRoomFor(const WindowOpener* next) {
    if (!Create())
        return false;
    Place(true, next != nullptr ? next->kind_.smallest.width + kGap : 0);
    Show();
    return true;
}

bool WindowOpener::HoldsThreeAcross(const WindowOpener& next) const {
    const QScreen* screen = mainView_->screen();
    return screen != nullptr &&
           coppia::HoldsThreeAcross(screen->availableGeometry().width(),
                                    mainView_->frameGeometry().width(), kind_.smallest.width,
                                    next.kind_.smallest.width, kGap);
}

bool WindowOpener::Create() {
    if (window_)
        return true;
    QPluginLoader loader(pluginPath_);
    QObject* instance = loader.instance();
    QWidget* window = instance != nullptr ? CreateWindow(instance) : nullptr;
    if (window == nullptr) {
        // Another Qt plugin in its place loads well, and Qt has no reason to give.
        const QString reason = instance != nullptr ? kind_.notOurs : loader.errorString();
        if (instance != nullptr)
            loader.unload();
        TellNotLoaded(reason);
        return false;
    }
    window_ = window;
    emit Created(window);
    return true;
}

void WindowOpener::TellNotLoaded(QString reason) {
    qWarning("coppia: the window cannot be opened: %s", qUtf8Printable(reason));
    if (reason.endsWith(u'.'))
        reason.chop(1);  // the message ends as the others do
    QtMessageSink messages;
    messages.SetParent(mainView_);
    messages.ShowMessage(
        QStringLiteral("Modulo %1 Non Caricato da %2: %3!!")
            .arg(kind_.module, QDir::toNativeSeparators(QDir::cleanPath(pluginPath_)), reason)
            .toStdString(),
        kind_.title.toStdString());
}

void WindowOpener::Place(bool pair, int keepRight) {
    const QScreen* screen = mainView_->screen();
    if (screen == nullptr) {
        window_->resize(kind_.largest.width, kind_.largest.height);
        return;
    }
    const ScreenRect available = FromQt(screen->availableGeometry());
    // The new window's frame is not known before it is shown: the main window's stands for it.
    const QRect mainFrame = mainView_->frameGeometry();
    const ScreenSize frame = FrameOf(mainView_);
    const ScreenSize smallest = Smallest(frame);
    ScreenRect placed;
    if (pair) {
        // Room on the right for a third window, where the screen has it for all three.
        ScreenRect pairArea = available;
        if (available.width - keepRight >= mainFrame.width() + kGap + smallest.width)
            pairArea.width -= keepRight;
        const PairPlacement pairPlaced = PlaceSideBySide(
            pairArea, {mainFrame.width(), mainFrame.height()}, kind_.largest, kGap, smallest);
        mainView_->move(pairPlaced.main.left, pairPlaced.main.top);
        placed = pairPlaced.beside;
    } else {
        // Clear of the other added windows open now, and of the main window, moved over if
        // it must be.
        std::vector<OpenWindow> others;
        for (const WindowOpener* neighbour : neighbours_) {
            if (neighbour->Window() != nullptr && neighbour->Window()->isVisible())
                others.push_back(neighbour->Where());
        }
        const PairPlacement among =
            PlaceAmong(available, FromQt(mainFrame), others, kind_.largest, kGap, smallest);
        if (among.main.left != mainFrame.left() || among.main.top != mainFrame.top())
            mainView_->move(among.main.left, among.main.top);
        placed = among.beside;
    }
    window_->resize(placed.width - frame.width, placed.height - frame.height);
    window_->move(placed.left, placed.top);
}

ScreenSize WindowOpener::Smallest(ScreenSize frame) const {
    const QSize least = window_->minimumSizeHint();
    return {std::max(kind_.smallest.width, least.width() + frame.width),
            std::max(kind_.smallest.height, least.height() + frame.height)};
}

OpenWindow WindowOpener::Where() const {
    OpenWindow where{FromQt(window_->frameGeometry()), std::nullopt};
    if (const QWidget* part = kind_.inSightFirst.isEmpty()
                                  ? nullptr
                                  : window_->findChild<QWidget*>(kind_.inSightFirst);
        part != nullptr && part->isVisible()) {
        where.inSightFirst = FromQt(QRect(part->mapToGlobal(QPoint(0, 0)), part->size()));
    }
    return where;
}

void WindowOpener::Show() {
    window_->show();
    window_->raise();
    window_->activateWindow();
}

// Narrow enough to stand beside the main window on a 1366 pixels wide screen, and no taller than
// a laptop's; its pages scroll where the screen leaves it less. Beside a main window centred on a
// 1920 pixels wide screen, or on a 1280 pixels wide one (2560 at a scale of 2), it can still
// stand 600 wide; below the main window on a laptop, 280 high still shows a page and its
// buttons.
AnalysisOpener::AnalysisOpener(MainWindow& main, QWidget* mainView, QString pluginPath,
                               QObject* parent)
    : WindowOpener(main, mainView, std::move(pluginPath),
                   {QStringLiteral("dell'Analisi"),
                    QStringLiteral("Errore Analisi"),
                    QStringLiteral("non è il modulo dell'analisi"),
                    {700, 700},
                    {600, 280},
                    {}},
                   parent) {}

QWidget* AnalysisOpener::CreateWindow(QObject* plugin) {
    auto* analysis = qobject_cast<AnalysisPlugin*>(plugin);
    return analysis != nullptr ? analysis->CreateAnalysisWindow(Main()) : nullptr;
}

// The table of a whole model wants room: as wide as its columns and taller where the screen
// has it, as narrow as the analysis beside a main window where it has not, and as low as its
// own least size. Its table is what the windows opened later keep in sight first.
ModelOpener::ModelOpener(MainWindow& main, QWidget* mainView, QString pluginPath, QObject* parent)
    : WindowOpener(main, mainView, std::move(pluginPath),
                   {QStringLiteral("del Modello"),
                    QStringLiteral("Errore Modello"),
                    QStringLiteral("non è il modulo del modello"),
                    {1100, 900},
                    {600, 0},
                    QStringLiteral("Tabella")},
                   parent) {}

QWidget* ModelOpener::CreateWindow(QObject* plugin) {
    auto* model = qobject_cast<ModelPlugin*>(plugin);
    return model != nullptr ? model->CreateModelWindow(Main()) : nullptr;
}

bool ModelOpener::OpenFile(const std::string& path) {
    if (Window() == nullptr)
        return false;
    bool opened = false;
    QMetaObject::invokeMethod(Window(), "OpenFile", Q_RETURN_ARG(bool, opened),
                              Q_ARG(QByteArray, QByteArray::fromStdString(path)));
    return opened;
}

}  // namespace coppia
