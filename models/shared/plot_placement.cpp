// SPDX-License-Identifier: GPL-3.0-or-later
#include "models/shared/plot_placement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/number_text.h"
#include "models/shared/elided_names.h"
#include "models/shared/plot_labels.h"

namespace coppia {

namespace {

constexpr double kEntryGap = 14;  // between entries of a row

std::string Degrees(double value) {
    return FormatNumber(value, "#0.0") + "°";
}

// What the legend names, before it is laid out: a curve, a rating off its curve, the current
// deflection, the second estimate's band.
struct LegendItem {
    std::string name;
    std::optional<std::size_t> coincidesWith;  // a curve's: the earlier one it is drawn over
    PlotPen pen;
    bool marked = false;
    bool band = false;
};

// A name no longer than can be measured at once.
std::string Measurable(const std::string& name) {
    const std::string cut = CutText(name, kLongestMeasured);
    return cut.size() < name.size() ? cut + "…" : cut;
}

std::string CoincideNote(const std::string& other) {
    return " (coincide con «" + other + "»)";
}

std::vector<LegendItem> LegendItems(const PlotData& plot, const PlotStyle& style) {
    std::vector<LegendItem> items;
    const std::vector<std::optional<std::size_t>> coincides = CoincidingCurves(plot.curves);
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        items.push_back({Measurable(plot.curves[i].name), coincides[i], style.curves[i],
                         plot.curves[i].mark.has_value()});
    }
    // A line of a curve's servo is in the curve's colour, and the curve's name stands for it;
    // unless it lies beyond the scale, which only its name says.
    for (std::size_t i = 0; i < plot.ratings.size(); ++i) {
        const PlotRating& rating = plot.ratings[i];
        if (!rating.curve || !rating.value)
            items.push_back({Measurable(rating.name), std::nullopt, style.ratings[i], false});
    }
    if (plot.deflection) {
        items.push_back({"Deflessione attuale " + Degrees(*plot.deflection), std::nullopt,
                         style.deflection, false});
    }
    if (plot.band)
        items.push_back({Measurable(plot.band->name), std::nullopt, style.bandLow, false, true});
    return items;
}

// The whole text of an entry, as it would be with room enough.
std::string WholeText(const std::vector<LegendItem>& items, std::size_t i) {
    const std::optional<std::size_t> other = items[i].coincidesWith;
    return items[i].name + (other ? CoincideNote(items[*other].name) : std::string());
}

// Each item's text in `room` across: the names cut so that they stay apart, each in at least
// half its room; a curve drawn over another names it in what is left.
struct LegendTexts {
    std::vector<std::string> names;  // as cut
    std::vector<std::string> texts;
};
LegendTexts TextsIn(const std::vector<LegendItem>& items, const std::vector<double>& rooms,
                    const TextMeasure& measure) {
    std::vector<std::string> names;
    std::vector<double> noteRooms(items.size(), 1e9);
    for (std::size_t i = 0; i < items.size(); ++i) {
        names.push_back(items[i].name);
        if (const std::optional<std::size_t> other = items[i].coincidesWith)
            noteRooms[*other] = std::min(noteRooms[*other], rooms[i] / 5);
    }
    const auto width = [&measure](const std::string& text) { return measure.Width(text); };
    const std::vector<std::string> inNotes = ElideApart(
        names, [&](std::size_t i, const std::string& name) { return width(name) <= noteRooms[i]; });
    std::vector<std::string> notes;
    for (const LegendItem& item : items)
        notes.push_back(item.coincidesWith ? CoincideNote(inNotes[*item.coincidesWith])
                                           : std::string());
    LegendTexts cut;
    cut.names = ElideApart(names, [&](std::size_t i, const std::string& name) {
        const double room = std::max(rooms[i] - width(notes[i]), rooms[i] / 2);
        return width(name) <= room;
    });
    for (std::size_t i = 0; i < items.size(); ++i) {
        std::string text = cut.names[i] + notes[i];
        // Without room to name the other curve, the note says only that it coincides.
        if (items[i].coincidesWith && width(text) > rooms[i])
            text = cut.names[i] + " (coincide)";
        cut.texts.push_back(measure.Elide(text, rooms[i]));
    }
    return cut;
}

// Whether the entries shown read apart where their names differ.
bool TellsApart(const std::vector<LegendItem>& items, const LegendLayout& rows,
                const LegendTexts& cut) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (rows.rowOf[i] && rows.rowOf[j] && cut.names[i] == cut.names[j] &&
                items[i].name != items[j].name)
                return false;
        }
    }
    return true;
}

