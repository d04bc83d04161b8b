// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/paper_table.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <numeric>
#include <string>

#include "models/shared/elided_names.h"
#include "ui/common/qt_text.h"
#include "ui/kit/sheet_painter.h"
#include "ui/kit/window_widgets.h"

namespace coppia {

namespace {

// The most lines of a name in a row, of a name heading a column, of any heading.
constexpr int kNameLines = 2;
constexpr int kNameHeadingLines = 3;
constexpr int kHeadingLines = 5;
// A column of names is never made narrower than this, in millimetres.
constexpr double kNarrowestNames = 18;
// Between a cell's text and the next cell's, on either side, in millimetres.
constexpr double kPad = 0.6;

using Kind = PaperTable::Kind;

double LongestWord(const QFontMetricsF& metrics, const QString& text) {
    double longest = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        longest = std::max(longest, metrics.horizontalAdvance(word));
    return longest;
}

bool Spanned(const PaperTable::Row& row, std::size_t column) {
    return row.spanFrom && column >= *row.spanFrom && column < *row.spanFrom + row.spanCount;
}

// Each column as wide as its widest cell and the longest word of its heading; where the page is
// narrower, the names' columns give up room first, down to their narrowest.
std::vector<double> Widths(const PaperTable& table, const QFontMetricsF& metrics,
                           const SheetPainter& sheet) {
    const double pad = sheet.Mm(kPad);
    std::vector<double> need;
    std::vector<double> least;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        double widest = LongestWord(metrics, table.columns[c].heading);
        for (const PaperTable::Row& row : table.rows) {
            if (!Spanned(row, c))
                widest = std::max(widest, metrics.horizontalAdvance(row.cells[c]));
        }
        // A hair more: text measured to fit exactly may be drawn a fraction wider.
        need.push_back(widest + 2 * pad + sheet.Mm(0.3));
        least.push_back(table.columns[c].kind == Kind::Name
                            ? std::min(need.back(), sheet.Mm(kNarrowestNames))
                            : need.back());
    }
    const double total = std::accumulate(need.begin(), need.end(), 0.0);
    const double leastTotal = std::accumulate(least.begin(), least.end(), 0.0);
    std::vector<double> widths(need.size());
    if (table.headingsAreNames && !need.empty()) {
        const double first = std::min(need[0], sheet.Width() / 2);
        widths[0] = first;
        for (std::size_t c = 1; c < need.size(); ++c)
            widths[c] = (sheet.Width() - first) / static_cast<double>(table.sideBySide);
        return widths;
    }
    for (std::size_t c = 0; c < need.size(); ++c) {
        if (total <= sheet.Width()) {
            widths[c] = need[c] * sheet.Width() / total;
        } else if (leastTotal <= sheet.Width()) {
            // What the names give up, in proportion to what they could.
            const double share = (total - sheet.Width()) / (total - leastTotal);
            widths[c] = need[c] - (need[c] - least[c]) * share;
        } else {
            widths[c] = least[c] * sheet.Width() / leastTotal;
        }
    }
    return widths;
}

int Flags(Kind kind) {
    switch (kind) {
        case Kind::Figure:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Kind::Text:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case Kind::Name:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
}

// How many lines `text` takes across `width`, broken between its words.
int Lines(const QFontMetricsF& metrics, const QString& text, double width) {
    const QRectF used = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    return std::max(1, static_cast<int>(std::lround(used.height() / metrics.lineSpacing())));
}

// Whether `text` fits `lines` lines of `width`, no word wider than it.
bool Fits(const QFontMetricsF& metrics, const QString& text, double width, int lines) {
    const QRectF used = metrics.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, text);
    return used.width() <= width + 0.01 && Lines(metrics, text, width) <= lines;
}

// The names of column `c`, each in two lines of its width at most, cut so that they stay apart.
std::vector<QString> NamesFitted(const PaperTable& table, std::size_t c, double width,
                                 const QFontMetricsF& metrics) {
    std::vector<std::string> names;
    for (const PaperTable::Row& row : table.rows) names.push_back(row.cells[c].toStdString());
    const std::vector<std::string> cut =
        ElideApart(names, [&](std::size_t, const std::string& name) {
            return Fits(metrics, ToQString(name), width, kNameLines);
        });
    std::vector<QString> fitted;
    for (const std::string& name : cut) fitted.push_back(ToQString(name));
    return fitted;
}

struct Layout {
    std::vector<double> lefts;
    std::vector<double> widths;
    double pad = 0;
    double lineHeight = 0;
};

// The headings, the names among them cut apart to three lines.
std::vector<QString> Headings(const PaperTable& table, const Layout& laid,
                              const QFontMetricsF& metrics) {
    std::vector<std::string> names;
    for (const PaperTable::Column& column : table.columns)
        names.push_back(column.heading.toStdString());
    if (table.headingsAreNames) {
        names = ElideApart(names, [&](std::size_t c, const std::string& name) {
            return c == 0 ||
                   Fits(metrics, ToQString(name), laid.widths[c] - 2 * laid.pad, kNameHeadingLines);
        });
    }
    std::vector<QString> headings;
    for (const std::string& name : names) headings.push_back(ToQString(name));
    return headings;
}

double HeadingsHeight(const SheetPainter& sheet, const PaperTable& table, const Layout& laid,
                      const QFontMetricsF& metrics) {
    const std::vector<QString> headings = Headings(table, laid, metrics);
    int lines = 1;
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        lines = std::max(lines, Lines(metrics, headings[c], laid.widths[c] - 2 * laid.pad));
    return std::min(lines, kHeadingLines) * laid.lineHeight + sheet.Mm(1);
}

void PaintHeadings(SheetPainter& sheet, const PaperTable& table, const Layout& laid) {
    QPainter& painter = sheet.Painter();
    const QFontMetricsF metrics = painter.fontMetrics();
    const std::vector<QString> headings = Headings(table, laid, metrics);
    const double height = HeadingsHeight(sheet, table, laid, metrics);
    sheet.NeedRoom(height + 2 * laid.lineHeight);
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        painter.drawText(
            QRectF(laid.lefts[c] + laid.pad, sheet.Y(), laid.widths[c] - 2 * laid.pad, height),
            Qt::AlignCenter | Qt::TextWordWrap, headings[c]);
    }
    sheet.SetY(sheet.Y() + height);
    painter.drawLine(QPointF(0, sheet.Y()), QPointF(sheet.Width(), sheet.Y()));
}

