// SPDX-License-Identifier: GPL-3.0-or-later
// The model window's view on a model of a thousand surfaces, as a user meets it: the time from
// opening the file to the table being painted on the screen, and from Salva to the file saved.
// Runs under an X server (bench/run uses Xvfb) or any other Qt platform.
// Usage: model_window_bench [RUNS]
#include <stdlib.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/thousand_surfaces.h"
#include "files/last_inputs_format.h"
#include "files/last_inputs_store.h"
#include "models/main/main_window.h"
#include "ui/main/main_window_view.h"
#include "ui/window_opener.h"

namespace {

using namespace coppia;

class NoMessages : public MessageSink {
  public:
    void ShowMessage(std::string_view text, std::string_view) override {
        std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
    }
};

class NoLastInputs : public LastInputsStore {
  public:
    std::vector<std::string> ReadValues() override { return {}; }
    SaveResult Write(const LastInputsNumbers&) override { return {true, {}}; }
    std::string Location() const override { return "Mervanti.ini"; }
};

// Notes when the watched widget has been painted.
class PaintWatch : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;
};

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    // The configuration folder of the file's own temporary folder: no user file is touched.
    const ThousandSurfaces file;
    setenv("XDG_CONFIG_HOME", std::filesystem::path(file.path).parent_path().string().c_str(), 1);
    NoMessages messages;
    NoLastInputs lastInputs;
    MainWindow main(messages, lastInputs);
    MainWindowView mainView(main);
    mainView.LoadAndShow();
    ModelOpener opener(main, &mainView, QStringLiteral(COPPIA_MODEL_PLUGIN));

    QElapsedTimer clock;
    clock.start();
    if (!opener.Open())
        return 1;
    QWidget* window = opener.Window();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    const double windowMs = clock.nsecsElapsed() / 1e6;
    auto* table = window->findChild<QTableView*>(QStringLiteral("Tabella"));
    PaintWatch watch;
    table->viewport()->installEventFilter(&watch);

    std::vector<double> openMs;
    std::vector<double> saveMs;
    for (int run = 0; run < runs; ++run) {
        watch.painted = false;
        clock.restart();
        if (!opener.OpenFile(file.path))
            return 1;
        while (!watch.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        openMs.push_back(clock.nsecsElapsed() / 1e6);
        if (table->model()->rowCount() != 1000)
            return 1;
        clock.restart();
        window->findChild<QAction*>(QStringLiteral("Salva"))->trigger();
        saveMs.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::printf("model window, first opened (plugin loaded, window built): %.1f ms\n", windowMs);
    std::printf(
        "1000 surfaces: open, compute and show the table: first %.1f ms, then median "
        "%.1f ms over %d runs (aim under 200)\n",
        openMs.front(), Median(openMs), runs);
    std::printf("1000 surfaces: Salva: median %.1f ms (aim under 50)\n", Median(saveMs));
    return 0;
}
