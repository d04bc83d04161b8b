// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/plot_geometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "engine/number_text.h"
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

constexpr double kEntryGap = 14;  // between entries of a row

QString Degrees(double value) {
    return ToQString(FormatNumber(value, "#0.0")) + QStringLiteral("°");
}

// A curve's entry: its name, and the curve it coincides with when drawn over it.
QString CurveText(const QFontMetricsF& metrics, const PlotData& plot, std::size_t curve,
                  std::optional<std::size_t> coincides, double room) {
    const QString name = ToQString(plot.curves[curve].name);
    if (!coincides)
        return ElideToWidth(metrics, name, room);
    const QString other = ElideToWidth(metrics, ToQString(plot.curves[*coincides].name), room / 3);
    const QString said = QStringLiteral(" (coincide con «%1»)").arg(other);
    return ElideToWidth(metrics, name, std::max(room - metrics.horizontalAdvance(said), room / 4)) +
           said;
}

std::vector<LegendEntry> LegendEntries(const PlotData& plot, const PlotPens& pens,
                                       const QFontMetricsF& metrics, double rowWidth) {
    const double room = std::max(rowWidth - kLegendSampleWidth - kLegendSampleGap, 0.0);
    std::vector<LegendEntry> entries;
    const std::vector<std::optional<std::size_t>> coincides = CoincidingCurves(plot.curves);
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        entries.push_back({CurveText(metrics, plot, i, coincides[i], room),
                           pens.curves[i],
                           plot.curves[i].mark.has_value(),
                           {}});
    }
    // A line of a curve's servo is in the curve's colour, and the curve's name stands for it;
    // unless it lies beyond the scale, which only its name says.
    for (std::size_t i = 0; i < plot.ratings.size(); ++i) {
        const PlotRating& rating = plot.ratings[i];
        if (!rating.curve || !rating.value)
            entries.push_back(
                {ElideToWidth(metrics, ToQString(rating.name), room), pens.ratings[i], false, {}});
    }
    if (plot.deflection) {
        entries.push_back({QStringLiteral("Deflessione attuale ") + Degrees(*plot.deflection),
                           pens.deflection,
                           false,
                           {}});
    }
    return entries;
}

// Lays the legend in rows below `top`, as many as a third of the height holds; gives its height.
double PlaceLegend(std::vector<LegendEntry>& entries, const QRectF& bounds, double top,
                   const QFontMetricsF& metrics) {
    std::vector<double> widths;
    for (const LegendEntry& entry : entries)
        widths.push_back(kLegendSampleWidth + kLegendSampleGap +
                         metrics.horizontalAdvance(entry.text));
    const double rowHeight = metrics.height() + 2;
    const auto mostRows = static_cast<std::size_t>(std::max(1.0, bounds.height() / 3 / rowHeight));
    const LegendLayout rows = LegendRows(widths, bounds.width(), kEntryGap, mostRows);
    std::vector<LegendEntry> shown;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!rows.rowOf[i])
            continue;
        LegendEntry entry = entries[i];
        entry.box = QRectF(bounds.left() + rows.leftOf[i],
                           top + static_cast<double>(*rows.rowOf[i]) * rowHeight,
                           std::min(widths[i], bounds.width()), rowHeight);
        shown.push_back(entry);
    }
    entries = std::move(shown);
    return static_cast<double>(rows.rows) * rowHeight;
}

std::vector<std::optional<QRectF>> PlaceMarkLabels(const PlotData& plot, const PlotGeometry& laid,
                                                   const QFontMetricsF& metrics) {
    // The model's speed first: its label wins a place before the others'.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < plot.curves.size(); ++i) {
        if (plot.curves[i].mark)
            order.insert(plot.curves[i].modelSpeed ? order.begin() : order.end(), i);
    }
    // Curves that coincide, marked at the same point, share the first one's label.
    const std::vector<std::optional<std::size_t>> coincides = CoincidingCurves(plot.curves);
    const auto group = [&coincides](std::size_t i) { return coincides[i].value_or(i); };
    std::vector<std::size_t> labelled;
    for (const std::size_t i : order) {
        const bool shared = std::any_of(labelled.begin(), labelled.end(), [&](std::size_t j) {
            return group(j) == group(i) && plot.curves[j].mark == plot.curves[i].mark;
        });
        if (!shared)
            labelled.push_back(i);
    }
    order = std::move(labelled);
    std::vector<LabelWish> wishes;
    for (const std::size_t i : order) {
        const PlotCurve& curve = plot.curves[i];
        const QString text = ElideToWidth(metrics, ToQString(curve.markLabel), laid.area.width);
        wishes.push_back({laid.mapping.X(curve.mark->first), laid.mapping.Y(curve.mark->second),
                          metrics.horizontalAdvance(text) + 2, metrics.height()});
    }
    const std::vector<std::optional<PlotRect>> placed =
        PlaceLabels(wishes, laid.area, kPlotMarkRadius + 1);
    std::vector<std::optional<QRectF>> labels(plot.curves.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        if (const std::optional<PlotRect>& box = placed[k])
            labels[order[k]] = QRectF(box->left, box->top, box->width, box->height);
    }
    return labels;
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
    for (const PlotRating& rating : plot.ratings) {
        const bool ofCurve = rating.curve && *rating.curve < pens.curves.size();
        QPen pen(ofCurve ? pens.curves[*rating.curve].color() : kRatingColour, ofCurve ? 1.5 : 2,
                 Qt::SolidLine, Qt::FlatCap);
        pen.setDashPattern({5, 3});
        pens.ratings.push_back(pen);
    }
    pens.deflection = QPen(QColor(110, 110, 110), 1.5, Qt::SolidLine, Qt::FlatCap);
    pens.deflection.setDashPattern({1, 2});
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
    laid.legend = LegendEntries(plot, pens, metrics, bounds.width());
    // Ticks' labels and the axis title below the area, then the legend.
    const double belowArea = kPlotTickLength + 2 + line + 2 + line + 4;
    const double legendTop = bounds.bottom() - 2;  // moved up once its height is known
    const double legendHeight = PlaceLegend(laid.legend, bounds, legendTop, metrics);
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
    laid.marks = PlaceMarkLabels(plot, laid, metrics);
    return laid;
}

}  // namespace coppia
