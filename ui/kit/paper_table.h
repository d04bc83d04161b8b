// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "models/shared/tone.h"

namespace coppia {

class SheetPainter;

// A table for paper, in 8 point letters: its columns as wide as what they hold, the names'
// taking what is left; a name too long for its column wraps onto a second line and is then cut
// where the names stay apart; its headings again at the top of each page.
struct PaperTable {
    enum class Kind {
        Figure,  // aligned right, never cut
        Text,    // as it is
        Name,    // wraps, and gives up room first
    };
    struct Column {
        QString heading;
        Kind kind = Kind::Figure;
    };
    struct Row {
        std::vector<QString> cells;
        std::vector<Tone> tones;  // per cell; none: all neutral
        // From this column, one text across `spanCount` of them (why a surface has no verdict).
        std::optional<std::size_t> spanFrom;
        std::size_t spanCount = 0;
    };
    std::vector<Column> columns;
    std::vector<Row> rows;
    // The headings but the first are names (of surfaces side by side): cut apart where they
    // take more than three lines. The columns after the first then share the page in so many
    // equal parts, so that tables of them one after another line up; and a table is kept on one
    // page where it fits on one.
    bool headingsAreNames = false;
    std::size_t sideBySide = 1;
};

// The letters of the sheets' tables and notes, never smaller.
inline constexpr double kPaperPoints = 8;

void PaintTable(SheetPainter& sheet, const PaperTable& table);

}  // namespace coppia
