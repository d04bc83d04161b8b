// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "ui/common/window_plugins.h"

namespace coppia {

class ModelWindowPlugin : public QObject, public ModelPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CoppiaModelPlugin_iid)
    Q_INTERFACES(coppia::ModelPlugin)
  public:
    QWidget* CreateModelWindow(MainWindow& main) override;
    bool ModelTableCsv(const std::string& path, std::string& csv, std::string& problem) override;
};

}  // namespace coppia
