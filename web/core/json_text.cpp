// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/core/json_text.h"

#include <cstdio>

namespace coppia {

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            quoted += escaped;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

void JsonWriter::Key(std::string_view key) {
    if (text_.size() > 1)
        text_ += ',';
    if (close_ == '}')
        text_ += JsonString(key) + ':';
}

JsonWriter& JsonWriter::Text(std::string_view key, std::string_view value) {
    Key(key);
    text_ += JsonString(value);
    return *this;
}

JsonWriter& JsonWriter::Number(std::string_view key, double value) {
    Key(key);
    char written[32];
    std::snprintf(written, sizeof written, "%.17g", value);
    text_ += written;
    return *this;
}

JsonWriter& JsonWriter::Bool(std::string_view key, bool value) {
    Key(key);
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view key, std::string_view json) {
    Key(key);
    text_ += json;
    return *this;
}

}  // namespace coppia
