// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/windows/shown_cases.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

namespace coppia {
namespace {

// Every choice is taken from the generator's raw numbers: the standard's distributions give
// different numbers with different standard libraries.
class Choices {
  public:
    explicit Choices(std::uint32_t seed) : engine_(seed) {}

    std::uint32_t Below(std::uint32_t n) { return engine_() % n; }
    bool OneIn(std::uint32_t n) { return Below(n) == 0; }
    template <std::size_t N>
    std::string_view From(const std::array<std::string_view, N>& texts) {
        return texts[Below(N)];
    }

    // A number as a user types it: up to `largest` before the point, up to `decimals` digits
    // after it, the point a comma as often as not, and negative now and then where allowed.
    std::string Decimal(std::uint32_t largest, std::uint32_t decimals, bool negative) {
        std::string text = negative && OneIn(3) ? "-" : "";
        text += std::to_string(Below(largest + 1));
        const std::uint32_t count = Below(decimals + 1);
        if (count > 0)
            text += OneIn(2) ? ',' : '.';
        for (std::uint32_t i = 0; i < count; ++i) text += static_cast<char>('0' + Below(10));
        return text;
    }

  private:
    std::mt19937 engine_;
};

struct InputField {
    Control box;
    std::uint32_t largest;  // of a plausible value
    bool negative;          // whether a plausible value may be negative
};

constexpr std::array<InputField, 9> kInputFields = {{
    {Control::Vel, 250, false},
    {Control::CarAla, 150, false},
    {Control::CordaAla, 600, false},
    {Control::CordaAlett, 250, false},
    {Control::BrServ, 40, false},
    {Control::BrAlett, 40, false},
    {Control::LungAlett, 1500, false},
    {Control::Ang, 65, true},
    {Control::Corsa, 150, true},
}};

// Texts no plausible value gives: empty, zero, huge, tiny, beyond a double, many digits, and
// what the reading of a field makes something of (blanks, "&H", trailing letters).
constexpr auto kOddTexts = std::to_array<std::string_view>({
    "",
    "0",
    "0,0",
    "-0",
    "-",
    "1e300",
    "1E-300",
    "1e400",
    "-1e400",
    "4.9e-324",
    "1.7976931348623157e308",
    "9.99999999999999E+307",
    "123456789012345678901234567890",
    "99999999999999999",
    "0,000000000000001",
    "0.1234567890123456789",
    "3.14159265358979323846",
    "1 2",
    "&H1F",
    "&O17",
    "12abc",
    ".5",
    "5.",
    "1e",
    "2,5e3",
    "1e-5",
});

constexpr auto kLimitAngles = std::to_array<std::string_view>({
    "59.9",
    "60",
    "60.1",
    "-60",
    "-59.9",
    "-60.1",
    "60,0",
    "60.05",
    "59.95",
    "60.04",
    "-60.04",
    "61",
    "-61",
    "90",
    "-90",
    "360",
    "0.05",
    "-0.05",
    "1e3",
    "59,99999999999999",
    "60.00000000000001",
    "-60,000000000001",
});

// Around twice the default chord of 60, where a travel stops having an angle.
constexpr auto kLimitTravels = std::to_array<std::string_view>({
    "119.9",
    "120",
    "120.1",
    "-120",
    "-119,99",
    "119.999999999",
    "0",
    "-0.05",
    "60",
    "103.9",
    "1e300",
    "240",
});

// Chords whose ratio lies at or beyond the limits with the default wing chord of 300.
constexpr auto kLimitSurfaceChords = std::to_array<std::string_view>({
    "7.4",
    "7.5",
    "7,49",
    "240",
    "240.1",
    "241",
    "0",
    "1e300",
    "1e-300",
    "7.500000000000001",
});

// Types each character after the box's text, one keystroke at a time, as a user does.
void Types(CaseWindow& window, Control box, std::string_view text) {
    for (const char c : text) {
        if (!window.Edit(box, window.Text(box) + window.Typed(box, c)))
            return;
    }
}

// A paste keeps a comma as it is; typing turns it into the point; typing after the text
// already there makes a longer number.
void Enter(CaseWindow& window, Control box, std::string_view text, Choices& choices) {
    switch (choices.Below(5)) {
        case 0:
            window.Edit(box, text);
            break;
        case 1:
            Types(window, box, text);
            break;
        default:
            window.Edit(box, "");
            Types(window, box, text);
            break;
    }
}

void Toggle(CaseWindow& window) {
    if (!window.Click(Control::UP))
        window.Click(Control::Down);
}

void ToAngle(CaseWindow& window) {
    window.Click(Control::UP);
}

void AnyStep(CaseWindow& window, Choices& choices) {
    const std::uint32_t step = choices.Below(12);
    if (step == 0)
        return Toggle(window);
    if (step == 1) {
        window.Click(Control::Calc);
        return;
    }
    const InputField& field = kInputFields[choices.Below(kInputFields.size())];
    const std::string text = choices.OneIn(4) ? std::string(choices.From(kOddTexts))
                                              : choices.Decimal(field.largest, 3, field.negative);
    Enter(window, field.box, text, choices);
}

// The steps that single out what a kind of case is about.
void KindSteps(CaseWindow& window, std::uint32_t kind, Choices& choices) {
    switch (kind) {
        case 0:  // angles at and around the limits
            ToAngle(window);
            Enter(window, Control::Ang, choices.From(kLimitAngles), choices);
            break;
        case 1:  // travels, some with no angle on the chord
            Enter(window, Control::Corsa, choices.From(kLimitTravels), choices);
            if (choices.OneIn(2))
                Enter(window, Control::CordaAlett, choices.Decimal(120, 2, false), choices);
            break;
        case 2:  // stall: a heavy wing loading at a low speed
            Enter(window, Control::CarAla, choices.Decimal(250, 1, false), choices);
            Enter(window, Control::Vel, choices.Decimal(40, 2, false), choices);
            break;
        case 3:  // chord ratios refused and just accepted
            Enter(window, Control::CordaAlett, choices.From(kLimitSurfaceChords), choices);
            if (choices.OneIn(3))
                Enter(window, Control::CordaAla, choices.From(kOddTexts), choices);
            break;
        case 4: {  // huge, tiny and empty values in any field
            const InputField& field = kInputFields[choices.Below(kInputFields.size())];
            if (field.box == Control::Ang)
                ToAngle(window);
            Enter(window, field.box, choices.From(kOddTexts), choices);
            break;
        }
        case 5:  // the angle typed, then the chord changed under it
            ToAngle(window);
            Enter(window, Control::Ang, choices.Decimal(70, 2, true), choices);
            Enter(window, Control::CordaAlett, choices.Decimal(200, 2, false), choices);
            break;
        default:  // plain use: a few fields
            break;
    }
}

// Bytes outside printable ASCII, and the line's separators, as \xHH.
std::string Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7e || c == '|' || c == '\\' || c == '~') {
            out.append("\\x").append(1, kHex[byte >> 4]).append(1, kHex[byte & 15]);
        } else {
            out += c;
        }
    }
    return out;
}

