// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/servo_motion_text.h"

#include <cmath>

#include "engine/number_text.h"

namespace coppia {

namespace {

std::string TimeCell(const MotionTime& time) {
    switch (time.outcome) {
        case MotionOutcome::Reached:
            return SecondsText(time.seconds);
        case MotionOutcome::StopsShort:
            return "si ferma a " + StopText(time.stopDeflection);
        case MotionOutcome::Missing:
            return MissingDatumText(time.missing, true);
        case MotionOutcome::Unreachable:
            return "irraggiungibile";
        case MotionOutcome::BeyondThrow:
            return "oltre l'escursione";
        case MotionOutcome::Refused:
            break;
    }
    return "non calcolabile";
}

std::string CurrentCell(const ServoCurrent& current, bool brief) {
    switch (current.outcome) {
        case CurrentOutcome::Given:
            return AmperesText(current.amperes) + (brief ? "" : " A");
        case CurrentOutcome::Missing:
            return MissingDatumText(current.missing, brief);
        case CurrentOutcome::Refused:
            break;
    }
    return "non calcolabile";
}

// The time under load, and beside it the time with no load when the sheet gives it.
std::string TimeLine(const ServoMotion& motion, const std::string& prefix) {
    const std::string unloaded = motion.unloaded.outcome == MotionOutcome::Reached
                                     ? " (" + SecondsText(motion.unloaded.seconds) + " s a vuoto)"
                                     : std::string();
    const MotionTime& loaded = motion.loaded;
    switch (loaded.outcome) {
        case MotionOutcome::Reached:
            return prefix + SecondsText(loaded.seconds) + " s sotto carico" + unloaded;
        case MotionOutcome::StopsShort:
            return "Si ferma a " + StopText(loaded.stopDeflection) +
                   ": la coppia di stallo non basta";
        case MotionOutcome::Missing:
            return prefix + MissingDatumText(loaded.missing) + unloaded;
        case MotionOutcome::Unreachable:
            return prefix + "il rinvio non ci arriva";
        case MotionOutcome::BeyondThrow:
            return prefix + "il servo dovrebbe ruotare oltre la sua escursione";
        case MotionOutcome::Refused:
            break;
    }
    return prefix + "non calcolabile lungo la corsa" + unloaded;
}

// Holding and starting lack data together more often than not: then said once.
std::string CurrentLine(const ServoMotion& motion, const std::string& at) {
    const ServoCurrent& holding = motion.holding;
    const ServoCurrent& starting = motion.starting;
    if (holding.outcome == CurrentOutcome::Missing && starting.outcome == CurrentOutcome::Missing) {
        const std::string both = "Corrente in tenuta e allo spunto: ";
        if (holding.missing == starting.missing)
            return both + MissingDatumText(holding.missing);
        return both + "mancano la corrente a vuoto e quella di stallo del servo";
    }
    return "Corrente in tenuta a " + at + ": " + CurrentCell(holding, false) +
           "; allo spunto: " + CurrentCell(starting, false);
}

// Agreeing with each caption.
constexpr std::array<std::string_view, 4> kFigureUnfit = {"non valida", "non valido", "non valida",
                                                          "non valida"};

}  // namespace

std::string MissingDatumText(ServoDatum datum, bool brief) {
    std::string text;
    switch (datum) {
        case ServoDatum::StallTorque:
            text = "manca la coppia";
            break;
        case ServoDatum::Time60:
            text = "manca la velocità";
            break;
        case ServoDatum::NoLoadCurrent:
            text = "manca la corrente a vuoto";
            break;
        case ServoDatum::StallCurrent:
            text = "manca la corrente di stallo";
            break;
    }
    return brief ? text : text + " del servo";
}

std::string StopText(double deflection) {
    // Adding 0 turns a stop at -0 into 0, which has no sign to show.
    return FormatNumber(std::trunc(deflection * 10) / 10 + 0.0, "#0.0") + "°";
}

std::string SecondsText(double seconds) {
    return FormatNumber(seconds, "#0.00");
}

std::string AmperesText(double amperes) {
    return FormatNumber(amperes, "#0.00");
}

MotionLines DescribeMotion(const ServoMotion& motion, double deflection) {
    const std::string at = FormatPlainNumber(deflection) + "°";
    MotionLines lines;
    lines.time = TimeLine(motion, "Tempo per " + at + ": ");
    switch (motion.loaded.outcome) {
        case MotionOutcome::StopsShort:
        case MotionOutcome::Unreachable:
        case MotionOutcome::BeyondThrow:
            lines.timeTone = Tone::Bad;
            break;
        case MotionOutcome::Reached:
        case MotionOutcome::Missing:
        case MotionOutcome::Refused:
            break;
    }
    lines.current = CurrentLine(motion, at);
    return lines;
}

std::array<std::string, kMotionColumnCount> MotionCells(const ServoMotion& motion) {
    return {TimeCell(motion.loaded), TimeCell(motion.unloaded), CurrentCell(motion.holding, true),
            CurrentCell(motion.starting, true)};
}

std::optional<std::optional<double>> TypedInRange(std::string_view text, double least,
                                                  double most) {
    if (text.find_first_not_of(" \t") == std::string_view::npos)
        return std::optional<double>();
    const std::optional<double> value = ReadWholeNumber(text);
    if (!value || !(*value >= least && *value <= most))
        return std::nullopt;
    return value;
}

std::optional<std::optional<double>> TypedFigure(const ServoFigureKey& figure,
                                                 std::string_view text) {
    return TypedInRange(text, figure.least, figure.most);
}

std::string FigureProblem(std::size_t figure) {
    return std::string(kServoFigureCaptions[figure]) + " " + std::string(kFigureUnfit[figure]) +
           ": serve " + FigureRange(kServoFigureKeys[figure]) + ", o niente se non si conosce";
}

std::string FiguresText(const ServoFigures& figures) {
    std::string text;
    const auto add = [&text](const std::optional<double>& figure, std::string_view before,
                             std::string_view after) {
        if (figure) {
            text += (text.empty() ? "" : ", ") + std::string(before) + FormatPlainNumber(*figure) +
                    std::string(after);
        }
    };
    add(figures.time60, "60° in ", " s a vuoto");
    add(figures.noLoadCurrent, "", " A a vuoto");
    add(figures.stallCurrent, "", " A in stallo");
    std::string given = "Dati del servo";
    if (figures.voltage)
        given += " a " + FormatPlainNumber(*figures.voltage) + " V";
    if (text.empty())
        return figures.voltage ? given : std::string();
    return given + ": " + text;
}

std::string FigureFieldText(const std::optional<double>& value) {
    return value ? FormatPlainNumber(*value) : std::string();
}

}  // namespace coppia
