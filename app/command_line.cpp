// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineOption>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace coppia {

namespace {

const QString kProgram = QStringLiteral("coppia");

// The program's own options, as --help lists them; adding one is adding a line.
QList<QCommandLineOption> ProgramOptions() {
    return {
        {{"h", "help"}, "Show this help and exit."},
        {{"v", "version"}, "Show the version and exit."},
        {QStringList{"analisi"}, "Open the torque analysis window (Analisi della Coppia) too."},
        {QStringList{"modello"}, "Open the model window (Modello) too."},
        {QStringList{"csv"},
         "Write the table of the model FILE to standard output, as the model window exports it "
         "in the international CSV format, and exit; no window opens.",
         "FILE"},
    };
}

EarlyEnd Refuse(const QString& problem) {
    return {
        1,
        {},
        QStringLiteral("%1: %2\nTry '%1 --help' for more information.\n").arg(kProgram, problem)};
}

}  // namespace

int Finish(const EarlyEnd& end) {
    // Output that never arrived (a closed standard output, a full disk) is a failure, as for
    // every command-line program: the write and the flush both tell of it.
    const QByteArray output = end.output.toLocal8Bit();
    bool written = std::fputs(output.constData(), stdout) >= 0 && std::fflush(stdout) == 0;
    if (written && !end.bytes.isEmpty()) {
#ifdef _WIN32
        // A text stream would write CR CR LF for the file's CR LF.
        _setmode(_fileno(stdout), _O_BINARY);
#endif
        const auto size = static_cast<std::size_t>(end.bytes.size());
        written =
            std::fwrite(end.bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
    }
    const int error = errno;
    std::fputs(end.error.toLocal8Bit().constData(), stderr);
    if (!written) {
        std::fprintf(stderr, "%s: write error: %s\n", qUtf8Printable(kProgram),
                     std::strerror(error));
        return 1;
    }
    return end.exitStatus;
}

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

std::optional<std::string> ModelFileBytes(int argc, char* argv[]) {
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options && argument == "--") {
            options = false;
        } else if (!options || argument.size() < 2 || argument[0] != '-') {
            return std::string(argument);
        }
    }
    return std::nullopt;
}

std::optional<std::string> CsvFileBytes(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            return std::nullopt;
        for (const std::string_view option : {"--csv", "-csv"}) {
            if (argument == option && i + 1 < argc)
                return std::string(argv[i + 1]);
            if (argument.starts_with(option) && argument.substr(option.size()).starts_with('='))
                return std::string(argument.substr(option.size() + 1));
        }
    }
    return std::nullopt;
}

CommandLine::CommandLine(const QStringList& arguments) {
    // Only the Linux package has a manual page to point to.
#ifdef _WIN32
    const QString manual;
#else
    const QString manual = QStringLiteral(" See coppia(1).");
#endif
    parser_.setApplicationDescription(
        QStringLiteral(
            "Computes the torque in Kg*cm a servo needs to move a model aircraft's aileron, and "
            "the\nlift coefficient at which the wing flies, in a window with Italian captions. The "
            "model\nwindow keeps every control surface of a model aircraft, with its servo, in one "
            "FILE.\nQt's own options (-platform, -style, -reverse, -qwindowgeometry, ...) work as "
            "in every\nQt program.") +
        manual);
    // Qt's options are single-dash words ("-style"), not clusters of letters.
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOptions(ProgramOptions());
    parser_.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral(
            "A model file (.coppia) to open in the model window; of several, the first."),
        QStringLiteral("[FILE...]"));
    readWhole_ = parser_.parse(arguments);
}

std::optional<EarlyEnd> CommandLine::Answer() const {
    if (parser_.isSet(QStringLiteral("help"))) {
        // Without an application object Qt's help has no name for the program, and the help is
        // written before there is one.
        QString help = parser_.helpText();
        help.replace(QStringLiteral("<executable_name>"), kProgram);
        return EarlyEnd{0, help, {}};
    }
    if (parser_.isSet(QStringLiteral("version")))
        return EarlyEnd{
            0, QStringLiteral("%1 %2\n").arg(kProgram, QStringLiteral(COPPIA_VERSION)), {}};
    return std::nullopt;
}

std::optional<EarlyEnd> CommandLine::Refusal() const {
    if (!readWhole_)
        return Refuse(parser_.errorText());
    return std::nullopt;
}

std::optional<QString> CommandLine::CsvFile() const {
    if (!parser_.isSet(QStringLiteral("csv")))
        return std::nullopt;
    return parser_.value(QStringLiteral("csv"));
}

std::optional<EarlyEnd> CommandLine::CsvRefusal() const {
    if (!readWhole_)
        return Refuse(parser_.errorText());
    if (!parser_.positionalArguments().isEmpty())
        return Refuse(QStringLiteral("--csv writes the table of one model: FILE '%1' is not taken")
                          .arg(parser_.positionalArguments().constFirst()));
    return std::nullopt;
}

std::optional<QString> CommandLine::ModelFile() const {
    const QStringList files = parser_.positionalArguments();
    if (files.isEmpty())
        return std::nullopt;
    return files.constFirst();
}

}  // namespace coppia