// Lays the legend in rows below `top`, as many as a third of the height holds; gives its height.
double LayOutLegend(PlotPlacement& laid, const std::vector<LegendItem>& items,
                    const PlotRect& bounds, double top, const TextMeasure& measure) {
    const double sample = kLegendSampleWidth + kLegendSampleGap;
    std::vector<double> widths;
    for (std::size_t i = 0; i < items.size(); ++i)
        widths.push_back(sample + measure.Width(WholeText(items, i)));
    const double rowHeight = measure.Height() + 2;
    const auto mostRows = static_cast<std::size_t>(std::max(1.0, bounds.height / 3 / rowHeight));
    // Cells too narrow to tell the names apart are no use: fewer, wider ones then, the rest
    // counted.
    LegendLayout rows;
    LegendTexts cut;
    for (double narrowest = sample + measure.AverageCharWidth() * 12;;) {
        rows = LegendRows(widths, bounds.width, kEntryGap, mostRows, narrowest);
        std::vector<double> rooms;
        for (const double width : rows.widthOf) rooms.push_back(std::max(width - sample, 0.0));
        cut = TextsIn(items, rooms, measure);
        if (rows.columns < 2 || TellsApart(items, rows, cut))
            break;
        narrowest = LegendCellWidth(bounds.width, kEntryGap, rows.columns - 1);
    }
    const auto box = [&](std::size_t row, double left, double width) {
        return PlotRect{bounds.left + left, top + static_cast<double>(row) * rowHeight, width,
                        rowHeight};
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (rows.rowOf[i]) {
            laid.legend.push_back({cut.texts[i], items[i].pen, items[i].marked,
                                   box(*rows.rowOf[i], rows.leftOf[i], rows.widthOf[i]),
                                   items[i].band});
        } else {
            laid.leftOut.push_back(items[i].name);
        }
    }
    if (rows.leftOut > 0) {
        laid.legend.push_back({measure.Elide(MoreEntries(rows.leftOut), rows.moreWidth),
                               std::nullopt, false,
                               box(rows.moreRow, rows.moreLeft, rows.moreWidth)});
    }
    return static_cast<double>(rows.rows) * rowHeight;
}

// The marked points' labels, the model's speed first, and the rating lines'.
std::vector<LabelWish> LabelWishes(const PlotData& plot, const PlotPlacement& laid,
                                   const TextMeasure& measure,
                                   const std::vector<std::size_t>& marked,
                                   const std::vector<std::string>& ratingTexts) {
    std::vector<LabelWish> wishes;
    for (const std::size_t i : marked) {
        const PlotCurve& curve = plot.curves[i];
        const std::string text = measure.Elide(curve.markLabel, laid.area.width);
        wishes.push_back({laid.mapping.X(curve.mark->first), laid.mapping.Y(curve.mark->second),
                          measure.Width(text) + 2, measure.Height()});
    }
    for (std::size_t i = 0; i < ratingTexts.size(); ++i) {
        if (ratingTexts[i].empty())
            continue;
        const std::string text = measure.Elide(ratingTexts[i], laid.area.width);
        wishes.push_back({0, laid.mapping.Y(*plot.ratings[i].value), measure.Width(text) + 2,
                          measure.Height(), true});
    }
    return wishes;
}

// The curves with a label of their own, the model's speed first: curves that coincide, marked
// at the same point, share the first one's label, and so do curves marked alike at one point.
std::vector<std::size_t> MarkedCurves(const PlotData& plot) {
    std::vector<std::size_t> order;
    for (const std::size_t i : DrawingOrder(plot.curves)) {
        if (plot.curves[i].mark)
            order.push_back(i);
    }
    const std::vector<std::optional<std::size_t>> coincides = CoincidingCurves(plot.curves);
    const auto group = [&coincides](std::size_t i) { return coincides[i].value_or(i); };
    std::vector<std::size_t> labelled;
    for (const std::size_t i : order) {
        const PlotCurve& curve = plot.curves[i];
        const bool shared = std::any_of(labelled.begin(), labelled.end(), [&](std::size_t j) {
            const PlotCurve& other = plot.curves[j];
            return other.mark == curve.mark &&
                   (group(j) == group(i) || other.markLabel == curve.markLabel);
        });
        if (!shared)
            labelled.push_back(i);
    }
    return labelled;
}

