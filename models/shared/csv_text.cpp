// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/csv_text.h"

namespace coppia {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string WithDecimalComma(std::string text) {
    for (std::size_t i = 1; i + 1 < text.size(); ++i) {
        if (text[i] == '.' && IsDigit(text[i - 1]) && IsDigit(text[i + 1]))
            text[i] = ',';
    }
    return text;
}

std::string Field(const std::string& text, char separator) {
    if (text.find_first_of(std::string(1, separator) + "\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string CsvText(const std::vector<std::vector<std::string>>& lines, CsvFormat format) {
    const bool italian = format == CsvFormat::Italian;
    const char separator = italian ? ';' : ',';
    // Both start with a byte order mark: without it a spreadsheet opened by double-click takes
    // the file in the system's old code page, and "Unità", "N·cm" and "°" come out garbled.
    std::string csv = "\xEF\xBB\xBF";
    for (const std::vector<std::string>& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                csv += separator;
            csv += Field(italian ? WithDecimalComma(line[i]) : line[i], separator);
        }
        csv += "\r\n";
    }
    return csv;
}

std::string TabSeparatedText(const std::vector<std::vector<std::string>>& lines) {
    std::string text;
    for (const std::vector<std::string>& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0)
                text += '\t';
            text += line[i];
        }
        text += '\n';
    }
    return text;
}

}  // namespace coppia
