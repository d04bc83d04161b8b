// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtPlugin>

class QWidget;

namespace coppia {

class MainWindow;

// The analysis window comes in a plugin of its own, loaded the first time it is opened, so that
// the libraries it alone needs cost the main window's start-up nothing.
class AnalysisPlugin {
  public:
    virtual ~AnalysisPlugin() = default;
    // A new top-level analysis window that follows `main` until it is destroyed; it only reads
    // the main window's state.
    virtual QWidget* CreateAnalysisWindow(MainWindow& main) = 0;
};

}  // namespace coppia

#define CoppiaAnalysisPlugin_iid "org.coppia.coppia.AnalysisPlugin/1"
Q_DECLARE_INTERFACE(coppia::AnalysisPlugin, CoppiaAnalysisPlugin_iid)