void PlaceLabelsOf(const PlotData& plot, const PlotStyle& style, const TextMeasure& measure,
                   PlotPlacement& laid) {
    const std::vector<std::size_t> marked = MarkedCurves(plot);
    const std::vector<std::string> ratingTexts = RatingLabels(plot.ratings);
    LabelRoom room{laid.area, kPlotMarkRadius + 1, {}, 0};
    // Nothing over the thick line of the model's speed.
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        if (!plot.curves[i].modelSpeed)
            continue;
        room.lineClear = style.curves[i].width / 2 + 1;
        room.lines.emplace_back();
        for (const auto& [angle, torque] : plot.curves[i].points)
            room.lines.back().emplace_back(laid.mapping.X(angle), laid.mapping.Y(torque));
    }
    const std::vector<std::optional<PlotRect>> placed =
        PlaceLabels(LabelWishes(plot, laid, measure, marked, ratingTexts), room);
    const auto label = [&](const PlotRect& box, const std::string& text, const PlotPen& pen) {
        return PlacedLabel{box, measure.Elide(text, box.width), TextColour(pen.colour)};
    };
    laid.marks.assign(plot.curves.size(), std::nullopt);
    laid.ratingLabels.assign(plot.ratings.size(), std::nullopt);
    std::size_t k = 0;
    for (const std::size_t i : marked) {
        if (const std::optional<PlotRect>& box = placed[k++])
            laid.marks[i] = label(*box, plot.curves[i].markLabel, style.curves[i]);
    }
    for (std::size_t i = 0; i < ratingTexts.size(); ++i) {
        if (ratingTexts[i].empty())
            continue;
        if (const std::optional<PlotRect>& box = placed[k++])
            laid.ratingLabels[i] = label(*box, ratingTexts[i], style.ratings[i]);
    }
}

}  // namespace

std::string TickText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", std::clamp(decimals, 0, 12), value + 0.0);
    return text;
}

PlotPlacement PlacePlot(const PlotRect& bounds, const PlotData& plot, const PlotStyle& style,
                        const TextMeasure& measure) {
    PlotPlacement laid;
    const double line = measure.Height();
    double labelsWidth = 0;
    for (const double tick : MajorTicks(plot.scale))
        labelsWidth = std::max(labelsWidth, measure.Width(TickText(tick, plot.scale.decimals)));
    const double left = bounds.left + line + 4 + labelsWidth + kPlotTickLength + 2;
    const double right = bounds.right() - std::max(8.0, measure.Width("60") / 2 + 2);
    const double top = bounds.top + line / 2 + 2;
    const std::vector<LegendItem> items = LegendItems(plot, style);
    // Ticks' labels and the axis title below the area, then the legend.
    const double belowArea = kPlotTickLength + 2 + line + 2 + line + 4;
    const double legendTop = bounds.bottom() - 2;  // moved up once its height is known
    const double legendHeight = LayOutLegend(laid, items, bounds, legendTop, measure);
    for (PlacedLegendEntry& entry : laid.legend) entry.box.top -= legendHeight;
    const double bottom = std::max(top + 1, legendTop - legendHeight - belowArea);
    laid.area = {left, top, std::max(right - left, 1.0), bottom - top};
    laid.mapping = PlotMapping(laid.area, kDeflectionScale, plot.scale);
    laid.torqueLabelsRight = left - kPlotTickLength - 2;
    laid.torqueTitle = measure.Elide("Coppia al servo (Kg*cm)", laid.area.height);
    laid.torqueTitleBox = {bounds.left, top, line, laid.area.height};
    laid.deflectionTitle = measure.Elide("Deflessione (°)", laid.area.width);
    laid.deflectionTitleBox = {left, bottom + kPlotTickLength + 2 + line + 2, laid.area.width,
                               line};
    PlaceLabelsOf(plot, style, measure, laid);
    return laid;
}

}  // namespace coppia
