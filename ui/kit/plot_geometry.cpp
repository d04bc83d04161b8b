// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/number_text.h"
#include "models/shared/elided_names.h"
#include "models/shared/plot_labels.h"
#include "ui/common/qt_text.h"

namespace coppia {

namespace {

// The model's speed is always the same strong black line; the other curves take these in turn,
// thinner: the analysis's other speeds, slowest first, or the model window's surfaces.
const QColor kModelColour(0, 0, 0);
const QColor kOtherColours[] = {QColor(0, 114, 178),   QColor(0, 158, 115), QColor(213, 94, 0),
                                QColor(204, 121, 167), QColor(230, 159, 0), QColor(86, 180, 233),
                                QColor(120, 120, 120), QColor(140, 80, 20)};
// In pen widths; the first is a solid line. Six patterns against eight colours: no two curves
// of a plot of up to eight share both.
const QList<qreal> kOtherDashes[] = {
    {}, {6, 2}, {1.5, 1.5}, {6, 2, 1.5, 2}, {3, 3}, {10, 2, 1.5, 2, 1.5, 2},
};
const QColor kRatingColour(200, 0, 0);
// Of the second estimate's band: a purple no curve of the plot has.
const QColor kBandColour(130, 60, 150);

constexpr double kEntryGap = 14;  // between entries of a row

QString Degrees(double value) {
    return ToQString(FormatNumber(value, "#0.0")) + QStringLiteral("°");
}

// What the legend names, before it is laid out: a curve, a rating off its curve, the current
// deflection.
struct LegendItem {
    std::string name;
    std::optional<std::size_t> coincidesWith;  // a curve's: the earlier one it is drawn over
    QPen pen;
    bool marked = false;
    bool band = false;
};

// A name no longer than can be measured at once.
std::string Measurable(const std::string& name) {
    const std::string cut = CutText(name, kLongestMeasured);
    return cut.size() < name.size() ? cut + "…" : cut;
}

QString CoincideNote(const std::string& other) {
    return QStringLiteral(" (coincide con «%1»)").arg(ToQString(other));
}

std::vector<LegendItem> LegendItems(const PlotData& plot, const PlotPens& pens) {
    std::vector<LegendItem> items;
    const std::vector<std::optional<std::size_t>> coincides = CoincidingCurves(plot.curves);
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        items.push_back({Measurable(plot.curves[i].name), coincides[i], pens.curves[i],
                         plot.curves[i].mark.has_value()});
    }
    // A line of a curve's servo is in the curve's colour, and the curve's name stands for it;
    // unless it lies beyond the scale, which only its name says.
    for (std::size_t i = 0; i < plot.ratings.size(); ++i) {
        const PlotRating& rating = plot.ratings[i];
        if (!rating.curve || !rating.value)
            items.push_back({Measurable(rating.name), std::nullopt, pens.ratings[i], false});
    }
    if (plot.deflection) {
        items.push_back({"Deflessione attuale " + Degrees(*plot.deflection).toStdString(),
                         std::nullopt, pens.deflection, false});
    }
    if (plot.band)
        items.push_back({Measurable(plot.band->name), std::nullopt, pens.bandLow, false, true});
    return items;
}

// The whole text of an entry, as it would be with room enough.
QString WholeText(const std::vector<LegendItem>& items, std::size_t i) {
    const std::optional<std::size_t> other = items[i].coincidesWith;
    return ToQString(items[i].name) + (other ? CoincideNote(items[*other].name) : QString());
}

// Each item's text in `room` across: the names cut so that they stay apart, each in at least
// half its room; a curve drawn over another names it in what is left.
struct LegendTexts {
    std::vector<std::string> names;  // as cut
    std::vector<QString> texts;
};
LegendTexts TextsIn(const std::vector<LegendItem>& items, const std::vector<double>& rooms,
                    const QFontMetricsF& metrics) {
    std::vector<std::string> names;
    std::vector<double> noteRooms(items.size(), 1e9);
    for (std::size_t i = 0; i < items.size(); ++i) {
        names.push_back(items[i].name);
        if (const std::optional<std::size_t> other = items[i].coincidesWith)
            noteRooms[*other] = std::min(noteRooms[*other], rooms[i] / 5);
    }
    const auto width = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(ToQString(text));
    };
    const std::vector<std::string> inNotes = ElideApart(
        names, [&](std::size_t i, const std::string& name) { return width(name) <= noteRooms[i]; });
    std::vector<QString> notes;
    for (const LegendItem& item : items)
        notes.push_back(item.coincidesWith ? CoincideNote(inNotes[*item.coincidesWith])
                                           : QString());
    LegendTexts cut;
    cut.names = ElideApart(names, [&](std::size_t i, const std::string& name) {
        const double room = std::max(rooms[i] - metrics.horizontalAdvance(notes[i]), rooms[i] / 2);
        return width(name) <= room;
    });
    for (std::size_t i = 0; i < items.size(); ++i) {
        QString text = ToQString(cut.names[i]) + notes[i];
        // Without room to name the other curve, the note says only that it coincides.
        if (items[i].coincidesWith && metrics.horizontalAdvance(text) > rooms[i])
            text = ToQString(cut.names[i]) + QStringLiteral(" (coincide)");
        cut.texts.push_back(ElideToWidth(metrics, text, rooms[i]));
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
double LayOutLegend(PlotGeometry& laid, const std::vector<LegendItem>& items, const QRectF& bounds,
                    double top, const QFontMetricsF& metrics) {
    const double sample = kLegendSampleWidth + kLegendSampleGap;
    std::vector<double> widths;
    for (std::size_t i = 0; i < items.size(); ++i)
        widths.push_back(sample + metrics.horizontalAdvance(WholeText(items, i)));
    const double rowHeight = metrics.height() + 2;
    const auto mostRows = static_cast<std::size_t>(std::max(1.0, bounds.height() / 3 / rowHeight));
    // Cells too narrow to tell the names apart are no use: fewer, wider ones then, the rest
    // counted.
    LegendLayout rows;
    LegendTexts cut;
    for (double narrowest = sample + metrics.averageCharWidth() * 12;;) {
        rows = LegendRows(widths, bounds.width(), kEntryGap, mostRows, narrowest);
        std::vector<double> rooms;
        for (const double width : rows.widthOf) rooms.push_back(std::max(width - sample, 0.0));
        cut = TextsIn(items, rooms, metrics);
        if (rows.columns < 2 || TellsApart(items, rows, cut))
            break;
        narrowest = LegendCellWidth(bounds.width(), kEntryGap, rows.columns - 1);
    }
    const auto box = [&](std::size_t row, double left, double width) {
        return QRectF(bounds.left() + left, top + static_cast<double>(row) * rowHeight, width,
                      rowHeight);
    };
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (rows.rowOf[i]) {
            laid.legend.push_back({cut.texts[i], items[i].pen, items[i].marked,
                                   box(*rows.rowOf[i], rows.leftOf[i], rows.widthOf[i]),
                                   items[i].band});
        } else {
            laid.leftOut << ToQString(items[i].name);
        }
    }
    if (rows.leftOut > 0) {
        laid.legend.push_back(
            {ElideToWidth(metrics, ToQString(MoreEntries(rows.leftOut)), rows.moreWidth),
             QPen(Qt::NoPen), false, box(rows.moreRow, rows.moreLeft, rows.moreWidth)});
    }
    return static_cast<double>(rows.rows) * rowHeight;
}

// The marked points' labels, the model's speed first, and the rating lines'.
std::vector<LabelWish> LabelWishes(const PlotData& plot, const PlotGeometry& laid,
                                   const QFontMetricsF& metrics,
                                   const std::vector<std::size_t>& marked,
                                   const std::vector<std::string>& ratingTexts) {
    std::vector<LabelWish> wishes;
    for (const std::size_t i : marked) {
        const PlotCurve& curve = plot.curves[i];
        const QString text = ElideToWidth(metrics, ToQString(curve.markLabel), laid.area.width);
        wishes.push_back({laid.mapping.X(curve.mark->first), laid.mapping.Y(curve.mark->second),
                          metrics.horizontalAdvance(text) + 2, metrics.height()});
    }
    for (std::size_t i = 0; i < ratingTexts.size(); ++i) {
        if (ratingTexts[i].empty())
            continue;
        const QString text = ElideToWidth(metrics, ToQString(ratingTexts[i]), laid.area.width);
        wishes.push_back({0, laid.mapping.Y(*plot.ratings[i].value),
                          metrics.horizontalAdvance(text) + 2, metrics.height(), true});
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

void PlaceLabelsOf(const PlotData& plot, const PlotPens& pens, const QFontMetricsF& metrics,
                   PlotGeometry& laid) {
    const std::vector<std::size_t> marked = MarkedCurves(plot);
    const std::vector<std::string> ratingTexts = RatingLabels(plot.ratings);
    LabelRoom room{laid.area, kPlotMarkRadius + 1, {}, 0};
    // Nothing over the thick line of the model's speed.
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        if (!plot.curves[i].modelSpeed)
            continue;
        room.lineClear = pens.curves[i].widthF() / 2 + 1;
        room.lines.emplace_back();
        for (const auto& [angle, torque] : plot.curves[i].points)
            room.lines.back().emplace_back(laid.mapping.X(angle), laid.mapping.Y(torque));
    }
    const std::vector<std::optional<PlotRect>> placed =
        PlaceLabels(LabelWishes(plot, laid, metrics, marked, ratingTexts), room);
    const auto label = [&](const PlotRect& box, const std::string& text, const QPen& pen) {
        const QRectF rect(box.left, box.top, box.width, box.height);
        return PlotLabel{rect, ElideToWidth(metrics, ToQString(text), rect.width()),
                         TextColour(pen.color())};
    };
    laid.marks.assign(plot.curves.size(), std::nullopt);
    laid.ratingLabels.assign(plot.ratings.size(), std::nullopt);
    std::size_t k = 0;
    for (const std::size_t i : marked) {
        if (const std::optional<PlotRect>& box = placed[k++])
            laid.marks[i] = label(*box, plot.curves[i].markLabel, pens.curves[i]);
    }
    for (std::size_t i = 0; i < ratingTexts.size(); ++i) {
        if (ratingTexts[i].empty())
            continue;
        if (const std::optional<PlotRect>& box = placed[k++])
            laid.ratingLabels[i] = label(*box, ratingTexts[i], pens.ratings[i]);
    }
}

}  // namespace

QString ElideToWidth(const QFontMetricsF& metrics, const QString& text, double width) {
    QString cut = text.left(kLongestMeasured);
    // Never half of a character written with two UTF-16 units.
    if (cut.size() < text.size() && !cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    if (cut.size() < text.size())
        cut += QStringLiteral("…");
    return metrics.elidedText(cut, Qt::ElideRight, std::max(width, 0.0));
}

QColor TextColour(const QColor& colour) {
    // Below this relative luminance, text stands out 4.5 to 1 from white.
    constexpr double kDarkEnough = 0.18;
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    QColor shade = colour;
    for (double factor = 1; factor > 0; factor -= 0.05) {
        shade.setRgbF(colour.redF() * factor, colour.greenF() * factor, colour.blueF() * factor);
        const double luminance = 0.2126 * linear(shade.redF()) + 0.7152 * linear(shade.greenF()) +
                                 0.0722 * linear(shade.blueF());
        if (luminance <= kDarkEnough)
            break;
    }
    return shade;
}

PlotPens PensFor(const PlotData& plot) {
    PlotPens pens;
    std::size_t others = 0;
    for (const PlotCurve& curve : plot.curves) {
        QPen pen(kModelColour, 3, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
        if (!curve.modelSpeed) {
            const std::size_t n = others++;
            pen = QPen(kOtherColours[n % std::size(kOtherColours)], 2, Qt::SolidLine, Qt::FlatCap,
                       Qt::RoundJoin);
            if (const QList<qreal>& dashes = kOtherDashes[n % std::size(kOtherDashes)];
                !dashes.isEmpty())
                pen.setDashPattern(dashes);
        }
        pens.curves.push_back(pen);
    }
    // Lines that coincide take turns along it, each dash in its own colour.
    const std::vector<std::optional<std::size_t>> coincides = CoincidingRatings(plot.ratings);
    std::vector<int> alike(plot.ratings.size(), 0);
    for (const std::optional<std::size_t>& first : coincides)
        if (first)
            ++alike[*first];
    for (std::size_t i = 0; i < plot.ratings.size(); ++i) {
        const PlotRating& rating = plot.ratings[i];
        const bool ofCurve = rating.curve && *rating.curve < pens.curves.size();
        QPen pen(ofCurve ? pens.curves[*rating.curve].color() : kRatingColour, ofCurve ? 1.5 : 2,
                 Qt::SolidLine, Qt::FlatCap);
        const std::size_t first = coincides[i].value_or(i);
        const int turns = alike[first] + 1;
        const auto turn = static_cast<int>(std::count(coincides.begin(), coincides.begin() + i,
                                                      std::optional<std::size_t>(first))) +
                          (coincides[i] ? 1 : 0);
        pen.setDashPattern({5, 3.0 + 8.0 * (turns - 1)});
        pen.setDashOffset(8.0 * turn);
        pens.ratings.push_back(pen);
    }
    pens.deflection = QPen(QColor(110, 110, 110), 1.5, Qt::SolidLine, Qt::FlatCap);
    pens.deflection.setDashPattern({1, 2});
    // Hatched, not tinted: a grey print keeps the lines of the hatch where a tint would fade.
    pens.bandLow = QPen(kBandColour, 1.5, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    pens.bandHigh = QPen(kBandColour, 1.5, Qt::DotLine, Qt::FlatCap, Qt::RoundJoin);
    pens.bandFill = QBrush(kBandColour, Qt::BDiagPattern);
    return pens;
}

QString TickText(double value, int decimals) {
    return QString::number(value + 0.0, 'f', std::clamp(decimals, 0, 12));
}

PlotGeometry LayOutPlot(const QRectF& bounds, const PlotData& plot, const PlotPens& pens,
                        const QFontMetricsF& metrics) {
    PlotGeometry laid;
    const double line = metrics.height();
    double labelsWidth = 0;
    for (const double tick : MajorTicks(plot.scale))
        labelsWidth =
            std::max(labelsWidth, metrics.horizontalAdvance(TickText(tick, plot.scale.decimals)));
    const double left = bounds.left() + line + 4 + labelsWidth + kPlotTickLength + 2;
    const double right = bounds.right() - std::max(8.0, metrics.horizontalAdvance("60") / 2 + 2);
    const double top = bounds.top() + line / 2 + 2;
    const std::vector<LegendItem> items = LegendItems(plot, pens);
    // Ticks' labels and the axis title below the area, then the legend.
    const double belowArea = kPlotTickLength + 2 + line + 2 + line + 4;
    const double legendTop = bounds.bottom() - 2;  // moved up once its height is known
    const double legendHeight = LayOutLegend(laid, items, bounds, legendTop, metrics);
    for (LegendEntry& entry : laid.legend) entry.box.translate(0, -legendHeight);
    const double bottom = std::max(top + 1, legendTop - legendHeight - belowArea);
    laid.area = {left, top, std::max(right - left, 1.0), bottom - top};
    laid.mapping = PlotMapping(laid.area, kDeflectionScale, plot.scale);
    laid.torqueLabelsRight = left - kPlotTickLength - 2;
    laid.torqueTitle =
        ElideToWidth(metrics, QStringLiteral("Coppia al servo (Kg*cm)"), laid.area.height);
    laid.torqueTitleBox = QRectF(bounds.left(), top, line, laid.area.height);
    laid.deflectionTitle =
        ElideToWidth(metrics, QStringLiteral("Deflessione (°)"), laid.area.width);
    laid.deflectionTitleBox =
        QRectF(left, bottom + kPlotTickLength + 2 + line + 2, laid.area.width, line);
    PlaceLabelsOf(plot, pens, metrics, laid);
    return laid;
}

}  // namespace coppia
