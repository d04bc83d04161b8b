// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>

#include "app/command_line.h"

namespace coppia {

// What `coppia --csv FILE` ends with: the table of the model file (the system's bytes) as the
// model window exports it in the international CSV format, from the model window's plugin at
// `pluginPath`, loaded for it alone, with exit status 0; or, with status 1 on standard error,
// the window's reason for refusing the file, or why the plugin could not be loaded. Settings of
// the analysis that cannot be read are said on standard error too, and the table judged with
// the defaults, as the window judges it.
EarlyEnd ModelTableAnswer(const QString& pluginPath, const std::string& file);

}  // namespace coppia