std::string ControlsText(const CaseWindow& window) {
    std::string out;
    for (const ControlEntry& entry : kControls) {
        out.append("|").append(entry.name).append("=").append(Escaped(window.Text(entry.id)));
        out.append(window.Enabled(entry.id) ? " E" : " e");
        out.append(window.Visible(entry.id) ? "V" : "v");
    }
    return out;
}

// Each message as |text~title.
std::string MessagesText(const std::vector<std::pair<std::string, std::string>>& messages) {
    std::string out;
    for (const auto& [text, title] : messages) {
        out.append("|").append(Escaped(text)).append("~").append(Escaped(title));
    }
    return out;
}

}  // namespace

std::string Hex(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out.append(1, kHex[byte >> 4]).append(1, kHex[byte & 15]);
    }
    return out;
}

std::string RunCase(std::uint32_t number, CaseStore& store) {
    Choices choices(number * 2654435761u + 20261207u);
    if (!choices.OneIn(3))
        store.Forget();
    const std::unique_ptr<CaseWindow> window = store.Open();

    const std::uint32_t kind = number % 8;
    for (std::uint32_t i = choices.Below(3); i > 0; --i) AnyStep(*window, choices);
    KindSteps(*window, kind, choices);
    if (kind >= 6) {
        for (std::uint32_t i = 1 + choices.Below(5); i > 0; --i) AnyStep(*window, choices);
    }
    if (choices.OneIn(4))
        Toggle(*window);
    window->Click(Control::Calc);

    std::string line = std::to_string(number) + ControlsText(*window);
    line += "|messages" + MessagesText(window->TakeMessages());
    const bool saved = window->WriteLastInputs();
    line += saved ? "|saved" : "|not saved";
    line += MessagesText(window->TakeMessages()) + "|" + store.KeptBytes() + "\n";
    return line;
}

int ShownTextsMain(int argc, char** argv,
                   const std::function<std::unique_ptr<CaseStore>(const std::string&)>& storeIn) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s FOLDER [COUNT]\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const unsigned long count = argc == 3 ? std::strtoul(argv[2], nullptr, 10) : 12000;
    const std::unique_ptr<CaseStore> store = storeIn(folder);
    // Binary, so that no system turns "\n" into CR LF.
    std::ofstream out(folder + "/shown_texts.txt", std::ios::binary | std::ios::trunc);
    if (!out) {
        std::fprintf(stderr, "shown_texts: cannot write into %s\n", folder.c_str());
        return 1;
    }
    for (unsigned long number = 0; number < count; ++number) {
        out << RunCase(static_cast<std::uint32_t>(number), *store);
    }
    out.close();
    if (!out) {
        std::fprintf(stderr, "shown_texts: writing shown_texts.txt failed\n");
        return 1;
    }
    std::printf("%lu cases\n", count);
    return 0;
}

}  // namespace coppia
