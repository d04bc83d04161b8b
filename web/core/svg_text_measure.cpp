// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/svg_text_measure.h"

#include <algorithm>
#include <vector>

#include "web/core/svg_font_metrics.h"

namespace coppia {

namespace {

constexpr std::string_view kEllipsis = "…";

// The characters of a UTF-8 text, each as its code point and its bytes' length; a byte that
// starts none is a character of its own.
struct Character {
    char32_t code;
    std::size_t length;
};
std::vector<Character> Characters(std::string_view text) {
    std::vector<Character> characters;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t i = 1; i < length && at + i < text.size(); ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
        characters.push_back({code, std::min(length, text.size() - at)});
        at += length;
    }
    return characters;
}

// A character the table lacks takes the width of an em: wider than any it has, so that it
// never overflows its room.
int Advance(char32_t code) {
    const SvgFontMetrics& font = kSvgFontMetrics;
    if (code >= 0x20 && code < 0x100 && font.latin1[code - 0x20] != 0)
        return font.latin1[code - 0x20];
    for (const auto& [known, width] : font.beyond) {
        if (known == code)
            return width;
    }
    return font.unitsPerEm;
}

}  // namespace

double SvgTextMeasure::Height() const {
    const SvgFontMetrics& font = kSvgFontMetrics;
    return size_ * (font.ascender + font.descender) / font.unitsPerEm;
}

double SvgTextMeasure::Ascent() const {
    return size_ * kSvgFontMetrics.ascender / kSvgFontMetrics.unitsPerEm;
}

double SvgTextMeasure::Width(const std::string& text) const {
    double units = 0;
    for (const Character& character : Characters(text)) units += Advance(character.code);
    return size_ * units / kSvgFontMetrics.unitsPerEm;
}

double SvgTextMeasure::AverageCharWidth() const {
    return size_ * kSvgFontMetrics.averageWidth / kSvgFontMetrics.unitsPerEm;
}

std::string SvgTextMeasure::Elide(const std::string& text, double width) const {
    std::string cut = CutText(text, kLongestMeasured);
    if (cut.size() < text.size())
        cut += kEllipsis;
    if (Width(cut) <= width)
        return cut;
    const std::vector<Character> characters = Characters(cut);
    std::size_t kept = cut.size();
    const double room = width - Width(std::string(kEllipsis));
    double used = Width(cut);
    for (auto at = characters.rbegin(); at != characters.rend() && kept > 0; ++at) {
        used -= size_ * Advance(at->code) / kSvgFontMetrics.unitsPerEm;
        kept -= at->length;
        if (used <= room)
            return cut.substr(0, kept) + std::string(kEllipsis);
    }
    return room >= 0 ? std::string(kEllipsis) : std::string();
}

}  // namespace coppia
