// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace coppia {

// JSON text written as it goes, for what the page reads: a window's display is thousands of
// texts, and writing them straight is a fraction of the code a document of values takes.

// A text as a JSON string, quoted and escaped.
std::string JsonString(std::string_view text);

// An object or a list, its members added in turn; Text() closes it.
class JsonWriter {
  public:
    static JsonWriter Object() { return JsonWriter('{', '}'); }
    static JsonWriter List() { return JsonWriter('[', ']'); }

    // A member of an object (`key` given) or an item of a list (no key).
    JsonWriter& Text(std::string_view key, std::string_view value);
    JsonWriter& Number(std::string_view key, double value);
    JsonWriter& Bool(std::string_view key, bool value);
    // JSON written already: an object, a list, null.
    JsonWriter& Raw(std::string_view key, std::string_view json);
    template <typename Texts>
    JsonWriter& Texts(std::string_view key, const Texts& texts);

    std::string Done() { return text_ + close_; }

  private:
    JsonWriter(char open, char close) : text_(1, open), close_(close) {}
    void Key(std::string_view key);

    std::string text_;
    char close_;
};

// A list of texts.
template <typename Texts>
std::string JsonTexts(const Texts& texts) {
    JsonWriter list = JsonWriter::List();
    for (const auto& text : texts) list.Text({}, text);
    return list.Done();
}

template <typename Texts>
JsonWriter& JsonWriter::Texts(std::string_view key, const Texts& texts) {
    return Raw(key, JsonTexts(texts));
}

}  // namespace coppia
