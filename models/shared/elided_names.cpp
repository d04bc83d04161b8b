// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/elided_names.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <tuple>

namespace coppia {

namespace {

// A difference shown by this many characters reads as one; more than that adds nothing.
constexpr std::size_t kClearDifference = 4;
// Of all the other names, those most like a name are the ones that can be mistaken for it.
constexpr std::size_t kMostLike = 8;
// A start or an end kept shorter than this says nothing: it is kept whole or not at all.
constexpr std::size_t kShortestPart = 3;

// The characters of a UTF-8 text, each whole.
std::vector<std::string_view> Characters(const std::string& text) {
    std::vector<std::string_view> characters;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
        characters.emplace_back(text.data() + i, end - i);
        i = end;
    }
    return characters;
}

using Text = std::vector<std::string_view>;

// How many characters two names share at their start, and at their end.
struct Shared {
    std::size_t start = 0;
    std::size_t end = 0;
};

Shared SharedWith(const Text& name, const Text& other) {
    Shared shared;
    const std::size_t most = std::min(name.size(), other.size());
    while (shared.start < most && name[shared.start] == other[shared.start]) ++shared.start;
    while (shared.end < most &&
           name[name.size() - 1 - shared.end] == other[other.size() - 1 - shared.end])
        ++shared.end;
    return shared;
}

// The names most like `name`: those sharing the longest start, and those the longest end.
std::vector<Shared> MostLike(std::size_t own, const std::vector<Text>& texts) {
    std::vector<Shared> all;
    for (std::size_t other = 0; other < texts.size(); ++other) {
        if (other != own && texts[other] != texts[own])
            all.push_back(SharedWith(texts[own], texts[other]));
    }
    const std::size_t keep = std::min(kMostLike, all.size());
    std::vector<Shared> like;
    for (const bool byStart : {true, false}) {
        std::partial_sort(all.begin(), all.begin() + static_cast<long>(keep), all.end(),
                          [byStart](const Shared& a, const Shared& b) {
                              return byStart ? a.start > b.start : a.end > b.end;
                          });
        like.insert(like.end(), all.begin(), all.begin() + static_cast<long>(keep));
    }
    return like;
}

std::string Join(const Text& text, std::size_t head, std::size_t tail) {
    std::string joined;
    for (std::size_t i = 0; i < head; ++i) joined += text[i];
    joined += "…";
    for (std::size_t i = text.size() - tail; i < text.size(); ++i) joined += text[i];
    return joined;
}

// Of the cuts keeping `kept` characters, the one that tells the name from the most names most
// like it, by the clearest difference, then keeps its start and end the most alike.
std::size_t BestHead(std::size_t kept, const std::vector<Shared>& like) {
    std::optional<std::tuple<std::size_t, std::size_t, long>> best;
    std::size_t bestHead = 0;
    for (std::size_t head = kept + 1; head-- > 0;) {
        const std::size_t tail = kept - head;
        const auto tooShort = [kept](std::size_t part) {
            return part > 0 && part < kShortestPart && kept >= 2 * kShortestPart;
        };
        if (tooShort(head) || tooShort(tail))
            continue;
        std::size_t told = 0;
        std::size_t clearest = kClearDifference;
        for (const Shared& other : like) {
            const std::size_t byStart = head > other.start ? head - other.start : 0;
            const std::size_t byEnd = tail > other.end ? tail - other.end : 0;
            if (byStart == 0 && byEnd == 0)
                continue;
            ++told;
            clearest = std::min(clearest, std::max(byStart, byEnd));
        }
        const auto score = std::make_tuple(
            told, clearest, -std::labs(static_cast<long>(head) - static_cast<long>(tail)));
        if (!best || score > *best) {
            best = score;
            bestHead = head;
        }
    }
    return bestHead;
}

std::string Elided(std::size_t own, const std::vector<Text>& texts,
                   const std::function<bool(std::size_t, const std::string&)>& fits) {
    const Text& text = texts[own];
    const std::vector<Shared> like = MostLike(own, texts);
    const auto cut = [&](std::size_t kept) {
        const std::size_t head = BestHead(kept, like);
        return Join(text, head, kept - head);
    };
    // The most characters that fit: a cut keeping fewer is never wider.
    std::size_t low = 0;
    std::size_t high = text.size();  // keeps every character but one at most
    while (low + 1 < high) {
        const std::size_t middle = (low + high) / 2;
        (fits(own, cut(middle)) ? low : high) = middle;
    }
    return cut(low);
}

}  // namespace

std::vector<std::string> ElideApart(
    const std::vector<std::string>& names,
    const std::function<bool(std::size_t, const std::string&)>& fits) {
    std::vector<Text> texts;
    for (const std::string& name : names) texts.push_back(Characters(name));
    std::vector<std::string> elided;
    for (std::size_t i = 0; i < names.size(); ++i)
        elided.push_back(fits(i, names[i]) ? names[i] : Elided(i, texts, fits));
    return elided;
}

}  // namespace coppia
