// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/plot_painter.h"

#include <QPainterPath>

#include "models/shared/plot_labels.h"
#include "ui/common/qt_text.h"

namespace coppia {

namespace {

const QColor kBackground(255, 255, 255);
const QColor kMinorGrid(232, 232, 232);
const QColor kGrid(200, 200, 200);
const QColor kAxis(80, 80, 80);
const QColor kText(0, 0, 0);

QRectF ToRect(const PlotRect& rect) {
    return QRectF(rect.left, rect.top, rect.width, rect.height);
}

void PaintGridLines(QPainter& painter, const PlotData& plot, const PlotGeometry& laid, bool major,
                    const QColor& colour) {
    const PlotRect& area = laid.area;
    painter.setPen(QPen(colour, 1, Qt::SolidLine, Qt::FlatCap));
    const auto across = major ? MajorTicks(kDeflectionScale) : MinorTicks(kDeflectionScale);
    for (const double deflection : across) {
        const double x = PixelCentre(laid.mapping.X(deflection));
        painter.drawLine(QPointF(x, area.top), QPointF(x, area.bottom()));
    }
    const auto up = major ? MajorTicks(plot.scale) : MinorTicks(plot.scale);
    for (const double torque : up) {
        const double y = PixelCentre(laid.mapping.Y(torque));
        painter.drawLine(QPointF(area.left, y), QPointF(area.right(), y));
    }
}

void PaintAxes(QPainter& painter, const PlotData& plot, const PlotGeometry& laid) {
    const PlotRect& area = laid.area;
    const double left = PixelCentre(area.left);
    const double bottom = PixelCentre(area.bottom());
    painter.setPen(QPen(kAxis, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left, area.top), QPointF(left, bottom));
    painter.drawLine(QPointF(left, bottom), QPointF(area.right(), bottom));
    const double line = QFontMetricsF(painter.font(), painter.device()).height();
    for (const double torque : MajorTicks(plot.scale)) {
        const double y = PixelCentre(laid.mapping.Y(torque));
        painter.setPen(QPen(kAxis, 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(left - kPlotTickLength, y), QPointF(left, y));
        painter.setPen(kText);
        painter.drawText(QRectF(laid.torqueLabelsRight - 1000, y - line / 2, 1000, line),
                         Qt::AlignRight | Qt::AlignVCenter,
                         ToQString(TickText(torque, plot.scale.decimals)));
    }
    for (const double deflection : MajorTicks(kDeflectionScale)) {
        const double x = PixelCentre(laid.mapping.X(deflection));
        painter.setPen(QPen(kAxis, 1, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(x, bottom), QPointF(x, bottom + kPlotTickLength));
        painter.setPen(kText);
        painter.drawText(QRectF(x - 50, bottom + kPlotTickLength + 1, 100, line), Qt::AlignCenter,
                         ToQString(TickText(deflection, 0)));
    }
    painter.drawText(laid.deflectionTitleBox, Qt::AlignCenter, laid.deflectionTitle);
    painter.save();
    const QRectF& box = laid.torqueTitleBox;
    painter.translate(box.center());
    painter.rotate(-90);
    painter.drawText(QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()),
                     Qt::AlignCenter, laid.torqueTitle);
    painter.restore();
}

// The band under everything else: hatched between its edges, its edges drawn.
void PaintBand(QPainter& painter, const PlotData& plot, const PlotPens& pens,
               const PlotGeometry& laid) {
    if (!plot.band)
        return;
    const auto line = [&laid](const std::vector<std::pair<double, double>>& points) {
        QPolygonF polygon;
        for (const auto& [angle, torque] : points)
            polygon << QPointF(laid.mapping.X(angle), laid.mapping.Y(torque));
        return polygon;
    };
    const QPolygonF low = line(plot.band->low);
    const QPolygonF high = line(plot.band->high);
    painter.save();
    painter.setClipRect(ToRect(laid.area));
    QPolygonF area = low;
    for (auto point = high.crbegin(); point != high.crend(); ++point) area << *point;
    painter.setPen(Qt::NoPen);
    painter.setBrush(pens.bandFill);
    painter.drawPolygon(area);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(pens.bandLow);
    painter.drawPolyline(low);
    painter.setPen(pens.bandHigh);
    painter.drawPolyline(high);
    painter.restore();
}

// The rated torques, the current deflection and the curves, clipped to the area.
void PaintLines(QPainter& painter, const PlotData& plot, const PlotPens& pens,
                const PlotGeometry& laid) {
    const PlotRect& area = laid.area;
    painter.save();
    painter.setClipRect(ToRect(area));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t i = 0; i < plot.ratings.size(); ++i) {
        if (!plot.ratings[i].value)
            continue;
        painter.setPen(pens.ratings[i]);
        const double y = laid.mapping.Y(*plot.ratings[i].value);
        painter.drawLine(QPointF(area.left, y), QPointF(area.right(), y));
    }
    if (plot.deflection) {
        painter.setPen(pens.deflection);
        const double x = laid.mapping.X(*plot.deflection);
        painter.drawLine(QPointF(x, area.top), QPointF(x, area.bottom()));
    }
    for (const std::size_t i : DrawingOrder(plot.curves)) {
        const PlotCurve& curve = plot.curves[i];
        if (curve.points.empty())
            continue;
        QPainterPath path(QPointF(laid.mapping.X(curve.points.front().first),
                                  laid.mapping.Y(curve.points.front().second)));
        for (const auto& [angle, torque] : curve.points)
            path.lineTo(laid.mapping.X(angle), laid.mapping.Y(torque));
        painter.setPen(pens.curves[i]);
        painter.drawPath(path);
    }
    painter.restore();
}

void PaintMark(QPainter& painter, const QPointF& centre, const QColor& colour) {
    painter.setPen(QPen(kBackground, 1.5));
    painter.setBrush(colour);
    painter.drawEllipse(centre, kPlotMarkRadius, kPlotMarkRadius);
}

// A marked point within the area gets its whole dot, also at the area's edge (a peak at 60°);
// one beyond the scale none. Of curves marked at one point, the first drawn, whose colour its
// label has, shows its dot on top.
void PaintMarks(QPainter& painter, const PlotData& plot, const PlotPens& pens,
                const PlotGeometry& laid) {
    const QRectF area = ToRect(laid.area).adjusted(-0.5, -0.5, 0.5, 0.5);
    const std::vector<std::size_t> order = DrawingOrder(plot.curves);
    for (auto at = order.rbegin(); at != order.rend(); ++at) {
        const std::size_t i = *at;
        const PlotCurve& curve = plot.curves[i];
        if (!curve.mark)
            continue;
        const QPointF centre(laid.mapping.X(curve.mark->first), laid.mapping.Y(curve.mark->second));
        if (area.contains(centre))
            PaintMark(painter, centre, pens.curves[i].color());
    }
}

// The labels, each in the colour of what it names, on a light ground that lets the lines
// behind them show.
void PaintLabels(QPainter& painter, const PlotGeometry& laid) {
    for (const auto* labels : {&laid.marks, &laid.ratingLabels}) {
        for (const std::optional<PlotLabel>& label : *labels) {
            if (!label)
                continue;
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 255, 255, 210));
            painter.drawRect(label->box);
            painter.setPen(label->colour);
            painter.drawText(label->box, Qt::AlignCenter, label->text);
        }
    }
}

