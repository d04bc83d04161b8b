// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "ui/common/window_plugins.h"

namespace coppia {

class AnalysisWindowPlugin : public QObject, public AnalysisPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CoppiaAnalysisPlugin_iid)
    Q_INTERFACES(coppia::AnalysisPlugin)
  public:
    QWidget* CreateAnalysisWindow(MainWindow& main) override;
};

}  // namespace coppia
