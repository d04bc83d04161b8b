// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "settings/last_inputs_format.h"

namespace coppia {

// Where the window keeps the inputs of its last calculation.
class LastInputsStore {
  public:
    virtual ~LastInputsStore() = default;
    // The stored values in order, at most eight; none when nothing is stored.
    virtual std::vector<std::string> ReadValues() = 0;
    // Replaces what is stored by these texts; false when they could not be saved.
    virtual bool Write(const LastInputsTexts& texts) = 0;
};

// The file "Mervanti.ini": in the user's configuration folder ($XDG_CONFIG_HOME or ~/.config),
// and at "c:\Mervanti.ini" on Windows, where the program has always kept it.
QString LastInputsPath();

// Reading looks at no more than this many bytes: eight numbers need a few dozen.
inline constexpr qint64 kLastInputsReadLimit = 64 * 1024;

class LastInputsFile : public LastInputsStore {
  public:
    explicit LastInputsFile(QString path) : path_(std::move(path)) {}

    // Only a regular file is read, and only up to kLastInputsReadLimit, so that a directory,
    // a FIFO, a device or a huge file at the path neither blocks nor fills the memory.
    std::vector<std::string> ReadValues() override;
    // The new content goes to a temporary file in the same folder that then replaces the old
    // one, so the file holds the old eight lines or the new eight lines, never a part.
    bool Write(const LastInputsTexts& texts) override;

    const QString& Path() const { return path_; }

  private:
    QString path_;
};

}  // namespace coppia
