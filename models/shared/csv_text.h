// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace coppia {

// How a table is written for a spreadsheet. An Italian spreadsheet splits a line at ";" and
// reads "0,52" as a number; elsewhere "," and "." are the rule. Every spreadsheet takes a file
// for UTF-8 only when it starts with a byte order mark.
enum class CsvFormat {
    Italian,        // UTF-8 with BOM, ";" between fields, "," as the decimal point
    International,  // UTF-8 with BOM, "," between fields, "." as the decimal point
};

// The lines of a table as CSV, each ended by CR LF. Numbers are written by the format whatever
// the user's locale: in the Italian one every "." between two digits becomes ",". A field
// holding the separator, a quote or a line break is quoted, its quotes doubled.
std::string CsvText(const std::vector<std::vector<std::string>>& lines, CsvFormat format);

// The tab-separated text that spreadsheets paste cell by cell, lines ended by LF; "." stays.
std::string TabSeparatedText(const std::vector<std::vector<std::string>>& lines);

}  // namespace coppia
