// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/model_table_answer.h"

#include <QPluginLoader>

#include "ui/common/window_plugins.h"

namespace coppia {

EarlyEnd ModelTableAnswer(const QString& pluginPath, const std::string& file) {
    QPluginLoader loader(pluginPath);
    QObject* instance = loader.instance();
    auto* plugin = qobject_cast<ModelPlugin*>(instance);
    if (plugin == nullptr) {
        const QString reason = instance != nullptr
                                   ? QStringLiteral("it is not the model window's plugin")
                                   : loader.errorString();
        return {1, {}, QStringLiteral("coppia: cannot load %1: %2\n").arg(pluginPath, reason)};
    }
    std::string csv;
    std::string problem;
    const bool read = plugin->ModelTableCsv(file, csv, problem);
    EarlyEnd end{read ? 0 : 1, {}, {}};
    if (!problem.empty())
        end.error = QString::fromStdString(problem) + QLatin1Char('\n');
    end.bytes = QByteArray::fromStdString(csv);
    return end;
}

}  // namespace coppia
