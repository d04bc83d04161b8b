// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace coppia {

// How the program ends at once instead of opening its window: what it prints on standard output
// and on standard error, and its exit status.
struct EarlyEnd {
    int exitStatus = 0;
    QString output;
    QString error;
    // Written to standard output as they are, after `output`: a file's bytes, which no
    // conversion to the system's encoding or line ends may touch.
    QByteArray bytes = {};
};

// Prints what the early end says and gives its exit status back; 1, with a message on standard
// error, when its output could not be written.
int Finish(const EarlyEnd& end);

// The arguments as the program received them, its own name first.
QStringList Arguments(int argc, char* argv[]);

// The model file of the command line as the system's bytes, which a name in another encoding
// than UTF-8 needs: the first argument that is no option, as CommandLine::ModelFile() finds it,
// read from what QApplication left of the arguments.
std::optional<std::string> ModelFileBytes(int argc, char* argv[]);

// The model file of --csv as the system's bytes, as ModelFileBytes reads the other: the argument
// after "--csv" (or "-csv"), or what follows "--csv=".
std::optional<std::string> CsvFileBytes(int argc, char* argv[]);

// The program's command line, read twice. Before the application object exists it answers
// --help and --version, which therefore need no display. QApplication then takes Qt's own options
// (-platform, -style, -reverse, -qwindowgeometry, ...) out of the arguments, and what is left must
// be this program's: anything else is refused before a window opens.
class CommandLine {
  public:
    explicit CommandLine(const QStringList& arguments);

    // The help or the version, when asked for; asking for them wins over any error, since before
    // QApplication has read the arguments an unknown option may still be one of Qt's.
    std::optional<EarlyEnd> Answer() const;
    // An error for an unknown option.
    std::optional<EarlyEnd> Refusal() const;
    // Whether one of the program's own options, by its long name, was given.
    bool IsSet(const QString& option) const { return parser_.isSet(option); }
    // The model file to open in the model window: the first argument that is no option. A
    // desktop that opens several files at once gives them all; the window takes one model.
    std::optional<QString> ModelFile() const;
    // The model file whose table --csv writes, when asked for.
    std::optional<QString> CsvFile() const;
    // What refuses a --csv command line: an unknown option (with no window to open, Qt's own
    // are of no use either) or a model file beside it, which no window would open.
    std::optional<EarlyEnd> CsvRefusal() const;

  private:
    QCommandLineParser parser_;
    bool readWhole_ = false;
};

}  // namespace coppia
