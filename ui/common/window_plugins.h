// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>
#include <string>

class QWidget;

namespace coppia {

class MainWindow;

// The added windows come in plugins of their own, each loaded the first time its window is
// opened, so that the libraries they alone need cost the main window's start-up nothing.

class AnalysisPlugin {
  public:
    virtual ~AnalysisPlugin() = default;
    // A new top-level analysis window that follows `main` until it is destroyed; it only reads
    // the main window's state.
    virtual QWidget* CreateAnalysisWindow(MainWindow& main) = 0;
};

class ModelPlugin {
  public:
    virtual ~ModelPlugin() = default;
    // A new top-level model window with a new model. It reads the main window's fields, and
    // changes them only when its user loads a surface into the main window. Its invokable
    // OpenFile(QByteArray path) opens a model file named by the system's bytes.
    virtual QWidget* CreateModelWindow(MainWindow& main) = 0;
    // Without a window: the table of the model file at `path` (the system's bytes), as the
    // window's "Esporta CSV…" writes it in the international format, judged with the analysis's
    // settings. True with the CSV in `csv`, and in `problem` what was used in place of settings
    // that could not be read; false with the window's reason for refusing the file in `problem`.
    virtual bool ModelTableCsv(const std::string& path, std::string& csv, std::string& problem) = 0;
};

}  // namespace coppia

#define CoppiaAnalysisPlugin_iid "org.coppia.coppia.AnalysisPlugin/1"
Q_DECLARE_INTERFACE(coppia::AnalysisPlugin, CoppiaAnalysisPlugin_iid)
#define CoppiaModelPlugin_iid "org.coppia.coppia.ModelPlugin/2"
Q_DECLARE_INTERFACE(coppia::ModelPlugin, CoppiaModelPlugin_iid)