void PaintLegend(QPainter& painter, const PlotPens& pens, const PlotGeometry& laid) {
    for (const LegendEntry& entry : laid.legend) {
        if (entry.band) {
            const QRectF sample(entry.box.left() + 1, entry.box.center().y() - 4,
                                kLegendSampleWidth - 2, 8);
            painter.fillRect(sample, pens.bandFill);
            painter.setPen(pens.bandHigh);
            painter.drawLine(sample.topLeft(), sample.topRight());
            painter.setPen(pens.bandLow);
            painter.drawLine(sample.bottomLeft(), sample.bottomRight());
            painter.setPen(kText);
            painter.drawText(entry.box.adjusted(kLegendSampleWidth + kLegendSampleGap, 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter, entry.text);
            continue;
        }
        if (entry.pen.style() == Qt::NoPen) {
            painter.setPen(kText);
            painter.drawText(entry.box, Qt::AlignLeft | Qt::AlignVCenter, entry.text);
            continue;
        }
        const double y = entry.box.center().y();
        const QPointF start(entry.box.left() + 1, y);
        const QPointF end(entry.box.left() + kLegendSampleWidth - 1, y);
        painter.setPen(entry.pen);
        painter.drawLine(start, end);
        if (entry.marked)
            PaintMark(painter, (start + end) / 2, entry.pen.color());
        painter.setPen(kText);
        painter.drawText(entry.box.adjusted(kLegendSampleWidth + kLegendSampleGap, 0, 0, 0),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
    }
}

}  // namespace

void PaintPlot(QPainter& painter, const QRectF& bounds, const PlotData& plot, const QFont& font) {
    painter.setFont(font);
    const PlotPens pens = PensFor(plot);
    const PlotGeometry laid = LayOutPlot(bounds, plot, QFontMetricsF(font, painter.device()));
    PaintPlot(painter, bounds, plot, pens, laid);
}

void PaintPlot(QPainter& painter, const QRectF& bounds, const PlotData& plot, const PlotPens& pens,
               const PlotGeometry& laid) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(bounds, kBackground);
    PaintGridLines(painter, plot, laid, false, kMinorGrid);
    PaintGridLines(painter, plot, laid, true, kGrid);
    PaintBand(painter, plot, pens, laid);
    PaintLines(painter, plot, pens, laid);
    PaintAxes(painter, plot, laid);
    PaintMarks(painter, plot, pens, laid);
    PaintLabels(painter, laid);
    PaintLegend(painter, pens, laid);
    painter.restore();
}

}  // namespace coppia