// A row's texts as they are drawn, and its height.
struct RowLaid {
    std::vector<QString> texts;
    double height = 0;
};

RowLaid LayOutRow(const SheetPainter& sheet, const PaperTable& table, const Layout& laid,
                  const QFontMetricsF& metrics, const std::vector<std::vector<QString>>& names,
                  std::size_t r) {
    const PaperTable::Row& row = table.rows[r];
    RowLaid out{row.cells, 0};
    int lines = 1;
    for (std::size_t c = 0; c < out.texts.size(); ++c) {
        if (!names[c].empty() && !Spanned(row, c))
            out.texts[c] = names[c][r];
        if (table.columns[c].kind == Kind::Name)
            lines = std::max(lines, Lines(metrics, out.texts[c], laid.widths[c] - 2 * laid.pad));
    }
    out.height = std::min(lines, kNameLines) * laid.lineHeight + sheet.Mm(0.6);
    return out;
}

void PaintRow(SheetPainter& sheet, const PaperTable& table, const Layout& laid,
              const PaperTable::Row& row, const RowLaid& shown) {
    QPainter& painter = sheet.Painter();
    const QFontMetricsF metrics = painter.fontMetrics();
    if (sheet.Remaining() < shown.height) {
        sheet.NewPage();
        PaintHeadings(sheet, table, laid);
    }
    for (std::size_t c = 0; c < shown.texts.size(); ++c) {
        if (Spanned(row, c) && c != *row.spanFrom)
            continue;
        const bool span = row.spanFrom && c == *row.spanFrom;
        const double right = span ? laid.lefts[c + row.spanCount] : laid.lefts[c + 1];
        const QRectF box(laid.lefts[c] + laid.pad, sheet.Y(), right - laid.lefts[c] - 2 * laid.pad,
                         shown.height);
        painter.setPen(ToneColour(c < row.tones.size() ? row.tones[c] : Tone::Neutral));
        const Kind kind = span ? Kind::Text : table.columns[c].kind;
        const QString& text = shown.texts[c];
        painter.drawText(
            box, Flags(kind),
            kind == Kind::Name ? text : metrics.elidedText(text, Qt::ElideMiddle, box.width()));
    }
    painter.setPen(Qt::black);
    sheet.SetY(sheet.Y() + shown.height);
}

}  // namespace

void PaintTable(SheetPainter& sheet, const PaperTable& table) {
    sheet.Font(kPaperPoints);
    const QFontMetricsF metrics = sheet.Painter().fontMetrics();
    Layout laid;
    laid.pad = sheet.Mm(kPad);
    laid.lineHeight = metrics.lineSpacing();
    laid.widths = Widths(table, metrics, sheet);
    laid.lefts = {0};
    for (const double width : laid.widths) laid.lefts.push_back(laid.lefts.back() + width);
    std::vector<std::vector<QString>> names(table.columns.size());
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        if (table.columns[c].kind == Kind::Name)
            names[c] = NamesFitted(table, c, laid.widths[c] - 2 * laid.pad, metrics);
    }
    std::vector<RowLaid> rows;
    double height = HeadingsHeight(sheet, table, laid, metrics);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        rows.push_back(LayOutRow(sheet, table, laid, metrics, names, r));
        height += rows.back().height;
    }
    if (table.headingsAreNames)
        sheet.NeedRoom(height);
    PaintHeadings(sheet, table, laid);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        PaintRow(sheet, table, laid, table.rows[r], rows[r]);
    sheet.Skip(2);
}

}  // namespace coppia
